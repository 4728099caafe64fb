// Key combinations: the stored form, its display text and the key sequence built from it.
#include "settings/combination.h"

#include <gtest/gtest.h>

namespace karvo::combination {
namespace {

TEST(Combination, ReadsPairsAndSkipsThoseWithoutACode) {
    struct Case {
        const char* stored;
        const char* display;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {"Ctrl&split&162&split&C&split&67", "Ctrl+C", {162, 67}},
        {"Ctrl&split&162&split&Shift&split&&split&Alt&split&&split&Win&split&&split&C&split&67",
         "Ctrl+C",
         {162, 67}},
        {"Ctrl&split&&split&Shift&split&&split&Alt&split&&split&Win&split&&split&&split&", "", {}},
        {"", "", {}},
        {"A", "", {}},                                   // a name without its code field
        {"A&split&65&split&B", "A", {65}},               // odd field count
        {"A&split&x&split&B&split&66", "A+B", {0, 66}},  // non-numeric code reads as 0
        {"A&split&999&split&B&split&66", "B", {66}},     // no virtual key is above 255
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayText(c.stored), c.display) << c.stored;
        std::vector<int> codes;
        for (const Key& k : parse(c.stored))
            codes.push_back(k.vkCode);
        EXPECT_EQ(codes, c.codes) << c.stored;
    }
}

TEST(Combination, BuildsTheStoredFormFromTheCapturedKeys) {
    EXPECT_EQ(build("Ctrl&split&Shift&split&S", 83),
              "Ctrl&split&162&split&Shift&split&160&split&Alt&split&&split&Win&split&&split&"
              "S&split&83");
    EXPECT_EQ(build("Alt&split&Win", kNoKey),
              "Ctrl&split&&split&Shift&split&&split&Alt&split&164&split&Win&split&91&split&"
              "&split&");
    // With a key, the last name is the key's even when it spells a modifier.
    EXPECT_EQ(displayText(build("Ctrl", 17)), "Ctrl");
    EXPECT_EQ(parse(build("Ctrl", 17)), (std::vector<Key>{{"Ctrl", 17}}));
    EXPECT_EQ(displayText(build("Win&split&Alt&split&Ctrl&split&Shift&split&F5", 116)),
              "Ctrl+Shift+Alt+Win+F5");
}

std::vector<std::uint8_t> keysOf(const MacroRecord& r) {
    std::vector<std::uint8_t> keys;
    for (const MacroAction& step : r.validSteps())
        keys.push_back(step.key);
    return keys;
}

TEST(Combination, StoringRegeneratesTheMacroCopiesOfEveryProfile) {
    const MacVkAndText keys;
    Settings s;
    s.currentProfile = 2;
    s.profiles[2].buttons[4].function = kFunctionCombination;
    s.profiles[0].buttons[1].function = kFunctionCombination;
    s.profiles[0].buttons[1].combination = "Alt&split&164&split&F4&split&115";
    s.macroCopies[3][0].setName("stale");
    s.macroCopies[3][0].stepCount = 9;
    store(s, keys, "Ctrl&split&V", static_cast<std::uint16_t>((4 << 8) | 86));

    const MacroRecord& ctrlV = s.macroCopies[2][4];
    EXPECT_EQ(ctrlV.nameUtf8(), "Ctrl+V");
    EXPECT_EQ(ctrlV.playbackMode(), PlaybackMode::Mode2);
    EXPECT_EQ(ctrlV.repeatCount, 1);
    // Left Ctrl and V as the mouse's key codes, each a press followed by 4 ms.
    EXPECT_EQ(keysOf(ctrlV), (std::vector<std::uint8_t>{224, 25}));
    for (const MacroAction& step : ctrlV.validSteps()) {
        EXPECT_EQ(step.kind, stepkind::kPress);
        EXPECT_EQ(step.delay, 4);
    }
    EXPECT_EQ(keysOf(s.macroCopies[0][1]), (std::vector<std::uint8_t>{226, 61}));
    EXPECT_EQ(s.macroCopies[3][0], MacroRecord{}) << "buttons without a combination";

    const Settings before = s;
    store(s, keys, "Ctrl&split&X", static_cast<std::uint16_t>((12 << 8) | 88));
    EXPECT_EQ(s, before) << "slot 12 does not exist";
}

TEST(Combination, CopiesFollowTheKeyboardLanguageAndCutLongNames) {
    const MacVkAndText keys;
    Settings s;
    s.profiles[0].buttons[0] = {kFunctionCombination, "Z&split&90", 0, 1, 0};
    std::string many;
    for (int k = 0; k < 12; ++k)
        many += "Shift&split&160&split&";
    s.profiles[1].buttons[0] = {kFunctionCombination, many, 0, 1, 0};

    s.language = 1;  // English: Z is the key left of X
    regenerateCopies(s, keys);
    EXPECT_EQ(keysOf(s.macroCopies[0][0]), (std::vector<std::uint8_t>{29}));
    s.language = 4;  // German: Z sits where the English Y is
    regenerateCopies(s, keys);
    EXPECT_EQ(keysOf(s.macroCopies[0][0]), (std::vector<std::uint8_t>{28}));
    s.language = 25;  // no key set of its own: converted as English rather than lost
    regenerateCopies(s, keys);
    EXPECT_EQ(keysOf(s.macroCopies[0][0]), (std::vector<std::uint8_t>{29}));

    EXPECT_EQ(s.macroCopies[1][0].nameUtf8(), "Shift+Shift+Shift+Shift+Shift+") << "30 units";
    EXPECT_EQ(s.macroCopies[1][0].stepCount, 12);
}

}  // namespace
}  // namespace karvo::combination
