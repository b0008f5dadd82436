#pragma once

#include "platform/ScrollBar.h"
#include "qtgui/ControlPeer.h"

class QScrollBar;

namespace qtgui {

// A scroll bar, horizontal when it is wider than high. Arrow and trough clicks are the model's
// userStep; dragging the thumb is userDrag (Scroll) until its release (Change); the wheel is
// userWheel, as over a grid that hands its wheel to this bar.
class ScrollBarPeer : public WidgetPeer {
public:
    ScrollBarPeer(platform::ScrollBar& bar, FormPeer& form);

protected:
    void show(std::string_view property) override;
    void showUserState() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void userAction(int action);

    platform::ScrollBar& bar_;
    QScrollBar* scrollBar_;
    int wheelRest_ = 0;
};

} // namespace qtgui
