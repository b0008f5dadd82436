#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ReportTest.h"
#include "reports/Finaccs.h"
#include "support/FileBytes.h"

namespace {

using Lines = std::vector<std::string>;

// The report of the book below for April 2025 under the standard scheme, income SALE, expenses
// STAT, dividends DRAW and 1,250.00 brought forward:
//   Sales      receipt 235.00 less VAT 35.00, receipt 100.00 at 0 %, less the paid invoice's VAT 17.50
//              (the paid EEC invoice adds nothing): 200.00 + 100.00 - 17.50 = 282.50
//   Expenses   payment 117.50 less VAT 17.50, the paid bill's VAT 8.75 back: -100.00 + 8.75 = -91.25
//   Dividends  payment 47.00 at 0 %: -47.00
//   Net profit 1,250.00 + 282.50 - 91.25 - 47.00 = 1,394.25
//   Cash       start balances 1,000.00 + 50.00, reconciled before 30/Apr: the split payment -70.00 and
//              the receipt 235.00 (the receipt of 30/Apr is not before it): 1,215.00
//   Debtors    the unpaid invoice 235.00 less VAT: 200.00; creditors the unpaid bill 117.50: 100.00
//   Net current assets 200.00 + 1,215.00 - 100.00 = 1,315.00; assorted capital 1,315.00 - 1,394.25
const Lines StandardReport{
    "                        Acme Trading Ltd",
    "                 Final Accounts for the Period",
    "                   01/Apr/2025 To 30/Apr/2025",
    "",
    "",
    "Profit & Loss",
    "=============",
    "",
    " Sales                                     282.50",
    " Purchases, Expenses & Overheads           -91.25",
    "                                      -----------",
    " Profit for the period                     191.25",
    "",
    "",
    " Dividends                                 -47.00",
    "",
    "",
    " Profit Brought Forward                  1,250.00",
    "                                      -----------",
    " Net Profit                                         1,394.25",
    "                                                 ===========",
    "",
    "",
    "",
    "Balance Sheet",
    "=============",
    "",
    " CURRENT ASSETS",
    "  Cash at Hand and in Bank               1,215.00",
    "  Debtors                                  200.00",
    "                                      -----------",
    "                                         1,415.00",
    "",
    " CURRENT LIABILITIES",
    "  Creditors                                100.00",
    "                                      -----------",
    " Net Current Assets                                 1,315.00",
    "                                                 ===========",
    "",
    "",
    "Financed by :",
    "=============",
    "",
    " Profit and Loss Account                 1,394.25",
    " Assorted Capital                          -79.25",
    "                                      -----------",
    "                                                    1,315.00",
    "                                                 ===========",
};

// The final accounts dialog on 15 June 2025, shown modally and driven as a user would.
class FinaccsDialog : public ReportTest {
protected:
    std::filesystem::path settingsPath() const { return folder / "QBFINACC.INI"; }

    // Shows the dialog modally and runs `script` on it as a user would.
    void open(std::function<void(reports::Finaccs&)> script)
    {
        services.onModal<reports::Finaccs>("Finaccs", std::move(script));
        dialog.Show(true);
    }

    static void choose(platform::ListBox& list, const std::string& code)
    {
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.List(i).rfind(code, 0) == 0)
                list.userSetSelected(i, !list.Selected(i));
    }

    static Lines chosen(const platform::ListBox& list)
    {
        Lines codes;
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.Selected(i))
                codes.push_back(list.List(i).substr(0, 4));
        return codes;
    }

    // The period of April 2025, the three categories and last year's profit, then OK.
    static void fillAndRun(reports::Finaccs& f, bool cash)
    {
        f.TxtFrom.userSetText("1/4/2025");
        f.TxtTo.userSetText("30/04/2025");
        f.TxtProfitFwd.userSetText("1,250.00");
        (cash ? f.OptCashVAT : f.OptStandardVAT).userClick();
        choose(f.ListIncomeCats, "SALE");
        choose(f.ListExpenseCats, "STAT");
        choose(f.ListDividendCats, "DRAW");
        f.CmdOK.userClick();
    }

    reports::Finaccs dialog{desk, nullptr};
};

// company.QBD (banks BANK01 starting at 1,000.00 and CASH01 at 50.00; VAT STD 17.5 %; categories
// SALE and STAT, its April 2024 transactions) with a category DRAW and a month of 2025.
class FinaccsTest : public FinaccsDialog {
protected:
    FinaccsTest()
    {
        loadCompany();
        book.codes.ListAnalCodes.AddItem("DRAW Drawings           ");
        book.codes.ComboAnal.AddItem("DRAW Drawings           ");
        add("10/Apr/2025", "RCP", 235.00, "STD", "SALE", false, true);
        add("12/Apr/2025", "INV", 117.50, "STD", "SALE", true);
        add("13/Apr/2025", "INV", 500.00, "STD", "SALE", true, false, true);
        add("14/Apr/2025", "PAY", 117.50, "STD", "STAT");
        add("15/Apr/2025", "PAY", 47.00, "ZER", "DRAW");
        add("16/Apr/2025", "BIL", 58.75, "STD", "STAT", true);
        add("20/Apr/2025", "INV", 235.00, "STD", "SALE");
        add("22/Apr/2025", "BIL", 117.50, "STD", "STAT");
        add("30/Apr/2025", "RCP", 100.00, "ZER", "SALE", false, true);
        add("01/May/2025", "RCP", 999.00, "ZER", "SALE", false, true);
    }

    void add(const std::string& date, const std::string& type, double amount, const std::string& vat,
             const std::string& category, bool paid = false, bool reconciled = false, bool eec = false)
    {
        core::TransactionFields fields;
        fields.Date = date;
        fields.Type = type;
        fields.Amount = amount;
        fields.VAT = vat;
        fields.Category = category;
        fields.Paid = paid;
        fields.Reconciled = reconciled;
        fields.EEC = eec;
        fields.Bank = "BANK01";
        book.SplitTail.clear();
        core::AddTransaction(book, fields);
    }
};

// Over the hand-made book of the reports, reports.QBD.
class FinaccsBookTest : public FinaccsDialog {
protected:
    FinaccsBookTest() { loadReportsBook(); }
};

TEST_F(FinaccsTest, WithoutSettingsTheDialogOpensOnTheLastYear)
{
    open([](reports::Finaccs& f) {
        EXPECT_EQ(f.Caption(), "Final Accounts");
        EXPECT_EQ(f.TxtFrom.Text(), "15/Jun/2024");
        EXPECT_EQ(f.TxtTo.Text(), "15/Jun/2025");
        EXPECT_EQ(f.TxtTaxRate.Text(), "25");
        EXPECT_EQ(f.TxtProfitFwd.Text(), "0.00");
        EXPECT_TRUE(f.OptStandardVAT.Value());
        EXPECT_FALSE(f.OptCashVAT.Value());
        EXPECT_FALSE(f.LblComplete.Visible());
        EXPECT_EQ(f.TxtTaxRate.ToolTipText(), "Tax Rate has been depreciated - Please do not use.");
        EXPECT_EQ(f.TxtProfitFwd.ToolTipText(), "Net Profit from Last Year (also known as Retained Profit)");
        for (const platform::ListBox* list : {&f.ListIncomeCats, &f.ListExpenseCats, &f.ListDividendCats}) {
            EXPECT_EQ(list->MultiSelect(), 1);
            EXPECT_EQ(list->ListCount(), 3);
            EXPECT_EQ(list->SelCount(), 0);
        }
    });
}

TEST_F(FinaccsTest, OkSavesTheChoicesAndWritesTheAccountsUnderTheStandardScheme)
{
    host.output = reports::ReportOutput::Datapeek; // the accounts open in the text viewer whatever is chosen
    book.SplitTail = "001Edited split                       10.00STD    ";
    open([](reports::Finaccs& f) {
        fillAndRun(f, false);
        EXPECT_TRUE(f.Visible());
        EXPECT_FALSE(f.LblComplete.Visible());
    });
    EXPECT_EQ(readBytes(settingsPath()),
              "01/Apr/2025\r\n30/Apr/2025\r\n25\r\n1,250.00\r\nS\r\nSALE\r\n[EXPENSE]\r\nSTAT\r\n[DIVIDEND]\r\nDRAW\r\n");
    EXPECT_EQ(reportLines(), StandardReport);
    EXPECT_EQ(book.SplitTail, "001Edited split                       10.00STD    ");
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "notepad.exe QB.TXT");
    EXPECT_EQ(services.startedPrograms()[0].style, platform::WindowStyle::NormalFocus);
    EXPECT_TRUE(services.messageTexts().empty());
}

TEST_F(FinaccsTest, TheCashSchemeLeavesPaidInvoicesAndBillsOut)
{
    open([](reports::Finaccs& f) { fillAndRun(f, true); });
    EXPECT_EQ(readBytes(settingsPath()),
              "01/Apr/2025\r\n30/Apr/2025\r\n25\r\n1,250.00\r\nC\r\nSALE\r\n[EXPENSE]\r\nSTAT\r\n[DIVIDEND]\r\nDRAW\r\n");
    // Sales 200.00 + 100.00; expenses -100.00; net profit 1,250.00 + 300.00 - 100.00 - 47.00.
    Lines expected = StandardReport;
    expected[8] = " Sales                                     300.00";
    expected[9] = " Purchases, Expenses & Overheads          -100.00";
    expected[11] = " Profit for the period                     200.00";
    expected[19] = " Net Profit                                         1,403.00";
    expected[43] = " Profit and Loss Account                 1,403.00";
    expected[44] = " Assorted Capital                          -88.00";
    EXPECT_EQ(reportLines(), expected);
}

// The last transaction, a receipt of 999.00 on 01/May/2025 in SALE, lies before such a period.
TEST_F(FinaccsTest, APeriodAfterEveryTransactionHasNoProfit)
{
    open([](reports::Finaccs& f) {
        fillAndRun(f, false);
        f.TxtFrom.userSetText("01/Jan/2026");
        f.TxtTo.userSetText("31/Jan/2026");
        f.CmdOK.userClick();
    });
    const Lines lines = reportLines();
    EXPECT_EQ(lines[8], " Sales                                       0.00");
    EXPECT_EQ(lines[9], " Purchases, Expenses & Overheads             0.00");
    EXPECT_EQ(lines[14], " Dividends                                   0.00");
}

TEST_F(FinaccsTest, TheSettingsFileBringsBackEveryChoice)
{
    writeBytes(settingsPath(), "01/Jan/2025\r\n31/Mar/2025\r\n20\r\n-12.50\r\ns\r\nsale\r\nGONE\r\n[EXPENSE]\r\n"
                               "STAT\r\n[DIVIDEND]\r\nSTAT\r\nDRAW");
    open([](reports::Finaccs& f) {
        EXPECT_EQ(f.TxtFrom.Text(), "01/Jan/2025");
        EXPECT_EQ(f.TxtTo.Text(), "31/Mar/2025");
        EXPECT_EQ(f.TxtTaxRate.Text(), "20");
        EXPECT_EQ(f.TxtProfitFwd.Text(), "-12.50");
        EXPECT_TRUE(f.OptCashVAT.Value()); // only "S" is the standard scheme
        EXPECT_EQ(chosen(f.ListIncomeCats), Lines{"SALE"});
        EXPECT_EQ(chosen(f.ListExpenseCats), Lines{"STAT"});
        // The file is taken as it is: a category may stand in two lists.
        EXPECT_EQ(chosen(f.ListDividendCats), (Lines{"DRAW", "STAT"}));
    });
    EXPECT_TRUE(services.beeps().empty());
}

TEST_F(FinaccsTest, AShortSettingsFileKeepsWhatItReached)
{
    struct Case {
        std::string file;
        std::string from;
        bool standard;
        Lines income;
    };
    const Case cases[] = {
        {"01/Jan/2025\r\n31/Mar/2025\r\n", "01/Jan/2025", true, {}},
        {"01/Jan/2025\r\n31/Mar/2025\r\n20\r\n0.00\r\nS \r\nSALE\r\n", "01/Jan/2025", true, {"SALE"}},
        {"01/Jan/2025\r\n31/Mar/2025\r\n20\r\n0.00\r\nC\r\n", "01/Jan/2025", false, {}},
    };
    for (const Case& c : cases) {
        writeBytes(settingsPath(), c.file);
        open([&c](reports::Finaccs& f) {
            EXPECT_EQ(f.TxtFrom.Text(), c.from) << c.file;
            EXPECT_EQ(f.TxtTo.Text(), "31/Mar/2025") << c.file;
            EXPECT_EQ(f.OptStandardVAT.Value(), c.standard) << c.file;
            EXPECT_EQ(chosen(f.ListIncomeCats), c.income) << c.file;
            f.CmdCancel.userClick();
        });
        EXPECT_FALSE(dialog.isLoaded());
    }
}

TEST_F(FinaccsTest, ACategoryCountsInOneListOnly)
{
    open([this](reports::Finaccs& f) {
        choose(f.ListIncomeCats, "SALE");
        choose(f.ListExpenseCats, "SALE");
        EXPECT_EQ(chosen(f.ListExpenseCats), Lines{});
        EXPECT_EQ(chosen(f.ListIncomeCats), Lines{"SALE"});
        EXPECT_EQ(services.beeps().size(), 1u);
        choose(f.ListExpenseCats, "STAT");
        choose(f.ListIncomeCats, "STAT");
        choose(f.ListDividendCats, "STAT");
        choose(f.ListDividendCats, "SALE");
        EXPECT_EQ(chosen(f.ListIncomeCats), Lines{"SALE"});
        EXPECT_EQ(chosen(f.ListDividendCats), Lines{});
        EXPECT_EQ(services.beeps().size(), 4u);
        // The income and expense lists do not look at the dividend list.
        choose(f.ListDividendCats, "DRAW");
        choose(f.ListExpenseCats, "DRAW");
        EXPECT_EQ(chosen(f.ListExpenseCats), (Lines{"DRAW", "STAT"}));
        EXPECT_EQ(services.beeps().size(), 4u);
    });
}

TEST_F(FinaccsTest, AnUnwritableSettingsFileStillGivesTheReport)
{
    std::filesystem::create_directory(settingsPath());
    open([](reports::Finaccs& f) { fillAndRun(f, false); });
    EXPECT_TRUE(std::filesystem::is_directory(settingsPath()));
    EXPECT_EQ(reportLines(), StandardReport);
    EXPECT_TRUE(services.messageTexts().empty());
    ASSERT_EQ(services.startedPrograms().size(), 1u);
}

// A profit brought forward that is not an amount is refused before anything is saved or written.
TEST_F(FinaccsTest, AProfitBroughtForwardThatIsNotAnAmountIsRefused)
{
    services.answerMessageBox(platform::Answer::OK);
    open([](reports::Finaccs& f) {
        f.TxtProfitFwd.userSetText("1,2,3");
        f.CmdOK.userClick();
        EXPECT_TRUE(f.Visible());
        EXPECT_EQ(f.ActiveControl(), &f.TxtProfitFwd);
        f.CmdCancel.userClick();
    });
    EXPECT_EQ(services.messageTexts(), Lines{"'1,2,3' is not a valid Amount"});
    EXPECT_FALSE(std::filesystem::exists(settingsPath()));
    EXPECT_FALSE(std::filesystem::exists(reportPath()));
    EXPECT_TRUE(services.startedPrograms().empty());
}

TEST_F(FinaccsTest, ABoxWithoutADateIsTodayAfterTheWarning)
{
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    open([](reports::Finaccs& f) {
        f.TxtFrom.setText("");
        f.TxtTo.setText("31/02/2025");
        f.CmdOK.userClick();
        EXPECT_EQ(f.TxtFrom.Text(), "15/Jun/2025");
        EXPECT_EQ(f.TxtTo.Text(), "15/Jun/2025");
    });
    ASSERT_EQ(services.messageTexts().size(), 2u);
    EXPECT_EQ(services.messageTexts()[1].rfind("'31/02/2025' is not a valid date - resetting to today's date.", 0), 0u);
    EXPECT_EQ(reportLines()[2], "                   15/Jun/2025 To 15/Jun/2025");
}

TEST_F(FinaccsTest, ATextViewerThatDoesNotStartIsAFileError)
{
    services.setStartProgramResult(false);
    services.answerMessageBox(platform::Answer::OK);
    open([](reports::Finaccs& f) {
        fillAndRun(f, false);
        EXPECT_FALSE(f.LblComplete.Visible());
    });
    EXPECT_EQ(services.messageTexts(), Lines{"File error : File not found"});
    EXPECT_EQ(reportLines(), StandardReport);
}

// reports.QBD for March to June 2025 under the standard scheme with the choices of a settings file:
// income SALE, expenses FUEL, MATL and RENT, 1,250.00 brought forward.
//   Sales     receipts net of VAT 1,000.00 + 45.00 + 1,500.00 + 500.00 (EEC: no VAT part)
//             + 1,250,000.00 + 30.00 + 200.00 + 150.00, less the paid invoice's VAT 300.00 = 1,253,125.00
//   Expenses  payments net -300.00 - 800.00 - 50.00 - 125.00 (split: stored VAT 22.00) - 80.00
//             - 800.00 (no VAT code) - 50.00 - 150.00, the paid bill's VAT 10.00 back = -2,345.00
//   Cash      CURR01 1,000.00 + 1,200.00 - 360.00 - 800.00 - 100.00 - 75.00 + 1,800.00 - 147.00
//             + 500.00 + 210.00 = 3,228.00; CASH01 50.00 + 45.00 - 52.50 + 100.00 = 142.50
//   Debtors   unpaid invoices net 800 + 750 + 600 + 500 + 300 + 200 + 100 + 400 = 3,650.00
//   Creditors unpaid bills net 200 + 300 (EEC) + 150 + 75 = 725.00
// The wide figures keep every digit and push their lines out.
TEST_F(FinaccsBookTest, TheReportsBookUnderTheStandardScheme)
{
    writeBytes(settingsPath(), "01/Mar/2025\r\n30/Jun/2025\r\n25\r\n1,250.00\r\nS\r\nSALE\r\n[EXPENSE]\r\nFUEL\r\n"
                               "MATL\r\nRENT\r\n[DIVIDEND]\r\n");
    open([](reports::Finaccs& f) { f.CmdOK.userClick(); });
    EXPECT_EQ(reportLines(), (Lines{
                                 "                    Harbour Lane Joinery Ltd",
                                 "                 Final Accounts for the Period",
                                 "                   01/Mar/2025 To 30/Jun/2025",
                                 "",
                                 "",
                                 "Profit & Loss",
                                 "=============",
                                 "",
                                 " Sales                                1,253,125.00",
                                 " Purchases, Expenses & Overheads        -2,345.00",
                                 "                                      -----------",
                                 " Profit for the period                1,250,780.00",
                                 "",
                                 "",
                                 " Dividends                                   0.00",
                                 "",
                                 "",
                                 " Profit Brought Forward                  1,250.00",
                                 "                                      -----------",
                                 " Net Profit                                      1,252,030.00",
                                 "                                                 ===========",
                                 "",
                                 "",
                                 "",
                                 "Balance Sheet",
                                 "=============",
                                 "",
                                 " CURRENT ASSETS",
                                 "  Cash at Hand and in Bank               3,370.50",
                                 "  Debtors                                3,650.00",
                                 "                                      -----------",
                                 "                                         7,020.50",
                                 "",
                                 " CURRENT LIABILITIES",
                                 "  Creditors                                725.00",
                                 "                                      -----------",
                                 " Net Current Assets                                 6,295.50",
                                 "                                                 ===========",
                                 "",
                                 "",
                                 "Financed by :",
                                 "=============",
                                 "",
                                 " Profit and Loss Account              1,252,030.00",
                                 " Assorted Capital                     -1,245,734.50",
                                 "                                      -----------",
                                 "                                                    6,295.50",
                                 "                                                 ===========",
                             }));
}

} // namespace
