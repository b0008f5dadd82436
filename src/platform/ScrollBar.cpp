#include "platform/ScrollBar.h"

#include <algorithm>

namespace platform {

int ScrollBar::clamped(int value) const
{
    return std::clamp(value, std::min(state_.min, state_.max), std::max(state_.min, state_.max));
}

int ScrollBar::Min() const { touch(); return state_.min; }

void ScrollBar::setMin(int min)
{
    if (assign(state_.min, min, "Min"))
        setValue(state_.value);
}

int ScrollBar::Max() const { touch(); return state_.max; }

void ScrollBar::setMax(int max)
{
    if (assign(state_.max, max, "Max"))
        setValue(state_.value);
}

int ScrollBar::Value() const { touch(); return state_.value; }

void ScrollBar::setValue(int value)
{
    if (assign(state_.value, clamped(value), "Value"))
        fire(Change);
}

int ScrollBar::SmallChange() const { touch(); return state_.smallChange; }
void ScrollBar::setSmallChange(int step) { assign(state_.smallChange, step, "SmallChange"); }
int ScrollBar::LargeChange() const { touch(); return state_.largeChange; }
void ScrollBar::setLargeChange(int step) { assign(state_.largeChange, step, "LargeChange"); }

void ScrollBar::userStep(int steps, bool page)
{
    if (!userCanAct())
        return;
    const int direction = state_.max >= state_.min ? 1 : -1;
    const long step = static_cast<long>(page ? state_.largeChange : state_.smallChange) * steps * direction;
    const long target = std::clamp<long>(state_.value + step, -32768, 32767);
    setValue(static_cast<int>(target));
}

void ScrollBar::userDrag(int value)
{
    if (!userCanAct())
        return;
    if (!dragging_) {
        dragging_ = true;
        dragStart_ = state_.value;
    }
    if (assign(state_.value, clamped(value), "Value"))
        fire(Scroll);
}

void ScrollBar::userRelease()
{
    if (!dragging_)
        return;
    dragging_ = false;
    if (state_.value != dragStart_)
        fire(Change);
}

void ScrollBar::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void ScrollBar::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
    dragging_ = false;
}

} // namespace platform
