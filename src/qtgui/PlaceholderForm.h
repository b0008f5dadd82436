#pragma once

#include <string>

#include "platform/Controls.h"

namespace qtgui {

// The start-up window of a program whose real windows are still to come: a caption, a line saying
// so, and a Close button (Enter or Escape too) that unloads it and so ends the program.
class PlaceholderForm : public platform::Form {
public:
    // `windowName` names the window to come in the message: "main", "report viewer" ...
    PlaceholderForm(platform::Services& services, const std::string& windowName);

    platform::Label LabelMessage{*this, "LabelMessage"};
    platform::CommandButton CmdClose{*this, "CmdClose"};

private:
    void CmdClose_Click();
};

} // namespace qtgui
