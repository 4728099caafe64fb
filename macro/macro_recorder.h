// The macro recorder: turns the keyboard events of a recording into press and release steps
// with the pauses between them as delays. It keeps its own copy of the macro while recording;
// the caller stores and saves the finished macro when the recording stops.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "macro/mac_vk_and_text.h"
#include "macro/macro_record.h"

namespace karvo {

class MacroRecorder {
  public:
    static constexpr std::size_t kMaxSteps = 110;
    static constexpr std::size_t kMaxPresses = 55;
    static constexpr std::size_t kMaxHeld = 9;
    static constexpr std::uint16_t kLastDelay = 20;  // the newest step's delay until the next one
    static constexpr std::uint32_t kDayMs = 86'400'000;
    static constexpr int kF10 = 121;

    enum class Event { KeyDown, KeyUp, SysKeyDown, SysKeyUp };

    // What became of one keyboard event.
    struct Outcome {
        bool recorded = false;  // a step was added
        bool limit = false;     // the step limit is reached: the caller stops the recording
    };

    // `keys` must outlive the recorder; `language` picks the keyboard layout of the key codes.
    explicit MacroRecorder(const MacVkAndText& keys) : keys_(keys) {}

    bool recording() const { return recording_; }

    // Starts a recording over `current`: its steps, counters and lighting are dropped; its name
    // and mode stay; the repeat count becomes 1.
    void start(const MacroRecord& current, int language);

    // One keyboard event with its virtual key and the time of day it happened, in milliseconds
    // since midnight. Ignored unless recording. An event repeating the previous one (the
    // keyboard's auto-repeat) is dropped; so are presses beyond 55 or while 9 keys are held,
    // releases of keys not pressed during the recording, and keys the mouse has no code for.
    Outcome onKey(Event event, int virtualKey, std::uint32_t msOfDay);

    // Ends the recording and returns the recorded macro.
    MacroRecord stop();

    // The macro as recorded so far (its step count follows the steps).
    const MacroRecord& macro() const { return macro_; }
    std::size_t pressCount() const { return presses_; }
    std::size_t heldCount() const { return held_; }

    // The pause between two times of day, across midnight, cut to what a delay holds.
    static std::uint16_t delayBetween(std::uint32_t earlierMs, std::uint32_t laterMs);

  private:
    bool isHeld(int virtualKey) const;
    void release(int virtualKey);

    const MacVkAndText& keys_;
    int language_ = 1;
    bool recording_ = false;
    MacroRecord macro_;
    std::size_t presses_ = 0;
    std::array<int, kMaxHeld> heldKeys_{};
    std::size_t held_ = 0;
    bool haveLast_ = false;
    Event lastEvent_ = Event::KeyDown;
    int lastKey_ = 0;
    std::uint32_t lastMs_ = 0;
};

// Milliseconds since midnight of the wall clock: what the recorder measures its pauses with.
std::uint32_t msOfDayNow();

}  // namespace karvo
