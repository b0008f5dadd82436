#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestWindow.h"
#include "runtime/Error.h"
#include "support/RaisedError.h"

namespace platform {
namespace {

using Log = std::vector<std::string>;

class FormTest : public ::testing::Test {
protected:
    ScriptedServices services;
    test::LogWindow window{services};

    void showAndClearLog()
    {
        window.Show();
        window.log.clear();
    }
};

TEST_F(FormTest, ShowLoadsActivatesFocusesTheFirstControlAndPaints)
{
    window.Show();
    EXPECT_EQ(window.log, (Log{"Form_Load", "Form_Resize", "Form_Activate", "TextName_GotFocus", "Form_Paint"}));
    EXPECT_EQ(window.ActiveControl(), &window.TextName);

    // Showing a visible form again, or a hidden one, neither reloads it nor refocuses.
    window.log.clear();
    window.Show();
    window.Hide();
    window.Show();
    EXPECT_EQ(window.log, (Log{"Form_Activate", "Form_Paint"}));
    EXPECT_EQ(window.loads, 1);
}

TEST_F(FormTest, TouchingAControlOfAnUnloadedFormLoadsItFirst)
{
    EXPECT_FALSE(window.isLoaded());
    EXPECT_EQ(window.Combo.ListCount(), 2) << "Form_Load filled the combo before the count was read";
    EXPECT_EQ(window.loads, 1);
    window.TextName.setText("abc");
    EXPECT_EQ(window.loads, 1);
}

TEST_F(FormTest, FocusMovesFireLostFocusThenGotFocus)
{
    showAndClearLog();
    window.setFocus(window.Combo);
    window.CmdOK.setFocus();
    window.CmdOK.setFocus();
    EXPECT_EQ(window.log, (Log{"TextName_LostFocus", "Combo_GotFocus", "Combo_LostFocus", "CmdOK_GotFocus"}));
    EXPECT_EQ(window.ActiveControl(), &window.CmdOK);
}

TEST_F(FormTest, AHandlerThatMovesTheFocusWhileItMovesHasTheLastWord)
{
    showAndClearLog();
    // A field that refuses to be left keeps the focus: the other control never gets it.
    window.TextName.LostFocus = [this] {
        window.log.push_back("TextName_LostFocus");
        window.TextName.setFocus();
    };
    window.setFocus(window.Combo);
    EXPECT_EQ(window.ActiveControl(), &window.TextName);
    EXPECT_EQ(window.log, (Log{"TextName_LostFocus"}));

    // A control that passes the focus on as it gets it.
    window.TextName.LostFocus = [this] { window.log.push_back("TextName_LostFocus"); };
    window.Combo.GotFocus = [this] {
        window.log.push_back("Combo_GotFocus");
        window.List1.setFocus();
    };
    window.log.clear();
    window.setFocus(window.Combo);
    EXPECT_EQ(window.log, (Log{"TextName_LostFocus", "Combo_GotFocus", "Combo_LostFocus", "List1_GotFocus"}));
    EXPECT_EQ(window.ActiveControl(), &window.List1);
}

TEST_F(FormTest, SetFocusWhereTheFocusCannotGoIsError5)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::function<Control&()> target;
    };
    const Case cases[] = {
        {"hidden form", [this] { window.Hide(); }, [this]() -> Control& { return window.Combo; }},
        {"hidden control", [this] { window.Combo.setVisible(false); }, [this]() -> Control& { return window.Combo; }},
        {"disabled control", [this] { window.Combo.setEnabled(false); }, [this]() -> Control& { return window.Combo; }},
        {"inside a hidden frame", [this] { window.Frame1.setVisible(false); }, [this]() -> Control& { return window.OptInner[1]; }},
        {"inside a disabled frame", [this] { window.Frame1.setEnabled(false); }, [this]() -> Control& { return window.OptInner[0]; }},
        {"a label", [] {}, [this]() -> Control& { return window.Label1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Unloading takes back what the previous case changed.
        window.Unload();
        window.Show();
        c.prepare();
        window.log.clear();
        EXPECT_EQ(raisedErrorNumber([&] { window.setFocus(c.target()); }), runtime::InvalidProcedureCall);
        EXPECT_TRUE(window.log.empty());
    }
}

TEST_F(FormTest, QueryUnloadCanCancelAndUnloadRestoresTheDesign)
{
    window.Show();
    window.TextName.setText("typed");
    window.CmdOK.setDefault(false);
    window.cancelQueryUnload = 1;
    window.log.clear();
    EXPECT_FALSE(window.userClose());
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.TextName.Text(), "typed");

    window.cancelQueryUnload = 0;
    EXPECT_TRUE(window.Unload());
    EXPECT_EQ(window.unloadModes, (std::vector<int>{UnloadByUser, UnloadByCode}));
    EXPECT_EQ(window.log, (Log{"Form_QueryUnload", "Form_QueryUnload", "Form_Unload"}));
    EXPECT_FALSE(window.isLoaded());
    EXPECT_FALSE(window.Visible());

    // Next use loads it afresh: design values back, Form_Load run again on an empty combo.
    EXPECT_EQ(window.TextName.Text(), "");
    EXPECT_EQ(window.loads, 2);
    EXPECT_EQ(window.Combo.ListCount(), 2);
    EXPECT_TRUE(window.CmdOK.Default());
    EXPECT_EQ(window.defaultButton(), &window.CmdOK);
    EXPECT_EQ(window.TextName.MaxLength(), 6);
}

TEST_F(FormTest, HiddenFormKeepsItsValues)
{
    window.Show();
    window.TextName.setText("kept");
    window.Hide();
    window.Show();
    EXPECT_EQ(window.TextName.Text(), "kept");
    EXPECT_EQ(window.loads, 1);
}

TEST_F(FormTest, ModalShowRunsTheRegisteredScriptAndReturnsHidden)
{
    std::vector<std::string> seen;
    services.onModal<test::LogWindow>("LogWindow", [&](test::LogWindow& shown) {
        seen = shown.log;
        shown.TextName.setText("from script");
        shown.CmdOK.userClick();
    });
    window.CmdOK.Click = [this] { window.log.push_back("CmdOK_Click"); };
    window.Show(true);
    EXPECT_EQ(seen, (Log{"Form_Load", "Form_Resize", "Form_Activate", "TextName_GotFocus", "Form_Paint"}));
    EXPECT_FALSE(window.Visible());
    EXPECT_TRUE(window.isLoaded());
    EXPECT_EQ(window.TextName.Text(), "from script");
    EXPECT_EQ(window.log.back(), "CmdOK_Click");
    EXPECT_EQ(services.modalForms(), (std::vector<std::string>{"LogWindow"}));
    EXPECT_TRUE(services.allScriptsUsed());

    // A second modal show with nothing scripted fails the test loudly.
    EXPECT_THROW(window.Show(true), UnscriptedInteraction);
}

TEST_F(FormTest, ModalShowOfAVisibleFormIsAnError)
{
    window.Show();
    EXPECT_THROW(window.Show(true), runtime::Error);
}

TEST_F(FormTest, EnterAndEscapeClickTheDefaultAndCancelButtons)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        int key;
        Log expected;
    };
    const Case cases[] = {
        {"Enter in a text box", [this] { window.TextName.setFocus(); }, KeyReturn, {"CmdOK_Click"}},
        {"Escape in a text box", [this] { window.TextName.setFocus(); }, KeyEscape, {"CmdCancel_Click"}},
        {"Enter in a multi-line box is its own", [this] { window.TextMemo.setFocus(); }, KeyReturn, {"Form_KeyDown 13"}},
        {"Enter on a button clicks that button", [this] { window.CmdCancel.setFocus(); }, KeyReturn, {"CmdCancel_Click"}},
        {"a disabled Default button is skipped", [this] { window.CmdOK.setEnabled(false); }, KeyReturn, {"Form_KeyDown 13"}},
        {"no Default button", [this] { window.CmdOK.setDefault(false); }, KeyReturn, {"Form_KeyDown 13"}},
        {"a new Default button replaces the old", [this] { window.CmdCancel.setDefault(true); }, KeyReturn, {"CmdCancel_Click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.Unload();
        window.Show();
        window.setKeyPreview(true);
        c.prepare();
        window.log.clear();
        window.userKeyDown(c.key);
        EXPECT_EQ(window.log, c.expected);
    }
    EXPECT_FALSE(window.CmdOK.Default());
}

TEST_F(FormTest, TypingGoesThroughKeyPreviewIntoTheActiveTextBox)
{
    showAndClearLog();
    window.setKeyPreview(true);
    window.userType("abc1234");
    EXPECT_EQ(window.TextName.Text(), "ABC123") << "upper-cased by the form, cut at MaxLength 6";
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "TextName_Change"), 6);
    window.userKeyPress(KeyBack);
    EXPECT_EQ(window.TextName.Text(), "ABC12");

    window.TextMemo.setFocus();
    window.userType("a");
    window.userKeyPress(KeyReturn);
    window.userType("b");
    EXPECT_EQ(window.TextMemo.Text(), "A\r\nB");

    window.userKeyDown(KeyTab);
    EXPECT_EQ(window.ActiveControl(), &window.Combo);
    window.userKeyDown(KeyTab, 1);
    EXPECT_EQ(window.ActiveControl(), &window.TextMemo);
}

TEST_F(FormTest, HidingOrDisablingTheFocusedControlOrItsContainerMovesTheFocusOn)
{
    struct Case {
        const char* name;
        Control& focused;
        std::function<void()> act;
        Log expected;
        const Control* active;
    };
    auto disableAllBut = [this](const Control& kept) {
        for (Control* control : window.controls())
            if (control != &kept)
                control->setEnabled(false);
    };
    const Case cases[] = {
        {"disabled", window.TextName, [this] { window.TextName.setEnabled(false); }, {"TextName_LostFocus", "TextMemo_GotFocus"}, &window.TextMemo},
        {"hidden", window.TextMemo, [this] { window.TextMemo.setVisible(false); }, {"TextMemo_LostFocus", "Combo_GotFocus"}, &window.Combo},
        {"its frame disabled", window.OptInner[0], [this] { window.Frame1.setEnabled(false); },
         {"OptInner(0)_LostFocus", "Check1_GotFocus"}, &window.Check1},
        {"its frame hidden", window.OptInner[1], [this] { window.Frame1.setVisible(false); },
         {"OptInner(1)_LostFocus", "Check1_GotFocus"}, &window.Check1},
        {"another control disabled", window.TextName, [this] { window.Combo.setEnabled(false); }, {}, &window.TextName},
        {"the last usable control", window.CmdCancel,
         [&] {
             disableAllBut(window.CmdCancel);
             window.log.clear();
             window.CmdCancel.setEnabled(false);
         },
         {"CmdCancel_LostFocus"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.Unload();
        window.Show();
        c.focused.setFocus();
        window.log.clear();
        c.act();
        EXPECT_EQ(window.log, c.expected);
        EXPECT_EQ(window.ActiveControl(), c.active);
    }

    // Keys keep reaching the model: typing goes into the new field, Enter clicks the Default button.
    window.Unload();
    window.Show();
    window.TextName.setEnabled(false);
    window.userType("ab");
    EXPECT_EQ(window.TextMemo.Text(), "ab");
    window.Combo.setFocus();
    window.log.clear();
    window.userKeyDown(KeyReturn);
    EXPECT_EQ(window.log, (Log{"CmdOK_Click"}));

    // A hidden form drops the focus quietly and gives it to the first usable control when it shows.
    window.Hide();
    window.log.clear();
    window.Combo.setVisible(false);
    EXPECT_EQ(window.ActiveControl(), nullptr);
    window.Show();
    EXPECT_EQ(window.log, (Log{"Form_Activate", "TextMemo_GotFocus", "Form_Paint"}));
}

TEST_F(FormTest, F1OpensTheHelpAtTheFormsTopicOrItsContents)
{
    showAndClearLog();
    window.userKeyDown(KeyF1);
    window.setHelpContextID(42);
    EXPECT_EQ(window.userKeyDown(KeyF1), 0);
    ASSERT_EQ(services.helpShown().size(), 2U);
    EXPECT_EQ(services.helpShown()[0].command, 3) << "the contents";
    EXPECT_EQ(services.helpShown()[1].command, 1);
    EXPECT_EQ(services.helpShown()[1].topic, 42);
}

TEST_F(FormTest, AHandlerThatUnloadsItsFormLeavesItUnloadedWhateverTheUserDoesNext)
{
    showAndClearLog();
    window.CmdOK.Click = [this] { window.Unload(); };
    window.userKeyDown(KeyReturn);
    ASSERT_FALSE(window.isLoaded());
    // The rest of what the user did in the same moment reaches a window that is gone.
    window.userType("a");
    window.userKeyUp(KeyReturn);
    window.CmdOK.userClick();
    window.Check1.userClick();
    window.TextName.userSetText("x");
    window.Combo.userSelect(1);
    window.TextName.userMouseDown(1, 0, 10, 10);
    EXPECT_FALSE(window.isLoaded());
    EXPECT_EQ(window.loads, 1);
}

} // namespace
} // namespace platform
