#pragma once

#include <QPointer>

#include "platform/Menu.h"
#include "qtgui/ControlPeer.h"

class QAction;
class QMenu;

namespace qtgui {

// A menu item: on the form's menu bar or in its parent item's menu. An item that holds items opens
// a menu (and its opening is its Click, as on the platform); any other item is an action whose
// trigger is its Click. A caption of "-" is a separator; Checked shows a tick.
class MenuPeer : public ControlPeer {
public:
    MenuPeer(platform::Menu& menu, FormPeer& form);
    ~MenuPeer() override;

    QWidget* widget() const override { return nullptr; }
    // The menu that this item's items go in; null for an item without items.
    QMenu* submenu() const;
    QAction* action() const;

protected:
    void show(std::string_view property) override;
    void showUserState() override;

private:
    platform::Menu& menu_;
    QPointer<QMenu> submenu_;
    QPointer<QAction> action_;
};

} // namespace qtgui
