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

TEST_F(CategoryAnalysisReportTest, TextEditorGetsNeitherViewerLinesNorMarker)
{
    host.output = reports::ReportOutput::Notepad;
    runPeriod("01/Mar/2025", "30/Jun/2025", 0, 0);
    expectEditorReport("category-analysis.TXT", true);
    expectNotepadStarted();
}

TEST_F(CategoryAnalysisReportTest, PenceThatCancelAreAZeroRow)
{
    addOn("01/Jul/2025", "RCP", 0.10, "XFR");
    addOn("02/Jul/2025", "RCP", 0.20, "XFR");
    addOn("03/Jul/2025", "PAY", 0.30, "XFR");
    const auto transfersRows = [this] {
        const std::vector<std::string> lines = reportLines();
        return std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Transfers"); });
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
