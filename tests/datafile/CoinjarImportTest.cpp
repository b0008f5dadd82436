#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeDataFileWindow.h"
#include "core/BookTest.h"
#include "core/CodeTableEdits.h"
#include "core/TransactionRecord.h"
#include "datafile/CoinjarImport.h"
#include "runtime/Text.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

namespace {

const std::filesystem::path Coinjar = std::filesystem::path(QB_TEST_DATA) / "coinjar";
constexpr datafile::CoinjarChoices Everything{true, true, true, true, true};

// What a test checks of an imported transaction.
struct Expected {
    std::string number, date, reference, bank, customer, category, type, memo, vat;
    double amount;
    bool reconciled;
};

class CoinjarImportTest : public BookTest {
protected:
    CoinjarImportTest() { book.ledger.AttachWindow(window); }

    void expectTransactions(const std::vector<Expected>& expected)
    {
        ASSERT_EQ(book.ledger.Transactions.UpperBound(), static_cast<int>(expected.size()));
        for (int record = 1; record <= book.ledger.Transactions.UpperBound(); ++record) {
            const Expected& e = expected[static_cast<std::size_t>(record - 1)];
            core::TransactionFields f;
            core::ParseTransactionRecord(book, book.ledger.Transactions.Line(record), f);
            SCOPED_TRACE(e.number);
            EXPECT_EQ(f.Number, e.number);
            EXPECT_EQ(f.Date, e.date);
            EXPECT_EQ(f.Reference, runtime::padRight(e.reference, 6));
            EXPECT_EQ(f.Bank, runtime::padRight(e.bank, 6));
            EXPECT_EQ(f.Customer, runtime::padRight(e.customer, 6));
            EXPECT_EQ(f.Category, runtime::padRight(e.category, 4));
            EXPECT_EQ(f.Type, e.type);
            EXPECT_EQ(f.Memo, runtime::padRight(e.memo, 74));
            EXPECT_EQ(f.VAT, runtime::padRight(e.vat, 3));
            EXPECT_DOUBLE_EQ(f.Amount, e.amount);
            EXPECT_EQ(f.Reconciled, e.reconciled);
            EXPECT_TRUE(f.Paid);
            EXPECT_FALSE(f.Deleted);
        }
    }

    std::vector<std::string> items(const platform::ListModel& list) const
    {
        std::vector<std::string> texts;
        for (int item = 0; item < list.ListCount(); ++item)
            texts.push_back(list.List(item));
        return texts;
    }

    FakeDataFileWindow window;
    TempFolder folder;
};

TEST_F(CoinjarImportTest, Coinjar43FileBringsCodesStandingOrdersAndMonths)
{
    services.answerInputBox("28/02/1991");
    services.answerMessageBox(platform::Answer::OK);

    ASSERT_TRUE(datafile::ImportCoinjar43File(book, Coinjar / "home.CJ3", Everything));

    EXPECT_EQ(items(book.codes.ListBankAccounts),
              std::vector<std::string>{runtime::padRight("B      Barclays                    0.00", 135) +
                                       "15/Jun/2025    1000.00"});
    EXPECT_EQ(items(book.codes.ListCustCodes), std::vector<std::string>{runtime::padRight("JONE   Jones", 140)});
    EXPECT_EQ(items(book.codes.ListAnalCodes),
              (std::vector<std::string>{"FD   Food                ", "SA   Sales dup           "}));
    EXPECT_EQ(items(book.codes.ListVATCodes), std::vector<std::string>{"S         17.50 Standard            "});
    EXPECT_EQ(items(book.codes.ComboVAT), std::vector<std::string>{"S   Standard"});
    EXPECT_EQ(items(book.codes.ListSTOs),
              std::vector<std::string>{"15 RENT               PAY      500.00 " + runtime::padRight("Monthly rent", 74) +
                                       " B      JONE   -   FD                0.00 "});
    expectTransactions({
        {"000002", "05/Jan/1990", "REF1", "B", "JONE", "FD", "PAY", "Groceries", "S", 12.50, true},
        {"000003", "06/Jan/1990", "000003", "B", "", "FD", "RCP", "Food", "???", 20, false},
        {"000004", "07/Jan/1990", "R3", "B", "", "FD", "RCP", "Refund", "", 3.25, false},
        {"000005", "28/Feb/1991", "LATE", "B", "", "FD", "RCP", "Leap", "0", 1, false},
    });
    ASSERT_EQ(services.inputBoxes().size(), 1u);
    EXPECT_EQ(services.inputBoxes()[0].defaultText, "31/Feb/1991");
    EXPECT_EQ(services.messageTexts(),
              std::vector<std::string>{"Coinjar Transaction [Feb-91 08b    FD  NOAMT\xFBNo amount\xFC"
                                       "7] has no amount"});
}

TEST_F(CoinjarImportTest, Coinjar4FileKeepsPresentCodesAndEndsAtALineWithoutMarkers)
{
    core::AddCodeLine(book.messages, book.codes.ListAnalCodes, book.codes.ComboAnal, "FD   Old food            ",
                      "FD   Old food", 4);
    services.answerInputBox("15/01/1979");
    services.answerMessageBox(platform::Answer::OK);

    ASSERT_TRUE(datafile::ImportCoinjar4File(book, Coinjar / "shop.CJ4", Everything));

    EXPECT_EQ(items(book.codes.ListAnalCodes),
              (std::vector<std::string>{"FD   Old food            ", "SALE Sales               "}));
    EXPECT_EQ(items(book.codes.ListVATCodes), std::vector<std::string>{"V         20.00 Vat twenty          "});
    EXPECT_EQ(book.codes.ListBankAccounts.ListCount(), 1);
    EXPECT_EQ(book.codes.ListCustCodes.ListCount(), 0);
    ASSERT_EQ(book.codes.ListSTOs.ListCount(), 1);
    EXPECT_EQ(runtime::left(book.codes.ListSTOs.List(0), 38), "01 STO1               RCP       40.00 ");
    expectTransactions({
        {"000002", "12/Jan/1980", "C1", "B", "", "FD", "PAY", "Takings", "V", 2, true},
        {"000003", "13/Jan/1980", "000003", "B", "", "FD", "RCP", "Old food", "Z", 3, false},
        {"000004", "15/Jan/1979", "X", "B", "", "FD", "RCP", "Wrong heading", "V", 4, false},
    });
    ASSERT_EQ(services.inputBoxes().size(), 1u);
    EXPECT_EQ(services.inputBoxes()[0].defaultText, "15/Sta/20e-");
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Coinjar Transaction [Jan-80 FDb14  NA\xFBNo amount\xFC"
                                                                "9] has no amount"});
}

TEST_F(CoinjarImportTest, AMissingTickedSectionOrAFullTableLeavesTheBookAsItWas)
{
    const std::filesystem::path noCustomers = folder / "bank.CJ3";
    writeBytes(noCustomers, "CJ4/3\r\nBank only\r\nAccount codes:\r\n1\r\n2\r\n3\r\n4\r\nb    Barclays\r\n\r\n");

    services.answerMessageBox(platform::Answer::OK);
    datafile::CoinjarChoices choices{true, true, false, false, false};
    EXPECT_FALSE(datafile::ImportCoinjar43File(book, noCustomers, choices));
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Importing CJ4 File - No Sub-Account codes section"});
    EXPECT_EQ(book.codes.ListBankAccounts.ListCount(), 0);
    EXPECT_EQ(book.codes.ComboBank.ListCount(), 0);

    choices.Customers = false;
    EXPECT_TRUE(datafile::ImportCoinjar43File(book, noCustomers, choices));
    EXPECT_EQ(book.codes.ListBankAccounts.ListCount(), 1);

    // Room for one of the file's four transactions only.
    const std::string filler = runtime::padRight("00000120240101", core::RecordFixedLength);
    while (book.ledger.Transactions.UpperBound() < core::TransactionTable::MaxTransactions - 1)
        book.ledger.Transactions.Append(filler);
    services.answerInputBox("28/02/1991");
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(datafile::ImportCoinjar43File(book, Coinjar / "home.CJ3", Everything));
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), core::TransactionTable::MaxTransactions - 1);
    EXPECT_EQ(book.codes.ListBankAccounts.ListCount(), 1);
    EXPECT_EQ(book.codes.ListSTOs.ListCount(), 0);
    EXPECT_EQ(book.codes.ListAnalCodes.ListCount(), 0);
    EXPECT_EQ(book.counters.TransactionNumberCounter, 0);
    EXPECT_EQ(runtime::left(services.messageTexts().back(), 22), "You have  32766 transa");
}

// A Coinjar file of one category, one bank account and one VAT code, in either layout.
std::string codesFile(bool cj43, const std::string& balance, const std::string& rate)
{
    if (cj43) {
        const std::string skipped = "-\r\n-\r\n-\r\n-\r\n";
        const auto codeLine = [](const std::string& code, const std::string& name, const std::string& amount) {
            return runtime::padRight(code, 5) + runtime::padRight(name, 41) + amount + "\r\n\r\n";
        };
        return "CJ4/3\r\nCodes\r\nAccount codes:\r\n" + skipped + codeLine("B", "Bank", balance)
               + "Class codes:\r\n" + skipped + codeLine("FD", "Food", "") + "VAT codes:\r\n" + skipped
               + codeLine("V", "Vat twenty", rate);
    }
    return "CJ4\r\nCodes\r\n1\r\nFD\r\nFood\r\n1\r\nB\r\nBank\r\n" + balance + "\r\n0\r\n1\r\nV\r\nVat twenty\r\n"
           + rate + "\r\n";
}

TEST_F(CoinjarImportTest, ABalanceOrRateWiderThanItsFieldRefusesTheWholeImport)
{
    const datafile::CoinjarChoices codes{true, false, true, true, false};
    const struct {
        std::string balance, rate;
        const char* refusal; // empty when the entries fit
    } cases[] = {
        {"-9999999.99", "99999999.99", ""},
        {"99999999.99", "-9999999.99", ""},
        {"-12345678.99", "20", "Coinjar bank account 'B' : balance '-12345678.99' does not fit its field"},
        {"123456789012", "20", "Coinjar bank account 'B' : balance '123456789012' does not fit its field"},
        {"-9999999.995", "20", "Coinjar bank account 'B' : balance '-9999999.995' does not fit its field"},
        {"250.5", "1E20", "Coinjar VAT code 'V' : rate '1E20' does not fit its field"},
        {"250.5", "100000000", "Coinjar VAT code 'V' : rate '100000000' does not fit its field"},
    };
    for (const bool cj43 : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE((cj43 ? "CJ4/3 " : "CJ4 ") + c.balance + " " + c.rate);
            platform::ScriptedServices caseServices;
            caseServices.setNow(*runtime::Date::fromYmd(2025, 6, 15));
            core::Book fresh{caseServices};
            fresh.messages.MessagesEnabled = true;
            FakeDataFileWindow freshWindow;
            fresh.ledger.AttachWindow(freshWindow);
            const std::filesystem::path file = folder / (cj43 ? "codes.CJ3" : "codes.CJ4");
            writeBytes(file, codesFile(cj43, c.balance, c.rate));
            const bool refused = *c.refusal != '\0';
            if (refused)
                caseServices.answerMessageBox(platform::Answer::OK);

            const bool imported = cj43 ? datafile::ImportCoinjar43File(fresh, file, codes)
                                       : datafile::ImportCoinjar4File(fresh, file, codes);

            if (refused) {
                EXPECT_FALSE(imported);
                EXPECT_EQ(caseServices.messageTexts(), std::vector<std::string>{c.refusal});
                EXPECT_EQ(fresh.codes.ListAnalCodes.ListCount(), 0) << "the category before it is taken back";
                EXPECT_EQ(fresh.codes.ListBankAccounts.ListCount(), 0);
                EXPECT_EQ(fresh.codes.ListVATCodes.ListCount(), 0);
                EXPECT_EQ(fresh.codes.ComboBank.ListCount(), 0);
                continue;
            }
            ASSERT_TRUE(imported);
            ASSERT_EQ(fresh.codes.ListBankAccounts.ListCount(), 1);
            ASSERT_EQ(fresh.codes.ListVATCodes.ListCount(), 1);
            const std::string bank = fresh.codes.ListBankAccounts.List(0);
            EXPECT_EQ(runtime::mid(bank, 136, 22), "15/Jun/2025" + runtime::padLeft(c.balance, 11));
            EXPECT_EQ(fresh.codes.ListVATCodes.List(0),
                      "V   " + runtime::padLeft(c.rate, 11) + " " + runtime::padRight("Vat twenty", 20));
        }
    }
}

TEST_F(CoinjarImportTest, OddEntryLinesAreRefusedOrReadAsTheyStand)
{
    const std::filesystem::path odd = folder / "odd.CJ3";
    writeBytes(odd, "CJ4/3\r\nOdd lines\r\nStandard Entries\r\n\r\n"
                    "Jan-79\r\n"
                    "01b    FD  R1No reference marker\xFC" "5\xFDX\r\n"
                    "02b    FD  R2\xFBNo memo marker 5\xFDX\r\n"
                    "03b    FD yR3\xFBYear 79\xFC" "0\xFDX\r\n"
                    "\r\n"
                    "Jan-80\r\n"
                    "04bJONEFD  R4\xFBYear 80\xFC-0.5\xFD" "0\r\n"
                    " 5b    fd  R5\xFBOne-digit day\xFC" "1\xFDx\r\n");
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);

    ASSERT_TRUE(datafile::ImportCoinjar43File(book, odd, {false, false, false, false, true}));

    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{
                  "Coinjar Transaction [Jan-79 01b    FD  R1No reference marker\xFC" "5\xFDX] has no reference number",
                  "Coinjar Transaction [Jan-79 02b    FD  R2\xFBNo memo marker 5\xFDX] has no comment"}));
    // Refused entries take no number; years up to 79 are 20xx, from 80 19xx; a lower-case "y" reconciles;
    // a day of one digit after a blank reads as that day.
    expectTransactions({
        {"000001", "03/Jan/2079", "R3", "B", "", "FD", "RCP", "Year 79", "X", 0, true},
        {"000002", "04/Jan/1980", "R4", "B", "JONE", "FD", "PAY", "Year 80", "0", 0.5, false},
        {"000003", "05/Jan/1980", "R5", "B", "", "FD", "RCP", "One-digit day", "X", 1, false},
    });
}

TEST_F(CoinjarImportTest, AUtf8FileIsReadAsItsWindows1252Characters)
{
    // The markers and the accented letters as UTF-8, with and without the byte-order mark.
    const std::string body = "CJ4/3\r\nCaf\xC3\xA9 accounts\r\nClass codes:\r\n1\r\n2\r\n3\r\n4\r\n"
                             "CA   Caf\xC3\xA9 & cr\xC3\xA8me\r\n\r\nStandard Entries\r\n\r\n"
                             "Mar-24\r\n"
                             "09b    CA  \xE2\x82\xAC" "1\xC3\xBB" "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e\xC3\xBC" "-4.20\xC3\xBD-\r\n";
    const datafile::CoinjarChoices categoriesAndTransactions{false, false, true, false, true};
    for (const std::string& bytes : {"\xEF\xBB\xBF" + body, body}) {
        core::Book fresh(services);
        fresh.ledger.AttachWindow(window);
        const std::filesystem::path file = folder / "utf8.CJ3";
        writeBytes(file, bytes);

        ASSERT_TRUE(datafile::ImportCoinjar43File(fresh, file, categoriesAndTransactions));

        EXPECT_EQ(items(fresh.codes.ListAnalCodes), std::vector<std::string>{runtime::padRight("CA   Caf\xE9 & cr\xE8me", 25)});
        ASSERT_EQ(fresh.ledger.Transactions.UpperBound(), 1);
        core::TransactionFields f;
        core::ParseTransactionRecord(fresh, fresh.ledger.Transactions.Line(1), f);
        EXPECT_EQ(f.Reference, "\x80" "1    ");
        EXPECT_EQ(f.Memo, runtime::padRight("Cr\xE8me br\xFBl\xE9" "e", 74));
        EXPECT_EQ(f.Type, "PAY");
        EXPECT_DOUBLE_EQ(f.Amount, 4.20);
    }

    // A character Windows-1252 has no place for stops the import, which changes nothing.
    const std::filesystem::path file = folder / "utf8.CJ3";
    writeBytes(file, "CJ4/3\r\nTitle\r\nClass codes:\r\n1\r\n2\r\n3\r\n4\r\nCA   \xC4\x80 accents\r\n\r\n");
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_FALSE(datafile::ImportCoinjar43File(book, file, categoriesAndTransactions));
    EXPECT_EQ(services.messageTexts().back(),
              "Import CJ4 File : line 8 holds a character that Windows-1252 cannot hold (U+0100)");
    EXPECT_EQ(book.codes.ListAnalCodes.ListCount(), 0);
}

} // namespace
