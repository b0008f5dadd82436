#pragma once

#include "platform/Control.h"

namespace platform {

// A scroll bar (horizontal or vertical: the same object). Value is kept within Min..Max (either may
// be the larger); Change fires whenever Value takes a new value, from code or the user, also when a
// new Min or Max moves it. Dragging the thumb fires Scroll while it moves and Change on release.
class ScrollBar : public Control {
public:
    using Control::Control;

    int Min() const;
    void setMin(int min);
    int Max() const;
    void setMax(int max);
    int Value() const;
    void setValue(int value);
    int SmallChange() const;
    void setSmallChange(int step);
    int LargeChange() const;
    void setLargeChange(int step);

    // The user clicked an arrow (SmallChange) or the trough (LargeChange), `steps` times towards Max
    // (negative: towards Min).
    void userStep(int steps, bool page = false);
    // The user drags the thumb to this value: Scroll fires.
    void userDrag(int value);
    // The thumb is released: Change fires when the value moved since the drag began.
    void userRelease();

    Event Change;
    Event Scroll;

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    int clamped(int value) const;

    struct State {
        int min = 0;
        int max = 32767;
        int value = 0;
        int smallChange = 1;
        int largeChange = 1;
    };
    State state_;
    State design_;
    bool dragging_ = false;
    int dragStart_ = 0;
};

} // namespace platform
