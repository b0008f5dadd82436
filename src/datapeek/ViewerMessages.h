#pragma once

#include <string>

#include "platform/Services.h"

namespace datapeek {

// The title of the report viewer's error boxes.
inline constexpr const char* ViewerTitle = "QB Viewer (32-bit) : ";

// The viewer's error box: default pointer, critical icon, OK, no beep.
void ShowErrorBox(platform::Services& services, const std::string& message);

// A plain box with an OK button under the viewer's title, as the export reports its outcome.
void ShowMessage(platform::Services& services, const std::string& message);

} // namespace datapeek
