// The device threads driven through the emulated mouse: it raises the input reports a user's
// presses, releases, profile switches and adjustments cause, and the tests assert the exact
// live commands the threads send back, in order, and what they change in the settings, the
// profile file and the macro library. Slot s is device key s + 1 (key event 0xF1 + s).
#include "device/device_threads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "device/device_event_thread.h"
#include "platform/private_profile.h"
#include "tests/device/threads_on_desk.h"

namespace karvo::device {
namespace {

using karvo::testing::buttons;
using karvo::testing::consumer;
using karvo::testing::hostButton;
using karvo::testing::keyFunction;
using karvo::testing::keyList;
using karvo::testing::releaseAll;
using karvo::testing::Sent;
using karvo::testing::ThreadsOnDesk;
using karvo::testing::writtenAll;
using std::chrono::milliseconds;

// A macro that presses and releases `key`, each step followed by `delay` ms.
MacroRecord tap(std::uint8_t key, std::uint16_t delay, std::uint8_t mode = 0) {
    MacroRecord r;
    r.mode = mode;
    r.repeatCount = 1;
    r.steps[0] = {stepkind::kPress, key, 0, 0, delay};
    r.steps[1] = {stepkind::kRelease, key, 0, 0, delay};
    r.stepCount = 2;
    return r;
}

std::vector<Sent> joined(std::vector<Sent> a, const std::vector<Sent>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DeviceEventThread, APressOfAPlainKeyOnlySetsPressPending) {
    ThreadsOnDesk desk;
    desk.button(0, 1).function = 5;
    desk.begin(/*startThreads=*/false);
    DeviceEventThread events(desk.context, desk.state());
    events.start();

    desk.mouse->pressKey(2);
    desk.waitForReports(1);
    events.stop();
    EXPECT_EQ(desk.state().pendingPress(), std::optional<std::uint8_t>(0xF2));
    EXPECT_TRUE(desk.state().held());
    EXPECT_FALSE(desk.state().toggle());
    EXPECT_TRUE(desk.commands().empty());
    EXPECT_EQ(desk.repaint.count, 0);
}

TEST(DeviceThreads, APlainKeyPlaysNothing) {
    ThreadsOnDesk desk;
    desk.button(0, 1).function = 5;
    desk.begin();
    desk.mouse->pressKey(2);
    desk.mouse->releaseKey(2);
    desk.waitForReports(2);
    desk.waitForPresses(1);
    EXPECT_TRUE(desk.commands().empty());
    EXPECT_FALSE(desk.state().held());
}

TEST(DeviceThreads, AHoldModeMacroRepeatsUntilReleaseAndStopsBeforeItsNextStep) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{tap(0x04, 10, /*mode=*/2)}};
    desk.button(0, 2).function = 256;
    desk.begin();
    desk.clock.setFreeRunning(false);

    desk.mouse->pressKey(3);
    ASSERT_TRUE(desk.clock.advance());  // first run: the release
    ASSERT_TRUE(desk.clock.advance());  // second run: the press
    ASSERT_TRUE(desk.clock.nextSleeper());
    EXPECT_EQ(writtenAll(desk.commands()),
              (std::vector<Sent>{keyList({4}), keyList({}), keyList({4})}));

    desk.mouse->releaseKey(3);
    desk.waitForReports(2);
    ASSERT_TRUE(desk.clock.advance());  // the next step is refused; release-all waits 10 ms
    ASSERT_TRUE(desk.clock.advance());  // buttons up, 10 ms
    ASSERT_TRUE(desk.clock.advance());  // keys up
    desk.waitForPresses(1);

    EXPECT_EQ(writtenAll(desk.commands()),
              joined({keyList({4}), keyList({}), keyList({4})}, releaseAll()));
    const auto lists = desk.timesOf(0x15);
    ASSERT_EQ(lists.size(), 4u);
    EXPECT_EQ(lists[1] - lists[0], milliseconds(10));
    EXPECT_EQ(lists[2] - lists[0], milliseconds(20));
    // Refused at 30 ms, then release-all's two pauses.
    EXPECT_EQ(lists[3] - lists[0], milliseconds(50));
}

TEST(DeviceThreads, AToggleModeMacroPlaysUntilItsKeyIsPressedAgain) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{tap(0x04, 10, /*mode=*/1)}};
    desk.button(0, 2).function = 256;
    desk.begin();
    desk.clock.setFreeRunning(false);

    desk.mouse->pressKey(3);
    ASSERT_TRUE(desk.clock.advance());
    desk.mouse->releaseKey(3);  // letting go does not stop a toggled macro
    desk.waitForReports(2);
    ASSERT_TRUE(desk.clock.advance());
    ASSERT_TRUE(desk.clock.nextSleeper());
    EXPECT_EQ(desk.commands().size(), 3u);

    desk.mouse->pressKey(3);
    desk.waitForReports(3);
    EXPECT_FALSE(desk.state().toggle());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(desk.clock.advance());
    desk.waitForPresses(1);
    EXPECT_EQ(writtenAll(desk.commands()),
              joined({keyList({4}), keyList({}), keyList({4})}, releaseAll()));
}

TEST(DeviceThreads, AProfileSwitchOnTheMouseMakesItsProfileCurrentAndWritesCurConfig) {
    ThreadsOnDesk desk;
    desk.button(3, 0).function = 7;
    desk.begin();
    // The model drifted from the file; the switch loads the stored profile.
    desk.model.edit([](Settings& s) { s.profiles[3].buttons[0].function = 99; });

    desk.mouse->switchProfile(3);  // status byte 6 = 0x0C
    desk.waitForReports(1);

    const Settings s = desk.model.snapshot();
    EXPECT_EQ(s.currentProfile, 3);
    EXPECT_EQ(s.profiles[3].buttons[0].function, 7);
    EXPECT_EQ(ini::readString(desk.store.configFile(), "Init", "CurConfig", "", 5), "3");
    EXPECT_EQ(desk.repaint.count, 1);
    EXPECT_TRUE(desk.commands().empty());  // no key functions after a switch report
}

TEST(DeviceThreads, AProfileKeyLoadsTheNewProfileAndHandsItsHostKeysToTheHost) {
    ThreadsOnDesk desk;
    for (int p = 0; p < kProfiles; ++p)
        desk.button(p, 11).function = 19;
    desk.config.sources.groups = {{tap(0x04, 10)}};
    desk.button(2, 2).function = 18;
    desk.button(2, 3).function = 256;
    desk.button(2, 5).function = 41;
    desk.button(2, 6).function = 23;  // a consumer key stays with the mouse
    desk.begin();

    desk.mouse->setProfile(2);
    desk.mouse->pressKey(12);
    desk.mouse->releaseKey(12);
    desk.waitForReports(2);

    EXPECT_EQ(desk.model.read([](const Settings& s) { return s.currentProfile; }), 2);
    EXPECT_EQ(desk.store.readCurrentProfile(), 2);
    const std::vector<Sent> handOver{keyFunction(3, 0), keyFunction(4, 0), keyFunction(6, 0)};
    // Press and release both carry the switch.
    EXPECT_EQ(writtenAll(desk.commands()), joined(handOver, handOver));
    EXPECT_FALSE(desk.state().toggledMacroRunning());
}

TEST(DeviceThreads, WithSoftHardMacZeroOnlyConsumerProfileDpiKeysAndTheHostPressAreHandled) {
    ThreadsOnDesk desk;
    desk.config.settings.shared.softHardMac = 0;
    desk.config.sources.groups = {{tap(0x04, 10)}};
    desk.button(0, 2).function = 256;  // a macro
    desk.button(0, 3).function = 25;   // consumer key
    desk.button(0, 4).function = 18;   // host-notified
    desk.button(0, 5).function = 33;   // key combination
    desk.config.settings.macroCopies[0][5] = tap(0x06, 5);
    desk.begin();

    desk.mouse->pressKey(3);
    desk.waitForPresses(1);
    desk.mouse->releaseKey(3);
    desk.mouse->pressKey(6);
    desk.waitForPresses(2);
    desk.mouse->releaseKey(6);
    desk.mouse->pressKey(5);
    desk.waitForPresses(3);
    desk.mouse->adjust(true);
    desk.mouse->releaseKey(5);
    desk.mouse->switchProfile(2);  // ignored: only profile keys are followed
    desk.mouse->pressKey(4);
    desk.waitForPresses(4);
    desk.mouse->releaseKey(4);
    desk.waitForReports(10);

    EXPECT_EQ(writtenAll(desk.commands()), (std::vector<Sent>{hostButton(true), consumer(0x018A)}));
    EXPECT_EQ(desk.model.read([](const Settings& s) { return s.currentProfile; }), 0);
    EXPECT_EQ(desk.state().buffer().record().extraB, 0);
    EXPECT_EQ(desk.config.sources.writeCount(), 0);
}

TEST(DeviceThreads, AKeyCombinationPlaysTheProfilesCopyOnce) {
    ThreadsOnDesk desk;
    desk.button(0, 6).function = 33;
    MacroRecord ctrlC;
    ctrlC.mode = 0;
    ctrlC.repeatCount = 5;  // a combination plays once whatever its record says
    ctrlC.steps[0] = {stepkind::kPress, 0xE0, 0, 0, 5};
    ctrlC.steps[1] = {stepkind::kPress, 0x06, 0, 0, 5};
    ctrlC.steps[2] = {stepkind::kRelease, 0x06, 0, 0, 5};
    ctrlC.steps[3] = {stepkind::kRelease, 0xE0, 0, 0, 5};
    ctrlC.stepCount = 4;
    desk.config.settings.macroCopies[0][6] = ctrlC;
    desk.begin();

    desk.mouse->pressKey(7);
    desk.waitForPresses(1);
    EXPECT_EQ(writtenAll(desk.commands()),
              joined({keyList({0xE0}), keyList({0xE0, 0x06}), keyList({0xE0}), keyList({})},
                     releaseAll()));
}

TEST(DeviceThreads, ABuiltInMacroIsPlayedWithTheKeyCodesItHolds) {
    ThreadsOnDesk desk;
    desk.config.sources.constants = {tap(0x04, 5), tap(0x2C, 5)};
    desk.button(0, 2).function = 42;
    desk.begin();
    desk.mouse->pressKey(3);
    desk.waitForPresses(1);
    EXPECT_EQ(writtenAll(desk.commands()), joined({keyList({0x2C}), keyList({})}, releaseAll()));
}

TEST(DeviceThreads, AMacroRepeatsItsRepeatCountAndMouseButtonStepsWaitSixtyToEightyNineMs) {
    ThreadsOnDesk desk;
    MacroRecord clicks = tap(0xF1, 10);
    clicks.repeatCount = 20;
    desk.config.sources.groups = {{clicks}};
    desk.button(0, 2).function = 256;
    desk.begin();

    desk.mouse->pressKey(3);
    desk.waitForPresses(1);
    const auto times = desk.timesOf(0x16);
    ASSERT_EQ(times.size(), 41u);  // 20 clicks of two steps, and release-all
    std::vector<std::int64_t> gaps;
    for (std::size_t i = 1; i < 40; ++i) {
        gaps.push_back(std::chrono::duration_cast<milliseconds>(times[i] - times[i - 1]).count());
        EXPECT_GE(gaps.back(), 60);
        EXPECT_LE(gaps.back(), 89);
    }
    EXPECT_NE(*std::min_element(gaps.begin(), gaps.end()),
              *std::max_element(gaps.begin(), gaps.end()));
}

TEST(DeviceThreads, TheMacroLightLendsAKeysMacroToTheLeftButtonUntilTheKeyIsPressedAgain) {
    ThreadsOnDesk desk;
    Settings& s = desk.config.settings;
    s.shared.colourCycleMask = 0x3F;
    s.shared.ledType = 2;
    s.shared.ledCycleTime = 3;
    s.shared.ledBrightness = 5;
    s.macroColour[4] = 3;
    desk.config.sources.groups = {{tap(0x05, 5)}};
    desk.button(0, 0).function = 1;
    desk.button(0, 4).function = 256;
    desk.button(0, 4).leftMac = 1;
    desk.begin();

    desk.mouse->pressKey(5);  // lights the macro colour, plays nothing
    desk.waitForPresses(1);
    EXPECT_TRUE(desk.state().toggledMacroRunning());
    desk.mouse->releaseKey(5);
    desk.mouse->pressKey(1);  // the left button plays key 5's macro
    desk.waitForPresses(2);
    desk.mouse->releaseKey(1);
    desk.mouse->pressKey(5);  // back to the stored lighting and the left button's function
    desk.waitForPresses(3);
    EXPECT_FALSE(desk.state().toggledMacroRunning());

    const Sent ownLight{0x13, 0x80 | 0x08, 0x14, 0x07, 0x05, 0x00, 0x02};
    const Sent storedLight{0x13, 0x80 | 0x3F, 0x80 | 0x20 | 0x03, 0x07, 0x05, 0x00, 0x02};
    EXPECT_EQ(writtenAll(desk.commands()),
              joined(joined({keyFunction(1, 0), ownLight, keyList({5}), keyList({})}, releaseAll()),
                     {keyFunction(1, 1), storedLight}));
}

TEST(DeviceThreads, TheAdjustmentMadeWhileAHostKeyIsHeldGoesBackToTheFetchedGroupMacro) {
    ThreadsOnDesk desk;
    MacroRecord recoil = tap(0x04, 5);
    recoil.extraB = 5;
    desk.config.sources.groups = {{tap(0x07, 5), recoil}};
    desk.button(0, 2).function = 257;  // group 0, macro 1
    desk.button(0, 3).function = 18;
    desk.begin();

    desk.mouse->pressKey(3);
    desk.waitForPresses(1);
    desk.mouse->releaseKey(3);
    desk.mouse->pressKey(4);
    desk.waitForPresses(2);
    for (const bool up : {true, true, true, false})
        desk.mouse->adjust(up);
    // Meanwhile the macro editor changes the same macro: the edit must survive.
    MacroRecord edited = recoil;
    edited.repeatCount = 3;
    ASSERT_TRUE(desk.config.sources.writeGroupMacro(0, 1, edited));
    desk.mouse->releaseKey(4);
    desk.waitForReports(8);

    EXPECT_EQ(writtenAll(desk.commands()), joined(joined({keyList({4}), keyList({})}, releaseAll()),
                                                  {hostButton(true), hostButton(false)}));
    EXPECT_EQ(desk.config.sources.writeCount(), 2);
    const MacroRecord stored = desk.config.sources.groupMacro(0, 1);
    EXPECT_EQ(stored.repeatCount, 3);
    EXPECT_EQ(stored.extraA, 1);
    EXPECT_EQ(stored.extraB, 7);
    EXPECT_EQ(desk.config.sources.groupMacro(0, 0), tap(0x07, 5));
}

TEST(DeviceThreads, BeforeAnyFetchTheAdjustmentGoesToMacroZeroOfGroupZero) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{tap(0x07, 5)}};
    desk.button(0, 3).function = 18;
    desk.begin();
    desk.mouse->pressKey(4);
    desk.mouse->adjust(true);
    desk.mouse->adjust(false);
    desk.mouse->adjust(false);  // never below 0
    desk.mouse->adjust(true);
    desk.mouse->releaseKey(4);
    desk.waitForReports(6);
    const MacroRecord stored = desk.config.sources.groupMacro(0, 0);
    EXPECT_EQ(stored.extraA, 1);
    EXPECT_EQ(stored.extraB, 1);
}

TEST(DeviceThreads, APresetInTheBufferIsNeverWrittenOverAGroupMacro) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{tap(0x07, 5)}};
    desk.config.sources.presets = {tap(0x09, 5)};
    desk.button(0, 2).function = 50;
    desk.button(0, 3).function = 18;
    desk.begin();

    desk.mouse->pressKey(3);
    desk.waitForPresses(1);
    desk.mouse->releaseKey(3);
    desk.mouse->pressKey(4);
    desk.mouse->adjust(true);
    desk.mouse->releaseKey(4);
    desk.waitForReports(5);
    EXPECT_EQ(desk.config.sources.writeCount(), 0);
    EXPECT_EQ(desk.config.sources.groupMacro(0, 0), tap(0x07, 5));
    EXPECT_EQ(desk.state().buffer().record().extraB, 1);
}

TEST(DeviceThreads, TheReleaseOfADpiKeySetsTheDpiLevelItCarries) {
    ThreadsOnDesk desk;
    desk.button(0, 5).function = 16;  // device function 11: a DPI key
    desk.button(0, 2).function = 5;
    desk.begin();

    desk.mouse->setDpiLevel(4);
    desk.mouse->pressKey(6);
    desk.mouse->releaseKey(6);
    ASSERT_TRUE(karvo::testing::waitUntil([&] { return desk.state().dpiLevel() == 4; }));
    EXPECT_EQ(desk.model.read([](const Settings& s) { return s.shared.dpiLevel; }), 4);
    EXPECT_EQ(ini::readString(desk.store.configFile(), "ShareData", "DPI_LEVEL", "", 5), "4");
    EXPECT_EQ(desk.repaint.count, 1);

    // Another key's release carries a level too, but only a DPI key's is followed.
    desk.mouse->setDpiLevel(1);
    desk.mouse->pressKey(3);
    desk.mouse->releaseKey(3);
    desk.waitForReports(4);
    desk.threads->stop();  // the playback thread finishes what was handed to it
    EXPECT_EQ(desk.state().dpiLevel(), 4);
    EXPECT_EQ(desk.model.read([](const Settings& s) { return s.shared.dpiLevel; }), 4);
}

TEST(DeviceThreads, AGroupMacroBeyondItsGroupPlaysNothingAndFreesThePress) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{tap(0x04, 5)}};
    desk.button(0, 3).function = 24;
    desk.begin();
    // Set after the download, which would have replaced it by 0.
    desk.model.edit([](Settings& s) { s.profiles[0].buttons[2].function = 256 + 5; });

    desk.mouse->pressKey(3);
    desk.waitForPresses(1);
    desk.mouse->releaseKey(3);
    desk.mouse->pressKey(4);
    desk.waitForPresses(2);
    EXPECT_EQ(writtenAll(desk.commands()), (std::vector<Sent>{consumer(0x0183)}));
}

TEST(DeviceThreads, AKeyNoButtonReachesMovesOnlyTheFlags) {
    ThreadsOnDesk desk;
    desk.begin();
    desk.mouse->pressKey(15);
    desk.waitForPresses(1);
    EXPECT_TRUE(desk.state().held());
    desk.mouse->releaseKey(15);
    desk.waitForReports(2);
    EXPECT_FALSE(desk.state().held());
    EXPECT_TRUE(desk.commands().empty());
}

TEST(DeviceThreads, AfterTheMouseLeftAPlayingMacroEndsWithoutSendingAnythingMore) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{tap(0x04, 10, /*mode=*/2)}};
    desk.button(0, 2).function = 256;
    desk.begin();
    desk.clock.setFreeRunning(false);

    desk.mouse->pressKey(3);
    ASSERT_TRUE(desk.clock.advance());
    ASSERT_TRUE(desk.clock.nextSleeper());
    desk.threads->suspend();
    ASSERT_TRUE(desk.clock.advance());
    desk.waitForPresses(1);
    EXPECT_EQ(writtenAll(desk.commands()), (std::vector<Sent>{keyList({4}), keyList({})}));

    desk.mouse->pressKey(3);  // not read while suspended
    desk.clock.setFreeRunning(true);
    desk.threads->stop();
    EXPECT_EQ(desk.state().reportsHandled(), 1u);
    EXPECT_EQ(desk.commands().size(), 2u);
}

TEST(DeviceThreads, StopCutsALongStepDelayShortAndLetsGoOfTheHeldKeys) {
    ThreadsOnDesk desk;
    desk.config.sources.groups = {{tap(0x04, 60000, /*mode=*/2)}};
    desk.button(0, 2).function = 256;
    desk.begin();
    desk.clock.setFreeRunning(false);

    desk.mouse->pressKey(3);
    ASSERT_TRUE(desk.clock.nextSleeper());
    const Clock::time_point pressed = desk.clock.now();
    desk.threads->requestStop();
    std::atomic<bool> stopped{false};
    std::thread stopper([&] {
        desk.threads->stop();
        stopped = true;
    });
    while (!stopped) {
        if (desk.clock.nextSleeper(milliseconds(20)))
            desk.clock.advance();
    }
    stopper.join();
    EXPECT_EQ(writtenAll(desk.commands()), joined({keyList({4})}, releaseAll()));
    // One wait slice, then release-all's two pauses.
    EXPECT_EQ(desk.clock.now() - pressed, MacroPlayer::kWaitSlice + milliseconds(20));
}

}  // namespace
}  // namespace karvo::device
