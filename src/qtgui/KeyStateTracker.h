#pragma once

#include <QObject>

// Whether a key is held down, by the platform's key codes (Tab 9, Shift 16, Ctrl 17, Alt 18), as
// of the input event being handled rather than the keyboard's state at this moment: a quick
// Ctrl+double-click whose Ctrl is already up when the click is handled still counts as Ctrl.
// An application-wide event filter records the modifiers each key and mouse event carries, and the
// Tab key's own presses and releases. The filter sees an event before the widget that takes it, so
// a control that receives the focus through Tab finds Tab still down.
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
    Qt::KeyboardModifiers modifiers_;
};

} // namespace qtgui
