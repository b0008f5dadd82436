#include <string>
#include <vector>

#include "BalanceReportTest.h"
#include "reports/ReportTitle.h"

namespace {

class IncomeExpenditureReportTest : public BalanceReportTest {
protected:
    // March to June over every category, as the chooser opens (all selected).
    void runSpring(int excludeVat, int hideZeros)
    {
        run(reports::IncomeExpenditureKind, [excludeVat, hideZeros](reports::ReportForm& f) {
            f.TextPLFrom.setText("01/Mar/2025");
            f.TextPLTo.setText("30/Jun/2025");
            f.OptStdAcc.setValue(true);
            f.ChkExcludeVAT.setValue(excludeVat);
            f.ChkZeroSupress.setValue(hideZeros);
        });
    }
};

TEST_F(IncomeExpenditureReportTest, NetOfVatCountsPaidDocumentsByTheirVat)
{
    const std::string splits = "001Edited split                       10.00S      ";
    book.SplitTail = splits;
    runSpring(1, 0);
    EXPECT_EQ(answers, std::vector<bool>{true});
    expectReport("income-expenditure-net.TXT");
    expectViewerStarted();
    EXPECT_EQ(book.SplitTail, splits);
}

TEST_F(IncomeExpenditureReportTest, GrossFiguresWithAndWithoutZeroCategories)
{
    runSpring(0, 0);
    expectReport("income-expenditure-gross.TXT");
    runSpring(0, 1);
    expectReport("income-expenditure-gross-hidden.TXT");
}

TEST_F(IncomeExpenditureReportTest, TextEditorGetsNeitherViewerLinesNorMarker)
{
    host.output = reports::ReportOutput::Notepad;
    runSpring(0, 0);
    expectEditorReport("income-expenditure-gross.TXT", true);
    expectNotepadStarted();
}

TEST_F(IncomeExpenditureReportTest, UnwritableFileStartsNothing)
{
    expectUnwritableFileRefused(reports::IncomeExpenditureKind, [](reports::ReportForm& f) {
        f.TextPLFrom.setText("01/Mar/2025");
        f.TextPLTo.setText("30/Jun/2025");
    });
}

} // namespace
