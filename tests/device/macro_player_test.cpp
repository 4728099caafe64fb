// Host-side playback of one macro against the emulated mouse on a manual clock: the due time
// of every step, the pointer lift of an adjusted macro, the delay rule of mouse-button steps,
// steps that send nothing, and the two ways a macro ends early.
#include "device/macro_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "device/playback_buffer.h"
#include "tests/device/mouse_on_desk.h"

namespace karvo::device {
namespace {

using karvo::testing::MouseOnDesk;
using std::chrono::milliseconds;
using Kind = sim::EmulatedMouse::LoggedReport::Kind;

MacroRecord macroOf(std::initializer_list<MacroAction> steps) {
    MacroRecord r;
    r.repeatCount = 1;
    for (const MacroAction& s : steps)
        r.steps[r.stepCount++] = s;
    return r;
}

MacroPlayer::Control always() {
    return {[] { return true; }, [] { return false; }};
}

// Times of the SET reports, relative to the first.
std::vector<milliseconds> sendTimes(const sim::EmulatedMouse& mouse) {
    std::vector<milliseconds> out;
    Clock::duration first{};
    for (const auto& r : mouse.reports()) {
        if (r.kind != Kind::Set)
            continue;
        if (out.empty())
            first = r.at;
        out.push_back(std::chrono::duration_cast<milliseconds>(r.at - first));
    }
    return out;
}

TEST(MacroPlayer, SendsEachStepAtItsDueTime) {
    MouseOnDesk desk;
    desk.attach();
    MacroPlayer player(desk.link, desk.clock, 1);
    const MacroRecord m = macroOf({{stepkind::kPress, 4, 0, 0, 5},
                                   {stepkind::kPress, 5, 0, 0, 7},
                                   {stepkind::kRelease, 5, 0, 0, 11},
                                   {stepkind::kRelease, 4, 0, 0, 0},
                                   {stepkind::kPress, 6, 0, 0, 3}});
    EXPECT_EQ(player.play(m, 2, always()), MacroPlayer::Outcome::Finished);
    const std::vector<milliseconds> expected{
        milliseconds(0),  milliseconds(5),  milliseconds(12), milliseconds(23), milliseconds(23),
        milliseconds(26), milliseconds(31), milliseconds(38), milliseconds(49), milliseconds(49)};
    EXPECT_EQ(sendTimes(*desk.mouse), expected);
    EXPECT_EQ(desk.clock.elapsed(), milliseconds(52));
}

TEST(MacroPlayer, APointerStepOfAnAdjustedMacroMovesDownByExtraByteB) {
    for (const int extraA : {0, 1}) {
        MouseOnDesk desk;
        desk.attach();
        MacroPlayer player(desk.link, desk.clock, 1);
        MacroRecord m = macroOf({{stepkind::kMoveRightDown, macrokey::kMove, 3, 4, 1}});
        m.extraA = static_cast<std::uint8_t>(extraA);
        m.extraB = 10;
        player.play(m, 1, always());
        const auto sent = desk.sets();
        ASSERT_EQ(sent.size(), 1u);
        const std::uint8_t dy = extraA ? 14 : 4;
        EXPECT_EQ(sent[0], (std::vector<std::uint8_t>{7, 0x0B, 0, 3, 0, dy, 0, 0}))
            << "extra byte A " << extraA;
    }
}

TEST(MacroPlayer, MouseButtonStepsOfTenMillisecondsWaitSixtyToEightyNine) {
    MouseOnDesk desk;
    desk.attach();
    MacroPlayer player(desk.link, desk.clock, 7);
    const MacroRecord m = macroOf({{stepkind::kPress, macrokey::kMouseRight, 0, 0, 10},
                                   {stepkind::kRelease, macrokey::kMouseRight, 0, 0, 10}});
    player.play(m, 100, always());
    const auto times = sendTimes(*desk.mouse);
    ASSERT_EQ(times.size(), 200u);
    std::vector<long> gaps;
    for (std::size_t i = 1; i < times.size(); ++i)
        gaps.push_back(static_cast<long>((times[i] - times[i - 1]).count()));
    // Every whole millisecond of the range is likely over 199 draws; the ends must be reached
    // nearly, or the random part is not spread over [0, 30).
    EXPECT_GE(*std::min_element(gaps.begin(), gaps.end()), 60);
    EXPECT_LE(*std::min_element(gaps.begin(), gaps.end()), 63);
    EXPECT_LE(*std::max_element(gaps.begin(), gaps.end()), 89);
    EXPECT_GE(*std::max_element(gaps.begin(), gaps.end()), 86);
}

TEST(MacroPlayer, ButtonDelaysFromOneHundredTwentyUpAndKeyDelaysAreKeptAsTheyAre) {
    MouseOnDesk desk;
    desk.attach();
    MacroPlayer player(desk.link, desk.clock, 1);
    EXPECT_EQ(player.stepDelay({stepkind::kPress, macrokey::kMouseLeft, 0, 0, 120}),
              milliseconds(120));
    EXPECT_EQ(player.stepDelay({stepkind::kRelease, macrokey::kMouseMiddle, 0, 0, 500}),
              milliseconds(500));
    EXPECT_EQ(player.stepDelay({stepkind::kPress, 4, 0, 0, 10}), milliseconds(10));
    EXPECT_EQ(player.stepDelay({stepkind::kMoveLeftUp, macrokey::kMove, 1, 1, 10}),
              milliseconds(10));
    const auto jittered = player.stepDelay({stepkind::kPress, macrokey::kMouseLeft, 0, 0, 119});
    EXPECT_GE(jittered, milliseconds(119));
    EXPECT_LE(jittered, milliseconds(119 + 59));
}

TEST(MacroPlayer, WaitStepsAndTheMousesOwnStepsSendNothingButTakeTheirTime) {
    MouseOnDesk desk;
    desk.attach();
    MacroPlayer player(desk.link, desk.clock, 1);
    const MacroRecord m = macroOf({{stepkind::kWait, macrokey::kNone, 0, 0, 5},
                                   {stepkind::kSetSensitivity, macrokey::kSensitivity, 2, 0, 6},
                                   {stepkind::kLightingFirst, macrokey::kLighting, 0, 0, 7},
                                   {stepkind::kPress, macrokey::kNone, 0, 0, 8}});
    EXPECT_EQ(player.play(m, 1, always()), MacroPlayer::Outcome::Finished);
    EXPECT_TRUE(desk.sets().empty());
    EXPECT_EQ(desk.clock.elapsed(), milliseconds(26));
}

TEST(MacroPlayer, ARefusedStepEndsTheMacroBeforeItGoesOut) {
    MouseOnDesk desk;
    desk.attach();
    MacroPlayer player(desk.link, desk.clock, 1);
    const MacroRecord m =
        macroOf({{stepkind::kPress, 4, 0, 0, 5}, {stepkind::kRelease, 4, 0, 0, 5}});
    int asked = 0;
    const MacroPlayer::Control control{[&] { return ++asked <= 3; }, [] { return false; }};
    EXPECT_EQ(player.play(m, 10, control), MacroPlayer::Outcome::Stopped);
    EXPECT_EQ(desk.sets().size(), 3u);
    EXPECT_EQ(asked, 4);
}

TEST(MacroPlayer, AbandoningEndsALongDelayWithinOneWaitSlice) {
    MouseOnDesk desk;
    desk.attach();
    MacroPlayer player(desk.link, desk.clock, 1);
    const MacroRecord m = macroOf({{stepkind::kPress, 4, 0, 0, 30000}});
    int looked = 0;
    const MacroPlayer::Control control{[] { return true; }, [&] { return ++looked > 2; }};
    EXPECT_EQ(player.play(m, 1, control), MacroPlayer::Outcome::Abandoned);
    EXPECT_EQ(desk.sets().size(), 1u);
    // Asked before the step and after the first slice; gone at the second.
    EXPECT_EQ(desk.clock.elapsed(), MacroPlayer::kWaitSlice);
}

// A clock on which every look at the time costs a millisecond, as if each step kept the
// processor busy; it records when the player slept.
class BusyClock final : public Clock {
  public:
    time_point now() const override {
        now_ += milliseconds(1);
        return now_;
    }
    void sleepFor(duration pause) override { sleepUntil(now_ + pause); }
    void sleepUntil(time_point deadline) override {
        sleeps.push_back(now_);
        now_ = std::max(now_, deadline);
    }
    std::vector<time_point> sleeps;

  private:
    mutable time_point now_{};
};

TEST(MacroPlayer, RestsDuringAMacroWithoutDelaysSoItNeverHoldsTheProcessorLong) {
    MouseOnDesk desk;
    desk.attach();
    BusyClock busy;
    MacroPlayer player(desk.link, busy, 1);
    const MacroRecord m =
        macroOf({{stepkind::kPress, 4, 0, 0, 0}, {stepkind::kRelease, 4, 0, 0, 0}});
    EXPECT_EQ(player.play(m, 200, always()), MacroPlayer::Outcome::Finished);
    ASSERT_GT(busy.sleeps.size(), 3u);
    Clock::time_point last{};
    for (const Clock::time_point at : busy.sleeps) {
        EXPECT_LE(at - last, MacroPlayer::kLongestBusy + milliseconds(5));
        last = at + MacroPlayer::kRest;
    }
    EXPECT_EQ(sendTimes(*desk.mouse).size(), 400u);
}

TEST(PlaybackBuffer, ExtraByteBWrapsUpwardsAndStopsAtZeroDownwards) {
    PlaybackBuffer buffer;
    MacroRecord r;
    r.extraB = 254;
    buffer.load(r, {PlaybackBuffer::Source::Kind::Group, 2, 3});
    buffer.stepExtraB(true);
    buffer.stepExtraB(true);
    EXPECT_EQ(buffer.record().extraB, 0);
    buffer.stepExtraB(false);
    EXPECT_EQ(buffer.record().extraB, 0);
    buffer.setExtraA(1);
    EXPECT_EQ(buffer.record().extraA, 1);
    EXPECT_EQ(buffer.source(), (PlaybackBuffer::Source{PlaybackBuffer::Source::Kind::Group, 2, 3}));
    buffer.clear();
    EXPECT_EQ(buffer.source().kind, PlaybackBuffer::Source::Kind::None);
}

}  // namespace
}  // namespace karvo::device
