#pragma once

#include <QFont>

#include "platform/Drawing.h"

namespace qtgui {

QFont toQFont(const platform::Font& font);

// The system names the fonts of its forerunner's desktop ("ARIAL", "MS Sans Serif", "Courier New"
// ...); on this desktop they are looked up as their metric-compatible or nearest free faces.
// Called once at start-up, before any window shows.
void installFontSubstitutes();

} // namespace qtgui
