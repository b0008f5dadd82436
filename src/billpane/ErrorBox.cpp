#include "billpane/ErrorBox.h"

#include "core/Messages.h"

namespace billpane {

void ShowErrorBox(platform::Services& services, bool showErrors, const std::string& message)
{
    core::SetMousePointer(services, core::DefaultPointer);
    if (!showErrors)
        return;
    platform::MessageBox box;
    box.text = message;
    box.title = ViewerTitle;
    box.icon = platform::Icon::Critical;
    services.messageBox(box);
}

} // namespace billpane
