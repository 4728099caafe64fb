// Everything at once, for the thread sanitizer: the user works the mouse (macro keys, hold
// macros, host-notified adjustment, profile keys and switches, DPI keys) while the window
// edits the settings and applies them (save and download). Nothing may race, no report may
// land inside another's block, and the last profile switch must be what the program holds.
#include <gtest/gtest.h>

#include <thread>

#include "device/device_threads.h"
#include "platform/private_profile.h"
#include "tests/device/threads_on_desk.h"

namespace karvo::device {
namespace {

using karvo::testing::ThreadsOnDesk;

MacroRecord keys(std::uint8_t first, int count, std::uint8_t mode) {
    MacroRecord r;
    r.mode = mode;
    r.repeatCount = 2;
    for (int i = 0; i < count; ++i) {
        const auto key = static_cast<std::uint8_t>(first + i);
        r.steps[r.stepCount++] = {stepkind::kPress, key, 0, 0, 3};
        r.steps[r.stepCount++] = {stepkind::kRelease, key, 0, 0, 3};
    }
    r.steps[r.stepCount++] = {stepkind::kMoveRightDown, macrokey::kMove, 2, 3, 1};
    r.steps[r.stepCount++] = {stepkind::kPress, macrokey::kMouseLeft, 0, 0, 1};
    r.steps[r.stepCount++] = {stepkind::kRelease, macrokey::kMouseLeft, 0, 0, 1};
    return r;
}

TEST(DeviceThreadsStress, MouseEventsPlaybackApplyAndProfileSwitchesRunTogetherCleanly) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{keys(4, 3, 0), keys(10, 2, 2)}, {keys(20, 4, 0)}};
    desk.config.sources.presets = {keys(30, 2, 0)};
    for (int p = 0; p < kProfiles; ++p) {
        const int functions[kButtonSlots] = {1, 256, 257, 512, 18, 50, 19, 16, 23, 33, 17, 5};
        for (int b = 0; b < kButtonSlots; ++b)
            desk.button(p, b).function = functions[b];
        desk.config.settings.macroCopies[static_cast<std::size_t>(p)][9] = keys(40, 1, 0);
    }
    desk.begin();

    constexpr int kRounds = 60;
    std::thread window([&] {
        for (int i = 0; i < 4; ++i) {
            desk.model.edit([i](Settings& s) { s.shared.fireTime = 40 + 8 * i; });
            desk.store.saveAll(desk.model.snapshot());
            desk.downloader.DownloadAll();
        }
    });
    std::uint64_t raised = 0;
    for (int round = 0; round < kRounds; ++round) {
        const int key = 2 + round % 10;
        desk.mouse->setDpiLevel(round % 6);
        desk.mouse->pressKey(key);
        desk.mouse->adjust(round % 3 != 0);
        desk.mouse->releaseKey(key);
        desk.mouse->switchProfile(round % 4);
        raised += 4;
        desk.waitForReports(raised);
    }
    window.join();
    desk.mouse->switchProfile(2);
    desk.waitForReports(raised + 1);
    desk.threads->stop();

    EXPECT_TRUE(desk.mouse->protocolErrors().empty()) << desk.mouse->protocolErrors().front();
    EXPECT_EQ(desk.model.read([](const Settings& s) { return s.currentProfile; }), 2);
    EXPECT_EQ(desk.store.readCurrentProfile(), 2);
    EXPECT_GT(desk.state().pressesHandled(), 0u);
    EXPECT_GE(desk.config.sources.writeCount(), 1);
    EXPECT_TRUE(desk.notifier.notices.empty());
}

}  // namespace
}  // namespace karvo::device
