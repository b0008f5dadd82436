#pragma once

#include "platform/Buttons.h"
#include "qtgui/ControlPeer.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace qtgui {

// A command button: a click (mouse, Space, or Enter on the focused button) is the control's Click.
// Default and Cancel are the form's business (Enter and Escape go through Form::userKeyDown); the
// Default button is drawn as the desktop draws a default button.
class CommandButtonPeer : public WidgetPeer {
public:
    CommandButtonPeer(platform::CommandButton& button, FormPeer& form);

protected:
    void show(std::string_view property) override;

private:
    platform::CommandButton& button_;
    QPushButton* pushButton_;
};

// A check box: the model turns its Value on a click (1 to 0, 0 or greyed 2 to 1 ...) and the
// widget shows what the model decided.
class CheckBoxPeer : public WidgetPeer {
public:
    CheckBoxPeer(platform::CheckBox& box, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;

private:
    platform::CheckBox& box_;
    QCheckBox* checkBox_;
};

// An option button: the model clears its siblings in the same container, so the widgets are not
// grouped by Qt.
class OptionButtonPeer : public WidgetPeer {
public:
    OptionButtonPeer(platform::OptionButton& option, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;

private:
    platform::OptionButton& option_;
    QRadioButton* radioButton_;
};

} // namespace qtgui
