#pragma once

#include <QObject>

// Whether a key is held down, by the platform's key codes (Tab 9, Shift 16, Ctrl 17, Alt 18).
// Qt tells the modifier keys' state at any time, but not other keys': the Tab key's state is
// recorded by an application-wide event filter from the last Tab press and release it saw.
// The filter sees a key before the widget that takes it, so a control that receives the focus
// through Tab finds Tab still down.
namespace qtgui {

class KeyStateTracker : public QObject {
public:
    // Installs itself on the application, which must exist.
    KeyStateTracker();
    ~KeyStateTracker() override;

    bool keyIsDown(int key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool tabDown_ = false;
};

} // namespace qtgui
