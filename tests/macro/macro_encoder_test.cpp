// The macro image byte for byte: delays and fillers, every step entry, the lighting area and
// its addresses, the notices and aborts, records whose counters lie, and the stretching of
// short gun presets.
#include "macro/macro_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace karvo {
namespace {

using Bytes = std::vector<std::uint8_t>;

MacroRecord withSteps(std::initializer_list<MacroAction> steps) {
    MacroRecord r;
    for (const MacroAction& s : steps) {
        r.steps[r.stepCount++] = s;
        switch (s.key) {
            case macrokey::kMove:
                ++r.moveCount;
                break;
            case macrokey::kReserved247:
                ++r.kind247Count;
                break;
            case macrokey::kSensitivity:
                ++r.sensitivityCount;
                break;
            case macrokey::kLighting:
                ++r.lightingCount;
                break;
            default:
                break;
        }
    }
    return r;
}

Bytes slice(const Bytes& b, std::size_t from, std::size_t n) {
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from),
                 b.begin() + static_cast<std::ptrdiff_t>(from + n));
}

MacroEncoder::Result encodeWithRoom(const MacroRecord& r, std::uint16_t base = 1024) {
    return MacroEncoder::encode(r, base, MacroEncoder::layout(r).size);
}

TEST(MacroDelay, SplitsIntoADelayByteAndWholeFillers) {
    struct Case {
        std::uint16_t ms;
        std::uint8_t units;
        std::size_t fillers;
    };
    for (const Case c : {Case{0, 1, 0}, Case{1, 1, 0}, Case{127, 127, 0}, Case{128, 1, 1},
                         Case{254, 127, 1}, Case{255, 1, 2}, Case{300, 46, 2}, Case{10000, 94, 78},
                         Case{10001, 94, 78}, Case{65535, 94, 78}}) {
        const auto d = MacroEncoder::splitDelay(c.ms);
        EXPECT_EQ(d.units, c.units) << c.ms;
        EXPECT_EQ(d.fillers, c.fillers) << c.ms;
    }
}

TEST(MacroImage, WithoutStepsIsARunCountAndNothingElse) {
    MacroRecord r;
    r.repeatCount = 1000;
    EXPECT_EQ(MacroEncoder::layout(r).stepArea, 8u);
    EXPECT_EQ(MacroEncoder::layout(r).size, 8u);
    const auto out = encodeWithRoom(r);
    EXPECT_EQ(out.image, (Bytes{0xE8, 0x03, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(out.notices.empty());
    EXPECT_FALSE(out.abandoned);
}

TEST(MacroImage, RunsOnceInModesOneAndTwoWhateverTheRepeatCount) {
    for (const int mode : {1, 2, 0x0A, 0x09}) {
        MacroRecord r;
        r.mode = static_cast<std::uint8_t>(mode);
        r.repeatCount = 1000;
        EXPECT_EQ(slice(encodeWithRoom(r).image, 0, 2), (Bytes{1, 0})) << mode;
    }
}

TEST(MacroImage, WritesEachStepKindAsItsEntry) {
    struct Case {
        const char* what;
        MacroAction step;
        Bytes entry;  // bytes from offset 2
    };
    using namespace macrokey;
    using namespace stepkind;
    const Case cases[] = {
        {"key press", {kPress, 0x04, 0, 0, 10}, {0x8A, 0x04, 0, 0}},
        {"key release", {kRelease, 0x04, 0, 0, 10}, {0x0A, 0x04, 0, 0}},
        {"left button press", {kPress, kMouseLeft, 0, 0, 5}, {0x85, 0xF1, 0, 0}},
        {"right button release", {kRelease, kMouseRight, 0, 0, 5}, {0x05, 0xF3, 0, 0}},
        {"pure wait of any kind", {7, kNone, 0, 0, 20}, {0x14, 0x00, 0, 0}},
        {"key with a move kind", {kMoveLeftUp, 0x04, 0, 0, 20}, {0, 0, 0, 0}},
        {"move X- Y-", {kMoveLeftUp, kMove, 1, 2, 1}, {0x01, 0xF6, 0xFF, 0xFF, 0xFE, 0xFF}},
        {"move X- Y+", {kMoveLeftDown, kMove, 1, 2, 1}, {0x01, 0xF6, 0xFF, 0xFF, 0x02, 0x00}},
        {"move X+ 5, Y- 3", {kMoveRightUp, kMove, 5, 3, 9}, {0x09, 0xF6, 0x05, 0x00, 0xFD, 0xFF}},
        {"move X+ Y+", {kMoveRightDown, kMove, 0x1234, 2, 1}, {0x01, 0xF6, 0x34, 0x12, 2, 0}},
        {"move of another kind", {kPress, kMove, 5, 3, 1}, {0x01, 0xF6, 0, 0, 0, 0}},
        {"set sensitivity", {kSetSensitivity, kSensitivity, 0x103, 0, 3}, {0x83, 0xF8, 0x03, 0}},
        {"restore sensitivity", {kRestoreSensitivity, kSensitivity, 2, 0, 3}, {0x03, 0xF8, 2, 0}},
        {"sensitivity of another kind", {kPress, kSensitivity, 2, 0, 3}, {0x00, 0xF8, 2, 0}},
        {"reserved 247", {kPress, kReserved247, 0, 0, 3}, {0, 0, 0, 0}},
        {"undefined key 245", {kPress, 245, 0, 0, 3}, {0, 0, 0, 0}},
        {"long press with fillers", {kPress, 0x04, 0, 0, 300}, {0xAE, 0x04, 0x7F, 0, 0x7F, 0}},
        {"long move, fillers after its distances",
         {kMoveRightDown, kMove, 1, 1, 128},
         {0x01, 0xF6, 1, 0, 1, 0, 0x7F, 0}},
    };
    for (const Case& c : cases) {
        const MacroRecord r = withSteps({c.step});
        const auto out = encodeWithRoom(r);
        ASSERT_FALSE(out.abandoned) << c.what;
        EXPECT_EQ(slice(out.image, 2, c.entry.size()), c.entry) << c.what;
    }
}

TEST(MacroImage, KeepsStepsInOrderEachFollowedByItsFillers) {
    const MacroRecord r = withSteps({{stepkind::kPress, 0x04, 0, 0, 128},
                                     {stepkind::kRelease, 0x04, 0, 0, 127},
                                     {stepkind::kWait, macrokey::kNone, 0, 0, 0}});
    // 2 + 2 * (3 steps + 1 filler) = 10 -> the lighting area would start at 16.
    EXPECT_EQ(MacroEncoder::layout(r).stepArea, 16u);
    EXPECT_EQ(encodeWithRoom(r).image,
              (Bytes{0, 0, 0x81, 0x04, 0x7F, 0, 0x7F, 0x04, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(MacroImage, ATenSecondDelayNeedsSeventyEightFillers) {
    const MacroRecord r = withSteps({{stepkind::kPress, 0x04, 0, 0, 10000}});
    const auto layout = MacroEncoder::layout(r);
    EXPECT_EQ(layout.fillers, 78u);
    EXPECT_EQ(layout.stepArea, 160u);  // 2 + 2 * (1 + 78)
    const Bytes image = encodeWithRoom(r).image;
    EXPECT_EQ(slice(image, 2, 2), (Bytes{0xDE, 0x04}));  // 94 with the press bit
    for (std::size_t f = 0; f < 78; ++f)
        EXPECT_EQ(slice(image, 4 + 2 * f, 2), (Bytes{0x7F, 0x00})) << f;
    EXPECT_EQ(image[160], 0);
}

LedEffectRecord ledWith(std::uint8_t entries, std::uint8_t fill) {
    LedEffectRecord led;
    led.bytes.fill(fill);
    led.bytes[0] = entries;
    return led;
}

TEST(MacroImage, CopiesEachLightingRecordToItsOwnEightByteStep) {
    MacroRecord r = withSteps({{stepkind::kLightingFirst, macrokey::kLighting, 0, 0, 2},
                               {stepkind::kLightingFirst + 1, macrokey::kLighting, 1, 0, 3}});
    r.lighting[0] = ledWith(1, 0xA1);
    r.lighting[1] = ledWith(2, 0xB2);
    // Step area 2 + 2 * 2 + 2 * 2 = 10 -> 16; records of 8 and 16 bytes follow.
    const auto layout = MacroEncoder::layout(r);
    EXPECT_EQ(layout.stepArea, 16u);
    EXPECT_EQ(layout.size, 40u);
    const auto out = MacroEncoder::encode(r, 0x0AF0, layout.size);
    ASSERT_FALSE(out.abandoned);
    EXPECT_TRUE(out.notices.empty());
    // Records at 0x0AF0 + 16 = 0x0B00 and 0x0B08; variant 1 adds 64 to the high byte.
    EXPECT_EQ(slice(out.image, 2, 8), (Bytes{0x02, 0xF9, 0x00, 0x0B, 0x03, 0xF9, 0x08, 0x4B}));
    EXPECT_EQ(slice(out.image, 16, 8), (Bytes{0x00, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1}));
    Bytes second(16, 0xB2);  // 12 bytes copied, 4 bytes of padding
    second[0] = 0x01;
    second[12] = second[13] = second[14] = second[15] = 0x00;
    EXPECT_EQ(slice(out.image, 24, 16), second);
    EXPECT_EQ(out.image.size(), 42u);
}

TEST(MacroImage, NeverCopiesMoreThanALightingRecordHolds) {
    MacroRecord r = withSteps({{stepkind::kLightingFirst, macrokey::kLighting, 0, 0, 1}});
    r.lighting[0] = ledWith(200, 0x33);  // a damaged entry count
    const auto layout = MacroEncoder::layout(r);
    EXPECT_EQ(layout.size, 8u + 72u);  // 68 bytes, rounded up
    const auto out = MacroEncoder::encode(r, 1024, layout.size);
    EXPECT_EQ(out.image[8], 15);  // 16 entries, written as count - 1
    EXPECT_EQ(out.image[8 + 67], 0x33);
    EXPECT_EQ(out.image[8 + 68], 0);
}

TEST(MacroImage, SkipsALightingStepWithoutARecordAndSaysSo) {
    struct Case {
        const char* what;
        std::uint8_t lightingCount;
        std::uint16_t recordIndex;
    };
    for (const Case c : {Case{"no lighting records", 0, 0}, Case{"index past the table", 1, 7}}) {
        MacroRecord r =
            withSteps({{stepkind::kLightingFirst, macrokey::kLighting, c.recordIndex, 0, 300},
                       {stepkind::kPress, 0x05, 0, 0, 1}});
        r.lightingCount = c.lightingCount;
        const auto out = encodeWithRoom(r);
        EXPECT_FALSE(out.abandoned) << c.what;
        EXPECT_EQ(out.notices, (std::vector<int>{MacroEncoder::kTipBadLighting})) << c.what;
        // Neither the step nor its fillers: the next step comes first.
        EXPECT_EQ(slice(out.image, 2, 4), (Bytes{0x81, 0x05, 0, 0})) << c.what;
    }
}

TEST(MacroImage, WritesALightingStepOfAnUnknownKindAsTheFirstVariant) {
    MacroRecord r = withSteps({{17, macrokey::kLighting, 0, 0, 1}});
    r.lighting[0] = ledWith(1, 0);
    const auto out = encodeWithRoom(r, 0x0400);
    EXPECT_EQ(out.notices, (std::vector<int>{MacroEncoder::kTipBadLighting}));
    EXPECT_EQ(slice(out.image, 2, 4), (Bytes{0x01, 0xF9, 0x08, 0x04}));
}

TEST(MacroImage, IsAbandonedWhenALightingRecordEndsBeyondTheMemory) {
    MacroRecord r = withSteps({{stepkind::kLightingFirst, macrokey::kLighting, 0, 0, 1}});
    r.lighting[0] = ledWith(1, 0);
    // Step area 8, record 8: ends at 0x3FF8 + 16 - 1, above 0x4000.
    const auto out = encodeWithRoom(r, 0x3FF8);
    EXPECT_TRUE(out.abandoned);
    EXPECT_EQ(out.notices, (std::vector<int>{MacroEncoder::kTipBadLighting}));
    EXPECT_FALSE(encodeWithRoom(r, 0x3FF1).abandoned);  // ends at 0x4000 exactly
}

TEST(MacroImage, IsAbandonedWhenItDoesNotFitItsBudget) {
    const MacroRecord r = withSteps({{stepkind::kPress, 0x04, 0, 0, 1000}});
    const auto out = MacroEncoder::encode(r, 1024, MacroEncoder::layout(r).size - 8);
    EXPECT_TRUE(out.abandoned);
}

TEST(MacroImage, WidensTheStepAreaWhenCountersUnderstateTheSteps) {
    // A file claims no moves and no lighting steps, but holds both.
    MacroRecord r = withSteps({{stepkind::kMoveRightDown, macrokey::kMove, 1, 1, 1},
                               {stepkind::kMoveRightDown, macrokey::kMove, 1, 1, 1},
                               {stepkind::kLightingFirst, macrokey::kLighting, 0, 0, 1}});
    r.lighting[0] = ledWith(1, 0x55);
    r.moveCount = 0;
    r.lightingCount = 1;
    r.stepCount = 3;
    // Counted: 2 + 2 * 3 + 2 = 10 -> 16, but the entries take 2 + 6 + 6 + 4 = 18.
    const auto layout = MacroEncoder::layout(r);
    EXPECT_EQ(layout.stepArea, 24u);
    const auto out = MacroEncoder::encode(r, 1024, layout.size);
    EXPECT_EQ(slice(out.image, 14, 4), (Bytes{0x01, 0xF9, 0x18, 0x04}));
    EXPECT_EQ(out.image[24], 0);
    EXPECT_EQ(out.image[25], 0x55);
}

TEST(GunPresetStretching, RepeatsAShortHeldPresetToFortyMilliseconds) {
    MacroRecord r = withSteps({{stepkind::kPress, macrokey::kMouseLeft, 0, 0, 4},
                               {stepkind::kMoveRightDown, macrokey::kMove, 0, 3, 4},
                               {stepkind::kSetSensitivity, macrokey::kSensitivity, 1, 0, 1}});
    r.setPlaybackMode(PlaybackMode::Mode2);
    // 1 + 4 + 4 + 1 = 10 -> four runs of the steps.
    const MacroRecord s = MacroEncoder::stretchedPreset(r);
    ASSERT_EQ(s.stepCount, 12u);
    EXPECT_EQ(s.moveCount, 4u);
    EXPECT_EQ(s.sensitivityCount, 1u);
    for (std::size_t copy = 0; copy < 4; ++copy) {
        EXPECT_EQ(s.steps[3 * copy], r.steps[0]) << copy;
        EXPECT_EQ(s.steps[3 * copy + 1], r.steps[1]) << copy;
        const std::uint8_t third = copy == 0 ? macrokey::kSensitivity : macrokey::kNone;
        EXPECT_EQ(s.steps[3 * copy + 2].key, third) << copy;
        EXPECT_EQ(s.steps[3 * copy + 2].delay, 1) << copy;
    }
}

TEST(GunPresetStretching, LeavesLongOrRepeatedPresetsAlone) {
    struct Case {
        const char* what;
        PlaybackMode mode;
        std::uint16_t delay;
        std::uint16_t steps;  // after stretching
    };
    for (const Case c :
         {Case{"sum 20: twice", PlaybackMode::Mode2, 19, 2},
          Case{"sum 21: as it is", PlaybackMode::Mode2, 20, 1},
          Case{"mode 0", PlaybackMode::Repeat, 0, 1}, Case{"mode 1", PlaybackMode::Mode1, 0, 1}}) {
        MacroRecord r = withSteps({{stepkind::kPress, 0x04, 0, 0, c.delay}});
        r.setPlaybackMode(c.mode);
        EXPECT_EQ(MacroEncoder::stretchedPreset(r).stepCount, c.steps) << c.what;
    }
}

TEST(GunPresetStretching, StopsAtTheStepLimit) {
    MacroRecord r;
    r.setPlaybackMode(PlaybackMode::Mode2);
    r.stepCount = 200;  // delays 0: forty runs wanted, 8000 steps
    for (std::size_t i = 0; i < r.stepCount; ++i)
        r.steps[i] = {stepkind::kMoveRightDown, macrokey::kMove, 1, 1, 0};
    r.moveCount = 50;
    const MacroRecord s = MacroEncoder::stretchedPreset(r);
    EXPECT_EQ(s.stepCount, MacroRecord::kMaxSteps);
    EXPECT_EQ(s.moveCount, 50u + 75u);
}

}  // namespace
}  // namespace karvo
