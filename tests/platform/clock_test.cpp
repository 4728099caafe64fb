// The two clocks' waits on an absolute deadline: the manual clock jumps to it and never goes
// back, the system clock returns no earlier than it.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/manual_clock.h"
#include "platform/system_clock.h"

namespace karvo {
namespace {

using std::chrono::milliseconds;

TEST(ManualClock, SleepUntilMovesTheTimeToTheDeadline) {
    ManualClock clock;
    clock.sleepFor(milliseconds(3));
    clock.sleepUntil(Clock::time_point(milliseconds(10)));
    EXPECT_EQ(clock.elapsed(), milliseconds(10));
}

TEST(ManualClock, SleepUntilAPassedDeadlineLeavesTheTimeAlone) {
    ManualClock clock;
    clock.sleepFor(milliseconds(20));
    clock.sleepUntil(Clock::time_point(milliseconds(5)));
    EXPECT_EQ(clock.elapsed(), milliseconds(20));
}

TEST(SystemClock, SleepUntilReturnsNoEarlierThanTheDeadline) {
    SystemClock clock;
    for (int i = 0; i < 5; ++i) {
        const Clock::time_point deadline = clock.now() + milliseconds(1 + i);
        clock.sleepUntil(deadline);
        EXPECT_GE(clock.now(), deadline);
    }
}

}  // namespace
}  // namespace karvo
