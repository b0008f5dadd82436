#include "qtgui/KeyStateTracker.h"

#include <QCoreApplication>
#include <QInputEvent>
#include <QKeyEvent>

#include "platform/Events.h"

namespace qtgui {
namespace {

bool isTab(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
}

// The modifier a modifier key is, none for other keys.
Qt::KeyboardModifier modifierOfKey(int key)
{
    switch (key) {
    case Qt::Key_Shift: return Qt::ShiftModifier;
    case Qt::Key_Control: return Qt::ControlModifier;
    case Qt::Key_Alt: return Qt::AltModifier;
    default: return Qt::NoModifier;
    }
}

} // namespace

KeyStateTracker::KeyStateTracker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

KeyStateTracker::~KeyStateTracker()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyStateTracker::keyIsDown(int key) const
{
    switch (key) {
    case platform::KeyTab: return tabDown_;
    case platform::KeyShift: return modifiers_.testFlag(Qt::ShiftModifier);
    case platform::KeyControl: return modifiers_.testFlag(Qt::ControlModifier);
    case platform::KeyAlt: return modifiers_.testFlag(Qt::AltModifier);
    default: return false;
    }
}

bool KeyStateTracker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = *static_cast<const QKeyEvent*>(event);
        const bool press = event->type() == QEvent::KeyPress;
        // A modifier key's own event may carry the state from before it went down or up.
        modifiers_ = key.modifiers();
        modifiers_.setFlag(modifierOfKey(key.key()), press);
        if (isTab(key) && (press || !key.isAutoRepeat()))
            tabDown_ = press;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        modifiers_ = static_cast<const QInputEvent*>(event)->modifiers();
        break;
    case QEvent::ApplicationDeactivate:
        // The releases may go to another program's window.
        tabDown_ = false;
        modifiers_ = Qt::NoModifier;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qtgui
