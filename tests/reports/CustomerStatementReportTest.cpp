#include <algorithm>
#include <string>
#include <vector>

#include "BalanceReportTest.h"
#include "reports/ReportTitle.h"

namespace {

class CustomerStatementReportTest : public BalanceReportTest {
protected:
    void runAlpha(int daysOver)
    {
        run(reports::CustomerStatementKind, [daysOver](reports::ReportForm& f) {
            f.ListCustState.userSelect(0);
            f.ChkDaysOver.setValue(daysOver);
        });
    }
};

TEST_F(CustomerStatementReportTest, ListsUnpaidInvoicesWithTheirAges)
{
    const std::string splits = "001Edited split                       10.00S      ";
    book.SplitTail = splits;
    runAlpha(1);
    EXPECT_EQ(answers, std::vector<bool>{true});
    expectReport("statement-days.TXT");
    expectViewerStarted();
    EXPECT_EQ(book.SplitTail, splits);
}

TEST_F(CustomerStatementReportTest, WithoutDaysOverTheFifthCellIsEmpty)
{
    runAlpha(0);
    expectReport("statement.TXT");
}

TEST_F(CustomerStatementReportTest, TextEditorGetsNoViewerLines)
{
    host.output = reports::ReportOutput::Notepad;
    runAlpha(0);
    expectEditorReport("statement.TXT", false);
    expectNotepadStarted();
}

TEST_F(CustomerStatementReportTest, CustomerWithNothingOwedGetsZeroBands)
{
    run(reports::CustomerStatementKind, [](reports::ReportForm& f) { f.ListCustState.userSelect(2); });
    const std::vector<std::string> lines = reportLines();
    const auto total = std::find(lines.begin(), lines.end(),
                                 "         \t      \tTOTAL OUTSTANDING : \t       0.00");
    EXPECT_NE(total, lines.end()) << "the paid invoice of GAMMA3 is not owed";
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.ends_with("\t       0.00"); }), 5)
        << "four bands and the total";
}

TEST_F(CustomerStatementReportTest, InvoiceDateThatIsNoDateEndsTheReport)
{
    // Record 6 is an unpaid invoice of ALPHA1; an edited file dates it 31 February.
    std::string line(book.ledger.Transactions.Line(6));
    line.replace(6, 8, "20250231");
    book.ledger.Transactions.Replace(6, line);
    services.answerMessageBox(platform::Answer::OK);
    runAlpha(1);
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"File error : Type mismatch"});
    EXPECT_EQ(services.reportOpenAtBox, std::vector<bool>{false}) << "closed before the box";
    expectNothingStarted();
}

TEST_F(CustomerStatementReportTest, UnwritableFileStartsNothing)
{
    expectUnwritableFileRefused(reports::CustomerStatementKind,
                                [](reports::ReportForm& f) { f.ListCustState.userSelect(0); });
}

} // namespace
