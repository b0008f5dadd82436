#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/ScriptedServices.h"
#include "support/RaisedError.h"

// What the calendar's month sheet needs: user co-ordinates, outlined and filled boxes in colours of
// their own, exclusive-or drawing, a Paint event that draws the sheet afresh, and the mouse in the
// sheet's units.
namespace platform {
namespace {

using Log = std::vector<std::string>;
using Kind = PictureStroke::Kind;

class Sheet : public Form {
public:
    explicit Sheet(Services& services) : Form(services, "Sheet")
    {
        // 2460 twips wide inside a 30-twip border each side: 30 twips to a unit of a 0-82 scale.
        Picture1.Move(120, 120, 2520, 2520);
        Picture1.setForeColor(0x00000000);
        Picture1.MouseDown = [this](int, int, double x, double y) {
            log.push_back("MouseDown " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
        endDesign();
    }

    PictureBox Picture1{*this, "Picture1"};
    Log log;
};

class PictureBoxTest : public ::testing::Test {
protected:
    ScriptedServices services;
    Sheet sheet{services};
    PictureBox& picture = sheet.Picture1;
};

TEST_F(PictureBoxTest, UserCoordinatesMapOntoTheInsideOfTheBorder)
{
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 2520 - 60);
    picture.setBorderStyle(0);
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 2520);
    picture.setBorderStyle(1);

    picture.Scale(0, 0, 82, 82);
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 82);
    EXPECT_DOUBLE_EQ(picture.ScaleHeight(), 82);
    picture.line(10, 20, 20, 30);
    EXPECT_DOUBLE_EQ(picture.CurrentX(), 20);
    EXPECT_DOUBLE_EQ(picture.CurrentY(), 30);
    ASSERT_EQ(picture.drawing().size(), 1U);
    const PictureStroke& stroke = picture.drawing()[0];
    EXPECT_DOUBLE_EQ(stroke.x1, 300);
    EXPECT_DOUBLE_EQ(stroke.y1, 600);
    EXPECT_DOUBLE_EQ(stroke.x2, 600);
    EXPECT_DOUBLE_EQ(stroke.y2, 900);
    // Text is measured in the scale too (fixed metrics headless: 82.5 twips a character at 8.25 pt).
    EXPECT_DOUBLE_EQ(picture.TextWidth("12"), 165.0 / 30);

    // The mouse reports the sheet's units, measured from the inside edge.
    sheet.Show();
    picture.userMouseDown(1, 0, 300, 450);
    EXPECT_EQ(sheet.log, Log{"MouseDown 10,15"});

    picture.Scale();
    EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 2460);
    EXPECT_EQ(raisedErrorNumber([&] { picture.Scale(0, 0, 0, 10); }), 5);
}

TEST_F(PictureBoxTest, EachCallKeepsItsColourModeAndPlaceInTheOrderDrawn)
{
    picture.line(0, 0, 100, 100, -1, LineForm::Box);
    picture.setForeColor(0x00FF8080);
    picture.setCurrentX(10);
    picture.setCurrentY(20);
    picture.print("9");
    picture.setDrawMode(XorPen);
    picture.line(0, 0, 50, 50, 0x0000FF00, LineForm::FilledBox);
    picture.setDrawMode(CopyPen);
    picture.line(0, 0, 5, 5);

    const std::vector<PictureStroke>& drawn = picture.drawing();
    ASSERT_EQ(drawn.size(), 4U);
    EXPECT_EQ(drawn[0].kind, Kind::Box);
    EXPECT_EQ(drawn[0].colour, 0x00000000);
    EXPECT_EQ(drawn[1].kind, Kind::Text);
    EXPECT_EQ(drawn[1].colour, 0x00FF8080);
    EXPECT_EQ(drawn[1].text, "9");
    EXPECT_DOUBLE_EQ(drawn[1].x1, 10);
    EXPECT_EQ(drawn[2].kind, Kind::FilledBox);
    EXPECT_EQ(drawn[2].colour, 0x0000FF00);
    EXPECT_TRUE(drawn[2].exclusiveOr);
    EXPECT_EQ(drawn[3].kind, Kind::Line);
    EXPECT_EQ(drawn[3].colour, 0x00FF8080);
    EXPECT_FALSE(drawn[3].exclusiveOr);
    EXPECT_EQ(raisedErrorNumber([&] { picture.setDrawMode(0); }), 380);

    picture.Cls();
    EXPECT_TRUE(picture.drawing().empty());
}

TEST_F(PictureBoxTest, PaintDrawsTheSheetAfreshOnShowingAndRefresh)
{
    int paints = 0;
    picture.Paint = [&] {
        ++paints;
        picture.line(0, 0, 10, 10, -1, LineForm::Box);
    };
    sheet.Show();
    EXPECT_EQ(paints, 1);
    picture.Refresh();
    sheet.Refresh();
    EXPECT_EQ(paints, 3);
    EXPECT_EQ(picture.drawing().size(), 1U) << "each paint starts from a clean sheet";

    // Without a Paint handler the drawing stays.
    picture.Paint = nullptr;
    picture.line(0, 0, 1, 1);
    picture.Refresh();
    EXPECT_EQ(picture.drawing().size(), 2U);
}

} // namespace
} // namespace platform
