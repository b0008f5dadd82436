#include "qtgui/ControlPeerMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "platform/Form.h"
#include "qtgui/FormPeer.h"
#include "qtgui/QtText.h"

namespace qtgui {

namespace {

bool holdsItems(const platform::Menu& menu)
{
    const auto& controls = menu.form().controls();
    return std::any_of(controls.begin(), controls.end(), [&menu](const platform::Control* c) { return c->Container() == &menu; });
}

// Where an item goes: its parent item's menu, or the form's menu bar.
QWidget* placeOf(const platform::Menu& menu, const FormPeer& form)
{
    if (const platform::Control* parent = menu.Container())
        if (const auto* parentPeer = dynamic_cast<const MenuPeer*>(form.peerOf(*parent)))
            return parentPeer->submenu();
    return form.menuBar();
}

} // namespace

MenuPeer::MenuPeer(platform::Menu& menu, FormPeer& form) : ControlPeer(menu, form), menu_(menu)
{
    QWidget* place = placeOf(menu, form);
    if (holdsItems(menu)) {
        submenu_ = new QMenu(place);
        action_ = submenu_->menuAction();
        QObject::connect(submenu_, &QMenu::aboutToShow, this, [this] { fromUser([this] { menu_.userClick(); }); });
    } else {
        action_ = new QAction(place);
        QObject::connect(action_, &QAction::triggered, this, [this] { fromUser([this] { menu_.userClick(); }); });
    }
    place->addAction(action_);
}

MenuPeer::~MenuPeer()
{
    // A submenu owns its action.
    if (submenu_)
        delete submenu_.data();
    else
        delete action_.data();
}

QMenu* MenuPeer::submenu() const
{
    return submenu_;
}

QAction* MenuPeer::action() const
{
    return action_;
}

void MenuPeer::show(std::string_view property)
{
    if (concerns(property, {"Caption"})) {
        // A separator shows no text: the style would draw the "-" beside its line.
        const bool separator = menu_.Caption() == "-";
        action_->setText(separator ? QString() : toQString(menu_.Caption()));
        action_->setSeparator(separator);
    }
    if (concerns(property, {"Visible"}))
        action_->setVisible(menu_.Visible());
    if (concerns(property, {"Enabled"}))
        action_->setEnabled(menu_.Enabled());
    if (concerns(property, {"Checked"}))
        showUserState();
}

void MenuPeer::showUserState()
{
    action_->setCheckable(menu_.Checked());
    action_->setChecked(menu_.Checked());
}

} // namespace qtgui
