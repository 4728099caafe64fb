// The lighting page's preview thread.
#include "app/lighting_animation.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace karvo {

LightingAnimation::LightingAnimation(const SettingsModel& settings, std::function<bool()> pageShown,
                                     std::function<void()> repaint)
    : settings_(settings), pageShown_(std::move(pageShown)), repaint_(std::move(repaint)) {}

LightingAnimation::~LightingAnimation() {
    stop();
}

void LightingAnimation::start() {
    if (running_)
        return;
    if (thread_.joinable())
        thread_.join();  // a run that ended with its page
    {
        const std::lock_guard guard(lock_);
        stopping_ = false;
    }
    preview_ = 0;
    toggle_ = false;
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void LightingAnimation::stop() {
    {
        const std::lock_guard guard(lock_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

int LightingAnimation::nextInCycle(std::uint8_t cycleMask, int from) {
    for (int i = 1; i <= kUserColours; ++i) {
        const int k = (from + i) % kUserColours;
        if ((cycleMask >> k) & 1)
            return k;
    }
    return from;
}

std::chrono::milliseconds LightingAnimation::periodOf(int cycleTime) {
    // A stored speed outside 0..5 would give no wait, or a negative one: keep it in range.
    return std::chrono::milliseconds(1200 - 200 * std::clamp(cycleTime, 0, 5));
}

std::chrono::milliseconds LightingAnimation::pass() {
    const auto [type, mask, cycleTime] = settings_.read([](const Settings& s) {
        return std::tuple{int{s.shared.ledType}, s.shared.colourCycleMask,
                          int{s.shared.ledCycleTime}};
    });
    if (type == 1 && toggle_) {
        toggle_ = false;
        preview_ = nextInCycle(mask, preview_);
    } else {
        toggle_ = true;
    }
    return periodOf(cycleTime);
}

void LightingAnimation::run() {
    std::unique_lock guard(lock_);
    while (!stopping_ && pageShown_()) {
        const auto wait = pass();
        repaint_();
        wake_.wait_for(guard, wait, [this] { return stopping_; });
    }
    running_ = false;
}

}  // namespace karvo
