#pragma once

#include <QColor>
#include <QPalette>

#include "platform/SystemColours.h"

// Colours arrive as the platform writes them: 0x00BBGGRR, or with the top bit set a system colour
// (0x80000000 + the desktop's colour index: 5 window background, 8 window text, 15 button face ...),
// which takes the matching role of the widget's palette so the desktop's theme shows through.
namespace qtgui {

// The colours every control and form starts with (button face, button text). With them a widget
// keeps the desktop theme's own look for its kind (a text box's white, a button's face) rather than
// one colour for every kind.
constexpr long DefaultBackColour = platform::ButtonFaceColour;
constexpr long DefaultForeColour = platform::ButtonTextColour;

bool isSystemColour(long colour);
QColor toQColor(long colour, const QPalette& palette);

} // namespace qtgui
