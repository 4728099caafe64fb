// The recorder: one press for a held key, releases of keys pressed before the recording dropped,
// the pauses as delays across midnight and cut at 65535, and the step, press and held-key limits.
#include "macro/macro_recorder.h"

#include <gtest/gtest.h>

namespace karvo {
namespace {

constexpr int kEnglish = 1;
constexpr int kVkC = 67;       // device code 6
constexpr int kVkA = 65;       // device code 4
constexpr int kVkLCtrl = 162;  // device code 224
using Ev = MacroRecorder::Event;

struct Rec {
    MacVkAndText keys;
    MacroRecorder recorder{keys};
    Rec() {
        MacroRecord current;
        current.setName("Copy");
        current.mode = 0x12;
        current.repeatCount = 40;
        current.stepCount = 3;
        current.moveCount = 1;
        current.steps[0] = {3, 246, 5, 5, 100};
        current.lighting[0].bytes[0] = 1;
        current.extraA = 1;
        current.extraB = 44;
        recorder.start(current, kEnglish);
    }
};

TEST(MacroRecorder, StartKeepsNameAndModeAndDropsEverythingElse) {
    Rec r;
    const MacroRecord& m = r.recorder.macro();
    EXPECT_TRUE(r.recorder.recording());
    EXPECT_EQ(m.nameUtf8(), "Copy");
    EXPECT_EQ(m.mode, 0x12);
    EXPECT_EQ(m.repeatCount, 1);
    EXPECT_EQ(m.extraA, 0);
    EXPECT_EQ(m.extraB, 10);
    EXPECT_EQ(m.stepCount, 0);
    EXPECT_EQ(m.moveCount, 0);
    EXPECT_EQ(m.steps[0], MacroAction{});
    EXPECT_EQ(m.lighting[0], LedEffectRecord{});
}

TEST(MacroRecorder, CtrlCBecomesFourStepsWithThePausesAsDelays) {
    Rec r;
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyDown, kVkLCtrl, 1000).recorded);
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyDown, kVkC, 1150).recorded);
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyUp, kVkC, 1230).recorded);
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyUp, kVkLCtrl, 1300).recorded);
    const MacroRecord m = r.recorder.stop();
    EXPECT_FALSE(r.recorder.recording());
    ASSERT_EQ(m.stepCount, 4);
    EXPECT_EQ(m.steps[0], (MacroAction{1, 224, 0, 0, 150}));
    EXPECT_EQ(m.steps[1], (MacroAction{1, 6, 0, 0, 80}));
    EXPECT_EQ(m.steps[2], (MacroAction{2, 6, 0, 0, 70}));
    EXPECT_EQ(m.steps[3], (MacroAction{2, 224, 0, 0, 20}));
    EXPECT_EQ(r.recorder.onKey(Ev::KeyDown, kVkA, 2000).recorded, false);
}

TEST(MacroRecorder, HoldingAKeyRecordsOnePress) {
    Rec r;
    for (int i = 0; i < 30; ++i)
        r.recorder.onKey(Ev::KeyDown, kVkA, 1000 + 33 * i);
    r.recorder.onKey(Ev::KeyUp, kVkA, 2500);
    const MacroRecord& m = r.recorder.macro();
    ASSERT_EQ(m.stepCount, 2);
    EXPECT_EQ(m.steps[0].kind, stepkind::kPress);
    EXPECT_EQ(m.steps[0].delay, 1500);  // from the first press, not the last repeat
    EXPECT_EQ(m.steps[1].kind, stepkind::kRelease);
    EXPECT_EQ(r.recorder.pressCount(), 1u);
}

TEST(MacroRecorder, AReleaseOfAKeyPressedBeforeTheRecordingIsDropped) {
    Rec r;
    EXPECT_FALSE(r.recorder.onKey(Ev::KeyUp, kVkLCtrl, 10).recorded);
    EXPECT_FALSE(r.recorder.onKey(Ev::SysKeyUp, kVkA, 20).recorded);
    EXPECT_EQ(r.recorder.macro().stepCount, 0);
    // A press and release of the same key afterwards record normally.
    EXPECT_TRUE(r.recorder.onKey(Ev::SysKeyDown, kVkA, 30).recorded);
    EXPECT_TRUE(r.recorder.onKey(Ev::SysKeyUp, kVkA, 40).recorded);
    EXPECT_EQ(r.recorder.heldCount(), 0u);
}

TEST(MacroRecorder, PausesAreCutAt65535AndWrapAtMidnight) {
    EXPECT_EQ(MacroRecorder::delayBetween(1000, 1000 + 180'000), 65535);  // three minutes
    EXPECT_EQ(MacroRecorder::delayBetween(1000, 1000 + 65535), 65535);
    EXPECT_EQ(MacroRecorder::delayBetween(1000, 1000 + 65534), 65534);
    EXPECT_EQ(MacroRecorder::delayBetween(86'399'900, 50), 150);
    EXPECT_EQ(MacroRecorder::delayBetween(5, 5), 0);

    Rec r;
    r.recorder.onKey(Ev::KeyDown, kVkA, 86'399'990);
    r.recorder.onKey(Ev::KeyUp, kVkA, 30);
    r.recorder.onKey(Ev::KeyDown, kVkC, 30 + 180'000);
    const MacroRecord& m = r.recorder.macro();
    EXPECT_EQ(m.steps[0].delay, 40);
    EXPECT_EQ(m.steps[1].delay, 65535);
    EXPECT_EQ(m.steps[2].delay, MacroRecorder::kLastDelay);
}

TEST(MacroRecorder, StopsAt110StepsAndCountsAtMost55Presses) {
    Rec r;
    std::uint32_t t = 0;
    int vk = kVkA;  // A..Z then digits: every press and release a new event
    MacroRecorder::Outcome last;
    for (int i = 0; i < 55; ++i) {
        const int key = 65 + i % 26;
        last = r.recorder.onKey(Ev::KeyDown, key, t += 10);
        ASSERT_TRUE(last.recorded) << i;
        if (r.recorder.macro().stepCount < MacroRecorder::kMaxSteps)
            last = r.recorder.onKey(Ev::KeyUp, key, t += 10);
        vk = key;
    }
    EXPECT_EQ(r.recorder.macro().stepCount, 110);
    EXPECT_TRUE(last.limit);
    const auto after = r.recorder.onKey(Ev::KeyDown, vk == kVkA ? kVkC : kVkA, t += 10);
    EXPECT_FALSE(after.recorded);
    EXPECT_TRUE(after.limit);

    // Presses alone reach 55 long before 110 steps.
    Rec p;
    int recorded = 0;
    for (int i = 0; i < 70; ++i) {
        const int key = 65 + i % 26;
        recorded += p.recorder.onKey(Ev::KeyDown, key, t += 10).recorded;
        p.recorder.onKey(Ev::KeyUp, key, t += 10);
    }
    EXPECT_EQ(recorded, 55);
    EXPECT_EQ(p.recorder.pressCount(), 55u);
    EXPECT_EQ(p.recorder.macro().stepCount, 110);  // 55 presses, 55 releases
}

TEST(MacroRecorder, HeldKeysReleaseInAnyOrderAndATenthHeldKeyIsDropped) {
    Rec r;
    for (int i = 0; i < 10; ++i)
        r.recorder.onKey(Ev::KeyDown, kVkA + i, 10u * i);
    EXPECT_EQ(r.recorder.heldCount(), 9u);
    EXPECT_EQ(r.recorder.macro().stepCount, 9);
    // The tenth key's release has no press to match.
    EXPECT_FALSE(r.recorder.onKey(Ev::KeyUp, kVkA + 9, 200).recorded);
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyUp, kVkA + 4, 210).recorded);
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyUp, kVkA, 220).recorded);
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyUp, kVkA + 8, 230).recorded);
    EXPECT_FALSE(r.recorder.onKey(Ev::KeyUp, kVkA + 4, 240).recorded);
    EXPECT_EQ(r.recorder.heldCount(), 6u);
    // With room on the stack again a new key records.
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyDown, kVkA + 12, 250).recorded);
}

TEST(MacroRecorder, KeysWithoutADeviceCodeAreNotRecorded) {
    Rec r;
    for (const int vk : {0, 17, 246, 249, 255, 300, -1})
        EXPECT_FALSE(r.recorder.onKey(Ev::KeyDown, vk, 10).recorded) << vk;
    EXPECT_EQ(r.recorder.macro().stepCount, 0);
    EXPECT_TRUE(r.recorder.onKey(Ev::KeyDown, MacroRecorder::kF10, 20).recorded);
    EXPECT_EQ(r.recorder.macro().steps[0].key, 67);
}

TEST(MacroRecorder, TheWallClockGivesATimeOfDay) {
    EXPECT_LT(msOfDayNow(), MacroRecorder::kDayMs);
}

}  // namespace
}  // namespace karvo
