#pragma once

#include <string>
#include <vector>

namespace qtgui {

// The font families installed, as the system names them; a family whose name Windows-1252 cannot
// spell is left out, since the system could never choose it by name.
std::vector<std::string> installedFontFamilies();

} // namespace qtgui
