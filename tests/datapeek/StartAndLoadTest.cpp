#include <string>
#include <vector>

#include "ViewerTest.h"
#include "datapeek/ColumnFit.h"

namespace {

using Cells = std::vector<std::string>;

TEST_F(ViewerTest, RefusesAStartWithoutTheLaunchTokenInTheViewersOwnBox)
{
    writeReport("QB.TXT", CategoryAnalysisReport());
    for (const std::string commandLine : {"", "qblaunch", " QBLAUNCH", "QBLAUNCH X"}) {
        SCOPED_TRACE("command line '" + commandLine + "'");
        platform::ScriptedServices refused;
        refused.setCommandLine(commandLine);
        refused.answerMessageBox(platform::Answer::OK);
        datapeek::ViewerWindow viewer(refused, folder.path());
        viewer.Show();
        ASSERT_EQ(refused.messageBoxes().size(), 1u);
        const platform::MessageBox& box = refused.messageBoxes()[0].box;
        EXPECT_EQ(box.text, "QB Viewer runs only from within Quillbook");
        EXPECT_EQ(box.title, "QB Viewer (32-bit) : ");
        EXPECT_EQ(box.icon, platform::Icon::Critical);
        EXPECT_EQ(box.buttons, platform::Buttons::OK);
        EXPECT_TRUE(refused.beeps().empty());
        EXPECT_TRUE(refused.programEnded());
    }
}

TEST_F(ViewerTest, ShowsTheCategoryAnalysisWithItsTitleCellsWidthsAndAlignments)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_FALSE(services.programEnded());
    EXPECT_EQ(viewer.Caption(), "QB Viewer (32-bit) : Category Analysis Report");
    EXPECT_EQ(viewer.LbLTitle.Caption(),
              "Quillbook 2000-32 Category Analysis     : Fixture Trading Ltd  05/Mar/2026 10:15:00\rFrom 01/Jan/2026 To 31/Mar/2026");
    EXPECT_EQ(viewer.Settings.FontName, "ARIAL");
    EXPECT_EQ(viewer.Settings.FontSize, "8");
    EXPECT_EQ(viewer.Settings.LeftMargin, 720);
    EXPECT_EQ(viewer.Settings.TopMargin, 360);
    EXPECT_EQ(viewer.CurrentReportKind, 14);

    // Every body line is a row, the closing lines included.
    ASSERT_EQ(viewer.ViewGrid.Rows(), 11);
    EXPECT_EQ(row(1), Cells{});
    EXPECT_EQ(row(3), (Cells{"Category              ", "   Jan 2026", "   Feb 2026", "   Mar 2026", "      Total"}));
    EXPECT_EQ(row(6), (Cells{"RENT   Rent           ", "    -500.00", "    -500.00", "    -500.00", "  -1,500.00"}));
    EXPECT_EQ(row(10), (Cells{"*** End Of", " Report ***"}));

    // 80 twips to an average character at 8 points.
    EXPECT_EQ(viewer.ScreenCharWidth, 80);
    EXPECT_EQ(viewer.ViewGrid.ColWidth(0), 1);
    // Column 1's ruler fills its 22 characters: the column keeps room for the grid's margins too.
    EXPECT_EQ(viewer.ViewGrid.ColWidth(1), 22 * 80 + datapeek::CellTextRoom);
    for (int col = 2; col <= 17; ++col)
        EXPECT_EQ(viewer.ViewGrid.ColWidth(col), 13 * 80) << "column " << col;
    EXPECT_EQ(viewer.ViewGrid.ColAlignment(1), platform::LeftJustify);
    for (int col = 2; col <= 16; ++col)
        EXPECT_EQ(viewer.ViewGrid.ColAlignment(col), platform::RightJustify) << "column " << col;
    EXPECT_EQ(viewer.ViewGrid.ColAlignment(17), platform::LeftJustify);
    EXPECT_EQ(viewer.ViewGrid.FontName(), "ARIAL");
    EXPECT_EQ(viewer.ViewGrid.FontSize(), 8);
}

TEST_F(ViewerTest, StartsWithTheTokenFollowedByBlanks)
{
    writeReport("QB.TXT", CategoryAnalysisReport());
    start("QBLAUNCH  ");
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_FALSE(services.programEnded());
    EXPECT_EQ(window->ViewGrid.Rows(), 11);
}

TEST_F(ViewerTest, ReadsTitleLinesAndMarkerAsTheyStand)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    // Blank lines before the first title line vanish; one after it stays. A marker in lower case
    // with trailing blanks is still the marker, one with leading blanks is a title line.
    report.erase(report.begin() + 5, report.begin() + 8);
    report.insert(report.begin() + 5, {"", "   ", "First title", "", "  *** REPORT STARTS ***", "*** report starts ***   "});
    datapeek::ViewerWindow& viewer = startOn(report);
    EXPECT_EQ(viewer.LbLTitle.Caption(), "First title\r\r  *** REPORT STARTS ***");
    EXPECT_EQ(viewer.ViewGrid.Rows(), 11);
}

TEST_F(ViewerTest, AFileWithoutTheMarkerFailsAndKeepsThePreviousRows)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    services.answerMessageBox(platform::Answer::OK);
    writeReport("NOMARK.TXT", {"Courier New", "10", "0", "0", "000003", "Only a title", "and another"});
    EXPECT_FALSE(viewer.LoadReportFile(folder / "NOMARK.TXT"));
    EXPECT_EQ(services.messageTexts(),
              std::vector<std::string>{"Error while loading '" + (folder / "NOMARK.TXT").string() + "' : Input past end of file"});
    EXPECT_EQ(viewer.ViewGrid.Rows(), 11);
    // Kind 3 has no layout: caption and widths stay.
    EXPECT_EQ(viewer.Caption(), "QB Viewer (32-bit) : Category Analysis Report");
    EXPECT_EQ(viewer.Settings.FontName, "Courier New");
    EXPECT_EQ(viewer.ViewGrid.ColWidth(2), 13 * 80);
}

TEST_F(ViewerTest, KeepsSeventeenCellsOfALongRow)
{
    std::vector<std::string> report = CategoryAnalysisReport();
    std::string longRow = "c1";
    for (int c = 2; c <= 20; ++c)
        longRow += "\tc" + std::to_string(c);
    report.push_back(longRow);
    datapeek::ViewerWindow& viewer = startOn(report);
    const Cells cells = row(viewer.ViewGrid.Rows() - 1);
    ASSERT_EQ(cells.size(), 17u);
    EXPECT_EQ(cells.front(), "c1");
    EXPECT_EQ(cells.back(), "c17");
}

TEST_F(ViewerTest, AKindTwentyFourReportKeepsTheLaterColumnsOfTheReportBefore)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    writeReport("NET.TXT", {"ARIAL", "8", "0", "0", "000024", "Net list", "*** REPORT STARTS ***", "a\tb"});
    ASSERT_TRUE(viewer.LoadReportFile(folder / "NET.TXT"));
    EXPECT_EQ(viewer.Caption(), "QB Viewer (32-bit) : Current Filtered List Net of VAT");
    const int expected[] = {880, 640, 480, 640, 720, 480, 1040, 1040, 1040, 76 * 80};
    for (int col = 1; col <= 10; ++col)
        EXPECT_EQ(viewer.ViewGrid.ColWidth(col), expected[col - 1]) << "column " << col;
    for (int col = 11; col <= 17; ++col)
        EXPECT_EQ(viewer.ViewGrid.ColWidth(col), 13 * 80) << "column " << col;
    EXPECT_EQ(viewer.ViewGrid.ColAlignment(7), platform::RightJustify);
    EXPECT_EQ(viewer.ViewGrid.ColAlignment(2), platform::LeftJustify);
}

TEST_F(ViewerTest, LoadsMoreRowsThanASixteenBitCount)
{
    std::vector<std::string> report = {"ARIAL", "8", "0", "0", "000020", "Quillbook 2000-32 System Audit Report", "*** REPORT STARTS ***"};
    for (int n = 0; n < 32766 + 7; ++n)
        report.push_back(std::to_string(n) + "\tT\t20260101");
    datapeek::ViewerWindow& viewer = startOn(report);
    EXPECT_TRUE(services.messageBoxes().empty());
    ASSERT_EQ(viewer.ViewGrid.Rows(), 32766 + 7 + 1);
    EXPECT_EQ(viewer.ViewGrid.TextMatrix(32773, 1), "32772");
    EXPECT_EQ(viewer.ViewGrid.TextMatrix(32773, 3), "20260101");
}

TEST_F(ViewerTest, AMissingReportAtStartShowsItsMessageAndOpensTheWindow)
{
    services.answerMessageBox(platform::Answer::OK);
    start();
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Error while loading '" + (folder / "QB.TXT").string() + "' : File not found"});
    EXPECT_FALSE(services.programEnded());
    EXPECT_TRUE(window->Visible());
}

} // namespace
