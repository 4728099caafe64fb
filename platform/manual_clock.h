// A clock for tests: time stands still until someone sleeps, and a sleep advances it at once.
// Protocol code runs its real pause sequence without waiting, and the pauses it took can be
// read back as time stamps in the emulated mouse's report log.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/clock.h"

namespace karvo {

class ManualClock final : public Clock {
  public:
    time_point now() const override { return time_point(duration(nanos_.load())); }

    // Advances the time by `pause` and returns at once.
    void sleepFor(duration pause) override { nanos_ += pause.count(); }

    // Moves the time on to `deadline` unless it is there already, and returns at once.
    void sleepUntil(time_point deadline) override {
        const std::int64_t target = deadline.time_since_epoch().count();
        std::int64_t seen = nanos_.load();
        while (seen < target && !nanos_.compare_exchange_weak(seen, target)) {
        }
    }

    // Total of every pause taken so far (the clock starts at zero).
    duration elapsed() const { return duration(nanos_.load()); }

  private:
    std::atomic<std::int64_t> nanos_{0};
};

}  // namespace karvo
