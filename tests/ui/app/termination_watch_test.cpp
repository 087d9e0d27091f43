#include "ui/app/termination_watch.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>

namespace quillby {
namespace {

int RunEventsUntil(const int& stops, int wanted)
{
    QElapsedTimer deadline;
    deadline.start();
    while (stops < wanted && deadline.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return stops;
}

TEST(TerminationWatch, TheSessionsStopSignalsSaveInsteadOfKilling)
{
    // Log-out, shut-down or `kill` ended the game at once: the puzzle's progress since the
    // last safety save and every clue solved in the session were lost.
    int stops = 0;
    {
        const TerminationWatch watch([&stops] { ++stops; });
        ASSERT_EQ(::raise(SIGTERM), 0);
        EXPECT_EQ(RunEventsUntil(stops, 1), 1);
        // A second signal before the first is handled would end the program: the handler
        // hands over to the default once it has woken the game.
        struct sigaction current {};
        ::sigaction(SIGTERM, nullptr, &current);
        EXPECT_EQ(current.sa_handler, SIG_DFL);
        ASSERT_EQ(::raise(SIGHUP), 0);
        EXPECT_EQ(RunEventsUntil(stops, 2), 2);
    }
    // Gone with the watch: the signals are the system's again.
    struct sigaction current {};
    ::sigaction(SIGHUP, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);

    // A new watch works as the first did.
    const TerminationWatch again([&stops] { ++stops; });
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_EQ(RunEventsUntil(stops, 3), 3);
}

}  // namespace
}  // namespace quillby
