// The page-bound threads of the window: they tick in rounds while their page is shown, end by
// themselves when it is not, run their last call on every end, and start again afterwards.
#include "app/page_ticker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/blink_thread.h"

namespace karvo {
namespace {

using namespace std::chrono_literals;

// Waits (up to a few seconds) until `done` holds.
template <class F>
bool eventually(F done) {
    for (int i = 0; i < 2000 && !done(); ++i)
        std::this_thread::sleep_for(1ms);
    return done();
}

TEST(PageTicker, TicksInWholeRoundsWhileThePageIsShownAndEndsWithIt) {
    std::atomic<bool> shown{true};
    std::atomic<int> ticks{0};
    std::atomic<int> ends{0};
    std::atomic<int> roundsAsked{0};
    PageTicker ticker({[&] {
                           ++roundsAsked;
                           return shown.load();
                       },
                       [&] {
                           // The page goes away in the middle of the second round: that round
                           // still ends, and no third one starts.
                           if (++ticks == 5)
                               shown = false;
                           return 1ms;
                       },
                       3, [&] { ++ends; }});
    ticker.start();
    ASSERT_TRUE(eventually([&] { return !ticker.running(); }));
    EXPECT_EQ(ticks, 6);
    EXPECT_EQ(roundsAsked, 3);
    EXPECT_EQ(ends, 1);

    // The page's tab starts it again; the hook before the start runs once, before any tick.
    shown = true;
    int ticksAtStart = -1;
    ticker.start([&] { ticksAtStart = ticks; });
    EXPECT_EQ(ticksAtStart, 6);
    ASSERT_TRUE(eventually([&] { return ticks > 6; }));
    ticker.stop();
    EXPECT_FALSE(ticker.running());
    EXPECT_EQ(ends, 2);
}

TEST(PageTicker, StopEndsALongWaitAtOnceAndASecondStartWhileRunningIsIgnored) {
    std::atomic<int> ticks{0};
    std::atomic<int> hooks{0};
    PageTicker ticker({[] { return true; },
                       [&] {
                           ++ticks;
                           return 1h;
                       },
                       1,
                       {}});
    ticker.start();
    ASSERT_TRUE(eventually([&] { return ticks == 1; }));
    ticker.start([&] { ++hooks; });
    EXPECT_EQ(hooks, 0);
    const auto before = std::chrono::steady_clock::now();
    ticker.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 10s);
    EXPECT_EQ(ticks, 1);
    ticker.stop();  // twice is harmless
}

TEST(BlinkThread, TogglesInRoundsOfSixAndLeavesTheFlagSetHoweverItEnds) {
    std::atomic<bool> shown{true};
    std::atomic<int> repaints{0};
    {
        BlinkThread blink([&] { return shown.load(); }, [&] { ++repaints; }, 1ms);
        blink.start();
        ASSERT_TRUE(eventually([&] { return repaints >= 7; }));
        shown = false;  // the page is asked only between rounds
        ASSERT_TRUE(eventually([&] { return !blink.running(); }));
        EXPECT_EQ(repaints % 6, 0);
        EXPECT_TRUE(blink.blinkOn());
    }
    // Stopped after one toggle (the program closing in the middle of a round): the flag is
    // still left set, so the next start draws the lit picture first.
    shown = true;
    repaints = 0;
    BlinkThread blink([&] { return shown.load(); }, [&] { ++repaints; }, 1h);
    blink.start();
    ASSERT_TRUE(eventually([&] { return repaints == 1; }));
    EXPECT_FALSE(blink.blinkOn());
    blink.stop();
    EXPECT_TRUE(blink.blinkOn());
}

}  // namespace
}  // namespace karvo
