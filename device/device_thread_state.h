// DeviceThreadState: what the device event thread, the software playback thread and the window
// share while the mouse talks back: the key flags, the hand-over of a press and of a DPI level
// from the event thread to the playback thread, the toggled macro, and the playback buffer.
// Every flag is an atomic; the hand-overs wake the playback thread instead of making it poll.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>

#include "device/playback_buffer.h"

namespace karvo::device {

class DeviceThreadState {
  public:
    // --- a press for the playback thread -----------------------------------------------------

    // The event thread offers the key event code (0xF1..0xFF) of a press. Taken only when no
    // press is pending: while the playback thread works on one, later presses only move the
    // flags. True when taken.
    bool offerPress(std::uint8_t keyEvent);
    // The pending press, if any.
    std::optional<std::uint8_t> pendingPress() const;
    // The playback thread is done with the press (counted), or a profile switch drops it.
    void finishPress();
    void dropPress();

    // --- a DPI level for the playback thread ------------------------------------------------

    // The release of a DPI key carried the mouse's new level (0 to 7); a later one replaces it.
    void offerDpiLevel(int level);
    // The level waiting to be followed, taken once.
    std::optional<int> takeDpiLevel();

    // The DPI level the playback thread last followed; sound-reactive lighting reads it
    // without taking the settings lock. -1 until the first DPI key release.
    int dpiLevel() const { return dpiLevel_; }
    void setDpiLevel(int level) { dpiLevel_ = level; }

    // --- key flags -----------------------------------------------------------------------------

    // Held: from a press of any key to the next release. A macro in hold mode plays while set.
    bool held() const { return held_; }
    void setHeld(bool held) { held_ = held; }
    // Toggle: flipped by presses of macro keys; a macro in toggle mode plays while set.
    bool toggle() const { return toggle_; }
    void flipToggle() { toggle_ = !toggle_; }
    void setToggle(bool on) { toggle_ = on; }

    // The toggled macro: a key whose LEFT_MAC bit 0 is set lends its macro to the left button
    // (device key 1) until it is pressed again.
    bool toggledMacroRunning() const { return toggledRunning_; }
    int toggledSlot() const { return toggledSlot_; }
    void startToggledMacro(int slot);
    void moveToggledMacro(int slot) { toggledSlot_ = slot; }
    void endToggledMacro() { toggledRunning_ = false; }

    PlaybackBuffer& buffer() { return buffer_; }
    const PlaybackBuffer& buffer() const { return buffer_; }

    // --- progress, for diagnostics and for tests that wait for the threads ------------------

    // Input reports the event thread has acted on (or deliberately ignored), and presses the
    // playback thread has finished with.
    std::uint64_t reportsHandled() const { return reportsHandled_; }
    void countReport() { ++reportsHandled_; }
    std::uint64_t pressesHandled() const { return pressesHandled_; }

    // --- life of the threads ----------------------------------------------------------------

    // Set when the mouse was removed: both threads stop touching the device (a playing macro
    // ends before its next step, without a release-all the mouse could not receive).
    bool suspended() const { return suspended_; }
    void setSuspended(bool suspended);

    // The playback thread's wait for work: returns when a press or a DPI level is pending
    // (true) or stop is requested (false).
    bool waitForWork(std::stop_token stop);
    // The event thread's pause when it cannot read: `pause` of real time, cut short by stop.
    void idle(std::stop_token stop, std::chrono::milliseconds pause);

  private:
    void wake();

    std::atomic<bool> pressPending_{false};
    std::atomic<std::uint8_t> pressedKey_{0};
    std::atomic<int> pendingDpiLevel_{-1};
    std::atomic<int> dpiLevel_{-1};
    std::atomic<bool> held_{false};
    std::atomic<bool> toggle_{false};
    std::atomic<bool> toggledRunning_{false};
    std::atomic<int> toggledSlot_{0};
    std::atomic<bool> suspended_{false};
    std::atomic<std::uint64_t> reportsHandled_{0};
    std::atomic<std::uint64_t> pressesHandled_{0};
    PlaybackBuffer buffer_;

    // Only for the waits: a hand-over locks it before it notifies, so a waiter that has just
    // found nothing to do cannot miss the wake-up.
    std::mutex wakeLock_;
    std::condition_variable_any wakeUp_;
};

}  // namespace karvo::device
