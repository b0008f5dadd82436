#pragma once

#include "platform/ListControls.h"
#include "qtgui/ControlPeer.h"

class QComboBox;
class QListView;

namespace qtgui {

class ListItemsModel;

// A list box: a list view over the control's ListModel (ListItemsModel), in the model's order (a
// sorted model sorts itself). A user's choice is ListIndex (single select) or each item's Selected
// mark (MultiSelect 1 simple, 2 extended); scrolling moves TopIndex. MultiSelect is fixed when the
// window is made. Items are never cut short with an ellipsis, nor scrolled sideways.
class ListBoxPeer : public WidgetPeer {
public:
    ListBoxPeer(platform::ListBox& list, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;

private:
    void showTopIndex();
    void selectionFromWidget();

    platform::ListBox& list_;
    QListView* listView_;
    ListItemsModel* items_;
    // The TopIndex the view was last scrolled to, by code or by the user; -1 when unknown.
    int shownTopIndex_ = -1;
};

// A combo box over the control's ListModel: Style 0 and 1 have an edit part (typing goes through
// the model as in a text box), Style 2 is a drop-down list. Choosing an item is the model's
// userSelect. Style is fixed when the window is made, as on the platform. Its drop-down list is as
// wide as its longest item.
class ComboBoxPeer : public WidgetPeer {
public:
    ComboBoxPeer(platform::ComboBox& combo, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;
    bool modelEditsTyping() const override;
    bool showsSelection() const override { return true; }

private:
    platform::ComboBox& combo_;
    QComboBox* comboBox_;
    ListItemsModel* items_;
    bool followingCaret_ = false;
};

} // namespace qtgui
