#include "datapeek/ViewerMessages.h"

#include "core/Messages.h"

namespace datapeek {

void ShowErrorBox(platform::Services& services, const std::string& message)
{
    core::SetMousePointer(services, core::DefaultPointer);
    platform::MessageBox box;
    box.text = message;
    box.title = ViewerTitle;
    box.icon = platform::Icon::Critical;
    services.messageBox(box);
}

void ShowMessage(platform::Services& services, const std::string& message)
{
    platform::MessageBox box;
    box.text = message;
    box.title = ViewerTitle;
    services.messageBox(box);
}

} // namespace datapeek
