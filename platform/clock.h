// The program's notion of time: a monotonic "now" and a pause. The mouse protocol has no
// handshakes, only fixed pauses between reports, so every pause goes through this interface:
// the program uses the system clock, tests a manual clock that advances instantly.
#pragma once

#include <chrono>

namespace karvo {

class Clock {
  public:
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<std::chrono::steady_clock, duration>;

    virtual ~Clock() = default;

    // Monotonic time; only differences between two calls mean anything.
    virtual time_point now() const = 0;

    // Returns no earlier than `pause` after the call. Safe to call from several threads.
    virtual void sleepFor(duration pause) = 0;

    // Returns no earlier than `deadline` (at once when it has passed). Waiting on the due time
    // itself, rather than on the pause left, keeps a sequence of waits from adding up the
    // lateness of each one. Safe to call from several threads.
    virtual void sleepUntil(time_point deadline) = 0;
};

}  // namespace karvo
