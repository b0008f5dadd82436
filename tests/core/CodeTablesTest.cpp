#include <gtest/gtest.h>

#include "BookTest.h"
#include "FakeBookWindow.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/SplitEntry.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

using namespace core;
using platform::Answer;

namespace {

// A stored transaction with the given codes; columns the tests do not look at are filler.
std::string record(const std::string& bank, const std::string& vat, const std::string& category, int splits = 0,
                   const std::string& tail = "", bool deleted = false)
{
    std::string count = std::to_string(splits);
    count.insert(0, 3 - count.size(), '0');
    const std::string line = "000001" "20240405" "REF001" + runtime::padRight(bank, 6) + "CUST01"
        + runtime::padRight(vat, 3) + runtime::padRight(category, 4) + "PAY" + runtime::padRight("memo", 74)
        + "00000010.00" + "  " + (deleted ? "Y" : " ") + "00000000.00" + "       0.00" + count + " ";
    return line + tail;
}

std::string split(const std::string& vat)
{
    return "001" + runtime::padRight("split", 30) + "      10.00" + runtime::padRight(vat, 3) + "    ";
}

std::string categoryLine(const std::string& code, const std::string& name)
{
    CategoryRecord r;
    r.Code = code;
    r.Name = name;
    return FormatCategoryLine(r);
}

class CodeTablesTest : public BookTest {
protected:
    CodeTablesTest() { book.ledger.AttachWindow(window); }

    bool addCategory(const std::string& code, const std::string& name)
    {
        const std::string line = categoryLine(code, name);
        return AddCodeLine(book.messages, book.codes.ListAnalCodes, book.codes.ComboAnal, line, line, 4);
    }
    std::vector<std::string> items(const platform::ListModel& list)
    {
        std::vector<std::string> result;
        for (int i = 0; i < list.ListCount(); ++i)
            result.push_back(list.List(i));
        return result;
    }

    FakeBookWindow window;
};

} // namespace

TEST(CodeLines, LinesHaveTheirFixedColumns)
{
    BankAccountRecord bank;
    bank.Code = "BANK01";
    bank.Name = "Barclays";
    bank.Balance = 1500;
    bank.Address = "1 Bank St\r\nLeeds";
    bank.Tel = "0113";
    bank.DateOpened = "01/Apr/2024";
    bank.StartBalance = -25.5;
    const std::string line = FormatBankAccountLine(bank);
    ASSERT_EQ(line.size(), 157u);
    EXPECT_EQ(line.substr(0, 28), "BANK01 Barclays             ");
    EXPECT_EQ(runtime::mid(line, 29, 11), "    1500.00");
    EXPECT_EQ(runtime::mid(line, 41, 16), "1 Bank St\r\nLeeds");
    EXPECT_EQ(runtime::mid(line, 136, 11), "01/Apr/2024");
    EXPECT_EQ(runtime::mid(line, 147, 11), "     -25.50");
    const BankAccountRecord back = ParseBankAccountLine(line);
    EXPECT_EQ(FormatBankAccountLine(back), line);
    EXPECT_EQ(back.StartBalance, -25.5);

    CustomerRecord customer;
    customer.Code = "ACME01";
    customer.Name = "Acme";
    customer.Tel = "tel";
    customer.Fax = "fax";
    const std::string customerLine = FormatCustomerLine(customer);
    ASSERT_EQ(customerLine.size(), 140u);
    EXPECT_EQ(runtime::mid(customerLine, 109, 5), " tel ");
    EXPECT_EQ(runtime::mid(customerLine, 125, 4), " fax");
    EXPECT_EQ(FormatCustomerLine(ParseCustomerLine(customerLine)), customerLine);

    VatCodeRecord vat;
    vat.Code = "STD";
    vat.Rate = 17.5;
    vat.Name = "Standard";
    const std::string vatLine = FormatVatCodeLine(vat);
    EXPECT_EQ(vatLine, "STD       17.50 Standard            ");
    EXPECT_EQ(ParseVatCodeLine(vatLine).Rate, 17.5);

    EXPECT_EQ(categoryLine("SALE", "Sales"), "SALE Sales               ");
    EXPECT_EQ(ParseCategoryLine("SALE Sales").Name.str(), "Sales               ");
}

TEST(CodeLines, AnAmountWiderThanItsColumnIsRefusedNotCut)
{
    const struct {
        double amount;
        const char* column; // "" when refused
    } cases[] = {
        {-9999999.99, "-9999999.99"}, {99999999.99, "99999999.99"}, {-9999999.994, "-9999999.99"},
        {-10000000, ""},              {-10000004.55, ""},           {99999999.995, ""},
        {100000000, ""},              {1e20, ""},
    };
    // The error number a formatting raises, 0 when it raises none.
    const auto raised = [](const auto& format) {
        try {
            format();
        } catch (const runtime::Error& error) {
            return error.number();
        }
        return 0;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        BankAccountRecord balance;
        balance.Balance = c.amount;
        BankAccountRecord start;
        start.StartBalance = c.amount;
        VatCodeRecord rate;
        rate.Rate = c.amount;
        if (*c.column == 0) {
            EXPECT_EQ(raised([&] { FormatBankAccountLine(balance); }), runtime::Overflow);
            EXPECT_EQ(raised([&] { FormatBankAccountLine(start); }), runtime::Overflow);
            EXPECT_EQ(raised([&] { FormatVatCodeLine(rate); }), runtime::Overflow);
            continue;
        }
        const std::string balanceLine = FormatBankAccountLine(balance);
        const std::string startLine = FormatBankAccountLine(start);
        const std::string rateLine = FormatVatCodeLine(rate);
        ASSERT_EQ(balanceLine.size(), 157u);
        EXPECT_EQ(runtime::mid(balanceLine, 29, 11), c.column);
        EXPECT_EQ(runtime::mid(balanceLine, 147, 11), "       0.00");
        ASSERT_EQ(startLine.size(), 157u);
        EXPECT_EQ(runtime::mid(startLine, 147, 11), c.column);
        EXPECT_EQ(runtime::mid(rateLine, 5, 12), std::string(c.column) + " ");
    }
}

TEST(CodeLines, ATabInANameOrAddressIsStoredAsABlank)
{
    BankAccountRecord bank;
    bank.Code = "B1";
    bank.Name = "Main\tbank";
    bank.Address = "1 High St\r\nLeeds\t";
    CustomerRecord customer;
    customer.Code = "ACME";
    customer.Name = "Acme\tLtd";
    customer.Address = "2\tLow St";
    customer.Tel = "0113\t";
    VatCodeRecord vat;
    vat.Code = "S";
    vat.Name = "Stan\tdard";
    CategoryRecord category;
    category.Code = "SALE";
    category.Name = "Sa\tles";
    for (const std::string& line : {FormatBankAccountLine(bank), FormatCustomerLine(customer), FormatVatCodeLine(vat),
                                     FormatCategoryLine(category)}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(line.find('\t'), std::string::npos);
    }
    EXPECT_EQ(ParseBankAccountLine(FormatBankAccountLine(bank)).Address.str().substr(0, 17), "1 High St\r\nLeeds ");
    EXPECT_EQ(ParseCustomerLine(FormatCustomerLine(customer)).Name.str(), "Acme Ltd            ");
    EXPECT_EQ(FormatCategoryLine(category), "SALE Sa les              ");
}

TEST_F(CodeTablesTest, TablesKeepCodeOrderAndRefuseDuplicatesIgnoringCase)
{
    EXPECT_TRUE(addCategory("CAR", "Motor"));
    EXPECT_TRUE(addCategory("BANK", "Charges"));
    EXPECT_TRUE(addCategory("ACC", "Accountancy"));
    EXPECT_EQ(items(book.codes.ListAnalCodes),
              (std::vector<std::string>{categoryLine("ACC", "Accountancy"), categoryLine("BANK", "Charges"),
                                        categoryLine("CAR", "Motor")}));
    EXPECT_EQ(book.codes.ComboAnal.List(0), "ACC  Accountancy") << "mirror text without trailing blanks";

    services.answerMessageBox(Answer::OK);
    EXPECT_FALSE(addCategory("car", "Cars"));
    EXPECT_EQ(onlyBox().text, "Code 'car ' already exists");
    EXPECT_EQ(book.codes.ListAnalCodes.ListCount(), 3);
    EXPECT_EQ(book.codes.ComboAnal.ListCount(), 3);
}

// The old line matches its own code in any letter case: a code stored in lower case (an older file,
// an import) can be written in capitals, and the transactions asked to follow.
TEST_F(CodeTablesTest, ACodeChangedOnlyInItsLetterCaseIsNoClashWithItself)
{
    addCategory("car", "Motor");
    addCategory("GAS", "Heating");
    book.ledger.Transactions.Append(record("BANK01", "STD", "car"));
    services.answerMessageBox(Answer::Yes);
    const std::string changed = categoryLine("CAR", "Motor");
    EXPECT_TRUE(ReplaceCodeLine(book, book.codes.ListAnalCodes, book.codes.ComboAnal, changed, changed, "car ", 4,
                                CodeKind::Category));
    EXPECT_EQ(onlyBox().text, "This Code's key value has changed. Do you wish to update transactions featuring this "
                              "code to show the new value?");
    EXPECT_EQ(items(book.codes.ListAnalCodes), (std::vector<std::string>{changed, categoryLine("GAS", "Heating")}));
    EXPECT_EQ(book.ledger.Transactions.Line(1), record("BANK01", "STD", "CAR"));

    // Another code's line still clashes, in any case.
    services.answerMessageBox(Answer::OK);
    const std::string clash = categoryLine("gas", "Heating");
    EXPECT_FALSE(ReplaceCodeLine(book, book.codes.ListAnalCodes, book.codes.ComboAnal, clash, clash, "CAR ", 4,
                                 CodeKind::Category));
    EXPECT_EQ(services.messageTexts().back(), "Code 'gas ' already exists");
}

TEST_F(CodeTablesTest, ANewCodeIsCarriedIntoTheTransactionsOnYes)
{
    addCategory("CAR", "Motor");
    addCategory("OFF", "Office");
    auto& table = book.ledger.Transactions;
    table.Append(record("BANK01", "STD", "CAR"));
    table.Append(record("BANK01", "STD", "CARS"));
    table.Append(record("BANK01", "STD", "OFF"));

    services.answerMessageBox(Answer::Yes);
    const std::string changed = categoryLine("VAN", "Motor");
    ASSERT_TRUE(ReplaceCodeLine(book, book.codes.ListAnalCodes, book.codes.ComboAnal, changed, changed, "CAR ", 4,
                                CodeKind::Category));
    EXPECT_EQ(onlyBox().text, "This Code's key value has changed. Do you wish to update transactions featuring this "
                              "code to show the new value?");
    EXPECT_EQ(table.Line(1), record("BANK01", "STD", "VAN"));
    EXPECT_EQ(table.Line(2), record("BANK01", "STD", "CARS")) << "codes compare exactly over the code width";
    EXPECT_EQ(table.Line(3), record("BANK01", "STD", "OFF"));
    EXPECT_EQ(items(book.codes.ListAnalCodes), (std::vector<std::string>{categoryLine("OFF", "Office"), changed}));
    EXPECT_EQ(book.codes.ComboAnal.List(1), runtime::rtrim(changed));
    EXPECT_TRUE(book.ledger.FileChanged);
    EXPECT_EQ(window.gridRefreshes, 1);
}

TEST_F(CodeTablesTest, AChangedVatCodeIsCarriedIntoSplitsToo)
{
    VatCodeRecord vat;
    vat.Code = "STD";
    vat.Rate = 17.5;
    const std::string oldLine = FormatVatCodeLine(vat);
    AddCodeLine(book.messages, book.codes.ListVATCodes, book.codes.ComboVAT, oldLine, "STD", 3);
    auto& table = book.ledger.Transactions;
    table.Append(record("BANK01", "SPL", "CAR", 2, split("STD") + split("ZER")));
    table.Append(record("BANK01", "STD", "CAR"));
    table.Append(record("BANK01", "ZER", "CAR", 0, split("STD")));

    vat.Code = "S20";
    const std::string newLine = FormatVatCodeLine(vat);
    services.answerMessageBox(Answer::Yes);
    ASSERT_TRUE(ReplaceCodeLine(book, book.codes.ListVATCodes, book.codes.ComboVAT, newLine, "S20", "STD", 3,
                                CodeKind::Vat));
    EXPECT_EQ(table.Line(1), record("BANK01", "SPL", "CAR", 2, split("S20") + split("ZER")));
    EXPECT_EQ(table.Line(2), record("BANK01", "S20", "CAR"));
    EXPECT_EQ(table.Line(3), record("BANK01", "ZER", "CAR", 0, split("STD"))) << "a record without splits has no tail";
}

TEST_F(CodeTablesTest, OnNoTheTableChangesButNotTheTransactions)
{
    addCategory("CAR", "Motor");
    book.ledger.Transactions.Append(record("BANK01", "STD", "CAR"));
    services.answerMessageBox(Answer::No);
    const std::string changed = categoryLine("VAN", "Motor");
    ASSERT_TRUE(ReplaceCodeLine(book, book.codes.ListAnalCodes, book.codes.ComboAnal, changed, changed, "CAR", 4,
                                CodeKind::Category));
    EXPECT_EQ(book.ledger.Transactions.Line(1), record("BANK01", "STD", "CAR"));
    EXPECT_EQ(book.codes.ListAnalCodes.List(0), changed);
    EXPECT_FALSE(book.ledger.FileChanged);
}

TEST_F(CodeTablesTest, ALineWithoutItsMirrorIsNeitherRemovedNorReplaced)
{
    addCategory("CAR", "Motor");
    book.codes.ComboAnal.Clear();
    EXPECT_FALSE(RemoveCodeLine(book.codes.ListAnalCodes, book.codes.ComboAnal, "CAR", 4));
    const std::string changed = categoryLine("CAR", "Cars");
    EXPECT_FALSE(ReplaceCodeLine(book, book.codes.ListAnalCodes, book.codes.ComboAnal, changed, changed, "CAR", 4,
                                 CodeKind::Category));
    EXPECT_EQ(items(book.codes.ListAnalCodes), std::vector<std::string>{categoryLine("CAR", "Motor")});

    book.codes.ComboAnal.AddItem("CAR  Motor");
    EXPECT_TRUE(RemoveCodeLine(book.codes.ListAnalCodes, book.codes.ComboAnal, "car", 4));
    EXPECT_EQ(book.codes.ListAnalCodes.ListCount(), 0);
    EXPECT_EQ(book.codes.ComboAnal.ListCount(), 0);
}

TEST_F(CodeTablesTest, AShortCodeWithoutANameIsFoundInItsMirror)
{
    addCategory("ABCD", "Longer");
    addCategory("AB", "");
    ASSERT_EQ(items(book.codes.ComboAnal), (std::vector<std::string>{"AB", "ABCD Longer"}));
    EXPECT_TRUE(RemoveCodeLine(book.codes.ListAnalCodes, book.codes.ComboAnal, "ab", 4));
    EXPECT_EQ(items(book.codes.ListAnalCodes), std::vector<std::string>{categoryLine("ABCD", "Longer")});
    EXPECT_EQ(items(book.codes.ComboAnal), std::vector<std::string>{"ABCD Longer"});
}

// Only live transactions use a code, whatever the letter case they hold it in.
TEST_F(CodeTablesTest, DeletingACodeWarnsWhenAnyLiveTransactionUsesIt)
{
    book.ledger.Transactions.Append(record("BANK01", "STD", "CAR", 0, "", true));
    book.ledger.Transactions.Append(record("bank01", "STD", "OFF"));
    struct Case {
        const char* code;
        CodeKind kind;
        Answer answer;
        std::string question;
        bool confirmed;
    } cases[] = {
        {"BANK01", CodeKind::Bank, Answer::Yes,
         "Code 'BANK01' is used in a number of transactions. Are you sure you wish to delete it?", true},
        {"OFF", CodeKind::Category, Answer::No,
         "Code 'OFF' is used in a number of transactions. Are you sure you wish to delete it?", false},
        {"CAR", CodeKind::Category, Answer::Yes, "Delete code 'CAR' ?", true},
        {"ZER", CodeKind::Vat, Answer::Yes, "Delete code 'ZER' ?", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        services.answerMessageBox(c.answer);
        EXPECT_EQ(ConfirmDeleteCode(book, c.code, c.kind), c.confirmed);
        EXPECT_EQ(services.messageBoxes().back().box.text, c.question);
        EXPECT_EQ(services.messageBoxes().back().box.defaultButton, 2);
    }
    const auto asked = services.messageBoxes().size();
    EXPECT_FALSE(ConfirmDeleteCode(book, "   ", CodeKind::Bank));
    EXPECT_EQ(services.messageBoxes().size(), asked) << "a blank code asks nothing";
}

TEST(CodeTables, ReplaceCodeInSplitsVisitsWholeEntriesOnly)
{
    EXPECT_EQ(ReplaceCodeInSplits("", "STD", "S20 line"), "");
    EXPECT_EQ(ReplaceCodeInSplits(split("STD"), "STD", "S20 line"), split("S20"));
    EXPECT_EQ(ReplaceCodeInSplits(split("STD") + split("STD"), "STD", "S20"), split("S20") + split("S20"));
    const std::string shortTail = split("ZER") + "001 part";
    EXPECT_EQ(ReplaceCodeInSplits(shortTail, "STD", "S20"), shortTail);
}

TEST_F(CodeTablesTest, LookUpsByCode)
{
    VatCodeRecord vat;
    vat.Code = "STD";
    vat.Rate = 17.5;
    vat.Name = "Standard rate";
    AddCodeLine(book.messages, book.codes.ListVATCodes, book.codes.ComboVAT, FormatVatCodeLine(vat), "STD", 3);
    CustomerRecord customer;
    customer.Code = "ACME01";
    customer.Name = "Acme";
    customer.Address = "2 Mill Lane";
    AddCodeLine(book.messages, book.codes.ListCustCodes, book.codes.ComboCustomer, FormatCustomerLine(customer), "ACME01", 6);

    EXPECT_EQ(GetCodeName(book, "std", CodeKind::Vat), "      17.50 Standard");
    EXPECT_EQ(GetCodeName(book, "ACME01", CodeKind::Customer), "Acme                ");
    EXPECT_EQ(GetCodeName(book, "NONE", CodeKind::Category), "");
    EXPECT_EQ(GetCodeName(book, "STD", static_cast<CodeKind>(7)), "");
    EXPECT_EQ(GetCustomerAddress(book, "acme01"), runtime::padRight("2 Mill Lane", 80));
    EXPECT_EQ(GetBankAccount(book, "BANK01"), 0);
}

TEST_F(CodeTablesTest, ApplyToBankBalanceMovesTheStartBalanceWithoutAQuestion)
{
    BankAccountRecord bank;
    bank.Code = "BANK01";
    bank.Name = "Barclays";
    bank.StartBalance = 100;
    const std::string line = FormatBankAccountLine(bank);
    AddCodeLine(book.messages, book.codes.ListBankAccounts, book.codes.ComboBank, line, line.substr(0, 27), 6);

    // A short code without a name has the bare code as its mirror item.
    BankAccountRecord unnamed;
    unnamed.Code = "B2";
    const std::string unnamedLine = FormatBankAccountLine(unnamed);
    AddCodeLine(book.messages, book.codes.ListBankAccounts, book.codes.ComboBank, unnamedLine, unnamedLine.substr(0, 27),
                6);
    ASSERT_EQ(book.codes.ComboBank.List(0), "B2");

    ApplyToBankBalance(book, "bank01", -30.25);
    ApplyToBankBalance(book, "NOBANK", 5);
    ApplyToBankBalance(book, "B2", 12.5);
    EXPECT_EQ(GetBankAccount(book, "BANK01"), 69.75);
    EXPECT_EQ(GetBankAccount(book, "B2"), 12.5);
    EXPECT_EQ(book.codes.ListBankAccounts.ListCount(), 2);
    EXPECT_EQ(book.codes.ComboBank.ListCount(), 2);
    EXPECT_EQ(book.codes.ComboBank.List(1), "BANK01 Barclays");
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(CodeTablesTest, ClearAllCodeListsEmptiesEveryList)
{
    addCategory("CAR", "Motor");
    book.codes.ListSTOs.AddItem("15 standing order");
    book.ledger.Filters.Names.AddItem("Mine");
    ClearAllCodeLists(book);
    EXPECT_EQ(book.codes.ListAnalCodes.ListCount(), 0);
    EXPECT_EQ(book.codes.ComboAnal.ListCount(), 0);
    EXPECT_EQ(book.codes.ListSTOs.ListCount(), 0);
    EXPECT_EQ(items(book.ledger.Filters.Names), std::vector<std::string>{"(PREVIOUS)"});
    EXPECT_EQ(window.filterListsCleared, 1);
}
