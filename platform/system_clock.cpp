// The real clock; see system_clock.h for why pauses end with a short spin.
#include "platform/system_clock.h"

#include <thread>

namespace karvo {
namespace {

// The longest a sleeping thread has been seen to oversleep on a loaded desktop; the last
// stretch before the deadline is spent yielding instead.
constexpr std::chrono::microseconds kSpinMargin{300};

}  // namespace

Clock::time_point SystemClock::now() const {
    return std::chrono::time_point_cast<duration>(std::chrono::steady_clock::now());
}

void SystemClock::sleepFor(duration pause) {
    const auto deadline = std::chrono::steady_clock::now() + pause;
    if (pause > kSpinMargin) {
        std::this_thread::sleep_until(deadline - kSpinMargin);
    }
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
}

}  // namespace karvo
