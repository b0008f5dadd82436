#include "qtgui/ControlPeerButtons.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "qtgui/QtText.h"

namespace qtgui {

CommandButtonPeer::CommandButtonPeer(platform::CommandButton& button, FormPeer& form)
    : WidgetPeer(button, form), button_(button), pushButton_(new QPushButton(containerArea(button, form)))
{
    // Enter on the focused button clicks it, as Space does.
    pushButton_->setAutoDefault(true);
    adopt(pushButton_);
    QObject::connect(pushButton_, &QPushButton::clicked, this, [this] { fromUser([this] { button_.userClick(); }); });
}

void CommandButtonPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Caption"}))
        pushButton_->setText(toQString(button_.Caption()));
    if (concerns(property, {"Default"}))
        pushButton_->setDefault(button_.Default());
}

CheckBoxPeer::CheckBoxPeer(platform::CheckBox& box, FormPeer& form)
    : WidgetPeer(box, form), box_(box), checkBox_(new QCheckBox(containerArea(box, form)))
{
    adopt(checkBox_);
    QObject::connect(checkBox_, &QAbstractButton::clicked, this, [this] { fromUser([this] { box_.userClick(); }); });
}

void CheckBoxPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Caption"}))
        checkBox_->setText(toQString(box_.Caption()));
    if (concerns(property, {"Value"}))
        showUserState();
}

void CheckBoxPeer::showUserState()
{
    const int value = box_.Value();
    checkBox_->setTristate(value == 2);
    checkBox_->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

OptionButtonPeer::OptionButtonPeer(platform::OptionButton& option, FormPeer& form)
    : WidgetPeer(option, form), option_(option), radioButton_(new QRadioButton(containerArea(option, form)))
{
    radioButton_->setAutoExclusive(false);
    adopt(radioButton_);
    QObject::connect(radioButton_, &QAbstractButton::clicked, this, [this] { fromUser([this] { option_.userClick(); }); });
}

void OptionButtonPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"Caption"}))
        radioButton_->setText(toQString(option_.Caption()));
    if (concerns(property, {"Value"}))
        showUserState();
}

void OptionButtonPeer::showUserState()
{
    radioButton_->setChecked(option_.Value());
}

} // namespace qtgui
