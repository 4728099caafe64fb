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

TEST(Combination, StoringRegeneratesTheKeySequencesOfEveryProfile) {
    Settings s;
    s.currentProfile = 2;
    s.profiles[2].buttons[4].function = kFunctionCombination;
    s.profiles[0].buttons[1].function = kFunctionCombination;
    s.profiles[0].buttons[1].combination = "Alt&split&164&split&F4&split&115";
    s.combinationCopies[3][0].name = "stale";
    store(s, "Ctrl&split&V", static_cast<std::uint16_t>((4 << 8) | 86));

    EXPECT_EQ(s.combinationCopies[2][4], (CombinationCopy{"Ctrl+V", {162, 86}}));
    EXPECT_EQ(s.combinationCopies[0][1], (CombinationCopy{"Alt+F4", {164, 115}}));
    EXPECT_EQ(s.combinationCopies[3][0], CombinationCopy{}) << "buttons without a combination";

    const Settings before = s;
    store(s, "Ctrl&split&X", static_cast<std::uint16_t>((12 << 8) | 88));
    EXPECT_EQ(s, before) << "slot 12 does not exist";
}

}  // namespace
}  // namespace karvo::combination
