#include "platform/Buttons.h"

#include "platform/Form.h"
#include "runtime/Error.h"

namespace platform {

// ---- CommandButton ----

const std::string& CommandButton::Caption() const { touch(); return state_.caption; }
void CommandButton::setCaption(const std::string& caption) { assign(state_.caption, caption, "Caption"); }
bool CommandButton::Default() const { touch(); return state_.isDefault; }
bool CommandButton::Cancel() const { touch(); return state_.isCancel; }

void CommandButton::setDefault(bool on)
{
    if (assign(state_.isDefault, on, "Default"))
        form().setDefaultButton(this, on);
}

void CommandButton::setCancel(bool on)
{
    if (assign(state_.isCancel, on, "Cancel"))
        form().setCancelButton(this, on);
}

void CommandButton::dropDefault()
{
    state_.isDefault = false;
    changed("Default");
}

void CommandButton::dropCancel()
{
    state_.isCancel = false;
    changed("Cancel");
}

void CommandButton::setValue(bool on)
{
    touch();
    if (on)
        fire(Click);
}

void CommandButton::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void CommandButton::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
    form().setDefaultButton(this, state_.isDefault);
    form().setCancelButton(this, state_.isCancel);
}

// ---- CheckBox ----

const std::string& CheckBox::Caption() const { touch(); return state_.caption; }
void CheckBox::setCaption(const std::string& caption) { assign(state_.caption, caption, "Caption"); }
int CheckBox::Value() const { touch(); return state_.value; }

void CheckBox::setValue(int value)
{
    if (value < 0 || value > 2)
        throw runtime::Error(380, "Invalid property value");
    if (assign(state_.value, value, "Value"))
        fire(Click);
}

void CheckBox::userClick()
{
    if (userCanAct())
        setValue(Value() == 0 ? 1 : 0);
}

void CheckBox::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void CheckBox::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
}

// ---- OptionButton ----

const std::string& OptionButton::Caption() const { touch(); return state_.caption; }
void OptionButton::setCaption(const std::string& caption) { assign(state_.caption, caption, "Caption"); }
bool OptionButton::Value() const { touch(); return state_.value; }

void OptionButton::setValue(bool on)
{
    if (!assign(state_.value, on, "Value") || !on)
        return;
    for (Control* control : form().controls()) {
        auto* sibling = dynamic_cast<OptionButton*>(control);
        if (sibling && sibling != this && sibling->Container() == Container() && sibling->state_.value) {
            sibling->state_.value = false;
            sibling->changed("Value");
        }
    }
    fire(Click);
}

void OptionButton::userClick()
{
    if (userCanAct())
        setValue(true);
}

void OptionButton::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void OptionButton::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
}

} // namespace platform
