#pragma once

#include <string>

#include "platform/Control.h"

namespace platform {

// A menu item: on the form's menu bar (Parent = the form) or under another item (Parent = that
// item, which Container() answers). A Caption of "-" is a separator. A click reaches Click only
// when the item and the items above it are visible and enabled.
class Menu : public Control {
public:
    using Control::Control;

    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    bool Checked() const;
    void setChecked(bool on);
    bool canTakeFocus() const override { return false; }

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    struct State {
        std::string caption;
        bool checked = false;
    };
    State state_;
    State design_;
};

} // namespace platform
