#include <gtest/gtest.h>

#include "ViewerTest.h"
#include "runtime/Error.h"

namespace {

TEST_F(ViewerTest, AFontSizeLineBeyondASixteenBitNumberIsRefusedAsAMarginLineIs)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    const struct {
        const char* size;
        const char* leftMargin;
    } cases[] = {{"1E30", "000720"}, {"32768", "000720"}, {"-1E30", "000720"}, {"8", "1E30"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.leftMargin);
        services.answerMessageBox(platform::Answer::OK);
        const std::size_t boxesBefore = services.messageTexts().size();
        writeReport("ABSURD.TXT", {"Courier New", c.size, c.leftMargin, "000360", "000003", "Title",
                                   "*** REPORT STARTS ***", "cell"});

        EXPECT_FALSE(viewer.LoadReportFile(folder / "ABSURD.TXT"));

        ASSERT_EQ(services.messageTexts().size(), boxesBefore + 1);
        EXPECT_EQ(services.messageTexts().back(), "Error while loading '" + (folder / "ABSURD.TXT").string() + "' : Overflow");
        EXPECT_EQ(viewer.Settings.FontSize, "8") << "the refused line is not kept";
        EXPECT_EQ(viewer.ViewGrid.FontSize(), 8);
        EXPECT_EQ(viewer.Settings.LeftMargin, 720);
    }
}

TEST_F(ViewerTest, TheLargestSixteenBitFontSizeLoads)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    writeReport("LARGE.TXT", {"Courier New", "32767", "000720", "000360", "000003", "Title", "*** REPORT STARTS ***", "cell"});

    EXPECT_TRUE(viewer.LoadReportFile(folder / "LARGE.TXT"));

    EXPECT_EQ(viewer.Settings.FontSize, "32767");
    EXPECT_EQ(viewer.ViewGrid.FontSize(), 32767);
    EXPECT_TRUE(services.messageTexts().empty());
}

TEST_F(ViewerTest, AnAbsurdFontSizeInTheReportAtStartShowsItsMessageAndOpensTheWindow)
{
    services.answerMessageBox(platform::Answer::OK);
    writeReport("QB.TXT", {"Courier New", "1E30", "000720", "000360", "000014", "Title", "*** REPORT STARTS ***"});

    const datapeek::ViewerWindow& viewer = start();

    EXPECT_EQ(services.messageTexts(),
              std::vector<std::string>{"Error while loading '" + (folder / "QB.TXT").string() + "' : Overflow"});
    EXPECT_TRUE(viewer.Visible());
    EXPECT_EQ(viewer.Settings.FontSize, "8") << "the settings' own size stays";
    EXPECT_EQ(viewer.ViewGrid.FontSize(), 8);
}

TEST(AverageCharWidthBeyondAnInt, RaisesOverflow)
{
    try {
        datapeek::AverageCharWidth(64 * 1E30);
        ADD_FAILURE() << "no error raised";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.number(), runtime::Overflow);
    }
}

} // namespace
