#include "platform/Menu.h"

namespace platform {

const std::string& Menu::Caption() const { touch(); return state_.caption; }
void Menu::setCaption(const std::string& caption) { assign(state_.caption, caption, "Caption"); }
bool Menu::Checked() const { touch(); return state_.checked; }
void Menu::setChecked(bool on) { assign(state_.checked, on, "Checked"); }

void Menu::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void Menu::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
}

} // namespace platform
