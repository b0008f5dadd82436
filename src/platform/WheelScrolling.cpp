#include "platform/WheelScrolling.h"

#include <cmath>

#include "platform/Form.h"
#include "platform/ScrollBar.h"

namespace platform {

namespace {

bool overlapsVertically(const Control& a, const Control& b)
{
    return a.Top() < b.Top() + b.Height() && b.Top() < a.Top() + a.Height();
}

} // namespace

ScrollBar* scrollBarBeside(Control& control)
{
    if (auto* own = dynamic_cast<ScrollBar*>(&control))
        return own;
    const double rightEdge = control.Left() + control.Width();
    ScrollBar* nearest = nullptr;
    for (Control* other : control.form().controls()) {
        auto* bar = dynamic_cast<ScrollBar*>(other);
        if (!bar || bar->Container() != control.Container() || !bar->isShown() || !bar->isEnabled())
            continue;
        const bool beside = bar->Height() > bar->Width() && overlapsVertically(*bar, control) &&
                            bar->Left() >= control.Left() + control.Width() / 2;
        if (beside && (!nearest || std::abs(bar->Left() - rightEdge) < std::abs(nearest->Left() - rightEdge)))
            nearest = bar;
    }
    return nearest;
}

bool userWheel(Control& control, int notches)
{
    ScrollBar* bar = scrollBarBeside(control);
    if (!bar)
        return false;
    if (notches != 0)
        bar->userStep(-notches * WheelStepsPerNotch);
    return true;
}

} // namespace platform
