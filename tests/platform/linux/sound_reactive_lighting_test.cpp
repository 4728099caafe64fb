// Sound-reactive lighting end to end: the dialog sampling a private PulseAudio server's default
// output through the real peak meter, and the effect thread sending to the emulated mouse on
// the real clock. Silence gives level 0 and thin bars; a steady tone gives its sample and a
// level within a few samples; the mouse receives the lighting and colour commands.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "fake_sound_host.h"
#include "fake_window.h"
#include "platform/linux/pulse_peak_meter.h"
#include "platform/system_clock.h"
#include "private_pulse_server.h"
#include "recording_canvas.h"
#include "sound_dialog_driver.h"
#include "tests/device/mouse_on_desk.h"
#include "ui/dialogs/sound_wave.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace sw = skin::sound;
using std::chrono::milliseconds;
using testing::RecordingCanvas;

struct LiveSound {
    explicit LiveSound(const std::string& server) : server_(server) {
        desk.attach();
        skin = testing::soundSkinIn(dir, "[ShareData]\r\nSoundWaveMode=4\r\nWaveShowStatu=0\r\n");
    }
    ~LiveSound() { dlg.end(); }

    // One sample as the dialog's timer takes it, 96 ms after the last.
    void sample() {
        std::this_thread::sleep_for(SoundWave::kSamplePeriod);
        dlg.onTimer(SoundWave::kSampleTimer);
    }
    std::vector<SkinRect> bars() {
        RecordingCanvas canvas;
        dlg.paint(canvas);
        std::vector<SkinRect> out;
        for (const SkinRect& r : canvas.copiesFrom("sound_down.jpg")) {
            if (r.width == 9)
                out.push_back(r);
        }
        return out;
    }
    void press(int entry) { testing::pressEntry(dlg, layout, entry); }
    std::size_t commands(std::uint8_t code) const {
        std::size_t n = 0;
        for (const auto& c : desk.mouse->liveCommands())
            n += c.code == code ? 1 : 0;
        return n;
    }

    std::string server_;
    testing::TempDir dir;
    SoundWave::Skin skin;
    SkinLayout layout = testing::shippedSoundLayout();
    testing::MouseOnDesk desk;
    SystemClock clock;
    testing::FakeSoundHost host;
    testing::RecordingQueue queue;
    testing::LockedNotifier notifier;
    PulsePeakMeter* meter = nullptr;
    SoundWave dlg{{host, queue, notifier, desk.link, clock,
                   [this] {
                       auto m = std::make_unique<PulsePeakMeter>(notifier,
                                                                 PulsePeakMeter::Options{server_});
                       meter = m.get();
                       return m;
                   },
                   [] { return 1; }, [](std::string_view) {}}};
};

TEST(SoundReactiveLighting, FollowsAPrivateSoundServersOutput) {
    if (testing::findPulseaudio().empty())
        GTEST_SKIP() << "the pulseaudio program is not installed (Debian package pulseaudio), "
                        "so no private sound server can be started for this test";
    testing::PrivatePulseServer server;
    ASSERT_TRUE(server.running()) << "the private pulseaudio did not start";
    LiveSound live(server.server());
    ASSERT_TRUE(live.dlg.open(live.skin));
    ASSERT_TRUE(testing::eventually([&] { return live.meter->reading(); }))
        << "the meter never reached the private server";

    // Silence: level 0, and the bars are 2-pixel lines even with the effect on.
    // Two and a half seconds of it: an idle null sink renders in blocks of up to two seconds,
    // and only after the block it was in does it follow the meter's 20 ms.
    live.press(sw::kOnOff);
    for (int i = 0; i < 26; ++i)
        live.sample();
    EXPECT_EQ(live.dlg.levels().newest(), 0);
    EXPECT_EQ(live.dlg.levels().level(), 0);
    auto bars = live.bars();
    ASSERT_EQ(bars.size(), 36u);
    for (const SkinRect& r : bars)
        EXPECT_EQ(r.height, 2);

    // A steady tone of amplitude 0.5: samples of 49 or 50 within a few samples, and a level
    // once the window holds enough of it (the newest counts twice, so from the third).
    testing::TonePlayer tone(server.server(), "karvo_a", 0.5f);
    ASSERT_TRUE(testing::eventually([&] { return tone.started(); }));
    int samples = 0;
    std::string heard;
    while (live.dlg.levels().newest() < 45 && samples < 20) {
        live.sample();
        ++samples;
        heard += " " + std::to_string(live.dlg.levels().newest());
    }
    EXPECT_LE(samples, 10) << "the tone took too long to be heard; samples:" << heard;
    EXPECT_GE(live.dlg.levels().newest(), 45);
    EXPECT_LE(live.dlg.levels().newest(), 55);
    for (int i = 0; i < 4; ++i)
        live.sample();
    // A quiet window gives up to 5; as the window fills with the same value it settles at 1.
    EXPECT_GE(live.dlg.levels().level(), 1);
    EXPECT_LE(live.dlg.levels().level(), 5);
    bars = live.bars();
    ASSERT_EQ(bars.size(), 36u);
    EXPECT_GT(bars[0].height, 50) << "the newest bar shows the tone";

    // Mode 4 on a beat: a lighting report. Mode 3: lighting and colour commands in turn.
    live.dlg.onTimer(SoundWave::kBeatTimer);
    ASSERT_TRUE(testing::commandsArrive(*live.desk.mouse, 1, 0x13));
    live.press(sw::kModeFirst + 1);
    for (int i = 0; i < 10; ++i)
        live.sample();
    EXPECT_GE(live.commands(0x14), 1u);
    EXPECT_GE(live.commands(0x13), 3u);
    EXPECT_TRUE(live.desk.mouse->protocolErrors().empty());
    EXPECT_TRUE(live.notifier.notices().empty());
}

}  // namespace
}  // namespace karvo
