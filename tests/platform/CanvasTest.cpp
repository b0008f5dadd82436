#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/ScriptedServices.h"
#include "platform/TextMetrics.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

// What a page of movable labels needs: labels that size themselves and report a new caption,
// stacking, manual dragging with a drop on a target, repaints, and a window that lays itself out
// when its size changes.
namespace platform {
namespace {

using Log = std::vector<std::string>;

struct RecordingPeer : Peer {
    Log told;
    void propertyChanged(std::string_view property) override { told.emplace_back(property); }
};

class Canvas : public Form {
public:
    explicit Canvas(Services& services) : Form(services, "Canvas")
    {
        Page.Move(120, 120, 11906, 16838);
        for (Label& label : ScrnObj.elements()) {
            label.setAutoSize(true);
            label.setCaption("Screen Object 0" + std::to_string(label.Index()));
            label.DragDrop = [this, i = label.Index()](Control& source, double x, double y) {
                log.push_back("ScrnObj_DragDrop " + std::to_string(i) + " " + source.Name() + " " + std::to_string(int(x)) + "," +
                              std::to_string(int(y)));
            };
        }
        Page.DragDrop = [this](Control& source, double x, double y) {
            log.push_back("Page_DragDrop " + source.Name() + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
        LblWhatTemplate.Change = [this] { log.push_back("LblWhatTemplate_Change " + LblWhatTemplate.Caption()); };
        endDesign();
    }

    PictureBox Page{*this, "Page"};
    ControlArray<Label> ScrnObj{Page, "ScrnObj", 0, 2};
    Line LineVert{Page, "LineVert"};
    Label LblWhatTemplate{*this, "LblWhatTemplate"};
    Log log;
    std::function<void()> onResize;

protected:
    void Form_Load() override { log.push_back("Form_Load"); }
    void Form_Resize() override
    {
        log.push_back("Form_Resize " + std::to_string(int(Width())) + "x" + std::to_string(int(Height())) + " state " +
                      std::to_string(WindowState()));
        if (onResize)
            onResize();
    }
};

class CanvasTest : public ::testing::Test {
protected:
    ScriptedServices services;
    // The peer outlives the canvas's controls, which tell it as they go.
    RecordingPeer peer;
    Canvas canvas{services};
};

TEST_F(CanvasTest, LabelChangeFiresOnANewCaptionAfterTheFormLoads)
{
    canvas.LblWhatTemplate.setCaption("2");
    canvas.LblWhatTemplate.setCaption("2");
    canvas.LblWhatTemplate.setCaption("3");
    EXPECT_EQ(canvas.log, (Log{"Form_Load", "LblWhatTemplate_Change 2", "LblWhatTemplate_Change 3"}));
}

TEST_F(CanvasTest, AnAutoSizedLabelFollowsItsFont)
{
    Label& label = canvas.ScrnObj[1];
    struct Step {
        const char* name;
        std::function<void()> action;
        double width, height;
    };
    const Step steps[] = {
        {"design font", [] {}, 16 * 8.25 * CharacterWidthPerPoint, 8.25 * LineHeightPerPoint},
        {"new size", [&] { label.setFontSize(12); }, 16 * 12 * CharacterWidthPerPoint, 12 * LineHeightPerPoint},
        {"whole font", [&] { label.setFont(Font{"Arial", 20, true, false, false}); }, 16 * 20 * CharacterWidthPerPoint, 20 * LineHeightPerPoint},
        {"two lines", [&] { label.setCaption("ab\r\nc"); }, 2 * 20 * CharacterWidthPerPoint, 2 * 20 * LineHeightPerPoint},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.action();
        EXPECT_DOUBLE_EQ(label.Width(), step.width);
        EXPECT_DOUBLE_EQ(label.Height(), step.height);
    }
    label.setAutoSize(false);
    label.setFontSize(8);
    EXPECT_DOUBLE_EQ(label.Width(), 2 * 20 * CharacterWidthPerPoint) << "without AutoSize the size stays";
}

TEST_F(CanvasTest, ZOrderBringsToTheFrontOrSendsToTheBackAndUnloadForgetsIt)
{
    canvas.ScrnObj[0].setPeer(&peer);
    EXPECT_EQ(canvas.ScrnObj[0].stackLevel(), 0);
    canvas.ScrnObj[0].ZOrder();
    canvas.LineVert.ZOrder(0);
    EXPECT_GT(canvas.LineVert.stackLevel(), canvas.ScrnObj[0].stackLevel()) << "the later call lies in front";
    EXPECT_GT(canvas.ScrnObj[0].stackLevel(), canvas.ScrnObj[2].stackLevel());
    canvas.ScrnObj[0].ZOrder(1);
    EXPECT_LT(canvas.ScrnObj[0].stackLevel(), canvas.ScrnObj[1].stackLevel());
    EXPECT_EQ(peer.told, (Log{"ZOrder", "ZOrder"}));
    EXPECT_EQ(raisedErrorNumber([&] { canvas.ScrnObj[0].ZOrder(2); }), 5);
    canvas.Unload();
    EXPECT_EQ(canvas.ScrnObj[0].stackLevel(), 0);
    canvas.ScrnObj[1].ZOrder();
    EXPECT_EQ(canvas.ScrnObj[1].stackLevel(), 1) << "levels start afresh with the new load";
}

TEST_F(CanvasTest, ADropReachesTheTargetOnlyWhileTheSourceIsDragged)
{
    Label& dragged = canvas.ScrnObj[0];
    canvas.Show();
    dragged.setPeer(&peer);
    canvas.log.clear();
    struct Step {
        const char* name;
        std::function<void()> action;
        Log expected;
        bool draggingAfter;
    };
    const Step steps[] = {
        {"drop without a drag", [&] { canvas.Page.userDrop(dragged, 10, 20); }, {}, false},
        {"drop on the page", [&] { dragged.Drag(1); canvas.Page.userDrop(dragged, 500, 700); }, {"Page_DragDrop ScrnObj 500,700"}, false},
        {"drop on another label", [&] { dragged.Drag(); canvas.ScrnObj[2].userDrop(dragged, 5, 6); }, {"ScrnObj_DragDrop 2 ScrnObj 5,6"}, false},
        {"drop on itself", [&] { dragged.Drag(); dragged.userDrop(dragged, 1, 2); }, {"ScrnObj_DragDrop 0 ScrnObj 1,2"}, false},
        {"drag cancelled by code", [&] { dragged.Drag(1); dragged.Drag(0); canvas.Page.userDrop(dragged, 1, 1); }, {}, false},
        {"drag ended by code drops nothing", [&] { dragged.Drag(1); dragged.Drag(2); }, {}, false},
        {"hidden target: the drag ends, nothing drops",
         [&] {
             canvas.ScrnObj[1].setVisible(false);
             dragged.Drag(1);
             canvas.ScrnObj[1].userDrop(dragged, 1, 1);
         },
         {},
         false},
        {"drag still running", [&] { dragged.Drag(1); }, {}, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        canvas.log.clear();
        step.action();
        EXPECT_EQ(canvas.log, step.expected);
        EXPECT_EQ(dragged.isDragging(), step.draggingAfter);
    }
    EXPECT_THROW(dragged.Drag(3), runtime::Error);
    // Each begin and each end told the peer once.
    EXPECT_EQ(std::count(peer.told.begin(), peer.told.end(), "Drag"), 13);
    canvas.Unload();
    EXPECT_FALSE(dragged.isDragging()) << "an unloaded form drags nothing";
}

TEST_F(CanvasTest, RefreshTellsThePeer)
{
    canvas.Page.setPeer(&peer);
    canvas.Page.Refresh();
    EXPECT_EQ(peer.told, (Log{"Refresh"}));
    EXPECT_EQ(canvas.log, (Log{"Form_Load"})) << "refreshing a control of an unloaded form loads it";
}

TEST_F(CanvasTest, ASizeOrWindowStateSetByCodeOnAVisibleFormFiresResize)
{
    canvas.setWidth(7000); // not shown yet: no Resize
    canvas.Show();
    // The window's own rule: too low a window is made taller, which lays it out again.
    canvas.onResize = [this] {
        if (canvas.Height() < 3500)
            canvas.setHeight(3600);
        else if (canvas.Width() < 5000)
            canvas.setWidth(5100);
    };
    canvas.userResize(4000, 3000, 3880, 2595);
    EXPECT_DOUBLE_EQ(canvas.ScaleHeight(), 3600 - 405) << "a size set by code drops the size the desktop reported";
    canvas.onResize = nullptr;
    canvas.setWidth(5100);
    canvas.Move(0, 0, 6000);
    canvas.Move(10, 10);
    canvas.setWindowState(Minimized);
    canvas.setWindowState(Minimized);
    canvas.Hide();
    canvas.setHeight(5000);
    EXPECT_EQ(canvas.log, (Log{"Form_Load", "Form_Resize 7000x4500 state 0", "Form_Resize 4000x3000 state 0",
                               "Form_Resize 4000x3600 state 0", "Form_Resize 5100x3600 state 0", "Form_Resize 6000x3600 state 0",
                               "Form_Resize 6000x3600 state 1"}));
    EXPECT_DOUBLE_EQ(canvas.ScaleWidth(), 6000 - 120);
}

TEST_F(CanvasTest, TheFormsFontIsOneTheScreenHasAndMeasuresText)
{
    services.setScreenFonts({"Arial", "Courier New"});
    struct Case {
        const char* name;
        bool accepted;
        std::string kept;
    };
    const Case cases[] = {
        {"courier new", true, "Courier New"},
        {"Wingdings", false, "Courier New"},
        {"", false, "Courier New"},
        {"ARIAL", true, "Arial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(raisedErrorNumber([&] { canvas.setFontName(c.name); }), c.accepted ? 0 : 380);
        EXPECT_EQ(canvas.FontName(), c.kept);
    }
    canvas.setFontSize(10);
    EXPECT_DOUBLE_EQ(canvas.TextWidth("abcd"), 4 * 10 * CharacterWidthPerPoint);
    EXPECT_DOUBLE_EQ(canvas.TextHeight("ab\rcd"), 2 * 10 * LineHeightPerPoint);
}

} // namespace
} // namespace platform
