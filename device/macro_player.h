// MacroPlayer: plays a macro on the host through the mouse's live commands (keys, buttons,
// pointer), step by step on absolute deadlines, so a long macro keeps its rhythm however late
// each single wake-up is. The software playback thread uses it; the timing benchmark too.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <random>

#include "device/device_link.h"
#include "macro/macro_record.h"
#include "platform/clock.h"

namespace karvo::device {

class MacroPlayer {
  public:
    // A mouse-button step waits at least this long, and below kButtonJitterBelow it waits a
    // random extra of up to half its delay: games take evenly spaced clicks for a robot.
    static constexpr std::chrono::milliseconds kButtonMinimum{60};
    static constexpr std::chrono::milliseconds kButtonJitterBelow{120};
    // The longest single sleep: a stop request or the mouse's removal ends a long step delay
    // within this time.
    static constexpr std::chrono::milliseconds kWaitSlice{100};
    // A macro of steps without delays never sleeps; after this long without a sleep of its own
    // the player rests kRest, so a real-time thread never holds a processor for long (the
    // kernel kills a RealtimeKit thread that runs 200 ms without sleeping).
    static constexpr std::chrono::milliseconds kLongestBusy{50};
    static constexpr std::chrono::milliseconds kRest{1};

    enum class Outcome {
        Finished,   // every run played
        Stopped,    // a step was refused (its key was let go, its toggle turned off)
        Abandoned,  // the program stops or the mouse left: nothing more may be sent
    };

    struct Control {
        // Asked before every step; false ends the macro there.
        std::function<bool()> stepAllowed;
        // Asked before every step and during long waits; true ends the macro at once.
        std::function<bool()> abandoned;
    };

    MacroPlayer(DeviceLink& link, Clock& clock, std::uint32_t seed);

    // Plays the macro's steps `runs` times. Each step is sent at its due time: the due time of
    // the first is the call, each next one the previous plus the previous step's delay (for a
    // mouse-button step the delay after kButtonMinimum and the random extra). A step:
    //   key 0xF6 (pointer): pointerMove(kind, p0, p1 + extra byte B when extra byte A is set)
    //   kind 1 or 2 with another key from 1 up: keyEvent(key, kind == 1), keys and buttons
    //   anything else (pure waits, the mouse's own sensitivity and lighting steps): nothing
    // Nothing is released at the end; the caller sends release-all.
    Outcome play(const MacroRecord& macro, int runs, const Control& control);

    // What a step's delay becomes: a press or release of a mouse button (0xF0 to 0xFF other
    // than 0xF6) waits max(delay, 60) ms plus, when that is below 120, a random whole number
    // of milliseconds in [0, half of it).
    std::chrono::milliseconds stepDelay(const MacroAction& step);

    static bool isButtonStep(const MacroAction& step);

  private:
    void send(const MacroAction& step, const MacroRecord& macro);
    bool waitUntil(Clock::time_point due, const Control& control);

    DeviceLink& link_;
    Clock& clock_;
    std::minstd_rand random_;
    Clock::time_point lastSleep_{};
};

}  // namespace karvo::device
