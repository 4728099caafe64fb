// SoftwarePlaybackThread: the host's side of the mouse's buttons. It follows the DPI level a
// DPI key's release reports, sends consumer-control usages, and, while SOFT_HARD_MAC is 1,
// plays the macros of macro and key-combination buttons through the live commands, so the
// mouse itself produces the input.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <thread>

#include "device/device_thread_context.h"
#include "device/device_thread_state.h"
#include "device/macro_player.h"
#include "macro/macro_record.h"
#include "platform/clock.h"

namespace karvo::device {

class SoftwarePlaybackThread {
  public:
    // Macro runs of a macro in hold or toggle mode: it plays until its key lets it stop.
    static constexpr int kUnboundedRuns = 10000;
    // Function codes of the kinds of button.
    static constexpr std::int32_t kFirstConsumerKey = 23;
    static constexpr std::int32_t kFirstPlayedMacro = 41;  // 41 to 49: the built-in macros
    static constexpr std::int32_t kPlayedMacroEnd = 3084;
    static constexpr int kMaxGroup = 12;

    // `seed` starts the random extra of mouse-button steps.
    SoftwarePlaybackThread(const DeviceThreadContext& context, DeviceThreadState& state,
                           Clock& clock, std::uint32_t seed);
    ~SoftwarePlaybackThread();  // stops the thread
    SoftwarePlaybackThread(const SoftwarePlaybackThread&) = delete;
    SoftwarePlaybackThread& operator=(const SoftwarePlaybackThread&) = delete;

    // Starts the thread; nothing when it runs already. `prepare` runs first on the thread
    // itself (the program asks for real-time scheduling there).
    void start(std::function<void()> prepare = {});
    // Asks the thread to end and waits for it. A macro in progress ends before its next step
    // (within MacroPlayer::kWaitSlice of a long delay) and is followed by release-all unless
    // the mouse has left.
    void stop();
    // Asks the thread to end without waiting for it.
    void requestStop() { thread_.request_stop(); }
    bool running() const { return thread_.joinable(); }

  private:
    // The settings one press needs, copied under the model's lock.
    struct PressView {
        int profile = 0;
        std::int32_t softHardMac = 0;
        std::array<std::int32_t, kButtonSlots> function{};
        std::array<std::int32_t, kButtonSlots> leftMac{};
        std::array<std::optional<MacroRecord>, kButtonSlots> combination{};
    };
    // What to play and how often.
    struct Playable {
        MacroRecord macro;
        int runs = 0;
    };
    enum class Fetch { Play, Skip, EndPass };

    void run(std::stop_token stop);
    void followDpiLevel(int level);
    void handlePress(std::uint8_t keyEvent, std::stop_token stop);
    PressView viewFor(std::uint8_t keyEvent, int toggledSlot) const;
    Fetch fetch(const PressView& view, int slot, Playable& out) const;
    void play(const Playable& playable, std::stop_token stop);
    bool slotHasKey(int slot, std::uint8_t keyEvent) const;

    const DeviceThreadContext& context_;
    DeviceThreadState& state_;
    MacroPlayer player_;
    std::jthread thread_;
};

}  // namespace karvo::device
