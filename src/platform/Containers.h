#pragma once

#include <string>

#include "platform/Control.h"
#include "platform/PictureBox.h"

namespace platform {

// A frame: a captioned container. Hiding or disabling it hides or disables what it holds.
class Frame : public Control {
public:
    using Control::Control;

    const std::string& Caption() const;
    void setCaption(const std::string& caption);
    bool canTakeFocus() const override { return false; }

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    std::string caption_;
    std::string designCaption_;
};

} // namespace platform
