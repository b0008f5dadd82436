#include <csignal>
#include <gtest/gtest.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "qtgui/ChildReaper.h"
#include "qtgui/ProgramSpawn.h"

namespace {

// Waits, without reaping it, until the child has ended: it is then a defunct process. Answers its
// exit status.
int awaitEnd(pid_t child)
{
    siginfo_t ended{};
    if (::waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOWAIT) != 0)
        return -1;
    return ended.si_status;
}

bool isStillOurs(pid_t child)
{
    return ::waitpid(child, nullptr, WNOHANG) != -1;
}

TEST(StartedPrograms, EndedChildrenAreReapedAndRunningOnesKept)
{
    const pid_t ended = ::fork();
    ASSERT_GE(ended, 0);
    if (ended == 0)
        ::_exit(0);
    const pid_t running = ::fork();
    ASSERT_GE(running, 0);
    if (running == 0) {
        ::pause();
        ::_exit(0);
    }
    ASSERT_EQ(awaitEnd(ended), 0);

    EXPECT_TRUE(qtgui::ChildReaper::reapEnded());
    EXPECT_FALSE(isStillOurs(ended));
    EXPECT_TRUE(isStillOurs(running));

    ::kill(running, SIGKILL);
    ASSERT_EQ(awaitEnd(running), SIGKILL);
    EXPECT_FALSE(qtgui::ChildReaper::reapEnded());
    EXPECT_FALSE(isStillOurs(running));
}

TEST(StartedPrograms, AProgramStartsAsOurChildWithItsArgumentsAndIsReapedWhenItEnds)
{
    const qint64 child = qtgui::spawnProgram(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exit $0"),
                                                                    QStringLiteral("7")});
    ASSERT_GT(child, 0);
    EXPECT_EQ(awaitEnd(static_cast<pid_t>(child)), 7);
    qtgui::ChildReaper::reapEnded();
    EXPECT_FALSE(isStillOurs(static_cast<pid_t>(child)));

    EXPECT_EQ(qtgui::spawnProgram(QStringLiteral("/no/such/folder/program"), {}), 0);
}

} // namespace
