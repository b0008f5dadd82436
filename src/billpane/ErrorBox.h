#pragma once

#include <string>

#include "platform/Services.h"

namespace billpane {

// The title of the document viewer's error boxes.
inline constexpr const char* ViewerTitle = "QB Viewer (32-bit)";

// The document viewer's error box: the default pointer, then, once `showErrors` is on, the message
// with the critical icon and OK under the viewer's title, without a beep.
void ShowErrorBox(platform::Services& services, bool showErrors, const std::string& message);

} // namespace billpane
