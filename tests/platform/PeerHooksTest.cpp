#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/ScriptedServices.h"

// What a desktop layer learns from the platform beyond property changes: where the focus went,
// that a form is about to show (and how), and that a control or form is going away.
namespace platform {
namespace {

using Log = std::vector<std::string>;

struct RecordingPeer : Peer {
    RecordingPeer(Log& into, std::string name) : log(into), who(std::move(name)) {}
    void propertyChanged(std::string_view property) override
    {
        if (property == "ActiveControl" || property == "Visible")
            log.push_back(who + ":" + std::string(property));
    }
    void released() override { log.push_back(who + ":released"); }
    Log& log;
    std::string who;
};

class ShowingServices : public ScriptedServices {
public:
    void formShowing(Form& form, bool modal) override
    {
        showings.push_back(form.Name() + (modal ? " modal" : " modeless") + (form.Visible() ? " visible" : " hidden"));
    }
    Log showings;
};

struct TwoBoxes : Form {
    explicit TwoBoxes(Services& services) : Form(services, "TwoBoxes") { endDesign(); }
    TextBox First{*this, "First"};
    TextBox Second{*this, "Second"};
};

TEST(PeerHooksTest, FormPeerHearsEveryFocusMoveAfterTheFormBecameVisible)
{
    ShowingServices services;
    Log log;
    RecordingPeer peer(log, "form");
    TwoBoxes form(services);
    form.setPeer(&peer);
    form.First.GotFocus = [&] { log.push_back("First_GotFocus"); };
    form.Show();
    form.Second.setFocus();
    form.Second.setFocus();
    EXPECT_EQ(log, (Log{"form:Visible", "form:ActiveControl", "First_GotFocus", "form:ActiveControl"}));
    EXPECT_EQ(form.ActiveControl(), &form.Second);
}

TEST(PeerHooksTest, ServicesHearOfAHiddenFormAboutToShowOnlyOnce)
{
    ShowingServices services;
    TwoBoxes form(services);
    form.Show();
    form.Show();
    form.Hide();
    form.setVisible(true);
    EXPECT_EQ(services.showings, (Log{"TwoBoxes modeless hidden", "TwoBoxes modeless hidden"}));
}

TEST(PeerHooksTest, EachPeerIsReleasedAsItsControlOrFormIsDestroyed)
{
    ShowingServices services;
    Log log;
    RecordingPeer formPeer(log, "form");
    RecordingPeer boxPeer(log, "box");
    {
        auto form = std::make_unique<TwoBoxes>(services);
        form->setPeer(&formPeer);
        form->First.setPeer(&boxPeer);
    }
    // The box goes before the form: its peer lets go of it first.
    EXPECT_EQ(log, (Log{"box:released", "form:released"}));
}

TEST(PeerHooksTest, UserMarksInAMultiSelectListFireClickOnlyWhenTheMarkChangesOnAUsableList)
{
    ShowingServices services;
    Form form(services, "Form");
    ListBox list(form, "List");
    list.setMultiSelect(1);
    list.AddItem("A");
    list.AddItem("B");
    form.endDesign();
    form.ensureLoaded(); // a user acts on a loaded form only
    int clicks = 0;
    list.Click = [&] { ++clicks; };
    list.userSetSelected(1, true);
    list.userSetSelected(1, true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(list.Selected(1));
    list.setEnabled(false);
    list.userSetSelected(0, true);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(list.Selected(0));
}

} // namespace
} // namespace platform

namespace platform {
namespace {

TEST(PeerHooksTest, KeyboardMovesInAGridChangeTheCurrentCellWithoutAClick)
{
    ShowingServices services;
    Form form(services, "Form");
    Grid grid(form, "Grid");
    grid.setRows(4);
    grid.setCols(3);
    form.endDesign();
    form.ensureLoaded(); // a user acts on a loaded form only
    Log log;
    grid.RowColChange = [&] { log.push_back("RowColChange"); };
    grid.SelChange = [&] { log.push_back("SelChange"); };
    grid.Click = [&] { log.push_back("Click"); };
    grid.userMoveTo(2, 2);
    grid.userMoveTo(2, 2);
    grid.userMoveTo(0, 1); // a fixed cell
    EXPECT_EQ(log, (Log{"RowColChange", "SelChange"}));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 2);
    grid.userClickCell(2, 2);
    EXPECT_EQ(log, (Log{"RowColChange", "SelChange", "Click"}));
}

} // namespace
} // namespace platform
