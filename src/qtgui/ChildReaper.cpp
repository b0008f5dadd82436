#include "qtgui/ChildReaper.h"

#include <sys/types.h>
#include <sys/wait.h>

namespace qtgui {
namespace {

constexpr int ReapIntervalMilliseconds = 1000;

} // namespace

ChildReaper::ChildReaper()
{
    timer_.setInterval(ReapIntervalMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { reap(); });
}

bool ChildReaper::reapEnded()
{
    pid_t ended = 0;
    do
        ended = ::waitpid(-1, nullptr, WNOHANG);
    while (ended > 0);
    // 0: children remain, none ended; -1: none remain (or none could be waited for).
    return ended == 0;
}

void ChildReaper::watch()
{
    // The timer runs at least once: a program may be handed to us only once its starter has ended.
    reapEnded();
    timer_.start();
}

void ChildReaper::reap()
{
    if (!reapEnded())
        timer_.stop();
}

} // namespace qtgui
