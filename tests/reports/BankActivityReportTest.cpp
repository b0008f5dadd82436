#include <algorithm>
#include <string>
#include <vector>

#include "BalanceReportTest.h"
#include "reports/ReportTitle.h"

namespace {

class BankActivityReportTest : public BalanceReportTest {
protected:
    // CURR01 over March to June from a start balance typed with a thousands separator.
    void runCurrentAccount(int sumUnreconciled)
    {
        run(reports::BankActivityKind, [sumUnreconciled](reports::ReportForm& f) {
            f.ComboListBanks.userSelect(1);
            f.TextBankFrom.setText("01/Mar/2025");
            f.TextBankTo.setText("30/Jun/2025");
            f.TextStartBal.setText("1,250.00");
            f.ChkSumUnRecon.setValue(sumUnreconciled);
        });
    }
};

TEST_F(BankActivityReportTest, RunningBalanceCountsEveryAmountWhenAsked)
{
    const std::string splits = "001Edited split                       10.00S      ";
    book.SplitTail = splits;
    runCurrentAccount(1);
    EXPECT_EQ(answers, std::vector<bool>{true});
    expectReport("bank-activity-all.TXT");
    expectViewerStarted();
    EXPECT_EQ(book.SplitTail, splits);
}

TEST_F(BankActivityReportTest, UnreconciledAmountsAreListedButNotCounted)
{
    runCurrentAccount(0);
    expectReport("bank-activity-reconciled.TXT");
}

TEST_F(BankActivityReportTest, TextEditorGetsNoViewerLines)
{
    host.output = reports::ReportOutput::Notepad;
    runCurrentAccount(0);
    expectEditorReport("bank-activity-reconciled.TXT", false);
    expectNotepadStarted();
}

// The start balance is read whole, an empty box as nothing. (Text that is not an amount is refused
// by the chooser before anything is written.)
TEST_F(BankActivityReportTest, StartBalanceIsReadWhole)
{
    struct Case {
        std::string typed;
        std::string opening;
    };
    for (const Case& c : {Case{"12,345,678.5", "12,345,678.50"}, Case{"-20.75", "     -20.75"},
                          Case{"", "       0.00"}}) {
        run(reports::BankActivityKind, [&](reports::ReportForm& f) {
            f.ComboListBanks.userSelect(0);
            f.TextBankFrom.setText("01/Jul/2025");
            f.TextBankTo.setText("31/Jul/2025");
            f.TextStartBal.setText(c.typed);
        });
        const std::vector<std::string> lines = reportLines();
        EXPECT_NE(std::find(lines.begin(), lines.end(), "Starting\t Balance : \t" + c.opening), lines.end()) << c.typed;
    }
}

TEST_F(BankActivityReportTest, BothEndsOfThePeriodAreListed)
{
    run(reports::BankActivityKind, [](reports::ReportForm& f) {
        f.ComboListBanks.userSelect(1);
        f.TextBankFrom.setText("03/Mar/2025");
        f.TextBankTo.setText("05/Mar/2025");
        f.TextStartBal.setText("0.00");
    });
    const std::vector<std::string> lines = reportLines();
    const auto first =
        std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("03/"); });
    ASSERT_NE(first, lines.end());
    EXPECT_TRUE(first[1].starts_with("05/Mar/2025\tCHQ301"));
    EXPECT_EQ(first[2], "         \t      \t                   \t   \t___________\t___________\t___________");
}

TEST_F(BankActivityReportTest, UnwritableFileStartsNothing)
{
    expectUnwritableFileRefused(reports::BankActivityKind, [](reports::ReportForm& f) {
        f.ComboListBanks.userSelect(1);
        f.TextBankFrom.setText("01/Mar/2025");
        f.TextBankTo.setText("30/Jun/2025");
    });
}

} // namespace
