#include <string>
#include <vector>

#include "ReportTest.h"
#include "platform/RecordingPrinter.h"
#include "reports/PrintJob.h"
#include "reports/ReportTitle.h"
#include "support/RaisedError.h"

namespace {

// The printed-list machinery on the default A4 recording printer (11906 twips wide).
class PrintJobTest : public ReportTest {
protected:
    platform::RecordingPrinter& printer() { return services.recordingPrinter(); }

    std::string headings() const
    {
        std::string joined;
        for (const reports::ReportColumn& column : desk.ReportColumns)
            joined += column.Heading + "(" + std::to_string(column.Width / 80) + (column.Shown ? "" : " hidden") + ") ";
        return joined;
    }
};

TEST_F(PrintJobTest, EachPrintedKindHasItsColumns)
{
    const struct {
        int kind;
        std::string headings;
    } cases[] = {
        {reports::CurrentFilteredListKind, "Date(13) Ref(8) Type(6) Vat(5) Memo(22) Payment(13) Receipt(13) Rec(5) Pd?(5) Bank(8) Cust(8) Categ(6) "},
        {reports::ReconciliationKind, "Day(13) Ref(8) Memo(17) Recon?(8) Payment(13) Receipt(13) Effect(13) "},
        {reports::StandingOrderKind, "Date(6) Ref(8) Type(6) Amount(13) Memo(22) Bank(8) Cust(8) VAT(5) Categ(6) To Bank(8) "},
        {reports::BankAccountKind, "Code(8) Name(22) Address(23) Telephone(17) Opened(11) Start Bal(13) Curr Bal(13) "},
        {reports::CustomerKind, "Code(8) Name(22) Address(23) Telephone(17) Fax(17) "},
        {reports::VatCodeKind, "Code(6) Name(22) Rate(13) "},
        {reports::CategoryKind, "Code(6) Name(22) "},
    };
    for (const auto& c : cases) {
        reports::SetUpReportColumns(desk, c.kind, 80);
        EXPECT_EQ(headings(), c.headings) << c.kind;
        EXPECT_EQ(desk.ReportColumns.front().X, 720);
    }
    reports::SetUpReportColumns(desk, reports::VatReportKind, 80);
    EXPECT_EQ(headings(), "Code(6) Name(22) ") << "a kind without columns leaves them as they were";
}

TEST_F(PrintJobTest, AColumnIsShownWhenItEndsWithinThePageLessTheLeftMargin)
{
    // "Cust" ends at 9200 twips, "Categ" at 9680; the page's right limit is its width less 720.
    const struct {
        double pageWidth;
        std::string lastShown;
    } cases[] = {{10400, "Categ"}, {10399, "Cust"}, {9920, "Cust"}, {9919, "Bank"}};
    for (const auto& c : cases) {
        printer().setPageSize(c.pageWidth, 16838);
        reports::SetUpReportColumns(desk, reports::CurrentFilteredListKind, 80);
        std::string lastShown;
        bool hiddenBefore = false;
        for (const reports::ReportColumn& column : desk.ReportColumns) {
            if (column.Shown) {
                EXPECT_FALSE(hiddenBefore) << "only the leading columns are shown";
                lastShown = column.Heading;
            } else {
                hiddenBefore = true;
            }
        }
        EXPECT_EQ(lastShown, c.lastShown) << c.pageWidth;
    }
}

TEST_F(PrintJobTest, CharacterWidthsAreMeasuredOnThePrinterAndRoundedHalfToEven)
{
    const struct {
        std::string size;
        int width;
    } cases[] = {{"8", 80}, {"8.25", 82}, {"8.35", 84}, {"10", 100}};
    for (const auto& c : cases) {
        desk.Settings.FontSize = c.size;
        const reports::ReportCharWidths widths = reports::MeasureCharWidths(desk);
        EXPECT_EQ(widths.Normal, c.width) << c.size;
        EXPECT_EQ(widths.Bold, c.width) << c.size;
        EXPECT_TRUE(widths.Same);
        EXPECT_TRUE(printer().FontBold());
        EXPECT_EQ(printer().FontName(), "Arial");
    }
}

TEST_F(PrintJobTest, CharactersAcrossThePageLieBetweenTheMargins)
{
    EXPECT_EQ(reports::CharsPerLine(desk, 80), 131); // 10466 / 80 = 130.8
    desk.Settings.LeftMargin = 0;
    EXPECT_EQ(reports::CharsPerLine(desk, 100), 119); // 119.06
    EXPECT_EQ(raisedErrorNumber([&] { reports::CharsPerLine(desk, 0); }), runtime::DivisionByZero);
}

TEST_F(PrintJobTest, APageTooNarrowForThePageNumberPrintsItAlone)
{
    loadCompany();
    for (const int across : {9, 8, 0}) {
        reports::PrintPageHeader(desk, reports::CurrentFilteredListKind, false, across);
        EXPECT_EQ(printer().current().pages.back().runs.back().text, " Page 001") << across;
    }
    reports::PrintPageHeader(desk, reports::CurrentFilteredListKind, false, 23);
    EXPECT_EQ(printer().current().pages.back().runs.back().text, "Quillbook 2000 Page 001");
    EXPECT_FALSE(printer().FontBold());
}

} // namespace
