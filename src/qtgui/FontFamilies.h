#pragma once

#include <QStringList>
#include <string>
#include <vector>

namespace qtgui {

// The font families installed, as the system names them; a family whose name Windows-1252 cannot
// spell is left out, since the system could never choose it by name.
std::vector<std::string> installedFontFamilies();

// A font of the system's forerunner's desktop and the free faces that stand in for it here,
// nearest first.
struct FontStandIn {
    std::string name;
    QStringList faces;
};
const std::vector<FontStandIn>& fontStandIns();

// The names the screen and the printer offer: each forerunner's font whose stand-in is installed,
// by its own name (so that a stored name stays the one the system knows), then the installed families.
std::vector<std::string> offeredFontNames();

} // namespace qtgui
