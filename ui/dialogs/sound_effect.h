// The lighting effects of sound-reactive lighting: what one pass of the effect thread sends to
// the mouse in each of the three modes, and the state the dialog shares with that thread.
//
// Command 0x13 as the effect sends it (arguments: colour mask M, effect type t, cycle c,
// direction d, light level v, brightness b, value w, symmetry s; bytes cut to 8 bits):
//   byte 0  7            byte 1  0x13
//   byte 2  M + 128      byte 3  128 + t*16 + (c & 7)
//   byte 4  s*64 + ((d*16) & 0x30) + v
//   byte 5  b & 7        byte 6  (t >> 3)*128 + ((w / 256) & 3)      byte 7  w & 0xFF
// For t of 8 and up, 128 + t*16 passes 8 bits: byte 3 keeps (t - 8)*16 + (c & 7) with bit 7
// clear, and bit 3 of t travels in bit 7 of byte 6. The report is built in the effect's own
// buffer of the feature report length (bytes 8 and up zero) and sent under the link's command
// lock. Colour command 0x14 goes through the link's own buffer.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>

#include "device/device_link.h"
#include "platform/clock.h"

namespace karvo::sound {

inline constexpr int kFirstMode = 2;  // modes 2 (pulse), 3 (colour flow), 4 (beat)
inline constexpr int kLastMode = 4;

struct EffectReport {
    int M = 127;  // colour mask: 127 all seven user colours and the enable bit
    int t = 0;    // effect type
    int c = 0;    // cycle
    int d = 0;    // direction
    int v = 7;    // light level
    int b = 0;    // brightness
    int w = 0x3FFF;
    int s = 0;  // symmetry
};

// Bytes 0 to 7 of command 0x13 for `r`.
std::array<std::uint8_t, 8> lightingReportBytes(const EffectReport& r);

// Red, green, blue levels (0 or 15 each) of the colour command.
struct EffectColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const EffectColour&) const = default;
};
// The colour of colour step 0-4 (mode 3).
EffectColour colourOfStep(int step);

// What the dialog (window thread) and the effect thread share. Every value is an atomic the
// dialog writes whole; the effect thread reads it at the moment it needs it, and sleeps on a
// condition variable while there is nothing to do.
class EffectState {
  public:
    int mode() const { return mode_; }
    void setMode(int mode);
    bool on() const { return on_; }
    void setOn(bool on);
    // The loudness level (0-11) and the newest sample (0-100), from each sample.
    int level() const { return level_; }
    int newest() const { return newest_; }
    void setLevel(int level, int newest);
    // The beat flag: set by the dialog's timers, taken by the effect step of modes 2 and 4.
    void setBeat();
    bool beat() const { return beat_; }
    bool takeBeat() { return beat_.exchange(false); }

    // The effect thread's wait: returns true once the effect is on and has work (mode 3 always,
    // modes 2 and 4 on a beat), and marks a step begun; false when stop is requested.
    bool waitForWork(std::stop_token stop);
    // The effect thread has finished the step that waitForWork began.
    void endStep() { stepping_ = false; }

    // True while the effect thread is inside a step: the dialog holds back its "effect done"
    // message until the last report of a step has gone.
    bool stepping() const { return stepping_; }

  private:
    void wake();
    bool hasWork() const;

    std::atomic<int> mode_{kFirstMode};
    std::atomic<bool> on_{false};
    std::atomic<int> level_{0};
    std::atomic<int> newest_{0};
    std::atomic<bool> beat_{false};
    std::atomic<bool> stepping_{false};
    std::mutex wakeLock_;
    std::condition_variable_any wakeUp_;
};

// One pass of the effect thread in the current mode, with its pauses, sending through the
// link. Used by one thread at a time.
class SoundEffect {
  public:
    struct Parts {
        device::DeviceLink& link;
        Clock& clock;
        EffectState& state;
        // The level index of the colour command: the copy of the mouse's DPI level (0-7) that
        // the opener read and the playback thread follows; a negative value counts as 0.
        std::function<int()> levelIndex;
    };

    explicit SoundEffect(Parts parts);

    // Mode 2 and mode 4 act only on a beat (and take it); mode 3 acts on every pass. Returns
    // early, without sending more, when stop is requested during a pause.
    void step(std::stop_token stop = {});

    int previousCount() const { return previous_; }
    int colourStep() const { return colourStep_; }

  private:
    void pulse(std::stop_token stop);
    void colourFlow(std::stop_token stop);
    void beat();
    void send(const EffectReport& r);
    void colourCommand(int mode);
    bool pause(std::chrono::milliseconds ms, const std::stop_token& stop);
    // Mode 2's check after each of its reports: when the effect was switched off meanwhile it
    // sends the effect-9 report and the run stops (true).
    bool switchedOff();

    Parts parts_;
    std::array<std::uint8_t, device::DeviceLink::kReportBufferSize> buffer_{};
    int previous_ = 0;    // mode 2: the count of the last pass
    int colourStep_ = 0;  // mode 3: the next colour, 0-4
    bool secondPhase_ = false;
};

}  // namespace karvo::sound
