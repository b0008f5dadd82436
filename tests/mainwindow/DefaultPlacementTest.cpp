#include "MainTest.h"

namespace {

using DefaultPlacementTest = MainTest;

// Settings without a window size (a first run, or placement lines of zero) open the window at three
// quarters of the screen each way, centred; a stored size is kept.
TEST_F(DefaultPlacementTest, AWindowWithoutAStoredSizeTakesThreeQuartersOfTheScreen)
{
    const double screenWidth = services.screenWidth();
    const double screenHeight = services.screenHeight();
    cancelWizard();
    start();

    EXPECT_EQ(main.Width(), screenWidth * 0.75);
    EXPECT_EQ(main.Height(), screenHeight * 0.75);
    EXPECT_EQ(main.Left(), screenWidth * 0.125);
    EXPECT_EQ(main.Top(), screenHeight * 0.125);
    EXPECT_EQ(main.QRYGrid.Width(), main.Width() - 840);
}

TEST_F(DefaultPlacementTest, PlacementLinesOfZeroAreNoPlacement)
{
    std::vector<std::string> lines = fullSettings(writeCompany("Shop.QBD", 2));
    for (std::size_t line = 25; line < 30; ++line)
        lines[line] = "000000";
    writeSettings(lines);

    start();

    EXPECT_EQ(main.WindowState(), platform::Normal);
    EXPECT_EQ(main.Width(), services.screenWidth() * 0.75);
    EXPECT_EQ(main.Height(), services.screenHeight() * 0.75);
}

} // namespace
