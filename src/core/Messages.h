#pragma once

#include <string>

#include "platform/Services.h"

namespace core {

// The title of every message box of the main program.
inline constexpr const char* ProductTitle = "Quillbook 2000-32";

// Mouse pointers: long operations show the hourglass and put the default back when done.
enum MousePointer : int { DefaultPointer = 0, HourglassPointer = 11 };

// Sets the screen's mouse pointer. A free function because the document viewer uses it without a book.
void SetMousePointer(platform::Services& services, int pointer);

// The program's four message boxes. Each first puts back the default pointer, so a box never shows
// under an hourglass, then sounds the beep of its kind and shows the box under ProductTitle.
class Messages {
public:
    explicit Messages(platform::Services& services) : services_(services) {}

    // Off until the main window has loaded: while off, error boxes stay silent (questions and
    // notes still show), so start-up can try things without bothering the user.
    bool MessagesEnabled = false;

    // Yes/No question; No is the default.
    platform::Answer AskYesNo(const std::string& message);
    // Yes/No/Cancel question; Cancel is the default.
    platform::Answer AskYesNoCancel(const std::string& message);
    void ShowErrorBox(const std::string& message);
    void ShowInfoBox(const std::string& message);
    // A note with the exclamation icon.
    void ShowWarningBox(const std::string& message);

    platform::Services& services() const { return services_; }

private:
    platform::Answer show(const std::string& message, platform::Beep beep, platform::Buttons buttons,
                          platform::Icon icon, int defaultButton);

    platform::Services& services_;
};

} // namespace core
