#include <csignal>
#include <gtest/gtest.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "QtTestApplication.h"
#include "qtgui/ChildReaper.h"
#include "qtgui/ProgramSpawn.h"

namespace {

using Scope = qtgui::ChildReaper::Scope;

// Waits, without reaping it, until the child has ended: it is then a defunct process. Answers its
// exit status, or -1 when it is no longer ours to wait for (it was reaped).
int awaitEnd(pid_t child)
{
    siginfo_t ended{};
    if (::waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOWAIT) != 0)
        return -1;
    return ended.si_status;
}

pid_t forkExiting(int status)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(status);
    return child;
}

pid_t forkRunning()
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::pause();
        ::_exit(0);
    }
    return child;
}

qint64 spawnExiting(int status)
{
    return qtgui::spawnProgram(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exit $0"), QString::number(status)});
}

// A child someone else started (a QProcess, say) keeps its exit status for its starter, and a
// running one does not keep the reaper polling.
TEST(StartedPrograms, OnlyTheProgramsStartedHereAreReaped)
{
    qtTestApplication();
    qtgui::ChildReaper reaper(Scope::StartedPrograms);
    const pid_t othersEnded = forkExiting(3);
    const pid_t othersRunning = forkRunning();
    ASSERT_GT(othersEnded, 0);
    ASSERT_GT(othersRunning, 0);
    const qint64 started = spawnExiting(7);
    ASSERT_GT(started, 0);
    reaper.watch(started);
    ASSERT_EQ(awaitEnd(static_cast<pid_t>(started)), 7);
    ASSERT_EQ(awaitEnd(othersEnded), 3);

    EXPECT_FALSE(reaper.reapEnded()) << "nothing started here runs";
    EXPECT_EQ(awaitEnd(static_cast<pid_t>(started)), -1) << "reaped";
    EXPECT_EQ(awaitEnd(othersEnded), 3) << "left to its starter";

    reaper.watchAdopted();
    EXPECT_FALSE(reaper.reapEnded());
    EXPECT_EQ(awaitEnd(othersEnded), 3) << "a detached start adopts nothing here";

    ::kill(othersRunning, SIGKILL);
    EXPECT_EQ(::waitpid(othersRunning, nullptr, 0), othersRunning);
    EXPECT_EQ(::waitpid(othersEnded, nullptr, 0), othersEnded);
}

TEST(StartedPrograms, AStartedProgramRunsUntilItEnds)
{
    qtTestApplication();
    qtgui::ChildReaper reaper(Scope::StartedPrograms);
    const qint64 started = qtgui::spawnProgram(QStringLiteral("sleep"), {QStringLiteral("600")});
    ASSERT_GT(started, 0);
    reaper.watch(started);
    EXPECT_TRUE(reaper.reapEnded());
    EXPECT_EQ(::waitpid(static_cast<pid_t>(started), nullptr, WNOHANG), 0) << "kept while it runs";

    ::kill(static_cast<pid_t>(started), SIGKILL);
    ASSERT_EQ(awaitEnd(static_cast<pid_t>(started)), SIGKILL);
    EXPECT_FALSE(reaper.reapEnded());
    EXPECT_EQ(awaitEnd(static_cast<pid_t>(started)), -1);
}

// As process 1, every orphan is ours: whatever ends is reaped.
TEST(StartedPrograms, AsProcessOneEveryEndedChildIsReaped)
{
    qtTestApplication();
    qtgui::ChildReaper reaper(Scope::EveryChild);
    const pid_t ended = forkExiting(0);
    const pid_t running = forkRunning();
    ASSERT_GT(ended, 0);
    ASSERT_GT(running, 0);
    ASSERT_EQ(awaitEnd(ended), 0);

    EXPECT_TRUE(reaper.reapEnded()) << "a child still runs";
    EXPECT_EQ(awaitEnd(ended), -1);
    EXPECT_EQ(::waitpid(running, nullptr, WNOHANG), 0);

    ::kill(running, SIGKILL);
    ASSERT_EQ(awaitEnd(running), SIGKILL);
    EXPECT_FALSE(reaper.reapEnded());
    EXPECT_EQ(awaitEnd(running), -1);
}

TEST(StartedPrograms, AProgramStartsAsOurChildWithItsArguments)
{
    const qint64 child = spawnExiting(7);
    ASSERT_GT(child, 0);
    EXPECT_EQ(awaitEnd(static_cast<pid_t>(child)), 7);
    EXPECT_EQ(::waitpid(static_cast<pid_t>(child), nullptr, 0), child);

    EXPECT_EQ(qtgui::spawnProgram(QStringLiteral("/no/such/folder/program"), {}), 0);
}

} // namespace
