#include <algorithm>
#include <string>
#include <vector>

#include "BalanceReportTest.h"
#include "reports/ReportTitle.h"

namespace {

class CategoryAnalysisReportTest : public BalanceReportTest {
protected:
    // Every category from `from` to `to`.
    void runPeriod(const std::string& from, const std::string& to, int byMonth, int supressZeros)
    {
        run(reports::CategoryAnalysisKind, [&](reports::ReportForm& f) {
            selectAll(f.ListAnalCodes);
            f.TextAnalFrom.setText(from);
            f.TextAnalTo.setText(to);
            f.ChkAnalByMonth.setValue(byMonth);
            f.ChkSupressAnalZeros.setValue(supressZeros);
        });
    }

    void addOn(const std::string& date, const std::string& type, double amount, const std::string& category)
    {
        core::TransactionFields fields;
        fields.Date = date;
        fields.Type = type;
        fields.Amount = amount;
        fields.Bank = "CURR01";
        fields.Category = category;
        book.SplitTail.clear();
        core::AddTransaction(book, fields);
    }
};

TEST_F(CategoryAnalysisReportTest, MonthByMonthWithSharesAndTotals)
{
    const std::string splits = "001Edited split                       10.00S      ";
    book.SplitTail = splits;
    runPeriod("01/Mar/2025", "30/Jun/2025", 1, 0);
    EXPECT_EQ(answers, std::vector<bool>{true});
    expectReport("category-analysis-by-month.TXT");
    expectViewerStarted();
    EXPECT_EQ(book.SplitTail, splits);
}

TEST_F(CategoryAnalysisReportTest, OneTotalWithAndWithoutZeroRows)
{
    runPeriod("01/Mar/2025", "30/Jun/2025", 0, 0);
    expectReport("category-analysis.TXT");
    runPeriod("01/Mar/2025", "30/Jun/2025", 0, 1);
    expectReport("category-analysis-no-zeros.TXT");
}

TEST_F(CategoryAnalysisReportTest, CurrentListInReferenceOrderCoversItsWholePeriod)
{
    run(reports::CategoryAnalysisKind, [](reports::ReportForm& f) {
        selectAll(f.ListAnalCodes);
        f.ChkCatOnQry.setValue(1);
    });
    expectReport("category-analysis-current-list.TXT");
}

// The list is in reference order, so a record past the period is passed over, not the end of it.
TEST_F(CategoryAnalysisReportTest, CurrentListSkipsRecordsAfterThePeriod)
{
    run(reports::CategoryAnalysisKind, [](reports::ReportForm& f) {
        selectAll(f.ListAnalCodes);
        f.ChkCatOnQry.setValue(1);
    });
    core::FilterSetup march;
    march.DateOn = core::FlagTrue;
    march.FromDate = "20250301";
    march.ToDate = "20250331";
    march.TypeOn = core::FlagTrue;
    march.Types = "PRIB";
    ASSERT_TRUE(reports::WriteCategoryAnalysisReport(desk, *form_, march, 5, 1, "202503"));
    const std::vector<std::string> lines = reportLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NET                 \t   1,652.50"), lines.end())
        << "March's net, not only the first bill's";
}

TEST_F(CategoryAnalysisReportTest, TextEditorGetsNeitherViewerLinesNorMarker)
{
    host.output = reports::ReportOutput::Notepad;
    runPeriod("01/Mar/2025", "30/Jun/2025", 0, 0);
    expectEditorReport("category-analysis.TXT", true);
    expectNotepadStarted();
}

// Categories in the table but not chosen have no row and stay out of the listed shares, yet count
// in the period's income and expenditure (hand sums in hand-sums.txt, less Fuel, Rent, Transfers).
TEST_F(CategoryAnalysisReportTest, UnchosenCategoriesCountOnlyInThePeriodTotals)
{
    run(reports::CategoryAnalysisKind, [](reports::ReportForm& f) {
        f.ListAnalCodes.userSetSelected(1, true);
        f.ListAnalCodes.userSetSelected(3, true);
        f.TextAnalFrom.setText("01/Mar/2025");
        f.TextAnalTo.setText("30/Jun/2025");
    });
    const std::vector<std::string> lines = reportLines();
    const auto first =
        std::find(lines.begin(), lines.end(), "Materials           \t  -1,293.00\t     -94.08\t     -37.40");
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 9),
              (std::vector<std::string>{
                  "Materials           \t  -1,293.00\t     -94.08\t     -37.40",
                  "Sales               \t1,258,316.50\t     100.00\t      99.99",
                  "Other (-)           \t     -81.40\t      -5.92\t      -2.35",
                  "                    \t___________\t___________\t___________",
                  "",
                  "INCOME              \t1,258,316.50",
                  "EXPENDITURE         \t  -1,374.40",
                  "",
                  "NET                 \t1,256,942.10",
              }));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Expenditure       \t  -3,456.90"), lines.end());
}

TEST_F(CategoryAnalysisReportTest, PenceThatCancelAreAZeroRow)
{
    addOn("01/Jul/2025", "RCP", 0.10, "XFR");
    addOn("02/Jul/2025", "RCP", 0.20, "XFR");
    addOn("03/Jul/2025", "PAY", 0.30, "XFR");
    const auto transfersRows = [this] {
        const std::vector<std::string> lines = reportLines();
        return std::count_if(lines.begin(), lines.end(),
                             [](const std::string& l) { return l.starts_with("Transfers"); });
    };
    runPeriod("01/Jul/2025", "31/Jul/2025", 0, 0);
    EXPECT_EQ(transfersRows(), 1);
    runPeriod("01/Jul/2025", "31/Jul/2025", 0, 1);
    EXPECT_EQ(transfersRows(), 0) << "0.10 + 0.20 - 0.30 shows as 0.00";
}

TEST_F(CategoryAnalysisReportTest, UnwritableFileStartsNothing)
{
    expectUnwritableFileRefused(reports::CategoryAnalysisKind, [](reports::ReportForm& f) {
        selectAll(f.ListAnalCodes);
        f.TextAnalFrom.setText("01/Mar/2025");
        f.TextAnalTo.setText("30/Jun/2025");
    });
}

} // namespace
