// Test fixture for the device threads: an emulated mouse with its link on a stepped clock, a
// configuration saved as config.ini in a fresh folder and downloaded (the marks the threads
// read come from that download), and the threads wired to all of it. Tests change `config`,
// call begin(), then act on the mouse and wait for the threads with the helpers below.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "device/device_link.h"
#include "device/device_threads.h"
#include "device/downloader.h"
#include "device/repaint_request.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/notifier.h"
#include "platform/null_pointer_settings.h"
#include "settings/profile_store.h"
#include "tests/device/download_config.h"
#include "tests/device/stepped_clock.h"
#include "tests/support/temp_dir.h"

namespace karvo::testing {

class CountingRepaint final : public device::RepaintRequest {
  public:
    void requestRepaint() override { ++count; }
    std::atomic<int> count{0};
};

// Polls `done` until it holds or `timeout` of real time has passed; the threads under test
// move on their own, so the test waits for the state it expects rather than for a time.
inline bool waitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

using Command = sim::EmulatedMouse::LiveCommand;

struct ThreadsOnDesk {
    ThreadsOnDesk()
        : mouse(std::make_shared<sim::EmulatedMouse>(clock, sim::EmulatedMouse::Options{})) {
        backend.onUnknownPath([](std::string_view path) {
            ADD_FAILURE() << "opened " << path << ", which is no emulated device";
        });
        backend.plug(mouse, "sim:0");
        config.settings.shared.softHardMac = 1;
    }
    ~ThreadsOnDesk() {
        if (threads)
            threads->stop();
    }

    // Saves the configuration as config.ini, puts it in the model, gives the link the mouse's
    // handles, downloads, forgets what the download sent and starts the threads.
    void begin(bool startThreads = true) {
        store.saveAll(config.settings);
        model.edit([this](Settings& s) { s = config.settings; });
        const auto& o = mouse->options();
        link.attach(backend.open("sim:0/config").handle, o.featureReportLength,
                    backend.open("sim:0/event").handle, o.inputReportLength);
        ASSERT_EQ(downloader.DownloadAll(), device::Downloader::Result::Complete);
        mouse->clearLog();
        threads.emplace(context, clock, 1234u);
        if (startThreads)
            threads->start();
    }

    device::DeviceThreadState& state() { return threads->state(); }

    // Waits until the event thread has dealt with `n` reports in all.
    void waitForReports(std::uint64_t n) {
        ASSERT_TRUE(waitUntil([&] { return state().reportsHandled() >= n; }))
            << "the event thread handled " << state().reportsHandled() << " of " << n << " reports";
    }
    // Waits until the playback thread has finished `n` presses in all.
    void waitForPresses(std::uint64_t n) {
        ASSERT_TRUE(waitUntil([&] { return state().pressesHandled() >= n; }))
            << "the playback thread finished " << state().pressesHandled() << " of " << n
            << " presses";
    }
    // Waits until the mouse has received `n` live commands in all.
    void waitForCommands(std::size_t n) {
        ASSERT_TRUE(waitUntil([&] { return mouse->liveCommands().size() >= n; }))
            << "the mouse received " << mouse->liveCommands().size() << " of " << n << " commands";
    }

    std::vector<Command> commands() const { return mouse->liveCommands(); }

    // The times (since the mouse was made) of the SET reports whose command is `code`.
    std::vector<Clock::duration> timesOf(std::uint8_t code) const {
        std::vector<Clock::duration> out;
        for (const auto& r : mouse->reports())
            if (r.kind == sim::EmulatedMouse::LoggedReport::Kind::Set && r.bytes[1] == code)
                out.push_back(r.at);
        return out;
    }

    ButtonAssignment& button(int profile, int slot) { return config.button(profile, slot); }

    SteppedClock clock;
    std::shared_ptr<sim::EmulatedMouse> mouse;
    sim::EmulatedHidBackend backend;
    device::DeviceLink link{clock};
    DownloadConfig config;
    SettingsModel model;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    TempDir folder;
    ProfileStore store{folder.path(), config.keys, notifier};
    device::Downloader downloader{link,     model,  config.description, config.sources, config.keys,
                                  notifier, pointer};
    CountingRepaint repaint;
    device::DeviceThreadContext context{
        link, model, config.description, store, config.sources, downloader, repaint};
    std::optional<device::DeviceThreads> threads;
};

// A live command cut to the bytes its command writes (the others keep whatever the previous
// command left in the report buffer): code first, then bytes 2..7 for 0x0B, 0x11, 0x13 and
// 0x15, bytes 2 and 3 for 0x10 and 0x17, byte 3 for 0x16.
using Sent = std::vector<std::uint8_t>;
inline Sent written(const Command& c) {
    const auto& a = c.args;
    switch (c.code) {
        case 0x10:
        case 0x17:
            return {c.code, a[0], a[1]};
        case 0x16:
            return {c.code, a[1]};
        default:
            return {c.code, a[0], a[1], a[2], a[3], a[4], a[5]};
    }
}
inline std::vector<Sent> writtenAll(const std::vector<Command>& commands) {
    std::vector<Sent> out;
    for (const Command& c : commands)
        out.push_back(written(c));
    return out;
}
inline Sent keyList(std::initializer_list<std::uint8_t> keys) {
    Sent s{0x15, 0, 0, 0, 0, 0, 0};
    std::size_t i = 1;
    for (const std::uint8_t k : keys)
        s[i++] = k;
    return s;
}
inline Sent buttons(std::uint8_t state) {
    return {0x16, state};
}
inline Sent keyFunction(std::uint8_t key, std::uint8_t function) {
    return {0x10, key, function};
}
inline Sent hostButton(bool pressed) {
    return {0x11, static_cast<std::uint8_t>(pressed ? 2 : 0), 0, 0, 0, 0, 0};
}
inline Sent consumer(std::uint16_t usage) {
    return {0x17, static_cast<std::uint8_t>(usage >> 8), static_cast<std::uint8_t>(usage & 0xFF)};
}
// What release-all sends: all buttons up, then an empty key list.
inline std::vector<Sent> releaseAll() {
    return {buttons(0xFF), keyList({})};
}

}  // namespace karvo::testing
