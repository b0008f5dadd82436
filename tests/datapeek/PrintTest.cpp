#include <algorithm>
#include <string>
#include <vector>

#include "ViewerTest.h"
#include "datapeek/ViewerCancelForm.h"
#include "platform/TextMetrics.h"

namespace {

using Lines = std::vector<std::string>;

// The category analysis with `extra` more category rows, the last of them with ten cells.
std::vector<std::string> LongCategoryAnalysis(int extra)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    for (int n = 1; n <= extra; ++n)
        report.push_back("CAT" + std::to_string(n) + "\t       1.00\t       2.00\t       3.00\t       6.00");
    report.push_back("WIDE\tc2\tc3\tc4\tc5\tc6\tc7\tc8\tc9\tc10");
    return report;
}

// The printed texts of a page, blanks (line ends) left out, each with its position.
Lines Printed(const platform::RecordedPage& page)
{
    Lines lines;
    for (const platform::TextRun& run : page.runs)
        if (!run.text.empty())
            lines.push_back(std::to_string(int(run.x)) + "," + std::to_string(int(run.y)) + ":" + run.text);
    return lines;
}

bool Holds(const Lines& lines, const std::string& line)
{
    return std::ranges::find(lines, line) != lines.end();
}

class ViewerPrintTest : public ViewerTest {
protected:
    // A4 at 8 points: 80 twips a character, margins 720 and 360, so columns 1 to 9 fit.
    const platform::RecordedDocument& print()
    {
        services.answerPrinterDialog(1);
        window->CmdPrint.userClick();
        const auto& documents = services.recordingPrinter().documents();
        EXPECT_FALSE(documents.empty());
        return documents.back();
    }
};

TEST_F(ViewerPrintTest, PrintsTheTitleWithThePageNumberAndTheRowsAtTheirColumns)
{
    startOn(LongCategoryAnalysis(0));
    const platform::RecordedDocument& document = print();
    ASSERT_EQ(document.pages.size(), 1u);
    const Lines page = Printed(document.pages[0]);
    ASSERT_GE(page.size(), 2u);
    EXPECT_EQ(page[0], "720,360:Quillbook 2000-32 Category Analysis     : Fixture Trading Ltd  05/Mar/2026 10:15:00 Page 001");
    EXPECT_EQ(page[1], "720,552:From 01/Jan/2026 To 31/Mar/2026");
    // Row 5, the first category, below the two title lines and four rows.
    const std::string y = std::to_string(360 + 6 * 192);
    EXPECT_TRUE(Holds(page, "720," + y + ":SALES  Sales          "));
    // Right-aligned: "   1,200.00" ends where column 2 ends (2500 + 1040).
    EXPECT_TRUE(Holds(page, "2660," + y + ":   1,200.00"));
    EXPECT_TRUE(Holds(page, "5840," + y + ":   4,050.50"));
    // Column 9 ends at 10960, inside the page; column 10 would end past 11186 and is left out.
    EXPECT_TRUE(std::ranges::any_of(page, [](const std::string& l) { return l.ends_with(":c9"); }));
    EXPECT_FALSE(std::ranges::any_of(page, [](const std::string& l) { return l.ends_with(":c10"); }));
    EXPECT_FALSE(document.killed);
    EXPECT_FALSE(window->PrintingInProgress);
    EXPECT_TRUE(window->Enabled());
    EXPECT_FALSE(window->CancelWindow().Visible());
    EXPECT_EQ(services.mousePointer(), 0);
    EXPECT_EQ(services.printerDialogs().at(0).title, "Quillbook : Set Up Printer");
    EXPECT_EQ(services.printerDialogs().at(0).flags, 524300);
}

TEST_F(ViewerPrintTest, LaterPagesStartWithTheHeaderAndRowsThreeAndFour)
{
    startOn(LongCategoryAnalysis(100));
    const platform::RecordedDocument& document = print();
    ASSERT_GE(document.pages.size(), 2u);
    const Lines second = Printed(document.pages[1]);
    ASSERT_GE(second.size(), 8u);
    EXPECT_EQ(second[0], "720,360:Quillbook 2000-32 Category Analysis     : Fixture Trading Ltd  05/Mar/2026 10:15:00 Page 002");
    EXPECT_EQ(second[1], "720,744:Category              ");
    EXPECT_EQ(second[2], "2660,744:   Jan 2026");
    EXPECT_EQ(second[6], "720,936:----------------------");
    EXPECT_TRUE(document.pages[1].runs[1].font.bold);
    // Rows 3 and 4 print once on page 1, in the body.
    const Lines first = Printed(document.pages[0]);
    EXPECT_EQ(std::ranges::count_if(first, [](const std::string& l) { return l.ends_with(":Category              "); }), 1);
}

TEST_F(ViewerPrintTest, CancelStopsAfterTheRowThatYields)
{
    startOn(LongCategoryAnalysis(40));
    services.onYield = [this] {
        EXPECT_FALSE(window->Enabled());
        ASSERT_TRUE(window->CancelWindow().Visible());
        // A second Print while the job runs starts nothing.
        window->CmdPrint_Click();
        EXPECT_EQ(services.printerDialogs().size(), 1u);
        window->CancelWindow().CmdCancel.userClick();
    };
    const platform::RecordedDocument& document = print();
    EXPECT_EQ(services.doEventsCalls(), 1);
    const Lines page = Printed(document.pages.back());
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.back(), "720," + std::to_string(360 + 27 * 192) + ":*** Report Cancelled ***");
    EXPECT_FALSE(std::ranges::any_of(page, [](const std::string& l) { return l.ends_with(":CAT20"); }));
    EXPECT_TRUE(window->Enabled());
    EXPECT_FALSE(window->PrintingInProgress);
}

TEST_F(ViewerPrintTest, CopyCountAnswersHaveTheirMessages)
{
    startOn(CategoryAnalysisReport());
    services.recordingPrinter().setCopiesAnswer(0);
    services.answerMessageBox(platform::Answer::OK);
    services.answerPrinterDialog(3);
    window->CmdPrint.userClick();
    EXPECT_EQ(services.messageTexts(), Lines{"Your printer does not appear to be able to print multiple copies of copies : "});
    EXPECT_EQ(services.recordingPrinter().endedDocuments(), 1);

    // The dialog keeps its three copies: a failure shows only when the number changes again.
    services.recordingPrinter().setCopiesAnswer(-1);
    services.answerMessageBox(platform::Answer::OK);
    services.answerPrinterDialog(2);
    window->CmdPrint.userClick();
    EXPECT_EQ(services.messageTexts().back(), "Error while setting number of copies : ");
    EXPECT_EQ(services.recordingPrinter().endedDocuments(), 1);
}

TEST_F(ViewerPrintTest, AFontThePrinterRefusesStopsBeforeTheDialog)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    report[0] = "Courier New";
    services.recordingPrinter().setFonts({"Arial"});
    services.answerMessageBox(platform::Answer::OK);
    startOn(report);
    window->CmdPrint.userClick();
    ASSERT_EQ(services.messageTexts().size(), 1u);
    EXPECT_EQ(services.messageTexts()[0].rfind("'Courier New' is not a suitable font for your printer.", 0), 0u);
    EXPECT_TRUE(services.printerDialogs().empty());
}

TEST_F(ViewerPrintTest, DocumentTextHasNoPageNumberOnItsFirstPage)
{
    std::vector<std::string> report = {"ARIAL", "8", "720", "360", "000010", "INVOICE", "*** REPORT STARTS ***"};
    for (int n = 1; n <= 100; ++n)
        report.push_back("Line " + std::to_string(n));
    startOn(report);
    const platform::RecordedDocument& document = print();
    ASSERT_GE(document.pages.size(), 2u);
    EXPECT_EQ(Printed(document.pages[0]).at(0), "720,360:INVOICE");
    EXPECT_EQ(Printed(document.pages[1]).at(0), "720,360:INVOICE Page 002");
}

TEST_F(ViewerPrintTest, AHugeMarginCountsAsAQuarterOfThePage)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    report[2] = "030000";
    report[3] = "030000";
    startOn(report);
    const platform::RecordedDocument& document = print();
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_EQ(Printed(document.pages[0]).at(0).rfind("2976,4209:Quillbook", 0), 0u);
}

TEST_F(ViewerPrintTest, APrinterErrorEndsTheJobAndGivesTheWindowBack)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    report[1] = "none";
    // Neither the screen nor the printer takes a font of no size.
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    startOn(report);
    services.answerPrinterDialog(1);
    window->CmdPrint.userClick();
    EXPECT_EQ(services.messageTexts().back(), "Print error : Invalid property value");
    EXPECT_TRUE(window->Enabled());
    EXPECT_FALSE(window->CancelWindow().Visible());
    EXPECT_FALSE(window->PrintingInProgress);
    EXPECT_EQ(services.mousePointer(), 0);

    // The next Print starts a job again.
    window->Settings.FontSize = "8";
    EXPECT_FALSE(print().pages.empty());
}

// A report printed at a font size and top margin, and where its rows must end on each page.
struct PageBreakCase {
    const char* size;
    const char* topMargin;
};

class ViewerPageBreakTest : public ViewerPrintTest, public testing::WithParamInterface<PageBreakCase> {};

TEST_P(ViewerPageBreakTest, EveryRowPrintsOnceAndWholeInsideThePrintableArea)
{
    const PageBreakCase& format = GetParam();
    startOn(NumberedRowsReport(60, format.size, format.topMargin));
    const platform::RecordedDocument& document = print();
    const double pageHeight = services.recordingPrinter().ScaleHeight();
    std::vector<int> printed(61, 0);
    for (const platform::RecordedPage& page : document.pages) {
        for (const platform::TextRun& run : page.runs) {
            EXPECT_LE(run.y + platform::fixedTextHeight(run.text, run.font.size), pageHeight) << run.text;
            if (run.text.starts_with("Row ") && run.text.size() == 7)
                ++printed.at(std::stoul(run.text.substr(4)));
        }
    }
    for (int row = 1; row <= 60; ++row)
        EXPECT_EQ(printed[row], 1) << "Row " << row;
}

INSTANTIATE_TEST_SUITE_P(FontsAndMargins, ViewerPageBreakTest,
                         testing::Values(PageBreakCase{"8", "000000"}, PageBreakCase{"14", "000000"},
                                         PageBreakCase{"24", "000000"}, PageBreakCase{"14", "000100"},
                                         PageBreakCase{"24", "000720"}),
                         [](const testing::TestParamInfo<PageBreakCase>& tested) {
                             return std::string("Size") + tested.param.size + "Top" + tested.param.topMargin;
                         });

TEST(AverageCharWidthTest, RoundsHalvesToEvenAndIsNeverBelowOne)
{
    EXPECT_EQ(datapeek::AverageCharWidth(64 * 80), 80);
    EXPECT_EQ(datapeek::AverageCharWidth(64 * 2.5), 2);
    EXPECT_EQ(datapeek::AverageCharWidth(64 * 3.5), 4);
    EXPECT_EQ(datapeek::AverageCharWidth(0), 1);
    EXPECT_EQ(datapeek::AverageCharWidth(20), 1);
}

} // namespace
