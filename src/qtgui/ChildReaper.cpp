#include "qtgui/ChildReaper.h"

#include <algorithm>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qtgui {
namespace {

constexpr int ReapIntervalMilliseconds = 1000;

// Still running: waitpid answers 0. Reaped now, or no longer ours to wait for (-1): done.
bool hasEnded(qint64 child)
{
    return ::waitpid(static_cast<pid_t>(child), nullptr, WNOHANG) != 0;
}

// Reaps every ended child; answers whether a child still runs.
bool reapEveryEndedChild(std::vector<qint64>& watched)
{
    pid_t ended = 0;
    while ((ended = ::waitpid(-1, nullptr, WNOHANG)) > 0)
        std::erase(watched, ended);
    return ended == 0;
}

} // namespace

ChildReaper::Scope ChildReaper::scopeOfThisProcess()
{
    return ::getpid() == 1 ? Scope::EveryChild : Scope::StartedPrograms;
}

ChildReaper::ChildReaper(Scope scope) : scope_(scope)
{
    timer_.setInterval(ReapIntervalMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { reap(); });
}

void ChildReaper::watch(qint64 child)
{
    children_.push_back(child);
    if (reapEnded())
        timer_.start();
}

void ChildReaper::watchAdopted()
{
    // The timer runs at least once: a program may be handed to us only once its starter has ended.
    if (scope_ == Scope::EveryChild) {
        reapEnded();
        timer_.start();
    }
}

bool ChildReaper::reapEnded()
{
    std::erase_if(children_, hasEnded);
    const bool childRuns = scope_ == Scope::EveryChild && reapEveryEndedChild(children_);
    return childRuns || !children_.empty();
}

void ChildReaper::reap()
{
    if (!reapEnded())
        timer_.stop();
}

} // namespace qtgui
