#include "core/Messages.h"

namespace core {

void SetMousePointer(platform::Services& services, int pointer)
{
    services.setMousePointer(pointer);
}

platform::Answer Messages::show(const std::string& message, platform::Beep beep, platform::Buttons buttons,
                                platform::Icon icon, int defaultButton)
{
    SetMousePointer(services_, DefaultPointer);
    services_.beep(beep);
    platform::MessageBox box;
    box.text = message;
    box.title = ProductTitle;
    box.buttons = buttons;
    box.icon = icon;
    box.defaultButton = defaultButton;
    return services_.messageBox(box);
}

platform::Answer Messages::AskYesNo(const std::string& message)
{
    return show(message, platform::Beep::Question, platform::Buttons::YesNo, platform::Icon::Question, 2);
}

platform::Answer Messages::AskYesNoCancel(const std::string& message)
{
    return show(message, platform::Beep::Question, platform::Buttons::YesNoCancel, platform::Icon::Question, 3);
}

void Messages::ShowErrorBox(const std::string& message)
{
    if (!MessagesEnabled) {
        SetMousePointer(services_, DefaultPointer);
        return;
    }
    show(message, platform::Beep::Critical, platform::Buttons::OK, platform::Icon::Critical, 1);
}

void Messages::ShowInfoBox(const std::string& message)
{
    show(message, platform::Beep::Information, platform::Buttons::OK, platform::Icon::Information, 1);
}

void Messages::ShowWarningBox(const std::string& message)
{
    show(message, platform::Beep::Exclamation, platform::Buttons::OK, platform::Icon::Exclamation, 1);
}

} // namespace core
