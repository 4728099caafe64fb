// The libpulse peak meter against a PulseAudio server the test starts itself: silence, a tone,
// the end of the tone, a change of the default output, a server that is not there (one
// notice) and one that comes later. Skipped only where the pulseaudio program is missing.
#include "platform/linux/pulse_peak_meter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "private_pulse_server.h"

namespace karvo {
namespace {

using std::chrono::milliseconds;
using Steady = std::chrono::steady_clock;

#define NEED_PULSEAUDIO()                                                                      \
    if (testing::findPulseaudio().empty())                                                     \
    GTEST_SKIP() << "the pulseaudio program is not installed (Debian package pulseaudio), so " \
                    "no private sound server can be started for this test"

using testing::eventually;

// The highest peak the meter gives over `span`, read every 96 ms as the dialog reads it.
float highestOver(PulsePeakMeter& meter, milliseconds span) {
    float highest = 0.0f;
    const auto end = Steady::now() + span;
    while (Steady::now() < end) {
        std::this_thread::sleep_for(milliseconds(96));
        highest = std::max(highest, meter.takePeak());
    }
    return highest;
}

// Waits until a 96 ms reading lies in [low, high].
bool readsBetween(PulsePeakMeter& meter, float low, float high,
                  milliseconds timeout = milliseconds(3000)) {
    return eventually(
        [&] {
            std::this_thread::sleep_for(milliseconds(96));
            const float p = meter.takePeak();
            return p >= low && p <= high;
        },
        timeout);
}

TEST(PulsePeakMeter, HearsWhatTheDefaultOutputPlays) {
    NEED_PULSEAUDIO();
    testing::PrivatePulseServer server;
    ASSERT_TRUE(server.running()) << "the private pulseaudio did not start";
    testing::LockedNotifier notifier;
    PulsePeakMeter meter(notifier, {server.server()});
    ASSERT_TRUE(eventually([&] { return meter.reading(); }));
    EXPECT_EQ(meter.sourceName(), "karvo_a.monitor");

    EXPECT_EQ(highestOver(meter, milliseconds(400)), 0.0f) << "silence reads 0";

    testing::TonePlayer tone(server.server(), "karvo_a", 0.5f);
    EXPECT_TRUE(readsBetween(meter, 0.45f, 0.55f)) << "a tone of amplitude 0.5 reads 0.5";
    ASSERT_TRUE(tone.started());
    tone.setAmplitude(0.0f);
    EXPECT_TRUE(readsBetween(meter, 0.0f, 0.0f)) << "back to 0 once the tone stops";
    EXPECT_TRUE(notifier.notices().empty());
}

TEST(PulsePeakMeter, FollowsAChangeOfTheDefaultOutput) {
    NEED_PULSEAUDIO();
    testing::PrivatePulseServer server;
    ASSERT_TRUE(server.running());
    testing::LockedNotifier notifier;
    PulsePeakMeter meter(notifier, {server.server()});
    ASSERT_TRUE(eventually([&] { return meter.reading(); }));

    testing::PulseControl control(server.server());
    ASSERT_TRUE(control.setDefaultSink("karvo_b"));
    ASSERT_TRUE(eventually([&] { return meter.sourceName() == "karvo_b.monitor"; }));
    EXPECT_EQ(meter.streamsMade(), 2);
    ASSERT_TRUE(eventually([&] { return meter.reading(); }));

    {
        testing::TonePlayer old(server.server(), "karvo_a", 0.5f);
        EXPECT_EQ(highestOver(meter, milliseconds(500)), 0.0f)
            << "the output that is no longer the default is not heard";
    }
    testing::TonePlayer tone(server.server(), "karvo_b", 0.3f);
    EXPECT_TRUE(readsBetween(meter, 0.25f, 0.35f));
}

TEST(PulsePeakMeter, WithoutAServerTheLevelIsZeroAndTheUserIsToldOnce) {
    testing::TempDir nowhere;
    testing::LockedNotifier notifier;
    {
        PulsePeakMeter meter(notifier, {"unix:" + (nowhere / "native").string()});
        ASSERT_TRUE(eventually([&] { return !notifier.notices().empty(); }));
        EXPECT_EQ(meter.takePeak(), 0.0f);
        EXPECT_FALSE(meter.reading());
        // It tries again every two seconds, without telling the user again.
        std::this_thread::sleep_for(milliseconds(2300));
        EXPECT_EQ(meter.takePeak(), 0.0f);
    }
    ASSERT_EQ(notifier.notices().size(), 1u);
    EXPECT_NE(notifier.notices()[0].text.find("No sound server"), std::string::npos);
    EXPECT_NE(notifier.notices()[0].thread, std::this_thread::get_id())
        << "told from libpulse's thread";
}

TEST(PulsePeakMeter, FindsAServerThatStartsLater) {
    NEED_PULSEAUDIO();
    testing::TempDir socketFolder;
    testing::LockedNotifier notifier;
    PulsePeakMeter meter(notifier, {"unix:" + (socketFolder / "native").string()});
    ASSERT_TRUE(eventually([&] { return !notifier.notices().empty(); }));

    testing::PrivatePulseServer server(socketFolder / "native");
    ASSERT_TRUE(server.running());
    ASSERT_TRUE(eventually([&] { return meter.reading(); }, milliseconds(8000)));
    testing::TonePlayer tone(server.server(), "karvo_a", 0.5f);
    EXPECT_TRUE(readsBetween(meter, 0.45f, 0.55f));

    // The server goes away: the level falls to 0 and nobody is told again.
    server.stop();
    EXPECT_TRUE(eventually([&] { return !meter.reading(); }));
    EXPECT_TRUE(readsBetween(meter, 0.0f, 0.0f));
    EXPECT_EQ(notifier.notices().size(), 1u);
}

}  // namespace
}  // namespace karvo
