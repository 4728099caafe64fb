// Termination signals reach the window thread as readable bytes instead of ending the process,
// once each; afterwards the system's own handling is back.
#include "platform/termination_signals.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>

namespace karvo {
namespace {

bool readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & POLLIN);
}

TEST(TerminationSignals, ACaughtSignalWakesTheWatcherInsteadOfEndingTheProgram) {
    TerminationSignals signals;
    ASSERT_TRUE(signals.ok());
    EXPECT_FALSE(readable(signals.fileDescriptor()));
    EXPECT_EQ(signals.takePending(), 0);

    ASSERT_EQ(::raise(SIGTERM), 0);  // still running afterwards
    ASSERT_EQ(::raise(SIGINT), 0);
    EXPECT_TRUE(readable(signals.fileDescriptor()));
    EXPECT_EQ(signals.takePending(), 2);
    EXPECT_EQ(signals.takePending(), 0);
    EXPECT_FALSE(readable(signals.fileDescriptor()));

    // Each handler caught its signal once; a second SIGTERM would end the process.
    struct sigaction now {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(TerminationSignals, TheEarlierHandlersAreBackAfterwards) {
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGHUP, nullptr, &before), 0);
    {
        TerminationSignals signals;
        struct sigaction during {};
        ASSERT_EQ(::sigaction(SIGHUP, nullptr, &during), 0);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after {};
    ASSERT_EQ(::sigaction(SIGHUP, nullptr, &after), 0);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

}  // namespace
}  // namespace karvo
