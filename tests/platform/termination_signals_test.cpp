// Termination signals reach the window thread as readable bytes instead of ending the process;
// a request that arrives twice at once stays one request, and only insisting later ends the
// process the system's way.
#include "platform/termination_signals.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>

#include <chrono>
#include <thread>

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
    // `timeout` and session managers signal the process and then its group: the same request.
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(readable(signals.fileDescriptor()));
    EXPECT_EQ(signals.takePending(), 3);
    EXPECT_EQ(signals.takePending(), 0);
    EXPECT_FALSE(readable(signals.fileDescriptor()));
}

TEST(TerminationSignalsDeathTest, InsistingAfterTheGraceEndsTheProcessTheSystemsWay) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TerminationSignals signals(std::chrono::milliseconds(30));
            ::raise(SIGTERM);
            ::raise(SIGTERM);  // within the grace: survived
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ::raise(SIGTERM);  // the shutdown is taking too long: this one ends it
            std::exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

TEST(TerminationSignals, EachNewWatcherStartsAFreshRequest) {
    {
        TerminationSignals first(std::chrono::milliseconds(0));
        ASSERT_EQ(::raise(SIGTERM), 0);
        EXPECT_EQ(first.takePending(), 1);
    }
    TerminationSignals second(std::chrono::milliseconds(0));
    ASSERT_EQ(::raise(SIGTERM), 0);  // would end the process if the old request counted
    EXPECT_EQ(second.takePending(), 1);
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
