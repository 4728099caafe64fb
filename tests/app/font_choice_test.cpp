// Font sizes from the display's DPI and the choice of face or font file per language.
#include "app/font_choice.h"

#include <gtest/gtest.h>

namespace karvo {
namespace {

TEST(FontBase, FollowsTheDisplayScale) {
    const std::pair<int, int> cases[] = {{96, 87}, {120, 73}, {144, 63}, {168, 53}, {192, 53},
                                         {72, 40}, {100, 40}, {240, 40}, {0, 40}};
    for (const auto& [dpi, base] : cases)
        EXPECT_EQ(fontBase(dpi), base) << dpi;
}

TEST(FontRoles, ScaleFromTheBaseAndDifferWithAFontFile) {
    // A 120-dpi display gives base 73, so role 1 is 7.8 points.
    EXPECT_EQ(fontRoleSizes(fontBase(120), false, 1), (FontSizes{78, 78, 103, 113, 123, 78}));
    EXPECT_EQ(fontRoleSizes(87, true, 1), (FontSizes{92, 97, 117, 127, 137, 97}));
    EXPECT_EQ(fontRoleSizes(87, false, 2), (FontSizes{92, 92, 117, 127, 137, 184}));
    EXPECT_EQ(fontRoleSizes(53, true, 2), (FontSizes{58, 63, 83, 93, 103, 126}));
    EXPECT_EQ(scriptFontSizes(87, 2), (FontSizes{92, 92, 97, 127, 137, 184}));
}

TEST(FontChoice, AFontFlagSelectsTheLanguagesFontFile) {
    const FontChoice c = chooseFonts({"1", "\\font\\a.ttf", "Face"}, 7, 96, 1, false);
    EXPECT_EQ(c.source, FontChoice::Source::FontFile);
    EXPECT_EQ(c.fontFile, "\\font\\a.ttf");
    EXPECT_EQ(c.face, "Face");
    EXPECT_EQ(c.sizes, fontRoleSizes(87, true, 1));
    EXPECT_FALSE(c.registerEmbedded);
}

TEST(FontChoice, WithoutAFontFileTheLanguagePicksTheFace) {
    struct Case {
        FontKeys keys;
        int language;
        bool embeddedDone;
        const char* face;
        bool registers;
    };
    const Case cases[] = {
        {{"", "", ""}, 1, false, "Arial", true},        // first time, no flag: embedded fonts too
        {{"", "", ""}, 0, true, "微软雅黑", false},     // only once per run
        {{"0", "", ""}, 12, false, "微软雅黑", false},  // "0" is not an empty flag
        {{"x", "", ""}, 4, false, "Arial", false},      // a non-numeric flag reads as 0
        {{"0", "\\f.ttf", "F"}, 19, false, "Arial", false},
    };
    for (const auto& c : cases) {
        const FontChoice choice = chooseFonts(c.keys, c.language, 96, 1, c.embeddedDone);
        EXPECT_EQ(choice.source, FontChoice::Source::System) << c.language;
        EXPECT_EQ(choice.face, c.face) << c.language;
        EXPECT_EQ(choice.registerEmbedded, c.registers) << c.language;
        EXPECT_EQ(choice.sizes, fontRoleSizes(87, false, 1)) << c.language;
    }
}

TEST(FontChoice, ScriptSetsFollowTheLanguagesScript) {
    const std::pair<int, const char*> cases[] = {
        {1, "Roboto"}, {0, "微软雅黑"}, {19, "微软雅黑"}, {12, "微软雅黑"},
        {13, "Cairo"}, {4, "Arial"},    {25, "Arial"},
    };
    for (const auto& [language, face] : cases)
        EXPECT_EQ(scriptFace(language), face) << language;
}

}  // namespace
}  // namespace karvo

namespace karvo {
namespace {

TEST(FontChoice, LanguagesWithAScriptOfTheirOwnAskForAFaceThatCarriesIt) {
    const struct {
        int language;
        Script script;
    } cases[] = {{0, Script::SimplifiedChinese},
                 {1, Script::Latin},
                 {4, Script::Latin},
                 {7, Script::Latin},
                 {10, Script::Thai},
                 {11, Script::Korean},
                 {12, Script::Japanese},
                 {13, Script::Arabic},
                 {19, Script::TraditionalChinese},
                 {23, Script::Arabic},
                 {24, Script::Latin},
                 {25, Script::Latin}};
    for (const auto& c : cases) {
        EXPECT_EQ(scriptOf(c.language), c.script) << c.language;
        EXPECT_EQ(chooseFonts({}, c.language, 96, 1, true).script, c.script) << c.language;
    }
}

}  // namespace
}  // namespace karvo
