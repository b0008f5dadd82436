#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestWindow.h"
#include "platform/TextMetrics.h"

namespace platform {
namespace {

using Log = std::vector<std::string>;

class EventRulesTest : public ::testing::Test {
protected:
    ScriptedServices services;
    test::LogWindow window{services};

    struct Step {
        const char* name;
        std::function<void()> action;
        Log expected;
    };

    void run(const std::vector<Step>& steps)
    {
        window.Show();
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            window.log.clear();
            step.action();
            EXPECT_EQ(window.log, step.expected);
        }
    }
};

TEST_F(EventRulesTest, TextBoxChangeFiresOnEveryNewTextFromCodeOrUser)
{
    TextBox& box = window.TextName;
    run({
        {"code sets a text", [&] { box.setText("abc"); }, {"TextName_Change"}},
        {"code sets the same text", [&] { box.setText("abc"); }, {}},
        {"user edit", [&] { box.userSetText("abd"); }, {"TextName_Change"}},
        {"user edit to the same text", [&] { box.userSetText("abd"); }, {}},
        {"selection replaced", [&] { box.setSelStart(1); box.setSelLength(1); box.setSelText("X"); }, {"TextName_Change"}},
        {"code ignores MaxLength", [&] { box.setText("1234567890"); }, {"TextName_Change"}},
        {"locked box ignores the user", [&] { box.setLocked(true); box.userSetText("no"); }, {}},
        {"locked box still takes code", [&] { box.setText(""); }, {"TextName_Change"}},
    });
    EXPECT_EQ(box.Text(), "");
}

TEST_F(EventRulesTest, CheckBoxClickFiresWhenValueChanges)
{
    CheckBox& check = window.Check1;
    run({
        {"code checks", [&] { check.setValue(1); }, {"Check1_Click"}},
        {"code checks again", [&] { check.setValue(1); }, {}},
        {"user clicks a checked box", [&] { check.userClick(); }, {"Check1_Click"}},
        {"code greys", [&] { check.setValue(2); }, {"Check1_Click"}},
        {"user clicks a grey box", [&] { check.userClick(); }, {"Check1_Click"}},
        {"user clicks a disabled box", [&] { check.setEnabled(false); check.userClick(); }, {}},
    });
    EXPECT_EQ(check.Value(), 0);
}

TEST_F(EventRulesTest, OptionButtonsAreExclusiveWithinTheirContainerOnly)
{
    auto values = [this] {
        std::string v;
        for (OptionButton& o : window.OptOuter.elements())
            v += o.Value() ? '1' : '0';
        v += '|';
        for (OptionButton& o : window.OptInner.elements())
            v += o.Value() ? '1' : '0';
        return v;
    };
    struct Case {
        const char* name;
        std::function<void()> action;
        Log expected;
        std::string after;
    };
    const Case cases[] = {
        {"code sets one", [&] { window.OptOuter[1].setValue(true); }, {"OptOuter(1)_Click"}, "010|00"},
        {"another in the same container", [&] { window.OptOuter[2].setValue(true); }, {"OptOuter(2)_Click"}, "001|00"},
        {"one in the frame leaves the form's alone", [&] { window.OptInner[0].userClick(); }, {"OptInner(0)_Click"}, "001|10"},
        {"setting the set one again", [&] { window.OptOuter[2].setValue(true); }, {}, "001|10"},
        {"clearing fires nothing", [&] { window.OptOuter[2].setValue(false); }, {}, "000|10"},
        {"user click", [&] { window.OptOuter[0].userClick(); }, {"OptOuter(0)_Click"}, "100|10"},
    };
    window.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.log.clear();
        c.action();
        EXPECT_EQ(window.log, c.expected);
        EXPECT_EQ(values(), c.after);
    }
}

TEST(ScrollBarTest, ValueStaysWithinMinAndMaxAndChangeFiresOnEveryNewValue)
{
    ScriptedServices services;
    Form form(services, "Form");
    ScrollBar bar(form, "QRYScroll");
    bar.setMin(1);
    bar.setMax(10);
    bar.setLargeChange(4);
    form.endDesign();
    Log log;
    bar.Change = [&] { log.push_back("Change " + std::to_string(bar.Value())); };
    bar.Scroll = [&] { log.push_back("Scroll " + std::to_string(bar.Value())); };

    struct Step {
        const char* name;
        std::function<void()> action;
        Log expected;
    };
    const Step steps[] = {
        {"set within", [&] { bar.setValue(5); }, {"Change 5"}},
        {"set same", [&] { bar.setValue(5); }, {}},
        {"set above Max", [&] { bar.setValue(99); }, {"Change 10"}},
        {"page towards Min", [&] { bar.userStep(-1, true); }, {"Change 6"}},
        {"arrow towards Max", [&] { bar.userStep(1); }, {"Change 7"}},
        {"new Max moves the value", [&] { bar.setMax(3); }, {"Change 3"}},
        {"drag and release", [&] { bar.userDrag(2); bar.userDrag(1); bar.userRelease(); }, {"Scroll 2", "Scroll 1", "Change 1"}},
        {"drag back where it began", [&] { bar.userDrag(2); bar.userDrag(1); bar.userRelease(); }, {"Scroll 2", "Scroll 1"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        log.clear();
        step.action();
        EXPECT_EQ(log, step.expected);
    }
}

TEST(ControlTest, PeerIsToldOfEveryPropertyThatChanges)
{
    struct RecordingPeer : Peer {
        std::vector<std::string> told;
        void propertyChanged(std::string_view property) override { told.emplace_back(property); }
    };
    ScriptedServices services;
    // The peer outlives the label, which tells it as it goes.
    RecordingPeer peer;
    Form form(services, "Form");
    Label label(form, "Label");
    form.endDesign();
    label.setPeer(&peer);
    label.setAutoSize(true);
    label.setCaption("Hello");
    label.setCaption("Hello");
    label.setVisible(false);
    // Switching AutoSize on sizes the empty caption: its height is one line.
    EXPECT_EQ(peer.told, (Log{"AutoSize", "Height", "Caption", "Width", "Visible"}));
    // An auto-sized label measures its caption with the fixed metrics: 5 characters of 8.25 points.
    EXPECT_DOUBLE_EQ(label.Width(), 5 * 8.25 * CharacterWidthPerPoint);
}

} // namespace
} // namespace platform

namespace platform {
namespace {

TEST(MenuTest, AClickReachesAnItemOnlyWhenItAndTheItemsAboveItAreUsable)
{
    ScriptedServices services;
    Form form(services, "Form");
    Menu fileMenu(form, "FileMenu");
    Menu saveAsItem(fileMenu, "SaveAsItem");
    form.endDesign();
    form.ensureLoaded(); // a user acts on a loaded form only
    int clicks = 0;
    saveAsItem.Click = [&] { ++clicks; };
    struct Step {
        const char* name;
        std::function<void()> prepare;
        int clicks;
    };
    const Step steps[] = {
        {"usable", [] {}, 1},
        {"parent disabled", [&] { fileMenu.setEnabled(false); }, 0},
        {"parent enabled, item hidden", [&] { fileMenu.setEnabled(true); saveAsItem.setVisible(false); }, 0},
        {"item shown again", [&] { saveAsItem.setVisible(true); }, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        clicks = 0;
        step.prepare();
        saveAsItem.userClick();
        EXPECT_EQ(clicks, step.clicks);
    }
    EXPECT_EQ(saveAsItem.Container(), &fileMenu);
}

} // namespace
} // namespace platform
