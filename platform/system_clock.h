// The real clock: steady_clock time and pauses that end close to their nominal length. The
// device protocol waits 2 to 10 ms between reports dozens of times per block, so the few
// hundred microseconds a plain sleep overshoots by would add up to several per cent.
#pragma once

#include "platform/clock.h"

namespace karvo {

class SystemClock final : public Clock {
  public:
    time_point now() const override;

    // Sleeps for most of the pause and spins for the last ~0.1 ms, so a pause ends a few
    // microseconds after its deadline instead of a timer slack or more later.
    void sleepFor(duration pause) override;
    // The same wake-early-and-spin end, aimed at an absolute deadline.
    void sleepUntil(time_point deadline) override;
};

}  // namespace karvo
