// Sound-reactive lighting from the main window's side, on the emulated mouse: the opener reads
// the mouse's DPI level, WM_SOUND_LIGHT_DONE restores the user's lighting, and the user's whole
// path through the window: the lighting page's entry, the dialog's switch, the effect's reports,
// the switch-off and the restore, and the effect's end before the closing report.
#include "app/sound_lighting.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/ckarvo_gmousedlg.h"
#include "app/window_messages.h"
#include "fake_sound_host.h"
#include "fake_window.h"
#include "skin_fixture.h"
#include "sound_dialog_driver.h"
#include "temp_dir.h"
#include "tests/device/mouse_on_desk.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace li = skin::lighting;
namespace sw = skin::sound;
using Bytes = std::vector<std::uint8_t>;

class CopyOnlyThreads final : public DeviceThreads {
  public:
    void start(const DeviceThreadContext&) override {}
    void suspend() override {}
    void stop() override {}
    int dpiLevelCopy() const override { return copy; }
    void setDpiLevelCopy(int level) override { copy = level; }
    std::atomic<int> copy{-1};
};

struct SoundLightingFixture {
    SoundLightingFixture() {
        desk.attach();
        skin = testing::soundSkinIn(dir, "[ShareData]\r\nDPI_LEVEL=2\r\nSoundWaveMode=4\r\n");
        settings.edit([](Settings& s) {
            s.shared.dpiLevel = 5;  // chosen in the window, not applied
            s.shared.ledType = 3;
            s.shared.ledCycleTime = 4;
            s.shared.colourCycleMask = 0x55;
            s.shared.ledBrightness = 2;
            s.shared.ledDirection = 1;
            s.shared.dpi[2].colour = {1, 2, 3};
            s.shared.dpi[5].colour = {9, 9, 9};
        });
    }

    std::vector<sim::EmulatedMouse::LiveCommand> commands(std::uint8_t code) const {
        std::vector<sim::EmulatedMouse::LiveCommand> out;
        for (const auto& c : desk.mouse->liveCommands()) {
            if (c.code == code)
                out.push_back(c);
        }
        return out;
    }

    testing::TempDir dir;
    testing::MouseOnDesk desk;
    testing::FakeSoundHost host;
    testing::RecordingQueue queue;
    RecordingNotifier notifier;
    SettingsModel settings;
    CopyOnlyThreads threads;
    SoundWave::Skin skin;
    SoundLighting sound{{host, queue, notifier, desk.link, settings, desk.clock, threads,
                         [] { return std::make_unique<testing::ScriptedPeakMeter>(); },
                         [](std::string_view) {}, [this] { return skin; }}};
};

TEST(SoundLighting, OpeningReadsTheMousesDpiLevelForTheColourCommand) {
    SoundLightingFixture f;
    const Bytes state = {0x18 + 4, 0x3F, 6, 0, 0x91, 0xFF, 7, 0};
    f.desk.mouse->setMemory(24, state);
    f.sound.open();
    EXPECT_EQ(f.threads.copy, 4);
    EXPECT_TRUE(f.host.visible);
    EXPECT_TRUE(f.desk.mouse->protocolErrors().empty());
    f.sound.end();
}

TEST(SoundLighting, WithoutAMouseTheSettingsNameTheLevel) {
    SoundLightingFixture f;
    testing::MouseOnDesk unplugged;  // a link without handles
    SoundLighting sound{{f.host,
                         f.queue,
                         f.notifier,
                         unplugged.link,
                         f.settings,
                         f.desk.clock,
                         f.threads,
                         {},
                         {},
                         [&f] { return f.skin; }}};
    sound.open();
    EXPECT_EQ(f.threads.copy, -1);
    EXPECT_TRUE(sound.dialog().created());
    sound.end();
}

TEST(SoundLighting, TheRestoreSendsTheStoredLightingThenTheAppliedDpiColour) {
    SoundLightingFixture f;
    f.desk.mouse->setMemory(24, Bytes{0x18 + 1, 0, 0, 0, 0, 0, 0, 0});
    const int refreshes = f.desk.mouse->refreshCount();
    f.sound.restoreLighting();
    EXPECT_EQ(f.threads.copy, 1);
    const auto lighting = f.commands(0x13);
    ASSERT_EQ(lighting.size(), 1u);
    // Mask 0x55 with the enable bit; b = 1, type 3, f = 0, speed 4; direction 1, level 7;
    // brightness 2; v = 0x4002.
    EXPECT_EQ(lighting[0].args, (std::array<std::uint8_t, 6>{0xD5, 0xB4, 0x17, 0x02, 0x00, 0x02}));
    // The level config.ini holds (2), with its colour; the unapplied 5 is not sent and stays.
    const auto colour = f.commands(0x14);
    ASSERT_EQ(colour.size(), 1u);
    EXPECT_EQ(colour[0].args[0], 2 * 32 + 2);
    EXPECT_EQ(colour[0].args[1], 1 * 16 + 3);
    EXPECT_EQ(f.desk.mouse->refreshCount(), refreshes + 1);
    EXPECT_EQ(f.settings.snapshot().shared.dpiLevel, 5);

    // 2 ms between the lighting and the colour.
    std::vector<std::chrono::nanoseconds> at;
    for (const auto& r : f.desk.mouse->reports()) {
        if (r.kind == sim::EmulatedMouse::LoggedReport::Kind::Set &&
            (r.bytes[1] == 0x13 || r.bytes[1] == 0x14))
            at.push_back(r.at);
    }
    ASSERT_EQ(at.size(), 2u);
    EXPECT_EQ(at[1] - at[0], std::chrono::milliseconds(2));
    EXPECT_TRUE(f.desk.mouse->protocolErrors().empty());
}

TEST(SoundLighting, ALevelTheFileCannotHoldFallsBackToTheSettings) {
    SoundLightingFixture f;
    f.dir.write("config.ini", "[ShareData]\r\nDPI_LEVEL=9\r\n");
    f.sound.restoreLighting();
    const auto colour = f.commands(0x14);
    ASSERT_EQ(colour.size(), 1u);
    EXPECT_EQ(colour[0].args[0], 5 * 32 + 9);
}

// --- through the main window ------------------------------------------------------------

struct WindowWithSound : SoundLightingFixture {
    WindowWithSound() { dlg.setSoundLighting(&sound); }
    std::pair<int, int> centre(const SkinLayout& t, int i) const {
        const SkinRect& r = t.rect(i);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    void clickWindow(const SkinLayout& t, int i) {
        const auto [x, y] = centre(t, i);
        dlg.onMouseMove(x, y);
        dlg.onLeftDown(x, y);
        dlg.onLeftUp(x, y);
    }
    void clickDialog(int entry) { testing::pressEntry(sound.dialog(), soundLayout, entry); }
    bool commandsArrive(std::size_t count) const {
        return testing::commandsArrive(*desk.mouse, count);
    }

    testing::ShippedSkin shipped;
    testing::FakeWindow window;
    testing::ScriptedRunner runner;
    WarningDlg warning{runner, queue, {}};
    SkinLayout soundLayout = testing::shippedSoundLayout();
    CKarvo_GMouseDlg dlg{
        {shipped.skin, settings, window, queue, warning, &desk.link, nullptr}, shipped.pictures, 8};
};

TEST(SoundLighting, TheUsersPathFromTheLightingPageToTheRestoredLighting) {
    WindowWithSound f;
    f.dlg.showPage(Page::Lighting);
    ASSERT_NE(f.shipped.skin.lighting().rect(li::kSoundLighting).width, 0);
    f.clickWindow(f.shipped.skin.lighting(), li::kSoundLighting);
    ASSERT_TRUE(f.sound.dialog().created());
    EXPECT_EQ(f.sound.dialog().mode(), 4);

    // On: every beat of mode 4 becomes a lighting report.
    f.clickDialog(sw::kOnOff);
    f.sound.dialog().onTimer(SoundWave::kSampleTimer);
    f.sound.dialog().onTimer(SoundWave::kBeatTimer);
    ASSERT_TRUE(f.commandsArrive(1));
    EXPECT_EQ(f.desk.mouse->liveCommands()[0].code, 0x13);
    EXPECT_EQ(f.desk.mouse->liveCommands()[0].args[1], 0xC0) << "level 0: type 4, symmetry";

    // Off: after the delay the dialog posts WM_SOUND_LIGHT_DONE and the window restores.
    f.clickDialog(sw::kOnOff);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (f.sound.dialog().effect().stepping() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    f.sound.dialog().onTimer(SoundWave::kDoneTimer);
    ASSERT_EQ(f.queue.posted.size(), 1u);
    EXPECT_EQ(f.queue.posted[0], (WindowMessage{msg::WM_SOUND_LIGHT_DONE, 1, 0}));
    const auto before = f.desk.mouse->liveCommands().size();
    const int refreshes = f.desk.mouse->refreshCount();
    f.dlg.onMessage(f.queue.posted[0]);
    const auto after = f.desk.mouse->liveCommands();
    ASSERT_EQ(after.size(), before + 2);
    EXPECT_EQ(after[before].code, 0x13);
    EXPECT_EQ(after[before].args[1], 0xB4) << "the stored effect, b set";
    EXPECT_EQ(after[before + 1].code, 0x14);
    EXPECT_EQ(f.desk.mouse->refreshCount(), refreshes + 1);
    EXPECT_TRUE(f.desk.mouse->protocolErrors().empty());
}

TEST(SoundLighting, TheEntryActsOnlyWhileTheLightsAreOn) {
    WindowWithSound f;
    f.settings.edit([](Settings& s) { s.shared.modeLight = 1; });
    f.dlg.showPage(Page::Lighting);
    f.clickWindow(f.shipped.skin.lighting(), li::kSoundLighting);
    EXPECT_FALSE(f.sound.dialog().created());
}

TEST(SoundLighting, TheWindowsEndStopsTheEffectBeforeTheClosingReport) {
    WindowWithSound f;
    f.dlg.showPage(Page::Lighting);
    f.clickWindow(f.shipped.skin.lighting(), li::kSoundLighting);
    f.clickDialog(sw::kOnOff);
    f.dlg.shutdown();
    EXPECT_EQ(f.host.calls.back(), "close");
    // A beat after the end finds no effect thread: the closing report stays the last one.
    f.sound.dialog().effect().setBeat();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto sets = f.desk.sets();
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(sets.back()[1], 0x20);
}

}  // namespace
}  // namespace karvo
