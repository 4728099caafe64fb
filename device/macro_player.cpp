// Host-side playback of one macro; see macro_player.h for the step rules and the timing.
#include "device/macro_player.h"

#include <algorithm>

namespace karvo::device {

MacroPlayer::MacroPlayer(DeviceLink& link, Clock& clock, std::uint32_t seed)
    : link_(link), clock_(clock), random_(seed) {}

bool MacroPlayer::isButtonStep(const MacroAction& step) {
    return (step.kind == stepkind::kPress || step.kind == stepkind::kRelease) && step.key >= 0xF0 &&
           step.key != macrokey::kMove;
}

std::chrono::milliseconds MacroPlayer::stepDelay(const MacroAction& step) {
    std::chrono::milliseconds delay{step.delay};
    if (!isButtonStep(step))
        return delay;
    delay = std::max(delay, kButtonMinimum);
    if (delay < kButtonJitterBelow) {
        // [0, delay / 2): for 60 ms that is 0 to 29, for 61 ms 0 to 30.
        std::uniform_int_distribution<int> extra(0, static_cast<int>((delay.count() - 1) / 2));
        delay += std::chrono::milliseconds(extra(random_));
    }
    return delay;
}

void MacroPlayer::send(const MacroAction& step, const MacroRecord& macro) {
    if (step.key == macrokey::kMove) {
        const int lift = macro.extraA != 0 ? macro.extraB : 0;
        link_.pointerMove(step.kind, step.p0, step.p1 + lift);
        return;
    }
    if (step.key != macrokey::kNone &&
        (step.kind == stepkind::kPress || step.kind == stepkind::kRelease))
        link_.keyEvent(step.key, step.kind == stepkind::kPress);
}

bool MacroPlayer::waitUntil(Clock::time_point due, const Control& control) {
    if (due - clock_.now() >= kRest)
        lastSleep_ = due;
    for (;;) {
        const Clock::time_point now = clock_.now();
        if (now >= due) {
            if (now - lastSleep_ > kLongestBusy) {
                clock_.sleepFor(kRest);
                lastSleep_ = clock_.now();
            }
            return true;
        }
        if (control.abandoned())
            return false;
        clock_.sleepUntil(std::min(due, now + Clock::duration(kWaitSlice)));
    }
}

MacroPlayer::Outcome MacroPlayer::play(const MacroRecord& macro, int runs, const Control& control) {
    const auto steps = macro.validSteps();
    Clock::time_point due = clock_.now();
    lastSleep_ = due;
    for (int run = 0; run < runs; ++run) {
        for (const MacroAction& step : steps) {
            if (control.abandoned())
                return Outcome::Abandoned;
            if (!control.stepAllowed())
                return Outcome::Stopped;
            send(step, macro);
            due += stepDelay(step);
            if (!waitUntil(due, control))
                return Outcome::Abandoned;
        }
    }
    return Outcome::Finished;
}

}  // namespace karvo::device
