#include "qtgui/KeyStateTracker.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace qtgui {
namespace {

enum PlatformKey : int { Tab = 9, Shift = 16, Control = 17, Alt = 18 };

bool isTab(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
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
    case Tab: return tabDown_;
    case Shift: return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    case Control: return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
    case Alt: return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
    default: return false;
    }
}

bool KeyStateTracker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isTab(event))
            tabDown_ = true;
        break;
    case QEvent::KeyRelease:
        if (isTab(event) && !static_cast<const QKeyEvent*>(event)->isAutoRepeat())
            tabDown_ = false;
        break;
    case QEvent::ApplicationDeactivate:
        // The release may go to another program's window.
        tabDown_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qtgui
