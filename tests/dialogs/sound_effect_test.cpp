// The lighting effects of sound-reactive lighting on the emulated mouse with a manual clock:
// the bytes of command 0x13, each mode's reports and pauses, switching off in the middle of a
// pulse, and the effect thread beside a block write.
#include "ui/dialogs/sound_effect.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "tests/device/mouse_on_desk.h"
#include "ui/dialogs/sound_effect_thread.h"

namespace karvo::sound {
namespace {

using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;

// The desk's clock, with a hook after every pause, so a test can act in the middle of a step.
class HookClock final : public Clock {
  public:
    explicit HookClock(ManualClock& inner) : inner_(inner) {}
    time_point now() const override { return inner_.now(); }
    void sleepFor(duration pause) override {
        inner_.sleepFor(pause);
        ++pauses;
        if (afterPause)
            afterPause(pauses);
    }
    void sleepUntil(time_point deadline) override { inner_.sleepUntil(deadline); }

    int pauses = 0;
    std::function<void(int)> afterPause;

  private:
    ManualClock& inner_;
};

// A report as the mouse got it: milliseconds since the start, and bytes 0 to 7.
struct Sent {
    long long ms;
    Bytes bytes;
    bool operator==(const Sent&) const = default;
};

void PrintTo(const Sent& s, std::ostream* os) {
    *os << s.ms << " ms:";
    for (const auto b : s.bytes)
        *os << ' ' << std::hex << int(b) << std::dec;
}

Bytes lighting(const EffectReport& r) {
    const auto b = lightingReportBytes(r);
    return Bytes(b.begin(), b.end());
}

Bytes colour(int level, int red, int green, int blue) {
    // 0x14: byte 2 level x 32 + green, byte 3 red x 16 + blue; bytes 4-7 are what the link's
    // buffer held before (zero on a fresh link that sent nothing else).
    return {7,
            0x14,
            static_cast<std::uint8_t>(level * 32 + green),
            static_cast<std::uint8_t>(red * 16 + blue),
            0,
            0,
            0,
            0};
}

struct EffectFixture {
    EffectFixture() { desk.attach(); }

    std::vector<Sent> sent() const {
        std::vector<Sent> out;
        for (const auto& r : desk.mouse->reports()) {
            if (r.kind != sim::EmulatedMouse::LoggedReport::Kind::Set)
                continue;
            out.push_back({std::chrono::duration_cast<milliseconds>(r.at).count(),
                           Bytes(r.bytes.begin(), r.bytes.begin() + 8)});
        }
        return out;
    }
    long long nowMs() const {
        return std::chrono::duration_cast<milliseconds>(desk.clock.elapsed()).count();
    }
    void beatAt(int level, int newest) {
        state.setLevel(level, newest);
        state.setBeat();
    }

    testing::MouseOnDesk desk;
    HookClock clock{desk.clock};
    EffectState state;
    int levelIndex = 3;
    SoundEffect effect{{desk.link, clock, state, [this] { return levelIndex; }}};
};

TEST(SoundEffectBytes, LightingCommandBytes) {
    struct Case {
        EffectReport r;
        Bytes bytes;
        const char* why;
    };
    const Case cases[] = {
        {{.t = 6, .c = 1, .d = 1, .v = 4, .b = 0},
         {7, 0x13, 0xFF, 0xE1, 0x14, 0x00, 0x03, 0xFF},
         "pulse step: all colours, type 6, direction 1"},
        {{.t = 2, .c = 2, .d = 0, .v = 7, .b = 4},
         {7, 0x13, 0xFF, 0xA2, 0x07, 0x04, 0x03, 0xFF},
         "colour flow at rest"},
        {{.t = 13, .c = 2, .d = 0, .v = 7, .b = 0, .w = 0x3FEB},
         {7, 0x13, 0xFF, 0x52, 0x07, 0x00, 0x83, 0xEB},
         "type 13 passes 8 bits: byte 3 keeps 5 x 16 + 2, bit 3 of t goes to byte 6"},
        {{.t = 9, .c = 1, .d = 1, .v = 11, .b = 3},
         {7, 0x13, 0xFF, 0x11, 0x1B, 0x03, 0x83, 0xFF},
         "the switch-off report"},
        {{.t = 8, .c = 5, .d = 0, .v = 7, .b = 1},
         {7, 0x13, 0xFF, 0x05, 0x07, 0x01, 0x83, 0xFF},
         "type 8: byte 3 is the cycle alone"},
        {{.t = 4, .c = 0, .d = 0, .v = 7, .b = 3, .s = 1},
         {7, 0x13, 0xFF, 0xC0, 0x47, 0x03, 0x03, 0xFF},
         "symmetry in bit 6 of byte 4"},
        {{.M = 0, .t = 1, .c = 12, .d = 7, .v = 0, .b = 9, .w = 0x0102},
         {7, 0x13, 0x80, 0x94, 0x30, 0x01, 0x01, 0x02},
         "M 0 is the enable bit alone; c, d and b keep only their bits"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lighting(c.r), c.bytes) << c.why;
}

TEST(SoundEffect, PulseRisesToTheLevelThenFallsFromItOnTheNextBeat) {
    EffectFixture f;
    f.state.setMode(2);
    f.state.setOn(true);

    f.beatAt(3, 50);
    f.effect.step();
    // No previous count: wait 87 / 3 = 29 ms, then three times 29 ms and a report.
    std::vector<Sent> expected = {
        {58, lighting({.t = 6, .c = 1, .d = 1, .v = 0, .b = 0})},
        {87, lighting({.t = 6, .c = 1, .d = 1, .v = 1, .b = 0})},
        {116, lighting({.t = 6, .c = 1, .d = 1, .v = 2, .b = 0})},
    };
    EXPECT_EQ(f.sent(), expected);
    EXPECT_EQ(f.nowMs(), 116);
    EXPECT_EQ(f.effect.previousCount(), 3);
    EXPECT_FALSE(f.state.beat());

    // Without a beat the step does nothing.
    f.effect.step();
    EXPECT_EQ(f.sent().size(), 3u);

    f.desk.mouse->clearLog();
    f.beatAt(8, 70);
    f.effect.step();
    expected.clear();
    // The fall from 3: v = 3 .. 0, each followed by 392 / 2 = 196 ms.
    for (int v = 3; v >= 0; --v)
        expected.push_back({116 + (3 - v) * 196, lighting({.t = 6, .c = 1, .d = 1, .v = v})});
    // The rise to 8: 87 / 8 = 10 ms, then eight reports 10 ms apart at light level 7, and one
    // more pause as the count is above 6.
    for (int i = 0; i < 8; ++i)
        expected.push_back({900 + 10 + 10 * (i + 1), lighting({.t = 6, .c = 1, .d = 1, .v = 7})});
    EXPECT_EQ(f.sent(), expected);
    EXPECT_EQ(f.nowMs(), 1000);
    EXPECT_EQ(f.effect.previousCount(), 8);
}

TEST(SoundEffect, PulseBreathesSlowlyWhenItGoesQuiet) {
    EffectFixture f;
    f.state.setMode(2);
    f.state.setOn(true);
    f.beatAt(2, 30);
    f.effect.step();  // count 2 now
    f.desk.mouse->clearLog();
    const long long t0 = f.nowMs();

    f.beatAt(0, 1);
    f.effect.step();
    std::vector<Sent> expected;
    for (int v = 2; v >= 0; --v)  // 392 / 1 ms apart
        expected.push_back({t0 + (2 - v) * 392, lighting({.t = 6, .c = 1, .d = 1, .v = v})});
    const long long fallen = t0 + 3 * 392;
    expected.push_back({fallen + 240, lighting({.t = 13, .c = 2, .v = 7, .w = 0x3FEB})});
    expected.push_back({fallen + 480, lighting({.t = 6, .c = 1, .d = 1, .v = 0})});
    EXPECT_EQ(f.sent(), expected);
    EXPECT_EQ(f.effect.previousCount(), 0);
}

TEST(SoundEffect, SwitchingOffDuringAPulseSendsTheOffReportAndStops) {
    EffectFixture f;
    f.state.setMode(2);
    f.state.setOn(true);
    f.beatAt(5, 60);
    f.effect.step();  // count 5
    f.desk.mouse->clearLog();
    const long long t0 = f.nowMs();

    // The user switches off during the second pause of the fall.
    f.clock.pauses = 0;
    f.clock.afterPause = [&](int n) {
        if (n == 2)
            f.state.setOn(false);
    };
    f.beatAt(9, 60);
    f.effect.step();
    const std::vector<Sent> expected = {
        {t0, lighting({.t = 6, .c = 1, .d = 1, .v = 5})},
        {t0 + 98, lighting({.t = 6, .c = 1, .d = 1, .v = 4})},  // 392 / 4 = 98 ms apart
        {t0 + 196, lighting({.t = 9, .c = 1, .d = 1, .v = 11, .b = 3})},
    };
    EXPECT_EQ(f.sent(), expected);
    EXPECT_EQ(f.clock.pauses, 2) << "nothing more after the off report";
    EXPECT_EQ(f.effect.previousCount(), 5) << "an interrupted run keeps the old count";

    // Switched off while it rises: the same report ends it after the report in progress.
    f.desk.mouse->clearLog();
    f.state.setOn(true);
    SoundEffect rising({f.desk.link, f.clock, f.state, [] { return 0; }});
    f.clock.pauses = 0;
    f.clock.afterPause = [&](int n) {
        if (n == 3)  // the lead-in pause, then two rising steps
            f.state.setOn(false);
    };
    f.beatAt(4, 60);
    rising.step();
    const auto sent = f.sent();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1].bytes, lighting({.t = 6, .c = 1, .d = 1, .v = 1}));
    EXPECT_EQ(sent[2].bytes, lighting({.t = 9, .c = 1, .d = 1, .v = 11, .b = 3}));
}

TEST(SoundEffect, ColourFlowAlternatesItsPhasesAndStepsThroughFiveColours) {
    EffectFixture f;
    f.state.setMode(3);
    f.state.setOn(true);
    f.state.setLevel(2, 40);
    // No beat needed: mode 3 acts on every pass. 480 / (2 + 1) = 160 ms per phase.
    for (int i = 0; i < 4; ++i)
        f.effect.step();
    const Bytes a = lighting({.t = 13, .c = 2, .d = 0, .v = 7, .b = 0, .w = 0x3FEB});
    const Bytes b = lighting({.t = 2, .c = 2, .d = 0, .v = 7, .b = 0});
    const std::vector<Sent> expected = {
        {0, a},   {160, b}, {160, colour(3, 0, 15, 15)},
        {320, a}, {480, b}, {480, colour(3, 0, 15, 0)},
    };
    EXPECT_EQ(f.sent(), expected);
    EXPECT_EQ(f.nowMs(), 640);

    // The five colours in turn, then the first again; the level index follows its copy.
    f.desk.mouse->clearLog();
    f.levelIndex = 5;
    for (int i = 0; i < 8; ++i)
        f.effect.step();
    std::vector<Bytes> colours;
    for (const auto& c : f.desk.mouse->liveCommands()) {
        if (c.code == 0x14)
            colours.push_back({c.args[0], c.args[1]});
    }
    const std::vector<Bytes> expectedColours = {{5 * 32 + 0, 0 * 16 + 15},
                                                {5 * 32 + 15, 15 * 16 + 0},
                                                {5 * 32 + 0, 15 * 16 + 0},
                                                {5 * 32 + 15, 0 * 16 + 15}};  // steps 2, 3, 4, 0
    EXPECT_EQ(colours, expectedColours);
}

TEST(SoundEffect, ColourFlowAtLevelZeroWaitsBeforeItsColour) {
    EffectFixture f;
    f.state.setMode(3);
    f.state.setOn(true);
    f.state.setLevel(0, 0);
    f.effect.step();
    f.effect.step();
    const std::vector<Sent> expected = {
        {0, lighting({.t = 2, .c = 2, .d = 0, .v = 7, .b = 4})},
        {480, colour(3, 0, 15, 15)},
        {480, lighting({.t = 13, .c = 2, .d = 0, .v = 7, .b = 3})},
    };
    EXPECT_EQ(f.sent(), expected);
    EXPECT_EQ(f.nowMs(), 960);
}

TEST(SoundEffect, BeatShowsTheLevelAsCycleAndBrightness) {
    struct Case {
        int level;
        Bytes bytes;
    };
    const Case cases[] = {
        {0, lighting({.t = 4, .c = 0, .d = 0, .v = 7, .b = 3, .s = 1})},
        {1, lighting({.t = 8, .c = 0, .v = 7, .b = 2})},
        {2, lighting({.t = 8, .c = 1, .v = 7, .b = 2})},
        {3, lighting({.t = 8, .c = 1, .v = 7, .b = 1})},
        {4, lighting({.t = 8, .c = 2, .v = 7, .b = 1})},
        {5, lighting({.t = 8, .c = 3, .v = 7, .b = 0})},
        {6, lighting({.t = 8, .c = 4, .v = 7, .b = 0})},
        {7, lighting({.t = 8, .c = 5, .v = 7, .b = 1})},
        {10, lighting({.t = 8, .c = 5, .v = 7, .b = 1})},
    };
    for (const Case& c : cases) {
        EffectFixture f;
        f.state.setMode(4);
        f.state.setOn(true);
        f.effect.step();  // no beat yet: nothing
        EXPECT_TRUE(f.sent().empty());
        f.beatAt(c.level, 50);
        f.effect.step();
        const std::vector<Sent> expected = {{0, c.bytes}};
        EXPECT_EQ(f.sent(), expected) << "level " << c.level;
    }
}

TEST(SoundEffect, ItsOwnReportHasTheFeatureLengthWithZerosAfterByteSeven) {
    EffectFixture f;
    f.state.setMode(4);
    f.state.setOn(true);
    f.beatAt(3, 50);
    f.effect.step();
    const auto reports = f.desk.mouse->reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].bytes.size(), f.desk.mouse->options().featureReportLength);
    for (std::size_t i = 8; i < reports[0].bytes.size(); ++i)
        EXPECT_EQ(reports[0].bytes[i], 0) << "byte " << i;
    EXPECT_TRUE(f.desk.mouse->protocolErrors().empty());
}

TEST(SoundEffect, WithoutAMouseNothingIsSent) {
    testing::MouseOnDesk desk;  // not attached: the link has no handle
    EffectState state;
    state.setMode(4);
    state.setOn(true);
    state.setBeat();
    SoundEffect effect({desk.link, desk.clock, state, {}});
    effect.step();
    EXPECT_TRUE(desk.mouse->reports().empty());
}

TEST(SoundEffectThread, SleepsWhileOffAndStepsWhileOn) {
    testing::MouseOnDesk desk;
    desk.attach();
    EffectState state;
    state.setMode(4);
    std::vector<std::string> said;
    SoundEffectThread thread({desk.link, desk.clock, state, [] { return 1; }},
                             [&](std::string_view line) { said.emplace_back(line); });
    thread.start();
    state.setBeat();  // off: the beat waits
    std::this_thread::sleep_for(milliseconds(30));
    EXPECT_TRUE(desk.mouse->liveCommands().empty());

    state.setLevel(5, 60);
    state.setOn(true);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (desk.mouse->liveCommands().empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(milliseconds(1));
    const auto commands = desk.mouse->liveCommands();
    ASSERT_EQ(commands.size(), 1u);
    const auto b = lighting({.t = 8, .c = 3, .v = 7, .b = 0});
    EXPECT_EQ(commands[0].code, 0x13);
    EXPECT_TRUE(std::equal(commands[0].args.begin(), commands[0].args.end(), b.begin() + 2));
    thread.stop();
    EXPECT_FALSE(thread.running());
    EXPECT_LE(said.size(), 1u) << "the priority is told at most once";
}

TEST(SoundEffectThread, StopsWhileTheEffectRunsInColourFlow) {
    testing::MouseOnDesk desk;
    desk.attach();
    EffectState state;
    state.setMode(3);  // work on every pass: the wait never blocks while it is on
    state.setOn(true);
    SoundEffectThread thread({desk.link, desk.clock, state, [] { return 0; }}, {});
    thread.start();
    while (desk.mouse->liveCommands().size() < 4)
        std::this_thread::sleep_for(milliseconds(1));
    thread.stop();
    EXPECT_FALSE(thread.running());
    const auto sent = desk.mouse->liveCommands().size();
    std::this_thread::sleep_for(milliseconds(10));
    EXPECT_EQ(desk.mouse->liveCommands().size(), sent) << "nothing is sent after the stop";
}

TEST(SoundEffectThread, ItsReportsNeverLandInsideABlockWrite) {
    testing::MouseOnDesk desk;
    desk.attach();
    EffectState state;
    state.setMode(3);  // a report on every pass, and the manual clock never waits
    state.setLevel(4, 60);
    SoundEffectThread thread({desk.link, desk.clock, state, [] { return 2; }}, {});
    thread.start();
    state.setOn(true);
    const std::array<std::uint8_t, 8> block = {1, 2, 3, 4, 5, 6, 7, 8};
    // Blocks go on until the effect has sent a good number of reports between them.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (int i = 0; i < 200 || desk.mouse->liveCommands().size() < 100; ++i) {
        ASSERT_TRUE(desk.link.writeBlock(static_cast<std::uint16_t>(1024 + 8 * (i % 16)), block));
        ASSERT_LT(std::chrono::steady_clock::now(), deadline);
    }
    thread.stop();
    EXPECT_TRUE(desk.mouse->protocolErrors().empty()) << desk.mouse->protocolErrors().front();
    EXPECT_EQ(desk.mouse->memory(1024, 8), std::vector<std::uint8_t>(block.begin(), block.end()));
}

}  // namespace
}  // namespace karvo::sound
