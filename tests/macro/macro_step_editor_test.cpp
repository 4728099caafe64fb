// The step editor: where inserts land and what they start with, counters and lighting records
// that follow the steps through any sequence of inserts and deletes, refused inserts at the
// limits, and the parsing of the texts typed into the step list.
#include "macro/macro_step_editor.h"

#include <gtest/gtest.h>

#include <random>

namespace karvo {
namespace {

using Type = StepCommand::Type;

MacroRecord withKeys(std::initializer_list<std::uint8_t> keys) {
    MacroRecord m;
    for (const std::uint8_t k : keys) {
        m.steps[m.stepCount].key = k;
        m.steps[m.stepCount].kind = stepkind::kPress;
        m.steps[m.stepCount].delay = 7;
        ++m.stepCount;
    }
    return m;
}

// The counters as the steps say they should be, and the lighting steps numbered 0, 1, 2 ... in
// order with their records; returns a description of the first difference.
std::string inconsistency(const MacroRecord& m) {
    std::size_t counts[256] = {};
    std::uint16_t nextLight[2] = {0, 0};
    for (const MacroAction& s : m.validSteps()) {
        ++counts[s.key];
        if (s.key == macrokey::kLighting || s.key == macrokey::kReserved251) {
            const int table = s.key == macrokey::kLighting ? 0 : 1;
            if (s.p0 != nextLight[table])
                return "lighting step numbered " + std::to_string(s.p0) + " instead of " +
                       std::to_string(nextLight[table]);
            ++nextLight[table];
        }
    }
    for (const int key : {246, 247, 248, 249, 250, 251})
        if (m.countFor(static_cast<std::uint8_t>(key)) != counts[key])
            return "counter of " + std::to_string(key) + " is " +
                   std::to_string(m.countFor(static_cast<std::uint8_t>(key))) + ", steps " +
                   std::to_string(counts[key]);
    for (std::size_t i = m.stepCount; i < MacroRecord::kMaxSteps; ++i)
        if (m.steps[i] != MacroAction{})
            return "leftover step at " + std::to_string(i);
    for (std::size_t r = m.lightingCount; r < MacroRecord::kLightingRecords; ++r)
        if (m.lighting[r] != LedEffectRecord{})
            return "leftover lighting record " + std::to_string(r);
    return {};
}

TEST(StepCommands, MenuItemsMapToTheirInserts) {
    struct Case {
        int menu, item;
        StepCommand command;
    };
    const Case cases[] = {
        {13, 1, {Type::Modify, 0, 0}},           {13, 2, {Type::Delete, 0, 0}},
        {14, 147, {Type::Delete, 0, 0}},         {14, 145, {Type::InsertAfter, 249, 13}},
        {14, 146, {Type::InsertAfter, 0, 0}},    {14, 241, {Type::InsertBefore, 241, 1}},
        {14, 244, {Type::InsertBefore, 242, 2}}, {14, 245, {Type::InsertBefore, 243, 1}},
        {14, 248, {Type::InsertAfter, 241, 2}},  {14, 249, {Type::InsertAfter, 242, 1}},
        {14, 252, {Type::InsertAfter, 243, 2}},  {14, 253, {Type::InsertAfter, 246, 3}},
        {14, 256, {Type::InsertAfter, 246, 6}},  {14, 257, {Type::InsertAfter, 248, 9}},
        {14, 258, {Type::InsertAfter, 248, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stepCommandFor(c.menu, c.item), c.command) << c.menu << "/" << c.item;
    EXPECT_FALSE(stepCommandFor(13, 3));
    EXPECT_FALSE(stepCommandFor(14, 259));
    EXPECT_FALSE(stepCommandFor(12, 1));
}

TEST(StepInsert, AfterStepFourOfFiveLandsAtFiveWithDelay100) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m = withKeys({4, 5, 6, 7, 8});
    const std::size_t at = MacroStepEditor::insertIndex(m, 4, Type::InsertAfter);
    EXPECT_EQ(at, 5u);
    ASSERT_EQ(editor.insert(m, at, macrokey::kNone, stepkind::kWait), 5u);
    EXPECT_EQ(m.stepCount, 6);
    EXPECT_EQ(m.steps[5], (MacroAction{0, 0, 0, 0, 100}));
    EXPECT_EQ(m.steps[4].key, 8);
    EXPECT_TRUE(n.notices.empty());
}

TEST(StepInsert, IndexFollowsSelectionAndPlace) {
    const MacroRecord empty;
    EXPECT_EQ(MacroStepEditor::insertIndex(empty, std::nullopt, Type::InsertAfter), 0u);
    EXPECT_EQ(MacroStepEditor::insertIndex(empty, 3, Type::InsertAfter), 0u);
    const MacroRecord three = withKeys({4, 5, 6});
    EXPECT_EQ(MacroStepEditor::insertIndex(three, 1, Type::InsertBefore), 1u);
    EXPECT_EQ(MacroStepEditor::insertIndex(three, 1, Type::InsertAfter), 2u);
    EXPECT_EQ(MacroStepEditor::insertIndex(three, 9, Type::InsertAfter), 3u);
    EXPECT_EQ(MacroStepEditor::insertIndex(three, std::nullopt, Type::InsertBefore), 3u);
}

TEST(StepInsert, BeforeMovesTheLaterStepsUpAndSetsEachKeysDefaults) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m = withKeys({4, 5});
    m.steps[0].p0 = 33;  // the slot's old values must not leak into the new step
    ASSERT_EQ(editor.insert(m, 0, macrokey::kMove, stepkind::kMoveRightDown), 0u);
    EXPECT_EQ(m.steps[0], (MacroAction{6, 246, 0, 10, 100}));
    EXPECT_EQ(m.steps[1].key, 4);
    EXPECT_EQ(m.steps[1].p0, 33);
    EXPECT_EQ(m.steps[2].key, 5);
    EXPECT_EQ(m.moveCount, 1);
    ASSERT_EQ(editor.insert(m, 3, macrokey::kSensitivity, stepkind::kSetSensitivity), 3u);
    EXPECT_EQ(m.steps[3], (MacroAction{9, 248, 4, 0, 100}));
    EXPECT_EQ(m.sensitivityCount, 1);
    ASSERT_EQ(editor.insert(m, 1, macrokey::kMouseRight, stepkind::kRelease), 1u);
    EXPECT_EQ(m.steps[1], (MacroAction{2, 243, 0, 0, 100}));
    EXPECT_EQ(m.stepCount, 5);
    EXPECT_EQ(inconsistency(m), "");
}

TEST(StepInsert, LightingStepsAreNumberedInOrderWithFreshRecords) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m = withKeys({4, 5, 6});
    ASSERT_TRUE(editor.insert(m, 3, 249, 13));  // light 0 at the end
    m.lighting[0].bytes[10] = 0xA0;             // mark its record
    ASSERT_TRUE(editor.insert(m, 0, 249, 13));  // before it: becomes 0, the other 1
    EXPECT_EQ(m.steps[0].p0, 0);
    EXPECT_EQ(m.steps[4].p0, 1);
    EXPECT_EQ(m.lighting[1].bytes[10], 0xA0);
    EXPECT_EQ(m.lighting[0], LedEffectRecord::forNewStep());
    EXPECT_EQ(m.lighting[0].bytes[6], 10);
    ASSERT_TRUE(editor.insert(m, 2, 251, 13));  // the second table starts without byte 6
    EXPECT_EQ(m.second[0].bytes[0], 1);
    EXPECT_EQ(m.second[0].bytes[6], 0);
    EXPECT_EQ(m.lightingCount, 2);
    EXPECT_EQ(m.kind251Count, 1);
    EXPECT_EQ(inconsistency(m), "");
}

TEST(StepInsert, RefusesAtTheLimitsAndLeavesTheMacroAlone) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m;
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(editor.insert(m, 0, 249, 13));
    const MacroRecord full5 = m;
    EXPECT_FALSE(editor.insert(m, 0, 249, 13));
    EXPECT_EQ(m, full5);
    ASSERT_EQ(n.notices.size(), 1u);
    EXPECT_EQ(n.notices[0].tipText, MacroStepEditor::kTipKindLimit);

    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(editor.insert(m, 0, 248, 9));
    EXPECT_FALSE(editor.insert(m, 0, 248, 10));
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(editor.insert(m, 0, 246, 3));
    EXPECT_FALSE(editor.insert(m, 0, 246, 4));
    EXPECT_EQ(m.moveCount, 50);
    while (m.stepCount < MacroRecord::kMaxSteps)
        ASSERT_TRUE(editor.insert(m, m.stepCount, 0, 0));
    n.notices.clear();
    const MacroRecord full = m;
    EXPECT_FALSE(editor.insert(m, 3, 4, 1));
    EXPECT_EQ(m, full);
    ASSERT_EQ(n.notices.size(), 1u);
    EXPECT_EQ(n.notices[0].tipText, MacroStepEditor::kTipStepLimit);
    EXPECT_EQ(inconsistency(m), "");
}

TEST(StepDelete, TheOnlyLightingStepClearsRecordZero) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m = withKeys({4, 5});
    ASSERT_TRUE(editor.insert(m, 1, 249, 13));
    m.lighting[0].bytes[20] = 9;
    ASSERT_TRUE(editor.remove(m, 1));
    EXPECT_EQ(m.lighting[0], LedEffectRecord{});
    EXPECT_EQ(m.lightingCount, 0);
    EXPECT_EQ(m.stepCount, 2);
    EXPECT_EQ(m.steps[1].key, 5);
    EXPECT_EQ(m.steps[2], MacroAction{});
}

TEST(StepDelete, LaterLightingStepsTakeTheirRecordsDownOneSlot) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(editor.insert(m, m.stepCount, 249, 13));
        m.lighting[i].bytes[30] = static_cast<std::uint8_t>(0x10 + i);
    }
    ASSERT_TRUE(editor.remove(m, 0));
    EXPECT_EQ(m.steps[0].p0, 0);
    EXPECT_EQ(m.steps[1].p0, 1);
    EXPECT_EQ(m.lighting[0].bytes[30], 0x11);
    EXPECT_EQ(m.lighting[1].bytes[30], 0x12);
    EXPECT_EQ(m.lighting[2], LedEffectRecord{});
    EXPECT_EQ(inconsistency(m), "");
}

TEST(StepDelete, OutsideTheStepsChangesNothing) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m = withKeys({4});
    const MacroRecord before = m;
    EXPECT_FALSE(editor.remove(m, 1));
    MacroRecord empty;
    EXPECT_FALSE(editor.remove(empty, 0));
    EXPECT_EQ(m, before);
}

// Whatever the user inserts and deletes, the counters the device encoding sizes its areas from
// match the steps, and lighting records follow their steps.
TEST(StepEditing, RandomInsertsAndDeletesKeepCountersAndRecordsInStep) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    const std::uint8_t keys[] = {0, 4, 241, 242, 243, 246, 247, 248, 249, 250, 251};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        MacroRecord m;
        // Each lighting step's record carries its step's identity, to follow it through moves.
        std::uint8_t nextTag = 1;
        for (int op = 0; op < 400; ++op) {
            const bool del = m.stepCount > 0 && rng() % 3 == 0;
            if (del) {
                editor.remove(m, rng() % m.stepCount);
            } else {
                const std::uint8_t key = keys[rng() % std::size(keys)];
                const std::size_t at = rng() % (m.stepCount + 1u);
                if (const auto index = editor.insert(m, at, key, 1); index && key == 249) {
                    m.lighting[m.steps[*index].p0].bytes[40] = nextTag;
                    m.steps[*index].delay = nextTag++;
                }
            }
            const std::string problem = inconsistency(m);
            ASSERT_EQ(problem, "") << "seed " << seed << " op " << op;
            for (const MacroAction& s : m.validSteps()) {
                if (s.key == 249) {
                    ASSERT_EQ(m.lighting[s.p0].bytes[40], static_cast<std::uint8_t>(s.delay))
                        << "seed " << seed << " op " << op;
                }
            }
        }
    }
}

TEST(StepEditDelay, TakesDigitsWithOrWithoutTheSuffix) {
    struct Case {
        std::string text;
        bool changed;
        std::uint16_t delay;
        bool warned;
    };
    const Case cases[] = {
        {"250", true, 250, false},    {"250ms", true, 250, false},
        {"0", true, 0, false},        {"10000", true, 10000, false},
        {"10001", true, 10000, true}, {"99999999999999999999", true, 10000, true},
        {"", false, 7, false},        {"ms", false, 7, false},
        {"12a", false, 7, false},     {"-5", false, 7, false},
        {" 5", false, 7, false},      {"5 ms", false, 7, false},
    };
    for (const Case& c : cases) {
        RecordingNotifier n;
        MacroStepEditor editor(n);
        MacroRecord m = withKeys({4, 5});
        EXPECT_EQ(editor.editDelay(m, 1, c.text, "ms"), c.changed) << c.text;
        EXPECT_EQ(m.steps[1].delay, c.delay) << c.text;
        EXPECT_EQ(m.steps[0].delay, 7) << c.text;
        EXPECT_EQ(!n.notices.empty(), c.warned) << c.text;
        if (c.warned) {
            EXPECT_EQ(n.notices[0].tipText, MacroStepEditor::kTipDelayCut);
        }
    }
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m = withKeys({4});
    EXPECT_FALSE(editor.editDelay(m, 1, "5", "ms"));
}

TEST(StepEditMove, ReadsBothDistancesAndCutsAbove100) {
    struct Case {
        std::string text;
        bool changed;
        std::uint16_t x, y;
        std::vector<std::string> warned;
    };
    const Case cases[] = {
        {"[X-]:12,[Y+]:34", true, 12, 34, {}},
        {"[X+]:0,[Y-]:100", true, 0, 100, {}},
        {"[X+]:101,[Y-]:5", true, 100, 5, {"[X]"}},
        {"[X+]:500,[Y-]:700", true, 100, 100, {"[X]", "[Y]"}},
        {":3,:4", true, 3, 4, {}},
        {"[X+]:,[Y-]:5", false, 1, 2, {}},
        {"[X+]:a,[Y-]:5", false, 1, 2, {}},
        {"[X+]:5,[Y-]:", false, 1, 2, {}},
        {"[X+]:5 [Y-]:6", false, 1, 2, {}},
        {"[X+]:5,[Y-]6", false, 1, 2, {}},
        {"", false, 1, 2, {}},
    };
    for (const Case& c : cases) {
        RecordingNotifier n;
        MacroStepEditor editor(n);
        MacroRecord m;
        m.stepCount = 1;
        m.moveCount = 1;
        m.steps[0] = {5, 246, 1, 2, 100};
        EXPECT_EQ(editor.editParameters(m, 0, c.text), c.changed) << c.text;
        EXPECT_EQ(m.steps[0].p0, c.x) << c.text;
        EXPECT_EQ(m.steps[0].p1, c.y) << c.text;
        ASSERT_EQ(n.notices.size(), c.warned.size()) << c.text;
        for (std::size_t i = 0; i < c.warned.size(); ++i) {
            EXPECT_EQ(n.notices[i].tipText, MacroStepEditor::kTipMoveCut);
            EXPECT_EQ(n.notices[i].text, c.warned[i]);
        }
    }
}

TEST(StepEditSensitivity, OffersOnlyTheMousesDpiAndFallsBackTo800) {
    struct Case {
        std::string text;
        std::uint16_t level;
        bool listShown;
    };
    const Case cases[] = {
        {"[DPI]:200 ", 1, false},  {"[DPI]:1600", 7, false},   {"[DPI]:2000 ", 9, false},
        {"[DPI]:2400", 11, false}, {"[DPI]:4800 ", 15, false}, {"[DPI]:3200", 13, false},
        {"[DPI]:700", 4, true},    {"[DPI]:", 4, true},        {"4000", 4, true},
        {"[DPI]:x", 4, true},      {":4000", 14, false},
    };
    for (const Case& c : cases) {
        RecordingNotifier n;
        MacroStepEditor editor(n);
        MacroRecord m;
        m.stepCount = 1;
        m.sensitivityCount = 1;
        m.steps[0] = {9, 248, 2, 0, 100};
        EXPECT_TRUE(editor.editParameters(m, 0, c.text)) << c.text;
        EXPECT_EQ(m.steps[0].p0, c.level) << c.text;
        EXPECT_EQ(n.notices.size(), c.listShown ? 1u : 0u) << c.text;
        if (c.listShown) {
            EXPECT_EQ(n.notices[0].text, MacroStepEditor::kCpiChoices);
        }
    }
}

TEST(StepEditParameters, OtherStepsKeepTheirValues) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m;
    m.stepCount = 3;
    m.steps[0] = {10, 248, 2, 0, 100};  // restore sensitivity: nothing to edit
    m.steps[1] = {13, 249, 0, 0, 100};
    m.steps[2] = {1, 241, 0, 0, 100};
    const MacroRecord before = m;
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(editor.editParameters(m, i, "[X+]:5,[Y-]:6")) << i;
    EXPECT_EQ(m, before);
    EXPECT_TRUE(n.notices.empty());
}

TEST(StepChangeKey, OnlyKeysAndButtonsSwapAndOnlyForKeysAndButtons) {
    RecordingNotifier n;
    MacroStepEditor editor(n);
    MacroRecord m;
    m.stepCount = 4;
    m.steps[0] = {1, 4, 0, 0, 100};
    m.steps[1] = {2, 241, 0, 0, 100};
    m.steps[2] = {13, 249, 0, 0, 100};
    m.steps[3] = {0, 0, 0, 0, 100};
    EXPECT_TRUE(editor.changeKey(m, 0, 224));
    EXPECT_EQ(m.steps[0].key, 224);
    EXPECT_TRUE(editor.changeKey(m, 1, 243));
    EXPECT_EQ(m.steps[1].key, 243);
    EXPECT_FALSE(editor.changeKey(m, 0, 249));
    EXPECT_FALSE(editor.changeKey(m, 0, 246));
    EXPECT_FALSE(editor.changeKey(m, 0, 0));
    EXPECT_FALSE(editor.changeKey(m, 2, 4));
    EXPECT_FALSE(editor.changeKey(m, 3, 4));
    EXPECT_FALSE(editor.changeKey(m, 4, 4));
    EXPECT_EQ(m.steps[0].key, 224);
    EXPECT_EQ(m.steps[2].key, 249);
}

}  // namespace
}  // namespace karvo
