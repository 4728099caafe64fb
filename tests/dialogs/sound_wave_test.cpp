// The sound-reactive lighting dialog with a recording host, a scripted peak meter and the
// emulated mouse: its opening, sampling and beat timers, the entries, the switch-off message
// to the main window, the save, and the paint of the bars.
#include "ui/dialogs/sound_wave.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "app/window_messages.h"
#include "fake_sound_host.h"
#include "fake_window.h"
#include "platform/private_profile.h"
#include "recording_canvas.h"
#include "sound_dialog_driver.h"
#include "temp_dir.h"
#include "tests/device/mouse_on_desk.h"
#include "tests/device/stepped_clock.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace sw = skin::sound;
using std::chrono::milliseconds;
using testing::RecordingCanvas;

constexpr const char* kDefaultConfig =
    "[ShareData]\r\nDPI_LEVEL=3\r\nSoundWaveMode=2\r\nSoundSpeaker=12\r\nSoundMicroph=-3\r\n"
    "SoundBright2=7\r\nWaveShowStatu=0\r\n";

struct SoundFixture {
    explicit SoundFixture(const std::string& config = kDefaultConfig, Clock* clock = nullptr)
        : effectClock(clock ? *clock : desk.clock) {
        desk.attach();
        skin = testing::soundSkinIn(dir, config);
    }
    ~SoundFixture() { dlg.end(); }

    std::pair<int, int> centre(int entry) const {
        const SkinRect r = layout.rect(entry);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    void press(int entry) { testing::pressEntry(dlg, layout, entry); }
    std::string key(std::string_view name) const {
        return ini::readString(dir / "config.ini", "ShareData", name, "<none>", 64);
    }
    bool commandsArrive(std::size_t count) const {
        return testing::commandsArrive(*desk.mouse, count);
    }

    testing::TempDir dir;
    testing::MouseOnDesk desk;
    Clock& effectClock;
    testing::FakeSoundHost host;
    testing::RecordingQueue queue;
    RecordingNotifier notifier;
    testing::ScriptedPeakMeter* meter = nullptr;
    int metersMade = 0;
    SoundWave::Skin skin;
    SkinLayout layout = testing::shippedSoundLayout();
    SoundWave dlg{{host, queue, notifier, desk.link, effectClock,
                   [this] {
                       ++metersMade;
                       auto m = std::make_unique<testing::ScriptedPeakMeter>();
                       meter = m.get();
                       return m;
                   },
                   [] { return 2; }, [](std::string_view) {}}};
};

TEST(SoundWave, TheFirstOpeningStartsItsTimersMeterAndEffectAndIsCentred) {
    SoundFixture f("[ShareData]\r\nSoundWaveMode=4\r\nSoundSpeaker=12\r\nWaveShowStatu=1\r\n");
    EXPECT_FALSE(f.dlg.created());
    ASSERT_TRUE(f.dlg.open(f.skin));
    EXPECT_TRUE(f.dlg.created());
    EXPECT_EQ(f.host.shownAt, (SkinRect{700, 370, 520, 340}));
    EXPECT_EQ(f.host.timers,
              (std::map<int, milliseconds>{
                  {1, milliseconds(96)}, {2, milliseconds(480)}, {3, milliseconds(480)}}));
    EXPECT_EQ(f.metersMade, 1);
    EXPECT_EQ(f.dlg.mode(), 4);
    EXPECT_TRUE(f.dlg.effectOn());

    // Hidden and opened again: the same dialog, shown where it was, nothing made anew.
    f.host.hide();
    ASSERT_TRUE(f.dlg.open(f.skin));
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"show", "hide", "show again"}));
    EXPECT_EQ(f.metersMade, 1);
}

TEST(SoundWave, AFileWithoutItsKeysStartsOffInTheFirstMode) {
    SoundFixture f("[ShareData]\r\nDPI_LEVEL=1\r\n");
    ASSERT_TRUE(f.dlg.open(f.skin));
    EXPECT_EQ(f.dlg.mode(), 2);
    EXPECT_FALSE(f.dlg.effectOn());
    SoundFixture g("[ShareData]\r\nSoundWaveMode=9\r\n");
    ASSERT_TRUE(g.dlg.open(g.skin));
    EXPECT_EQ(g.dlg.mode(), 2) << "a mode this program does not know";
}

TEST(SoundWave, AMissingLayoutFileIsToldAndNothingOpens) {
    SoundFixture f;
    std::filesystem::remove(f.dir / "lang/skin_sound.ini");
    EXPECT_FALSE(f.dlg.open(f.skin));
    EXPECT_FALSE(f.dlg.created());
    EXPECT_TRUE(f.host.calls.empty());
    EXPECT_TRUE(f.host.timers.empty());
    EXPECT_EQ(f.metersMade, 0);
    ASSERT_EQ(f.notifier.notices.size(), 1u);
    EXPECT_EQ(f.notifier.notices[0].text, kMissingFileText);
}

TEST(SoundWave, EverySampleTimerTakesOnePeakIntoTheHistoryAndTheLevel) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    for (const float p : {0.0f, 0.5f, 0.505f, 0.62f})
        f.meter->push(p);
    for (int i = 0; i < 4; ++i)
        f.dlg.onTimer(SoundWave::kSampleTimer);
    const auto& h = f.dlg.levels().history();
    EXPECT_EQ((std::vector<int>{h[0], h[1], h[2], h[3], h[4]}),
              (std::vector<int>{62, 50, 50, 0, 0}));
    EXPECT_EQ(f.dlg.effect().newest(), 62);
    EXPECT_EQ(f.dlg.effect().level(), f.dlg.levels().level());
    EXPECT_EQ(f.host.invalidated, 4);
}

TEST(SoundWave, TheBeatTimersServeTheirModes) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    struct Case {
        int mode;
        int timer;
        bool beat;
    };
    const Case cases[] = {{2, 2, false}, {2, 3, true}, {3, 2, true},
                          {3, 3, false}, {4, 2, true}, {4, 3, false}};
    for (const Case& c : cases) {
        f.press(sw::kModeFirst + c.mode - 2);
        f.dlg.effect().takeBeat();
        f.dlg.onTimer(c.timer);
        EXPECT_EQ(f.dlg.effect().beat(), c.beat) << "mode " << c.mode << " timer " << c.timer;
    }
}

TEST(SoundWave, TheEntriesChooseTheModeAndSwitchTheEffect) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    f.press(sw::kModeFirst + 1);
    EXPECT_EQ(f.dlg.mode(), 3);
    f.press(sw::kModeFirst);
    EXPECT_EQ(f.dlg.mode(), 2);
    EXPECT_EQ(f.key("SoundWaveMode"), "2") << "a choice is kept in memory until saved";

    f.press(sw::kOnOff);
    EXPECT_TRUE(f.dlg.effectOn());
    EXPECT_FALSE(f.host.running(SoundWave::kDoneTimer));
    f.press(sw::kOnOff);
    EXPECT_FALSE(f.dlg.effectOn());
    // The main window hears of it 250 ms later, not at once.
    EXPECT_TRUE(f.queue.posted.empty());
    EXPECT_EQ(f.host.timers.at(SoundWave::kDoneTimer), milliseconds(250));
    f.dlg.onTimer(SoundWave::kDoneTimer);
    EXPECT_EQ(f.queue.posted, (std::vector<WindowMessage>{{msg::WM_SOUND_LIGHT_DONE, 1, 0}}));
    EXPECT_FALSE(f.host.running(SoundWave::kDoneTimer));

    // Off and on again within the 250 ms: the effect has the lights, nothing to restore.
    f.queue.posted.clear();
    f.press(sw::kOnOff);  // on
    f.press(sw::kOnOff);  // off
    ASSERT_TRUE(f.host.running(SoundWave::kDoneTimer));
    f.press(sw::kOnOff);  // on again
    EXPECT_TRUE(f.dlg.effectOn());
    EXPECT_FALSE(f.host.running(SoundWave::kDoneTimer));
    f.dlg.onTimer(SoundWave::kDoneTimer);  // a tick already queued when it was stopped
    EXPECT_TRUE(f.queue.posted.empty());
}

TEST(SoundWave, ThePressOnItsBackgroundDragsItAndTheBarsAreNeverHot) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    f.dlg.onLeftDown(5, 330);
    EXPECT_EQ(f.host.calls.back(), "move");
    const auto [x, y] = f.centre(sw::kBarFirst + 4);
    f.dlg.onMouseMove(x, y);
    EXPECT_EQ(f.dlg.hot(), NO_ITEM);
    f.dlg.onLeftDown(x, y);
    EXPECT_EQ(f.host.calls.back(), "move");
}

TEST(SoundWave, TheRestoreWaitsForTheStepInProgress) {
    testing::SteppedClock clock;
    clock.setFreeRunning(false);
    SoundFixture f(kDefaultConfig, &clock);
    ASSERT_TRUE(f.dlg.open(f.skin));
    f.press(sw::kOnOff);  // on, mode 2
    f.dlg.effect().setLevel(3, 50);
    f.dlg.onTimer(SoundWave::kPulseBeatTimer);
    ASSERT_TRUE(clock.nextSleeper().has_value()) << "the pulse is in its first pause";
    ASSERT_TRUE(f.dlg.effect().stepping());

    f.press(sw::kOnOff);  // off while the step waits
    f.dlg.onTimer(SoundWave::kDoneTimer);
    EXPECT_TRUE(f.queue.posted.empty());
    EXPECT_EQ(f.host.timers.at(SoundWave::kDoneTimer), milliseconds(20));

    // The step ends (its next check sees the switch-off), then the message goes.
    clock.setFreeRunning(true);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (f.dlg.effect().stepping() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(milliseconds(1));
    f.dlg.onTimer(SoundWave::kDoneTimer);
    EXPECT_EQ(f.queue.posted, (std::vector<WindowMessage>{{msg::WM_SOUND_LIGHT_DONE, 1, 0}}));
    const auto commands = f.desk.mouse->liveCommands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back().args[1], 0x11) << "the last report is the switch-off one";
}

TEST(SoundWave, SaveWritesTheChoiceKeepsTheOtherKeysAndOnlyHides) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    f.press(sw::kModeFirst + 2);  // mode 4
    f.press(sw::kOnOff);          // on
    // Another program changes the file meanwhile; its change must survive the save.
    ASSERT_TRUE(ini::writeString(f.dir / "config.ini", "ShareData", "DPI_LEVEL", "5"));
    f.press(sw::kSave);
    EXPECT_EQ(f.key("SoundWaveMode"), "4");
    EXPECT_EQ(f.key("SoundSpeaker"), "12");
    EXPECT_EQ(f.key("SoundMicroph"), "-3");
    EXPECT_EQ(f.key("SoundBright2"), "7");
    EXPECT_EQ(f.key("WaveShowStatu"), "1");
    EXPECT_EQ(f.key("DPI_LEVEL"), "5");
    EXPECT_FALSE(f.host.visible);
    EXPECT_TRUE(f.notifier.notices.empty());

    // Hidden, the dialog still samples and the effect still plays on the beat.
    f.meter->push(0.6f);
    f.dlg.onTimer(SoundWave::kSampleTimer);
    f.dlg.onTimer(SoundWave::kBeatTimer);
    ASSERT_TRUE(f.commandsArrive(1));
    EXPECT_EQ(f.desk.mouse->liveCommands()[0].code, 0x13);

    // Saved while off, the file says off: the next start does not switch it on again.
    f.press(sw::kOnOff);
    f.press(sw::kSave);
    EXPECT_EQ(f.key("WaveShowStatu"), "0");
}

TEST(SoundWave, AnUnwritableFileIsTold) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    std::filesystem::remove(f.dir / "config.ini");
    std::filesystem::create_directory(f.dir / "config.ini");  // a folder where the file was
    f.press(sw::kSave);
    ASSERT_EQ(f.notifier.notices.size(), 1u);
    EXPECT_NE(f.notifier.notices[0].text.find("could not be saved"), std::string::npos);
}

std::vector<SkinRect> barCopies(const RecordingCanvas& c, const SkinLayout& layout) {
    std::vector<SkinRect> out;
    for (const SkinRect& r : c.copiesFrom("sound_down.jpg")) {
        for (int i = 0; i < sw::kBars; ++i) {
            const SkinRect& bar = layout.rect(sw::kBarFirst + i);
            if (r.x == bar.x && r.width == bar.width)
                out.push_back(r);
        }
    }
    return out;
}

TEST(SoundWave, SilenceDrawsThinBarsAndSoundDrawsTheHistoryWhileOn) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    const SkinRect first = f.layout.rect(sw::kBarFirst);  // 30, 144, 9, 124
    RecordingCanvas silent;
    f.dlg.paint(silent);
    auto bars = barCopies(silent, f.layout);
    ASSERT_EQ(bars.size(), 36u);
    EXPECT_EQ(bars[0], (SkinRect{first.x, first.y + 61, 9, 2}));

    for (const float p : {0.2f, 0.1f, 0.4f, 0.3f, 0.5f, 0.35f, 0.2f, 0.6f, 1.0f})
        f.meter->push(p);
    for (int i = 0; i < 9; ++i)
        f.dlg.onTimer(SoundWave::kSampleTimer);
    ASSERT_GT(f.dlg.levels().level(), 0);
    RecordingCanvas offButLoud;
    f.dlg.paint(offButLoud);
    EXPECT_EQ(barCopies(offButLoud, f.layout)[0].height, 2) << "thin while the effect is off";

    f.press(sw::kOnOff);
    RecordingCanvas loud;
    f.dlg.paint(loud);
    bars = barCopies(loud, f.layout);
    ASSERT_EQ(bars.size(), 36u);
    // Newest first, capped at 99: height 124 x 99 / 100 = 122, centred.
    EXPECT_EQ(bars[0], (SkinRect{first.x, first.y + 1, 9, 122}));
    // The second bar shows 0.6: 124 x 60 / 100 = 74.
    EXPECT_EQ(bars[1].height, 74);
    EXPECT_EQ(bars[1].y, first.y + (124 - 74) / 2);
    EXPECT_EQ(bars[35].height, 0) << "no sample that old yet";
}

TEST(SoundWave, ThePaintShowsTheModeTheSwitchAndTheHotEntry) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    const auto [x, y] = f.centre(sw::kModeFirst + 2);
    f.dlg.onMouseMove(x, y);
    RecordingCanvas c;
    f.dlg.paint(c);
    EXPECT_EQ(c.ops.front().picture, "sound_normal.jpg");
    EXPECT_TRUE(c.copied("sound_down.jpg", f.layout.rect(sw::kModeFirst)));
    EXPECT_TRUE(c.copied("sound_over.jpg", f.layout.rect(sw::kModeFirst + 2)));
    EXPECT_TRUE(c.copied("sound_over.jpg", f.layout.rect(sw::kOnOff))) << "off: over look";
    std::vector<std::string> texts;
    for (const auto& op : c.ofKind(RecordingCanvas::Op::Kind::Text))
        texts.push_back(op.picture);
    EXPECT_EQ(texts, (std::vector<std::string>{"Sound-reactive lighting", "Effect", "Pulse",
                                               "Colour flow", "Beat", "Effect on", "Save"}));

    f.dlg.onLeftDown(x, y);  // mode 4 now: its down look, and mode 2 loses its own
    f.dlg.onLeftUp(x, y);
    f.press(sw::kOnOff);
    RecordingCanvas d;
    f.dlg.paint(d);
    EXPECT_TRUE(d.copied("sound_down.jpg", f.layout.rect(sw::kModeFirst + 2)));
    EXPECT_FALSE(d.copied("sound_down.jpg", f.layout.rect(sw::kModeFirst)));
    EXPECT_TRUE(d.copied("sound_down.jpg", f.layout.rect(sw::kOnOff))) << "on: down look";
}

TEST(SoundWave, TheProgramsEndStopsEverything) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    f.press(sw::kModeFirst + 2);
    f.press(sw::kOnOff);
    f.dlg.end();
    EXPECT_TRUE(f.host.timers.empty());
    EXPECT_EQ(f.host.calls.back(), "close");
    // The effect thread is gone: a beat reaches nobody.
    const auto before = f.desk.mouse->liveCommands().size();
    f.dlg.effect().setLevel(3, 40);
    f.dlg.effect().setBeat();
    std::this_thread::sleep_for(milliseconds(20));
    EXPECT_EQ(f.desk.mouse->liveCommands().size(), before);
    EXPECT_FALSE(f.dlg.open(f.skin)) << "nothing opens after the end";
}

TEST(SoundWave, TheKeyboardChoosesAModeAndEscapeHidesTheDialog) {
    SoundFixture f;
    ASSERT_TRUE(f.dlg.open(f.skin));
    EXPECT_EQ(f.dlg.accessibleEntries().size(), 5u);  // three modes, the switch, save
    f.dlg.onKey(NavigationKey::Tab);
    f.dlg.onKey(NavigationKey::Tab);
    EXPECT_EQ(f.dlg.focusedEntry(), sw::kModeFirst + 1);
    f.dlg.onKey(NavigationKey::Enter);
    EXPECT_EQ(f.dlg.mode(), 3);
    f.host.calls.clear();
    f.dlg.onKey(NavigationKey::Escape);
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"hide"}));
    // Opened again, it starts without a focus.
    ASSERT_TRUE(f.dlg.open(f.skin));
    EXPECT_EQ(f.dlg.focusedEntry(), -1);
}

}  // namespace
}  // namespace karvo
