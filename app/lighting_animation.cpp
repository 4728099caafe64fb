// The lighting page's preview thread.
#include "app/lighting_animation.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace karvo {

LightingAnimation::LightingAnimation(const SettingsModel& settings, std::function<bool()> pageShown,
                                     std::function<void()> repaint)
    : settings_(settings),
      ticker_({std::move(pageShown),
               [this, repaint = std::move(repaint)] {
                   const auto wait = pass();
                   repaint();
                   return wait;
               },
               1,
               {}}) {}

void LightingAnimation::start() {
    ticker_.start([this] {
        preview_ = 0;
        toggle_ = false;
    });
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

}  // namespace karvo
