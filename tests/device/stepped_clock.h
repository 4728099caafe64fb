// Test clock for the device threads: either time jumps at once to every deadline (free
// running, like ManualClock), or a sleeping thread stays asleep until the test moves the time
// on, so a test can look at the mouse between two steps of a macro and act there.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/clock.h"

namespace karvo::testing {

class SteppedClock final : public Clock {
  public:
    time_point now() const override {
        const std::lock_guard lock(mutex_);
        return now_;
    }
    void sleepFor(duration pause) override { sleepUntil(now() + pause); }
    void sleepUntil(time_point deadline) override {
        std::unique_lock lock(mutex_);
        if (free_) {
            now_ = std::max(now_, deadline);
            return;
        }
        sleepers_.push_back(deadline);
        changed_.notify_all();
        changed_.wait(lock, [&] { return now_ >= deadline || free_; });
        now_ = std::max(now_, deadline);
    }

    // Free running: sleeps return at once (the default). Stepped: they wait for advance().
    void setFreeRunning(bool free) {
        const std::lock_guard lock(mutex_);
        free_ = free;
        sleepers_.clear();
        changed_.notify_all();
    }

    // Waits (real time, up to `timeout`) until some thread sleeps, and returns the earliest
    // deadline asleep; nothing when none came.
    std::optional<time_point> nextSleeper(
        std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, timeout, [&] { return !sleepers_.empty(); }))
            return std::nullopt;
        return *std::min_element(sleepers_.begin(), sleepers_.end());
    }

    // Moves the time on to the earliest sleeper's deadline and wakes it. False when no thread
    // went to sleep within the time-out.
    bool advance() {
        const auto deadline = nextSleeper();
        if (!deadline)
            return false;
        const std::lock_guard lock(mutex_);
        now_ = std::max(now_, *deadline);
        std::erase_if(sleepers_, [&](time_point t) { return t <= now_; });
        changed_.notify_all();
        return true;
    }

    // Time since the clock was made.
    duration elapsed() const { return now().time_since_epoch(); }

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    time_point now_{};
    bool free_ = true;
    std::vector<time_point> sleepers_;
};

}  // namespace karvo::testing
