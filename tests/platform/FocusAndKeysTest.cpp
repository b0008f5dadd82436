#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/ScriptedServices.h"
#include "platform/WheelScrolling.h"

namespace platform {
namespace {

// A window laid out as the main window's entry fields and grid are: a pre-filled code combo, a
// drop-down list, a text box, a grid with its list's scroll bar beside it, and other scroll bars
// that are not beside it.
class EntryWindow : public Form {
public:
    explicit EntryWindow(Services& services) : Form(services, "EntryWindow")
    {
        ComboBank.Move(100, 100, 1500, 315);
        ComboType.Move(1700, 100, 800, 315);
        ComboType.setStyle(2);
        TextMemo.Move(100, 500, 3000, 315);
        Grid1.Move(100, 1000, 6000, 3000);
        BarBeside.Move(6085, 1000, 255, 3000);
        BarFarther.Move(7000, 1000, 255, 3000);
        BarBelow.Move(6085, 4200, 255, 1000);
        BarAcross.Move(100, 4100, 6000, 255);
        Frame1.Move(7500, 100, 2000, 5000);
        BarInFrame.Move(0, 1000, 255, 3000);
        int tab = 0;
        for (Control* control : controls())
            control->setTabIndex(tab++);
        for (ScrollBar* bar : {&BarBeside, &BarFarther, &BarBelow, &BarAcross, &BarInFrame}) {
            bar->setMin(1);
            bar->setMax(100);
            bar->setValue(50);
        }
        Grid1.KeyUp = [this](int& keyCode, int shift) { keyUps.push_back({keyCode, shift}); };
        endDesign();
    }

    ComboBox ComboBank{*this, "ComboBank"};
    ComboBox ComboType{*this, "ComboType"};
    TextBox TextMemo{*this, "TextMemo"};
    Grid Grid1{*this, "Grid1"};
    ScrollBar BarBeside{*this, "BarBeside"};
    ScrollBar BarFarther{*this, "BarFarther"};
    ScrollBar BarBelow{*this, "BarBelow"};
    ScrollBar BarAcross{*this, "BarAcross"};
    Frame Frame1{*this, "Frame1"};
    ScrollBar BarInFrame{Frame1, "BarInFrame"};

    struct KeyUp {
        int keyCode, shift;
        bool operator==(const KeyUp&) const = default;
    };
    std::vector<KeyUp> keyUps;

protected:
    void Form_Load() override
    {
        ComboType.AddItem("PAY");
        ComboType.AddItem("RCP");
        ComboType.setListIndex(0);
    }
};

class FocusAndKeysTest : public ::testing::Test {
protected:
    void SetUp() override { window.Show(); }

    ScriptedServices services;
    EntryWindow window{services};
};

TEST_F(FocusAndKeysTest, AComboWithAnEditPartSelectsItsWholeTextWhenItTakesTheFocus)
{
    struct Case {
        const char* how;
        std::function<void()> focus;
    };
    const std::vector<Case> cases{
        {"by code", [this] { window.ComboBank.setFocus(); }},
        {"by Tab", [this] { window.userKeyDown(KeyTab, 1); }}, // back from the type list
        {"by code again after leaving it", [this] { window.ComboBank.setFocus(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        window.ComboType.setFocus();
        window.ComboBank.setText("CURR");
        c.focus();
        ASSERT_EQ(window.ActiveControl(), &window.ComboBank);
        EXPECT_EQ(window.ComboBank.SelStart(), 0);
        EXPECT_EQ(window.ComboBank.SelLength(), 4);
        window.userType("CASH");
        EXPECT_EQ(window.ComboBank.Text(), "CASH") << "typing over a pre-filled code gives what was typed";
    }
}

TEST_F(FocusAndKeysTest, TheFocusHandlerHasTheLastWordOnTheSelection)
{
    window.TextMemo.setFocus();
    window.ComboBank.setText("CURR");
    window.ComboBank.GotFocus = [this] { window.ComboBank.setSelStart(4); };
    window.ComboBank.setFocus();
    EXPECT_EQ(window.ComboBank.SelStart(), 4);
    EXPECT_EQ(window.ComboBank.SelLength(), 0);
}

TEST_F(FocusAndKeysTest, OnlyComboEditPartsSelectByThemselves)
{
    window.TextMemo.setText("Diesel");
    window.TextMemo.setFocus();
    EXPECT_EQ(window.TextMemo.SelLength(), 0) << "a text box selects only through its own GotFocus handler";
    window.ComboType.setFocus();
    EXPECT_EQ(window.ComboType.SelLength(), 0) << "a drop-down list has no edit part";
    EXPECT_EQ(window.ComboType.Text(), "PAY");
}

TEST_F(FocusAndKeysTest, AKeyComesUpWithTheShiftKeysItWentDownWith)
{
    struct Case {
        const char* what;
        int key, downShift, upShift, expected;
    };
    const std::vector<Case> cases{
        {"Ctrl+End, Ctrl let go first", 35, 2, 0, 2},
        {"Ctrl+Home held to the end", 36, 2, 2, 2},
        {"Ctrl pressed while End was down", 35, 0, 2, 2},
        {"a plain Down", 40, 0, 0, 0},
        {"Shift+Ctrl+End", 35, 3, 0, 3},
        {"Ctrl itself, pressed with Shift held", KeyControl, 3, 1, 1},
    };
    window.Grid1.setFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.keyUps.clear();
        window.userKeyDown(c.key, c.downShift);
        window.userKeyUp(c.key, c.upShift);
        EXPECT_EQ(window.keyUps, (std::vector<EntryWindow::KeyUp>{{c.key, c.expected}}));
    }
    // Each press counts once: a release without its press has only its own state.
    window.keyUps.clear();
    window.userKeyUp(35, 0);
    EXPECT_EQ(window.keyUps, (std::vector<EntryWindow::KeyUp>{{35, 0}}));
}

TEST_F(FocusAndKeysTest, TheWheelOverAControlTurnsTheScrollBarBesideIt)
{
    EXPECT_EQ(scrollBarBeside(window.Grid1), &window.BarBeside) << "the nearest vertical bar beside the grid";
    EXPECT_EQ(scrollBarBeside(window.BarBelow), &window.BarBelow) << "a scroll bar is its own";
    EXPECT_EQ(scrollBarBeside(window.TextMemo), nullptr) << "no bar stands beside the text box";

    int changes = 0;
    window.BarBeside.Change = [&changes] { ++changes; };
    struct Case {
        const char* what;
        int notches, expectedValue;
    };
    const std::vector<Case> cases{{"one notch up", 1, 47}, {"two down", -2, 53}, {"far up stops at Min", 40, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        changes = 0;
        EXPECT_TRUE(userWheel(window.Grid1, c.notches));
        EXPECT_EQ(window.BarBeside.Value(), c.expectedValue);
        EXPECT_EQ(changes, 1);
    }
    for (ScrollBar* other : {&window.BarFarther, &window.BarBelow, &window.BarAcross, &window.BarInFrame})
        EXPECT_EQ(other->Value(), 50) << other->Name();

    // A hidden or disabled bar is not beside anything; the next nearest one takes the wheel.
    window.BarBeside.setVisible(false);
    EXPECT_EQ(scrollBarBeside(window.Grid1), &window.BarFarther);
    window.BarFarther.setEnabled(false);
    EXPECT_EQ(scrollBarBeside(window.Grid1), nullptr);
    EXPECT_FALSE(userWheel(window.Grid1, 1));
}

} // namespace
} // namespace platform
