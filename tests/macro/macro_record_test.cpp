// The macro record's own rules: names cut on character boundaries, the mode bits, the limits
// of each step kind, and lookups that stay inside the record whatever its counters say.
#include "macro/macro_record.h"

#include <gtest/gtest.h>

#include "macro/macro_table.h"
#include "platform/text_encoding.h"

namespace karvo {
namespace {

TEST(MacroRecordName, IsCutToThirtyUnitsWithoutSplittingASurrogatePair) {
    struct Case {
        std::string in;
        std::string out;
    };
    const std::string emoji = "\xF0\x9F\x98\x80";  // two UTF-16 units
    const Case cases[] = {
        {"Reload", "Reload"},
        {std::string(30, 'x'), std::string(30, 'x')},
        {std::string(31, 'x'), std::string(30, 'x')},
        {std::string(29, 'x') + emoji, std::string(29, 'x')},  // the pair would need units 30-31
        {std::string(28, 'x') + emoji + "y", std::string(28, 'x') + emoji},
        {"\u00e9t\u00e9", "\u00e9t\u00e9"},
        {"", ""},
    };
    for (const Case& c : cases) {
        MacroRecord r;
        r.name.fill(u'Z');  // leftovers of an earlier name must not survive
        r.setName(c.in);
        EXPECT_EQ(r.nameUtf8(), c.out) << c.in;
        const std::size_t units = c.out.empty() ? 0 : text::utf16Length(c.out);
        for (std::size_t i = units; i < r.name.size(); ++i)
            EXPECT_EQ(r.name[i], u'\0') << i;
    }
}

TEST(MacroRecordMode, KeepsAndClearsTheDocumentedBits) {
    struct Case {
        std::uint8_t before;
        PlaybackMode set;
        std::uint8_t after;
        std::uint16_t repeat;  // repeat count afterwards, from 7
    };
    const Case cases[] = {
        {0xFF, PlaybackMode::Mode1, 0xF9, 1},  {0xFF, PlaybackMode::Mode2, 0xFA, 1},
        {0xFF, PlaybackMode::Repeat, 0xF4, 7}, {0x06, PlaybackMode::Repeat, 0x04, 7},
        {0x00, PlaybackMode::Mode2, 0x02, 1},
    };
    for (const Case& c : cases) {
        MacroRecord r;
        r.mode = c.before;
        r.repeatCount = 7;
        r.setPlaybackMode(c.set);
        EXPECT_EQ(r.mode, c.after) << int{c.before};
        EXPECT_EQ(r.repeatCount, c.repeat) << int{c.before};
        EXPECT_EQ(r.playbackMode(), static_cast<PlaybackMode>(c.after & 3));
    }
}

TEST(MacroRecordCounters, AreClampedToTheirLimits) {
    MacroRecord r;
    r.stepCount = 60000;
    r.moveCount = 51;
    r.kind247Count = 6;
    r.sensitivityCount = 9;
    r.kind250Count = 5;
    r.lightingCount = 200;
    r.kind251Count = 255;
    r.clampCounters();
    EXPECT_EQ(r.stepCount, 275);
    EXPECT_EQ(r.moveCount, 50);
    EXPECT_EQ(r.kind247Count, 5);
    EXPECT_EQ(r.sensitivityCount, 5);
    EXPECT_EQ(r.kind250Count, 5);
    EXPECT_EQ(r.lightingCount, 5);
    EXPECT_EQ(r.kind251Count, 5);
    EXPECT_EQ(r.validSteps().size(), 275u);
}

TEST(MacroRecordCounters, DecideWhetherOneMoreStepFits) {
    MacroRecord r;
    r.stepCount = 10;
    r.moveCount = 50;
    r.lightingCount = 4;
    EXPECT_FALSE(r.canAddStep(macrokey::kMove));
    EXPECT_TRUE(r.canAddStep(macrokey::kLighting));
    EXPECT_TRUE(r.canAddStep(4));
    r.lightingCount = 5;
    EXPECT_FALSE(r.canAddStep(macrokey::kLighting));
    r.stepCount = 275;
    EXPECT_FALSE(r.canAddStep(4));
    EXPECT_FALSE(r.canAddStep(macrokey::kSensitivity));
}

TEST(MacroRecordLighting, NeverPointsPastTheTable) {
    MacroRecord r;
    MacroAction step{stepkind::kLightingFirst, macrokey::kLighting, 4, 0, 0};
    EXPECT_EQ(r.lightingRecordOf(step), &r.lighting[4]);
    step.p0 = 5;
    EXPECT_EQ(r.lightingRecordOf(step), nullptr);
    step.p0 = 0;
    step.key = macrokey::kMove;
    EXPECT_EQ(r.lightingRecordOf(step), nullptr);

    LedEffectRecord led = LedEffectRecord::forNewStep();
    EXPECT_EQ(led.entryCount(), 1u);
    EXPECT_EQ(led.bytes[6], 10);
    led.bytes[0] = 17;  // 4 * 17 + 4 = 72 bytes would not fit in 68
    EXPECT_EQ(led.entryCount(), 16u);
    EXPECT_EQ(led.meaningfulLength(), LedEffectRecord::kSize);
}

TEST(MacroTableSlots, KeepTheBlankSlotOutOfReachAndClampTheCount) {
    MacroTable table;
    EXPECT_NE(table.macro(11), nullptr);
    EXPECT_EQ(table.macro(12), nullptr);
    EXPECT_FALSE(table.clear(12));
    table.setCount(13);
    EXPECT_EQ(table.count(), 12u);
    table.setCount(-4);
    EXPECT_EQ(table.count(), 0u);

    table.setCount(2);
    table.macro(1)->setName("Jump");
    table.macro(1)->stepCount = 3;
    table.macro(1)->second[0].bytes[0] = 1;
    EXPECT_TRUE(table.clear(1));
    EXPECT_EQ(*table.macro(1), table.blank());
    EXPECT_EQ(table.blank(), MacroRecord{});
}

}  // namespace
}  // namespace karvo
