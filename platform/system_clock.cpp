// The real clock; see system_clock.h for why pauses end with a short spin.
#include "platform/system_clock.h"

#include <thread>

namespace karvo {
namespace {

// How early the thread wakes to spin up to the deadline: more than the kernel's default timer
// slack (50 us) plus the usual wake-up latency, and short enough that the spin is rarely
// preempted on a busy machine (a 300 us spin measured several per cent worse there).
constexpr std::chrono::microseconds kSpinMargin{120};

}  // namespace

Clock::time_point SystemClock::now() const {
    return std::chrono::time_point_cast<duration>(std::chrono::steady_clock::now());
}

void SystemClock::sleepFor(duration pause) {
    sleepUntil(now() + pause);
}

void SystemClock::sleepUntil(time_point deadline) {
    if (deadline - now() > kSpinMargin) {
        std::this_thread::sleep_until(deadline - kSpinMargin);
    }
    // A plain spin: yielding here hands the processor to any other runnable task, and on a
    // busy machine the thread then waits a whole time slice to get it back.
    while (std::chrono::steady_clock::now() < deadline) {
    }
}

}  // namespace karvo
