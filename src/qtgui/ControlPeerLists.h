#pragma once

#include "platform/ListControls.h"
#include "qtgui/ControlPeer.h"

class QComboBox;
class QListWidget;

namespace qtgui {

// A list box over the control's ListModel, in the model's order (a sorted model sorts itself).
// A user's choice is ListIndex (single select) or each item's Selected mark (MultiSelect 1 simple,
// 2 extended); scrolling moves TopIndex. MultiSelect is fixed when the window is made.
class ListBoxPeer : public WidgetPeer {
public:
    ListBoxPeer(platform::ListBox& list, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;

private:
    void showItems();
    void showTopIndex();
    void selectionFromWidget();

    platform::ListBox& list_;
    QListWidget* listWidget_;
};

// A combo box: Style 0 and 1 have an edit part (typing goes through the model as in a text box),
// Style 2 is a drop-down list. Choosing an item is the model's userSelect. Style is fixed when the
// window is made, as on the platform.
class ComboBoxPeer : public WidgetPeer {
public:
    ComboBoxPeer(platform::ComboBox& combo, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;
    bool modelEditsTyping() const override;

private:
    void showItems();

    platform::ComboBox& combo_;
    QComboBox* comboBox_;
    bool followingCaret_ = false;
};

} // namespace qtgui
