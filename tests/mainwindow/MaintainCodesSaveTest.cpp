#include "CodeWindowTest.h"

#include <functional>

#include "mainwindow/codes/CodeRecords.h"
#include "runtime/Text.h"

using core::CodeKind;
using platform::Answer;

namespace {

class SaveCodeTest : public CodeWindowTest {
protected:
    // Starts a new code on the page and fills its boxes.
    void startNew(platform::Frame& page, const std::vector<std::pair<platform::TextBox*, std::string>>& boxes)
    {
        open(page);
        codes.CmdNewBank.userClick();
        for (const auto& [box, text] : boxes)
            box->userSetText(text);
    }
    void update() { codes.CmdSaveBank.userClick(); }

    // A stored transaction with these codes, and, for a split one, a split of that VAT code.
    void storeTransaction(const std::string& bank, const std::string& customer, const std::string& vat,
                          const std::string& category, const std::string& splitVat = "")
    {
        core::TransactionFields fields = FieldsOf({.bank = bank, .cust = customer, .vat = vat, .cat = category});
        book.SplitTail.clear();
        if (!splitVat.empty()) {
            fields.SplitCount = 1;
            book.SplitTail = "001" + runtime::padRight("split", 30) + "      10.00" + runtime::padRight(splitVat, 3) + "    ";
        }
        ASSERT_TRUE(core::AddTransaction(book, fields));
    }
    std::string storedColumn(int record, CodeKind kind)
    {
        const core::RecordColumn column = core::CodeColumn(kind);
        return std::string(book.ledger.Transactions.Line(record).substr(column.start - 1, column.width));
    }
};

TEST_F(SaveCodeTest, EachKindIsAddedToItsTableAndMirror)
{
    struct Case {
        platform::Frame& page;
        platform::ListBox& list;
        std::vector<std::pair<platform::TextBox*, std::string>> boxes;
        CodeKind kind;
        std::string line;
        std::string mirror;
    };
    const Case cases[] = {
        {codes.FrameAccount, codes.ListBankAccounts,
         {{&codes.TextBankCode, "bank1"}, {&codes.TextBankName, "Current"}, {&codes.TextBankAddress, "1 St\r\nLeeds"},
          {&codes.TextBankTel, "0113"}, {&codes.TextStartBal, "25.5"}},
         CodeKind::Bank,
         "BANK1  Current                    25.50 " + runtime::padRight("1 St\r\nLeeds", 80) + runtime::padRight("0113", 15)
             + "15/Jun/2025" + "      25.50",
         "BANK1  Current"},
        {codes.FrameVAT, codes.ListVATCodes,
         {{&codes.TextVATCode, "s"}, {&codes.TextVATName, "Standard"}, {&codes.TextVATRate, "17.5"}},
         CodeKind::Vat, "S         17.50 Standard            ", "S   Standard"},
        {codes.FrameCustomers, codes.ListCustCodes,
         {{&codes.TextCustCode, "acme"}, {&codes.TextCustName, "Acme Ltd"}, {&codes.TextCustFax, "0113 2"}},
         CodeKind::Customer,
         "ACME   Acme Ltd             " + runtime::space(80) + " " + runtime::space(15) + " " + runtime::padRight("0113 2", 15),
         "ACME   Acme Ltd"},
        {codes.FrameCategories, codes.ListAnalCodes, {{&codes.TextAnalCode, "car"}, {&codes.TextAnalName, "Motor"}}, CodeKind::Category,
         "CAR  Motor               ", "CAR  Motor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        book.ledger.FileChanged = false;
        startNew(c.page, c.boxes);
        update();
        EXPECT_EQ(items(book.codes.table(c.kind)), std::vector<std::string>{c.line});
        EXPECT_EQ(items(book.codes.mirror(c.kind)), std::vector<std::string>{c.mirror});
        EXPECT_TRUE(book.ledger.FileChanged);
        EXPECT_EQ(c.list.ListIndex(), 0) << "the new line is selected";
        codes.CmdDone.userClick();
    }
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_TRUE(book.codes.BankListChanged);
    EXPECT_TRUE(book.codes.TransferBankListChanged);
    EXPECT_TRUE(book.codes.VatListChanged);
    EXPECT_TRUE(book.codes.CustomerListChanged);
    EXPECT_TRUE(book.codes.CategoryListChanged);
}

TEST_F(SaveCodeTest, ASavedNewCodeIsEditedBySecondUpdates)
{
    startNew(codes.FrameCategories, {{&codes.TextAnalCode, "CAR"}, {&codes.TextAnalName, "Motor"}});
    update();
    codes.TextAnalName.userSetText("Motor costs");
    update();
    EXPECT_EQ(items(book.codes.ListAnalCodes), std::vector<std::string>{"CAR  Motor costs         "});
    EXPECT_EQ(items(book.codes.ComboAnal), std::vector<std::string>{"CAR  Motor costs"});
    EXPECT_TRUE(services.messageBoxes().empty()) << "the code did not change, so nothing is asked";
}

TEST_F(SaveCodeTest, AChangedCodeIsCarriedIntoTheTransactionsOnYes)
{
    addBankLine("BANK1", "Current", 0);
    addVatLine("S", "Standard", 17.5);
    addCustomerLine("ACME", "Acme Ltd");
    addCategoryLine("CAR", "Motor");
    storeTransaction("BANK1", "ACME", "S", "CAR");
    storeTransaction("BANK1", "ACME", "SPL", "CAR", "S");
    storeTransaction("OTHER", "OTHER", "Z", "GAS", "Z");

    struct Case {
        platform::Frame& page;
        platform::ListBox& list;
        std::string oldCode;
        platform::TextBox& codeBox;
        std::string newCode;
        CodeKind kind;
    };
    const Case cases[] = {
        {codes.FrameAccount, codes.ListBankAccounts, "BANK1", codes.TextBankCode, "BANK2", CodeKind::Bank},
        {codes.FrameVAT, codes.ListVATCodes, "S", codes.TextVATCode, "T", CodeKind::Vat},
        {codes.FrameCustomers, codes.ListCustCodes, "ACME", codes.TextCustCode, "ACME2", CodeKind::Customer},
        {codes.FrameCategories, codes.ListAnalCodes, "CAR", codes.TextAnalCode, "AUTO", CodeKind::Category},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.newCode);
        open(c.page);
        pickLine(c.list, c.oldCode);
        c.codeBox.userSetText(c.newCode);
        services.answerMessageBox(Answer::Yes);
        update();
        ASSERT_EQ(services.messageTexts().back(),
                  "This Code's key value has changed. Do you wish to update transactions featuring this code to show "
                  "the new value?");
        ASSERT_EQ(book.codes.table(c.kind).ListCount(), 1);
        EXPECT_TRUE(book.codes.table(c.kind).List(0).starts_with(c.newCode));
        EXPECT_TRUE(book.codes.mirror(c.kind).List(0).starts_with(c.newCode));
        EXPECT_EQ(runtime::rtrim(storedColumn(1, c.kind)), c.newCode);
        EXPECT_NE(runtime::rtrim(storedColumn(3, c.kind)), c.newCode) << "other codes stay";
        codes.CmdDone.userClick();
    }
    EXPECT_EQ(storedColumn(2, CodeKind::Vat), "SPL");
    EXPECT_EQ(book.ledger.Transactions.Line(2).substr(156 + 44, 3), "T  ") << "the split's VAT code follows";
    EXPECT_EQ(book.ledger.Transactions.Line(3).substr(156 + 44, 3), "Z  ");
}

TEST_F(SaveCodeTest, AChangedCodeAnsweredNoChangesOnlyTheTable)
{
    addCustomerLine("ACME", "Acme Ltd");
    addCustomerLine("BETA", "Beta plc");
    storeTransaction("BANK1", "ACME", "S", "CAR");
    open(codes.FrameCustomers);
    pickLine(codes.ListCustCodes, "ACME");
    codes.TextCustCode.userSetText("ZED");
    services.answerMessageBox(Answer::No);
    update();
    EXPECT_EQ(items(book.codes.ComboCustomer), (std::vector<std::string>{"BETA   Beta plc", "ZED    Acme Ltd"}));
    EXPECT_EQ(storedColumn(1, CodeKind::Customer), "ACME  ");
    EXPECT_EQ(codes.ListCustCodes.ListIndex(), 1) << "the changed line is selected in its new place";
    EXPECT_EQ(codes.CurrentCustomer.Code.str(), "ZED   ");
}

TEST_F(SaveCodeTest, ACodeThatExistsInAnotherCaseIsRefusedAndItsLineSelected)
{
    addCategoryLine("ACC", "Accountancy");
    addCategoryLine("CAR", "Motor");
    addCategoryLine("GAS", "Heating");
    services.answerMessageBox(Answer::OK);
    startNew(codes.FrameCategories, {{&codes.TextAnalCode, "car"}, {&codes.TextAnalName, "Cars"}});
    update();
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Code 'CAR ' already exists"});
    EXPECT_EQ(items(book.codes.ListAnalCodes).size(), 3u);
    EXPECT_EQ(codes.ListAnalCodes.ListIndex(), 1);
    EXPECT_TRUE(mainwindow::IsCategoryRecordEmpty(codes.CurrentCategory)) << "the page still holds a new code";

    // A changed code that collides with another is refused the same way.
    pickLine(codes.ListAnalCodes, "GAS");
    codes.TextAnalCode.userSetText("ACC");
    services.answerMessageBox(Answer::OK);
    update();
    EXPECT_EQ(services.messageTexts().back(), "Code 'ACC ' already exists");
    EXPECT_EQ(codes.ListAnalCodes.ListIndex(), 0);
    EXPECT_EQ(codes.CurrentCategory.Code.str(), "GAS ");
    EXPECT_TRUE(book.ledger.FileChanged) << "the book counts as changed after any Update";
}

TEST_F(SaveCodeTest, EachValidationMessageNamesTheBoxAndFocusesIt)
{
    struct Case {
        platform::Frame& page;
        std::vector<std::pair<platform::TextBox*, std::string>> boxes;
        std::string message;
        platform::TextBox& focus;
    };
    const Case cases[] = {
        {codes.FrameAccount, {{&codes.TextBankCode, "  "}, {&codes.TextBankName, "Current"}}, "Bank Code Required",
         codes.TextBankCode},
        {codes.FrameAccount, {{&codes.TextBankCode, "B1"}}, "Bank Name Required", codes.TextBankName},
        {codes.FrameVAT, {{&codes.TextVATName, "Standard"}}, "VAT Code Required", codes.TextVATCode},
        {codes.FrameVAT, {{&codes.TextVATCode, "spl"}, {&codes.TextVATName, "Split"}},
         "'SPL'is the System Code for Splits.Coose another code for this VAT Rate", codes.TextVATCode},
        {codes.FrameVAT, {{&codes.TextVATCode, "S"}}, "VAT Name Required", codes.TextVATName},
        {codes.FrameVAT, {{&codes.TextVATCode, "S"}, {&codes.TextVATName, "Std"}, {&codes.TextVATRate, "-0.01"}},
         "VAT Rate must be between 0.00 and 99,999,999.99", codes.TextVATRate},
        {codes.FrameVAT, {{&codes.TextVATCode, "S"}, {&codes.TextVATName, "Std"}, {&codes.TextVATRate, "100000000.00"}},
         "VAT Rate must be between 0.00 and 99,999,999.99", codes.TextVATRate},
        {codes.FrameVAT, {{&codes.TextVATCode, "S"}, {&codes.TextVATName, "Std"}, {&codes.TextVATRate, "abc"}},
         "'abc' is not a valid VAT Rate", codes.TextVATRate},
        {codes.FrameVAT, {{&codes.TextVATCode, "S"}, {&codes.TextVATName, "Std"}, {&codes.TextVATRate, "12a"}},
         "'12a' is not a valid VAT Rate", codes.TextVATRate},
        {codes.FrameVAT, {{&codes.TextVATCode, "S"}, {&codes.TextVATName, "Std"}, {&codes.TextVATRate, "17,5"}},
         "'17,5' is not a valid VAT Rate", codes.TextVATRate},
        {codes.FrameCustomers, {{&codes.TextCustName, "Acme"}}, "Customer Code Required", codes.TextCustCode},
        {codes.FrameCustomers, {{&codes.TextCustCode, "ACME"}, {&codes.TextCustName, " "}}, "Customer Name Required",
         codes.TextCustName},
        {codes.FrameCategories, {{&codes.TextAnalName, "Motor"}}, "Category Code Required", codes.TextAnalCode},
        {codes.FrameCategories, {{&codes.TextAnalCode, "CAR"}}, "Category Name Required", codes.TextAnalName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const auto before = services.messageBoxes().size();
        startNew(c.page, c.boxes);
        services.answerMessageBox(Answer::OK);
        update();
        ASSERT_EQ(services.messageBoxes().size(), before + 1);
        EXPECT_EQ(services.messageTexts().back(), c.message);
        EXPECT_EQ(services.messageBoxes().back().box.icon, platform::Icon::Critical);
        EXPECT_EQ(codes.ActiveControl(), &c.focus);
        codes.CmdDone.userClick();
    }
    for (CodeKind kind : {CodeKind::Bank, CodeKind::Vat, CodeKind::Customer, CodeKind::Category})
        EXPECT_EQ(book.codes.table(kind).ListCount(), 0);
    EXPECT_FALSE(book.codes.VatListChanged);
}

TEST_F(SaveCodeTest, VatRatesFromBlankToTheHighestAreSaved)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "       0.00"}, {"0", "       0.00"}, {"99999999.99", "99999999.99"}};
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed);
        book.codes.ListVATCodes.Clear();
        book.codes.ComboVAT.Clear();
        startNew(codes.FrameVAT, {{&codes.TextVATCode, "S"}, {&codes.TextVATName, "Std"}, {&codes.TextVATRate, typed}});
        update();
        EXPECT_TRUE(services.messageBoxes().empty());
        ASSERT_EQ(book.codes.ListVATCodes.ListCount(), 1);
        EXPECT_EQ(runtime::mid(book.codes.ListVATCodes.List(0), 5, 11), stored);
        codes.CmdDone.userClick();
    }
}

TEST_F(SaveCodeTest, ABlankStartBalanceIsSavedAsNothing)
{
    startNew(codes.FrameAccount, {{&codes.TextBankCode, "B1"}, {&codes.TextBankName, "Cash"}, {&codes.TextStartBal, ""}});
    update();
    EXPECT_EQ(codes.TextStartBal.Text(), " 0.00");
    ASSERT_EQ(book.codes.ListBankAccounts.ListCount(), 1);
    EXPECT_EQ(runtime::mid(book.codes.ListBankAccounts.List(0), 147, 11), "       0.00");
}

TEST_F(SaveCodeTest, AStartBalanceChangeRaisesBothBalancesAndTheStoredOne)
{
    addBankLine("BANK1", "Current", 100);
    add({.bank = "BANK1", .type = "PAY", .amount = 30, .reconciled = true});
    add({.bank = "BANK1", .type = "RCP", .amount = 50});
    open(codes.FrameAccount);
    pickLine(codes.ListBankAccounts, "BANK1");
    ASSERT_EQ(codes.LblBankBal.Caption(), "70.00");
    codes.TextStartBal.userSetText("150.00");
    update();
    EXPECT_EQ(codes.LblBankBal.Caption(), "120.00");
    EXPECT_EQ(codes.LblNomBal.Caption(), "170.00");
    const std::string line = book.codes.ListBankAccounts.List(0);
    EXPECT_EQ(runtime::mid(line, 29, 11), "     120.00");
    EXPECT_EQ(runtime::mid(line, 147, 11), "     150.00");

    update();
    EXPECT_EQ(codes.LblBankBal.Caption(), "120.00") << "a second Update adds nothing more";
    EXPECT_EQ(runtime::mid(book.codes.ListBankAccounts.List(0), 29, 11), "     120.00");
}

TEST_F(SaveCodeTest, ARefusedSaveLeavesTheBalancesSoTheChangeCountsOnce)
{
    addBankLine("BANK1", "Current", 100);
    addBankLine("BANK2", "Savings", 0);
    open(codes.FrameAccount);
    pickLine(codes.ListBankAccounts, "BANK1");
    codes.TextStartBal.userSetText("150.00");
    codes.TextBankCode.userSetText("BANK2");
    for (int refusal = 0; refusal < 2; ++refusal) {
        services.answerMessageBox(Answer::OK);
        update();
        EXPECT_EQ(services.messageTexts().back(), "Code 'BANK2 ' already exists");
        EXPECT_EQ(codes.LblBankBal.Caption(), "100.00");
        EXPECT_EQ(codes.LblNomBal.Caption(), "100.00");
    }
    codes.TextBankCode.userSetText("BANK1");
    update();
    EXPECT_EQ(codes.LblBankBal.Caption(), "150.00");
    EXPECT_EQ(runtime::mid(book.codes.ListBankAccounts.List(0), 29, 11), "     150.00");
}

// The start balance box as a statement's figures are typed or pasted into it: read whole, shown
// again with two decimals when left, and stored whole; text that is not an amount, and one wider
// than its column, is refused.
TEST_F(SaveCodeTest, AStartBalanceIsReadWholeAndOneWiderThanItsColumnIsRefused)
{
    const std::string refusal = "Start Balance must be between -9,999,999.99 and 99,999,999.99";
    const struct {
        const char* typed;
        const char* shown;  // after leaving the box
        const char* stored; // columns 147-157 of the line; empty when refused
        std::string message;
    } cases[] = {
        {"1,250.00", "1250.00", "    1250.00", ""},
        {"-1,250.00", "-1250.00", "   -1250.00", ""},
        {"1250", "1250.00", "    1250.00", ""},
        {"abc", "abc", "", "'abc' is not a valid Start Balance"},
        {"12,50", "12,50", "", "'12,50' is not a valid Start Balance"},
        {"99,999,999.99", "99999999.99", "99999999.99", ""},
        {"-9,999,999.99", "-9999999.99", "-9999999.99", ""},
        {"123,456,789.00", "123456789.00", "", refusal},
        {"-12345678.90", "-12345678.90", "", refusal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        book.codes.ListBankAccounts.Clear();
        book.codes.ComboBank.Clear();
        startNew(codes.FrameAccount, {{&codes.TextBankCode, "B1"}, {&codes.TextBankName, "Cash"}});
        enter(codes.TextStartBal, c.typed);
        EXPECT_EQ(codes.TextStartBal.Text(), c.shown);
        const std::string stored = c.stored;
        if (stored.empty())
            services.answerMessageBox(Answer::OK);
        update();
        if (stored.empty()) {
            EXPECT_EQ(services.messageTexts().back(), c.message);
            EXPECT_EQ(codes.ActiveControl(), &codes.TextStartBal);
            EXPECT_EQ(book.codes.ListBankAccounts.ListCount(), 0);
            EXPECT_EQ(book.codes.ComboBank.ListCount(), 0);
        } else {
            ASSERT_EQ(book.codes.ListBankAccounts.ListCount(), 1);
            const std::string line = book.codes.ListBankAccounts.List(0);
            EXPECT_EQ(runtime::mid(line, 147, 11), stored);
            EXPECT_EQ(runtime::mid(line, 29, 11), stored) << "a new account's balance is its start balance";
            EXPECT_EQ(line.size(), 157u);
        }
        codes.CmdDone.userClick();
    }
}

TEST_F(SaveCodeTest, AnExistingAccountKeepsItsLineWhenItsBalancesWouldNotFit)
{
    addBankLine("BANK1", "Current", 100);
    add({.bank = "BANK1", .type = "RCP", .amount = 50, .reconciled = true});
    const std::string before = book.codes.ListBankAccounts.List(0);
    const std::pair<const char*, const char*> cases[] = {
        {"-12345678.90", "Start Balance must be between -9,999,999.99 and 99,999,999.99"},
        // Fits itself, but the reconciled receipt takes the stored balance past the column.
        {"99,999,999.99", "Recon Balance must be between -9,999,999.99 and 99,999,999.99"},
    };
    open(codes.FrameAccount);
    for (const auto& [typed, message] : cases) {
        SCOPED_TRACE(typed);
        pickLine(codes.ListBankAccounts, "BANK1");
        enter(codes.TextStartBal, typed);
        services.answerMessageBox(Answer::OK);
        update();
        EXPECT_EQ(services.messageTexts().back(), message);
        EXPECT_EQ(book.codes.ListBankAccounts.List(0), before);
        EXPECT_EQ(codes.LblBankBal.Caption(), "150.00");
    }
    pickLine(codes.ListBankAccounts, "BANK1");
    enter(codes.TextStartBal, "1,250.00");
    update();
    EXPECT_EQ(runtime::mid(book.codes.ListBankAccounts.List(0), 29, 11), "    1300.00");
    EXPECT_EQ(runtime::mid(book.codes.ListBankAccounts.List(0), 136, 22), runtime::mid(before, 136, 11) + "    1250.00");
    EXPECT_EQ(codes.LblNomBal.Caption(), "1300.00");
}

// A code an older file or an import stored in lower case is edited as itself.
TEST_F(SaveCodeTest, ACodeStoredInLowerCaseMatchesItselfWhenOnlyItsNameChanges)
{
    addCustomerLine("bolt02", "Bolt and Nut");
    addCustomerLine("BOLT03", "Bolt Three");
    storeTransaction("BANK1", "bolt02", "S", "CAR");
    storeTransaction("BANK1", "BOLT02", "S", "CAR");
    open(codes.FrameCustomers);
    pickLine(codes.ListCustCodes, "bolt02");
    codes.TextCustName.userSetText("Bolt Nuts Ltd");
    services.answerMessageBox(Answer::Yes);
    update();
    EXPECT_EQ(services.messageTexts(),
              std::vector<std::string>{"This Code's key value has changed. Do you wish to update transactions featuring "
                                       "this code to show the new value?"})
        << "the code is stored upper-cased now, and the transactions may follow";
    EXPECT_EQ(items(book.codes.ComboCustomer), (std::vector<std::string>{"BOLT02 Bolt Nuts Ltd", "BOLT03 Bolt Three"}));
    EXPECT_EQ(storedColumn(1, CodeKind::Customer), "BOLT02");
    EXPECT_EQ(storedColumn(2, CodeKind::Customer), "BOLT02");

    // Renamed after that, both transactions follow, whichever case they were stored in.
    pickLine(codes.ListCustCodes, "BOLT02");
    codes.TextCustCode.userSetText("BOLT09");
    services.answerMessageBox(Answer::Yes);
    update();
    EXPECT_EQ(storedColumn(1, CodeKind::Customer), "BOLT09");
    EXPECT_EQ(storedColumn(2, CodeKind::Customer), "BOLT09");
}

// A standing-order line of the current layout paying rent from `bank`, customer ACME, VAT code S and
// category CAR; a transfer names its receiving bank.
std::string RentOrder(const std::string& bank, const std::string& toBank = "")
{
    return "15 RENT01 " + std::string(12, ' ') + "PAY " + runtime::padLeft("100.00", 11) + " " +
           runtime::padRight("Rent", 74) + " " + runtime::padRight(bank, 6) + " ACME   S   CAR " +
           runtime::padRight(toBank, 6) + " " + runtime::padLeft("0.00", 11) + " ";
}

// A renamed code reaches the standing orders in the same step as the transactions, in each column
// that holds a code of its kind (a transfer's receiving bank too), whatever the line's layout.
TEST_F(SaveCodeTest, ARenamedCodeReachesTheStandingOrdersOnYes)
{
    addBankLine("BANK01", "Current", 0);
    addBankLine("SAVE01", "Savings", 0);
    addVatLine("S", "Standard", 17.5);
    addCustomerLine("ACME", "Acme Ltd");
    addCategoryLine("CAR", "Motor");
    const std::string rent = RentOrder("BANK01");
    ASSERT_EQ(rent.size(), 154u);
    const std::string transfer = RentOrder("SAVE01", "BANK01");
    book.codes.ListSTOs.AddItem(rent);
    // An older line lacks the two blanks after its tenth character.
    book.codes.ListSTOs.AddItem(transfer.substr(0, 10) + transfer.substr(12));

    struct Case {
        platform::Frame& page;
        platform::ListBox& list;
        std::string oldCode;
        platform::TextBox& codeBox;
        std::string newCode;
        int column;
        int width;
    };
    const Case cases[] = {
        {codes.FrameAccount, codes.ListBankAccounts, "BANK01", codes.TextBankCode, "BANK09", 114, 6},
        {codes.FrameVAT, codes.ListVATCodes, "S", codes.TextVATCode, "T", 128, 3},
        {codes.FrameCustomers, codes.ListCustCodes, "ACME", codes.TextCustCode, "ACME2", 121, 6},
        {codes.FrameCategories, codes.ListAnalCodes, "CAR", codes.TextAnalCode, "AUTO", 132, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.newCode);
        open(c.page);
        pickLine(c.list, c.oldCode);
        c.codeBox.userSetText(c.newCode);
        services.answerMessageBox(Answer::Yes);
        update();
        EXPECT_EQ(runtime::mid(book.codes.ListSTOs.List(0), c.column, c.width), runtime::padRight(c.newCode, c.width));
        codes.CmdDone.userClick();
    }
    EXPECT_EQ(book.codes.ListSTOs.List(0), RentOrder("BANK09").replace(120, 15, "ACME2  T   AUTO"));
    EXPECT_EQ(book.codes.ListSTOs.List(1), RentOrder("SAVE01", "BANK09").replace(120, 15, "ACME2  T   AUTO"))
        << "the receiving bank follows, and the older line is stored in the current layout";
    EXPECT_TRUE(book.ledger.FileChanged);
}

// Answered No, the standing orders keep the old code as the transactions do.
TEST_F(SaveCodeTest, ARenamedCodeAnsweredNoLeavesTheStandingOrders)
{
    addCategoryLine("CAR", "Motor");
    book.codes.ListSTOs.AddItem(RentOrder("BANK01"));
    open(codes.FrameCategories);
    pickLine(codes.ListAnalCodes, "CAR");
    codes.TextAnalCode.userSetText("AUTO");
    services.answerMessageBox(Answer::No);
    update();
    EXPECT_EQ(book.codes.ListSTOs.List(0), RentOrder("BANK01"));
}

TEST_F(SaveCodeTest, UpdateWithNoPageShownStillMarksTheBookChanged)
{
    codes.Show();
    codes.CmdSaveBank.setEnabled(true);
    codes.CmdSaveBank.userClick();
    EXPECT_TRUE(book.ledger.FileChanged);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST(CodeRecords, ARecordIsEmptyOnlyWithEveryFieldBlankAndNoAmount)
{
    core::BankAccountRecord bank;
    EXPECT_TRUE(mainwindow::IsBankAccountRecordEmpty(bank));
    bank.StartBalance = 0.01;
    EXPECT_FALSE(mainwindow::IsBankAccountRecordEmpty(bank));
    bank = {};
    bank.DateOpened = "01/Jan/2024";
    EXPECT_FALSE(mainwindow::IsBankAccountRecordEmpty(bank));
    core::VatCodeRecord vat;
    vat.Rate = 5;
    EXPECT_FALSE(mainwindow::IsVatCodeRecordEmpty(vat));
    core::CustomerRecord customer;
    customer.Fax = " 1";
    EXPECT_FALSE(mainwindow::IsCustomerRecordEmpty(customer));
    core::CategoryRecord category;
    category.Name = "  ";
    EXPECT_TRUE(mainwindow::IsCategoryRecordEmpty(category));
}

TEST(CodeRecords, TheVatMirrorTextIsTheCodeABlankAndTheName)
{
    core::VatCodeRecord vat;
    vat.Code = "S";
    vat.Rate = 17.5;
    vat.Name = "Standard";
    EXPECT_EQ(mainwindow::MirrorText(CodeKind::Vat, core::FormatVatCodeLine(vat)), "S   Standard            ");
}

} // namespace
