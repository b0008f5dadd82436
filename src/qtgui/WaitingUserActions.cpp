#include "qtgui/WaitingUserActions.h"

#include <utility>

namespace qtgui {

void WaitingUserActions::add(QObject& owner, std::function<void()> action)
{
    waiting_.push_back({&owner, std::move(action)});
    if (std::exchange(posted_, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            posted_ = false;
            runAll();
        },
        Qt::QueuedConnection);
}

void WaitingUserActions::runAll()
{
    // Taken off the queue before it runs: an action may open a modal box whose events run the rest.
    while (!waiting_.empty()) {
        Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        if (next.owner)
            next.action();
    }
}

} // namespace qtgui
