#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>

namespace qtgui {

// User actions that wait for Qt's handling of the event under way to return, so that no box opens
// inside it. They run in the order they came, once the event loop is back or before any later user
// action, whichever is first. One queue serves every window of the program (FormPeers holds it).
class WaitingUserActions : public QObject {
public:
    // The action is dropped if `owner` is gone by the time it would run.
    void add(QObject& owner, std::function<void()> action);
    // Runs what waits now, first come first; an action added meanwhile runs in the same turn.
    void runAll();

private:
    struct Waiting {
        QPointer<QObject> owner;
        std::function<void()> action;
    };
    std::deque<Waiting> waiting_;
    bool posted_ = false;
};

} // namespace qtgui
