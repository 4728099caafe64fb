// The step list's texts and icons in English: every kind of step, the fallbacks for kinds a
// file may hold but the editor never writes, and the two lines per step of a mixed macro.
#include "app/macro_step_text.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace karvo {
namespace {

struct EnglishTexts {
    EnglishTexts() {
        EXPECT_EQ(texts.load(std::filesystem::path(KARVO_DATA_OUT_DIR) / "1_INI_EN", notifier),
                  LanguageTextTable::Load::Loaded);
    }
    std::string text(const MacroAction& step) const { return stepText(step, {texts, keys, 1}); }

    RecordingNotifier notifier;
    LanguageTextTable texts;
    MacVkAndText keys;
};

MacroAction step(std::uint8_t kind, std::uint8_t key, std::uint16_t p0 = 0, std::uint16_t p1 = 0,
                 std::uint16_t delay = 0) {
    return {kind, key, p0, p1, delay};
}

TEST(MacroStepText, KeysAndButtonsShowTheirNamesInTheLanguage) {
    const EnglishTexts en;
    EXPECT_EQ(en.text(step(stepkind::kPress, 4)), "A");
    EXPECT_EQ(en.text(step(stepkind::kRelease, 4)), "A");
    EXPECT_EQ(en.text(step(stepkind::kPress, macrokey::kMouseLeft)), "Left button");
    EXPECT_EQ(en.text(step(stepkind::kPress, macrokey::kMouseMiddle)), "Middle button");
    EXPECT_EQ(en.text(step(stepkind::kRelease, macrokey::kMouseRight)), "Right button");
    EXPECT_EQ(en.text(step(stepkind::kWait, macrokey::kNone)), "[Delay]");
}

TEST(MacroStepText, CursorMovesNameTheirDirectionAndDistances) {
    const EnglishTexts en;
    EXPECT_EQ(en.text(step(stepkind::kMoveLeftUp, macrokey::kMove, 12, 7)), "[X-]:12,[Y-]:7");
    EXPECT_EQ(en.text(step(stepkind::kMoveLeftDown, macrokey::kMove, 1, 2)), "[X-]:1,[Y+]:2");
    EXPECT_EQ(en.text(step(stepkind::kMoveRightUp, macrokey::kMove, 300, 0)), "[X+]:300,[Y-]:0");
    EXPECT_EQ(en.text(step(stepkind::kMoveRightDown, macrokey::kMove, 65535, 65535)),
              "[X+]:65535,[Y+]:65535");
    EXPECT_EQ(en.text(step(stepkind::kPress, macrokey::kMove, 5, 5)), "[X]:eeror,[Y]:eeror");
}

TEST(MacroStepText, SensitivityStepsShowTheDpiOfTheirLevel) {
    const EnglishTexts en;
    const auto dpi = [&](std::uint16_t level) {
        return en.text(step(stepkind::kSetSensitivity, macrokey::kSensitivity, level));
    };
    EXPECT_EQ(dpi(1), "[DPI]:200 ");
    EXPECT_EQ(dpi(7), "[DPI]:1600 ");
    EXPECT_EQ(dpi(8), "[DPI]:1600 ");
    EXPECT_EQ(dpi(12), "[DPI]:2400 ");
    EXPECT_EQ(dpi(15), "[DPI]:4800 ");
    EXPECT_EQ(dpi(0), "[DPI]:800 ");
    EXPECT_EQ(dpi(16), "[DPI]:800 ");
    EXPECT_EQ(en.text(step(stepkind::kRestoreSensitivity, macrokey::kSensitivity)), "[Reset DPI]");
    EXPECT_EQ(en.text(step(stepkind::kPress, macrokey::kSensitivity, 3)), "[DPI]:Error");
}

TEST(MacroStepText, LightingStepsNumberTheirRecordFromOne) {
    const EnglishTexts en;
    EXPECT_EQ(en.text(step(13, macrokey::kLighting, 0)), "[Lighting] 1");
    EXPECT_EQ(en.text(step(15, macrokey::kLighting, 4)), "[Lighting] 5");
    EXPECT_EQ(en.text(step(12, macrokey::kLighting, 0)), "[Lighting] ?");
    EXPECT_EQ(en.text(step(16, macrokey::kLighting, 0)), "[Lighting] ?");
}

TEST(MacroStepText, AMixedMacroGivesAStepLineAndADelayLineForEachStep) {
    const EnglishTexts en;
    MacroRecord macro;
    const MacroAction steps[] = {
        step(stepkind::kPress, 4, 0, 0, 30),
        step(stepkind::kRelease, 4, 0, 0, 0),
        step(stepkind::kMoveRightDown, macrokey::kMove, 5, 6, 1000),
        step(14, macrokey::kLighting, 1, 0, 7),
        step(stepkind::kSetSensitivity, macrokey::kSensitivity, 3, 0, 8),
        step(stepkind::kWait, macrokey::kNone, 0, 0, 65535),
    };
    for (std::size_t i = 0; i < std::size(steps); ++i)
        macro.steps[i] = steps[i];
    macro.stepCount = static_cast<std::uint16_t>(std::size(steps));
    macro.steps[std::size(steps)] = step(stepkind::kPress, 5);  // beyond the count: not shown

    const std::vector<ListLine> lines = stepLines(macro, {en.texts, en.keys, 1});
    ASSERT_EQ(lines.size(), 12u);
    const std::pair<std::string, ListIcon> expected[] = {
        {"A", ListIcon::Press},
        {"30 ms", ListIcon::Delay},
        {"A", ListIcon::Release},
        {"0 ms", ListIcon::Delay},
        {"[X+]:5,[Y+]:6", ListIcon::Move},
        {"1000 ms", ListIcon::Delay},
        {"[Lighting] 2", ListIcon::Lighting},
        {"7 ms", ListIcon::Delay},
        {"[DPI]:600 ", ListIcon::Sensitivity},
        {"8 ms", ListIcon::Delay},
        {"[Delay]", ListIcon::Delay},
        {"65535 ms", ListIcon::Delay},
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i].first) << i;
        EXPECT_EQ(lines[i].icon, expected[i].second) << i;
    }
}

TEST(MacroStepText, AStepOfAnotherKindOnAKeyHasThePlainIcon) {
    EXPECT_EQ(stepIcon(step(stepkind::kWait, 4)), ListIcon::Delay);
    EXPECT_EQ(stepIcon(step(stepkind::kPress, macrokey::kMouseLeft)), ListIcon::Press);
    EXPECT_EQ(stepIcon(step(stepkind::kRelease, macrokey::kMouseRight)), ListIcon::Release);
    EXPECT_EQ(stepIcon(step(stepkind::kPress, macrokey::kNone)), ListIcon::Delay);
}

}  // namespace
}  // namespace karvo
