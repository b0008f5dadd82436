#pragma once

namespace platform {

class Control;
class ScrollBar;

// The mouse wheel. A control with a scroll bar beside it (a grid that holds one page of a longer
// list, as the main window's does) hands the wheel to that vertical scroll bar: one in the same
// container, shown and enabled, taller than wide, whose top-to-bottom span overlaps the control's
// and which stands in the right half of the control or past it; the one nearest the control's
// right edge. Null when there is none (a scroll bar is its own).
ScrollBar* scrollBarBeside(Control& control);

// Scroll bar steps (SmallChange) that one notch of the wheel moves, as the desktop's default.
inline constexpr int WheelStepsPerNotch = 3;

// The user turned the wheel over the control, `notches` away from the user (up; negative: down):
// its scroll bar, or the one beside it, steps WheelStepsPerNotch small changes a notch towards
// Min (up), one Change as for any step. Answers whether a scroll bar took the wheel.
bool userWheel(Control& control, int notches);

} // namespace platform
