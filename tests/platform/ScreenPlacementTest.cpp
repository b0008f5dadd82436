#include <gtest/gtest.h>

#include <optional>

#include "TestWindow.h"
#include "platform/ScreenPlacement.h"

namespace platform {
namespace {

// A screen of 1280 x 1024 pixels at 15 twips to the pixel.
constexpr double ScreenWidth = 19200;
constexpr double ScreenHeight = 15360;

TEST(OpeningPlace, UnplacedWindowsCentreOverTheirOpenerAndEveryWindowLiesOnTheScreen)
{
    const ScreenRect main{1500, 1200, 12000, 9000};
    const struct Case {
        const char* what;
        ScreenRect window;
        std::optional<ScreenRect> opener;
        ScreenRect expected;
    } cases[] = {
        {"never placed, no opener: the screen's middle", {0, 0, 6000, 4000}, std::nullopt, {6600, 5680, 6000, 4000}},
        {"never placed: over the opener's middle", {0, 0, 6000, 4000}, main, {4500, 3700, 6000, 4000}},
        {"never placed, opener near the right edge", {0, 0, 6000, 4000}, ScreenRect{15000, 300, 4000, 3000},
         {13200, 0, 6000, 4000}},
        {"never placed, opener near the bottom edge", {0, 0, 6000, 4000}, ScreenRect{200, 13000, 3000, 2400},
         {0, 11360, 6000, 4000}},
        {"placed by code and on the screen: kept", {375, 570, 8910, 6315}, main, {375, 570, 8910, 6315}},
        {"placed past the right and bottom edges: pushed back", {16000, 14000, 6000, 4000}, main,
         {13200, 11360, 6000, 4000}},
        {"placed above and left of the screen: pushed back", {-900, -300, 6000, 4000}, main, {0, 0, 6000, 4000}},
        {"larger than the screen: shrunk to it", {2000, 1000, 25000, 17000}, std::nullopt, {0, 0, 19200, 15360}},
        {"never placed and wider than the screen", {0, 0, 25000, 4000}, main, {0, 3700, 19200, 4000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenRect placed = OpeningPlace(c.window, c.opener, ScreenWidth, ScreenHeight);
        EXPECT_DOUBLE_EQ(placed.left, c.expected.left);
        EXPECT_DOUBLE_EQ(placed.top, c.expected.top);
        EXPECT_DOUBLE_EQ(placed.width, c.expected.width);
        EXPECT_DOUBLE_EQ(placed.height, c.expected.height);
    }
}

class ScreenPlacementTest : public ::testing::Test {
protected:
    ScriptedServices services;
    test::LogWindow window{services};

    void SetUp() override { services.setScreenSize(ScreenWidth, ScreenHeight); }
};

TEST_F(ScreenPlacementTest, PlacingAFormForOpeningMovesItAsItsCodeWould)
{
    window.Move(0, 0, 6000, 4000);
    PlaceForOpening(window, ScreenRect{1500, 1200, 12000, 9000});
    EXPECT_EQ(window.Left(), 4500);
    EXPECT_EQ(window.Top(), 3700);

    // Placed now, it keeps its place when it opens again.
    PlaceForOpening(window, ScreenRect{0, 0, 3000, 3000});
    EXPECT_EQ(window.Left(), 4500);
    EXPECT_EQ(window.Top(), 3700);

    // A visible form that shrinks to the screen lays itself out again.
    window.Show();
    window.log.clear();
    window.Move(100, 100, 30000, 4000);
    window.log.clear();
    PlaceForOpening(window, std::nullopt);
    EXPECT_EQ(window.Width(), ScreenWidth);
    EXPECT_EQ(window.Left(), 0);
    EXPECT_EQ(window.log, std::vector<std::string>{"Form_Resize"});
}

TEST_F(ScreenPlacementTest, APageWindowGrowsByWhatItsViewLacksUpToTheScreen)
{
    // Frame1 is the view: 3000 x 2000 inside a 6000 x 4500 window.
    const struct Case {
        const char* what;
        double pageWidth, pageHeight;
        double expectedWidth, expectedHeight;
    } cases[] = {
        {"a page larger than the view", 7000, 5000, 10000, 7500},
        {"a page smaller than the view", 2000, 1000, 6000, 4500},
        {"wider than the view, as high", 4000, 2000, 7000, 4500},
        {"a page larger than the screen", 40000, 30000, ScreenWidth, ScreenHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.Move(0, 0, 6000, 4500);
        GrowToShowPage(window, window.Frame1, c.pageWidth, c.pageHeight);
        EXPECT_EQ(window.Width(), c.expectedWidth);
        EXPECT_EQ(window.Height(), c.expectedHeight);
    }

    // A window already larger than the screen is left for the opening placement to shrink.
    window.Move(0, 0, 25000, 4500);
    GrowToShowPage(window, window.Frame1, 7000, 2000);
    EXPECT_EQ(window.Width(), 25000);
}

} // namespace
} // namespace platform
