#pragma once

#include <Qt>

// Keys and mouse buttons as the platform numbers them: key codes of the forerunner's desktop
// (A-Z 65-90, 0-9 48-57, F1 112, Left 37 ...), shift state 1 Shift + 2 Ctrl + 4 Alt, buttons
// 1 left, 2 right, 4 middle.
namespace qtgui {

// 0 for a key the platform has no code for.
int toKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int toShiftState(Qt::KeyboardModifiers modifiers);
int toMouseButtons(Qt::MouseButtons buttons);
// The whole notches of a wheel turn of `angleDelta` eighths of a degree (120 a notch, positive away
// from the user); what is left of a finer turn (a touchpad's) waits in `rest` for the next one.
int wheelNotches(int angleDelta, int& rest);

} // namespace qtgui
