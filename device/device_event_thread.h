// DeviceEventThread: reads the mouse's input reports (report 6) and follows what the user does
// on the mouse: profile switches (the window follows with the stored profile), the presses and
// releases that host-side playback and DPI tracking need, the host-notified recoil adjustment,
// and the light that shows a toggled macro.
//
// Input report 6: byte 0 the report id (6); byte 1 the event: 0xF1..0xFF device key
// (code - 0xF0) changed state, 3 the mouse switched profile, 1 adjustment up, 2 adjustment
// down; byte 2, for key events: bit 7 set on release, bits 0..2 the mouse's DPI level.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <stop_token>
#include <thread>

#include "device/device_thread_context.h"
#include "device/device_thread_state.h"
#include "device/lighting_effect.h"

namespace karvo::device {

class DeviceEventThread {
  public:
    static constexpr std::uint8_t kInputReportId = 6;
    // How long one read waits for a report, so a stop request is heard within it.
    static constexpr std::chrono::milliseconds kReadTimeout{50};
    // The pause when there is nothing to read (no mouse yet, or its handle failed).
    static constexpr std::chrono::milliseconds kIdlePause{2};

    DeviceEventThread(const DeviceThreadContext& context, DeviceThreadState& state);
    ~DeviceEventThread();  // stops the thread
    DeviceEventThread(const DeviceEventThread&) = delete;
    DeviceEventThread& operator=(const DeviceEventThread&) = delete;

    // Clears the playback buffer, takes macro 0 of group 0 into it, and starts reading.
    // Nothing when the thread runs already.
    void start();
    // Asks the thread to end and waits for it (at most a read time-out).
    void stop();
    // Asks the thread to end without waiting for it.
    void requestStop() { thread_.request_stop(); }
    bool running() const { return thread_.joinable(); }

  private:
    // The settings one key event needs, copied under the model's lock.
    struct KeyView {
        int profile = 0;
        int slot = -1;  // -1: no button reaches this device key
        std::int32_t function = 0;
        std::int32_t leftMac = 0;
        std::int32_t macroColour = 0;
        std::int32_t slot0Function = 0;
        std::int32_t softHardMac = 0;
        LightingEffect lighting;  // the stored lighting, for the end of a toggled macro
    };

    void run(std::stop_token stop);
    void handle(std::span<const std::uint8_t> report);
    void keyEvent(std::uint8_t code, std::uint8_t argument);
    KeyView viewOf(int deviceKey) const;
    std::int32_t softHardMac() const;
    void fetchIntoBuffer(std::int32_t function);
    void followProfileSwitch(bool sendKeyFunctions);
    void macroLight(const KeyView& view);
    void writeBack();

    const DeviceThreadContext& context_;
    DeviceThreadState& state_;
    std::jthread thread_;
};

}  // namespace karvo::device
