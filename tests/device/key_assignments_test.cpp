// Button functions as the mouse sees them: the device function code of every kind of function
// code, the marks the event thread reads, the macro check with its corrections, and how slots
// reach device keys.
#include "device/key_assignments.h"

#include <gtest/gtest.h>

#include "tests/device/download_config.h"

namespace karvo::device {
namespace {

using karvo::testing::DownloadConfig;
using karvo::testing::pressMacro;

TEST(DeviceFunctionCode, TranslatesEveryKindOfFunctionCode) {
    struct Case {
        std::int32_t function;
        std::int32_t leftMac;
        PlaybackMode mode;
        std::uint8_t expected;
    };
    constexpr auto R = PlaybackMode::Repeat;
    constexpr auto H = PlaybackMode::Mode2;
    const Case cases[] = {
        {-5, 0, R, 0},
        {0, 0, R, 0},
        {1, 0, R, 1},
        {6, 0, R, 6},
        {7, 0, R, 2},
        {14, 0, R, 9},
        {15, 0, R, 21},
        {16, 0, R, 11},
        {17, 0, R, 12},
        {18, 0, R, 20},
        {19, 0, R, 23},
        {22, 0, R, 26},
        {23, 0, R, 15},
        {32, 0, R, 15},
        {33, 0, R, 13},
        {33, 0, H, 14},
        {33, 1, R, 30},
        {33, 1, H, 31},
        {49, 0, PlaybackMode::Mode1, 13},
        {50, 0, R, 30},
        {50, 0, H, 31},
        {255, 0, H, 31},
        {256, 0, R, 13},
        {256, 0, H, 14},
        {256, 2, R, 30},
        {29999, 0, R, 13},
        {30000, 0, R, 0},
        {30001, 0, R, 0},
        {30002, 0, R, 16},
        {30003, 0, R, 0},
        {40000, 0, R, 22},
        {40001, 0, R, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyAssignments::deviceFunctionCode(c.function, c.leftMac, c.mode), c.expected)
            << c.function << " LEFT_MAC " << c.leftMac << " mode " << int(c.mode);
    }
}

TEST(KeyAssignmentMarks, FollowTheFunctionOfEachSlot) {
    struct Case {
        std::int32_t function;
        bool hostNotified, profileSwitch, dpiKey;
    };
    const Case cases[] = {
        {18, true, false, false},     {19, false, true, false},     {22, false, true, false},
        {30000, false, true, false},  {30001, false, false, false}, {30002, false, false, false},
        {40000, false, false, false}, {40001, false, true, false},  {6, false, false, true},
        {11, false, false, true},     {16, false, false, true},     {17, false, false, true},
        {1, false, false, false},
    };
    for (const Case& c : cases) {
        DownloadConfig config;
        config.button(2, 4).function = c.function;
        const auto a = KeyAssignments::build(config.settings, config.description, config.sources);
        const SlotFunction& f = a.slot(2, 4);
        EXPECT_EQ(f.hostNotified, c.hostNotified) << c.function;
        EXPECT_EQ(f.profileSwitch, c.profileSwitch) << c.function;
        EXPECT_EQ(f.dpiKey, c.dpiKey) << c.function;
        EXPECT_EQ(a.slot(1, 4), SlotFunction{}) << "other profiles keep their own";
    }
}

TEST(MacroCheck, RefusesMacrosThatDoNotExist) {
    InMemoryMacroSources sources;
    sources.groups = {{MacroRecord{}, MacroRecord{}}, {}, {MacroRecord{}, MacroRecord{}, {}}};
    sources.presets = {MacroRecord{}, MacroRecord{}};
    struct Case {
        std::int32_t function;
        bool exists;
    };
    const Case cases[] = {
        {256 + 0, true},  {256 + 1, true},  {256 + 2, false},  // group 0 holds 2
        {512 + 0, false},                                      // group 1 is empty
        {768 + 2, true},  {768 + 3, false},                    // group 2 holds 3
        {1024, false},    {29999, false},                      // groups 3 and up
        {50, true},       {51, true},       {52, false},      {255, false},
        {33, true},       {1, true},        {30001, true},    {-1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyAssignments::macroExists(c.function, sources), c.exists) << c.function;
}

TEST(MacroCheck, SetsMissingMacrosToFunctionZeroAndListsThem) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(2)}};
    config.button(0, 1).function = 257;  // macro 1 of a group of one
    config.button(3, 5).function = 256;  // exists
    config.button(1, 0).function = 60;   // no presets
    const auto a = KeyAssignments::build(config.settings, config.description, config.sources);
    EXPECT_EQ(a.corrections().size(), 2u);
    EXPECT_EQ(a.corrections()[0], (FunctionCorrection{0, 1, 257}));
    EXPECT_EQ(a.corrections()[1], (FunctionCorrection{1, 0, 60}));
    EXPECT_EQ(a.slot(0, 1).function, 0);
    EXPECT_EQ(a.key(0, 2).deviceFunction, 0);
    EXPECT_EQ(a.slot(3, 5).function, 256);
    ASSERT_NE(a.key(3, 6).macro, nullptr);
    EXPECT_EQ(a.key(3, 6).macro->stepCount, 2u);
}

TEST(KeyAssignmentKeys, PutReactionLightingAboveTheDeviceFunction) {
    DownloadConfig config;
    ButtonAssignment& b = config.button(0, 0);
    b.function = 7;  // device function 2
    b.ledReactEnable = 1;
    b.ledReactType = 2;
    const auto a = KeyAssignments::build(config.settings, config.description, config.sources);
    EXPECT_EQ(a.key(0, 1).keyByte, 2 * 64 + 32 + 2);
}

TEST(KeyAssignmentKeys, OnlySlotsBelowKeyNumMappedToKeysOneToFourteenReachTheMouse) {
    DownloadConfig config;
    config.description.keyNum = 4;
    config.description.keyMap = KeyMap{};
    config.description.keyMap.map(0, 0);   // no device key 0
    config.description.keyMap.map(1, 15);  // beyond the table
    config.description.keyMap.map(2, 14);
    config.description.keyMap.map(3, 14);  // the later slot wins the key
    config.description.keyMap.map(4, 5);   // beyond KeyNum
    for (int s = 0; s < 5; ++s)
        config.button(0, s).function = 10 + s;
    const auto a = KeyAssignments::build(config.settings, config.description, config.sources);
    EXPECT_EQ(a.key(0, 14).slot, 3);
    EXPECT_EQ(a.key(0, 14).function, 13);
    EXPECT_EQ(a.key(0, 5).function, 0);
    EXPECT_EQ(a.slot(0, 4), SlotFunction{});
    EXPECT_EQ(a.slot(0, 0).deviceFunction, 5) << "unmapped slots are still translated";
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(a.key(0, k).function, 0) << k;
}

TEST(KeyAssignmentKeys, CombinationsPlayTheProfilesOwnCopy) {
    DownloadConfig config;
    config.button(1, 3).function = kFunctionCombination;
    config.settings.macroCopies[1][3] = pressMacro(3, 4, 2);
    const auto a = KeyAssignments::build(config.settings, config.description, config.sources);
    ASSERT_NE(a.key(1, 4).macro, nullptr);
    EXPECT_EQ(*a.key(1, 4).macro, config.settings.macroCopies[1][3]);
    EXPECT_EQ(a.key(1, 4).deviceFunction, 14);
}

}  // namespace
}  // namespace karvo::device
