// The main window's skin: the six files in order, what a missing file does, the web address,
// the macro page's rectangles, the DPI slider, and the numbering of the optional functions.
#include "ui/skin/main_skin.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

using testing::TempDir;

void writeMainFiles(const TempDir& dir, std::string_view mainBody = "[BUTTONPOS]\n") {
    dir.write("skin_main.ini", mainBody);
    dir.write("skin_color.ini", "[BUTTONPOS]\n0=c,1,2,3,4,Red\n");
    dir.write("skin_advance.ini", "[BUTTONPOS]\n66=s,150,300,303,38,\n");
    dir.write("skin_mac.ini",
              "[BUTTONPOS]\n4=r,1,2,3,4,Record\n[EDIT]\n0=e,10,20,30,40,\n"
              "[MACRODISPLAY]\n1=d,5,6,7,8,\n3=d,1,1,1,1,\n0=never read,9,9,9,9,\n");
    dir.write("LBWarning.ini", "[BUTTONPOS]\n2=m,10,10,100,40,\n");
    dir.write("mac_color.ini", "[BUTTONPOS]\n");
}

TEST(MainSkin, ReadsTheSixFilesWithTheirEntryCounts) {
    TempDir dir;
    writeMainFiles(dir, "[BUTTONPOS]\n19=web,1,2,3,4,https://example.com/karvo\n");
    MainSkin skin;
    RecordingNotifier notifier;
    ASSERT_EQ(skin.load(dir.path(), 2, "Disabled", notifier), MainSkin::Load::Loaded);
    EXPECT_TRUE(notifier.notices.empty());
    EXPECT_EQ(skin.main().size(), 80u);
    EXPECT_EQ(skin.lighting().size(), 103u);
    EXPECT_EQ(skin.advanced().size(), 138u);
    EXPECT_EQ(skin.macro().size(), 20u);
    EXPECT_EQ(skin.warning().size(), 8u);
    EXPECT_EQ(skin.layout(LayoutFile::MacColor).size(), 11u);
    EXPECT_EQ(skin.lighting().text(0), "Red");
    EXPECT_EQ(skin.macro().text(4), "Record");
    EXPECT_EQ(skin.warning().rect(2), (SkinRect{20, 20, 200, 80}));
    // Entry 19 keeps its rectangle, but its text is the web address and is never drawn.
    EXPECT_EQ(skin.webAddress(), "https://example.com/karvo");
    EXPECT_EQ(skin.main().text(19), "");
    EXPECT_EQ(skin.main().rect(19), (SkinRect{2, 4, 6, 8}));
}

TEST(MainSkin, KeepsTheMacroPageRectanglesByTheirCorners) {
    TempDir dir;
    writeMainFiles(dir);
    MainSkin skin;
    RecordingNotifier notifier;
    ASSERT_EQ(skin.load(dir.path(), 1, "", notifier), MainSkin::Load::Loaded);
    EXPECT_EQ(skin.editFields()[0], (SkinBox{10, 20, 40, 60}));
    EXPECT_EQ(skin.editFields()[1], SkinBox{});
    EXPECT_EQ(skin.macroDisplays()[0], (SkinBox{5, 6, 12, 14}));  // [MACRODISPLAY] 1
    EXPECT_EQ(skin.macroDisplays()[1], SkinBox{});
    EXPECT_EQ(skin.macroDisplays()[2], (SkinBox{1, 1, 2, 2}));
}

TEST(MainSkin, DerivesTheDpiSliderFromEntry66AndTheScale) {
    for (const int scale : {1, 2}) {
        TempDir dir;
        writeMainFiles(dir);
        MainSkin skin;
        RecordingNotifier notifier;
        ASSERT_EQ(skin.load(dir.path(), scale, "", notifier), MainSkin::Load::Loaded);
        EXPECT_EQ(skin.dpiSlider().origin, 150 * scale);
        EXPECT_EQ(skin.dpiSlider().length, 303 * scale);
        EXPECT_FLOAT_EQ(skin.dpiSlider().step, 303.0f * static_cast<float>(scale) / 17.0f);
    }
}

TEST(MainSkin, AMissingFileShowsTipText4AndLeavesThePreviousSkin) {
    const char* files[] = {"skin_main.ini", "skin_color.ini", "skin_advance.ini",
                           "skin_mac.ini",  "LBWarning.ini",  "mac_color.ini"};
    TempDir good;
    writeMainFiles(good, "[BUTTONPOS]\n3=a,1,1,1,1,Apply\n");
    for (const char* missing : files) {
        MainSkin skin;
        RecordingNotifier notifier;
        ASSERT_EQ(skin.load(good.path(), 1, "", notifier), MainSkin::Load::Loaded);

        TempDir other;
        writeMainFiles(other, "[BUTTONPOS]\n3=a,1,1,1,1,Anwenden\n");
        std::filesystem::remove(other / missing);
        EXPECT_EQ(skin.load(other.path(), 1, "", notifier), MainSkin::Load::MissingFile) << missing;
        ASSERT_EQ(notifier.notices.size(), 1u) << missing;
        EXPECT_EQ(notifier.notices[0].tipText, 4);
        EXPECT_EQ(skin.main().text(3), "Apply") << missing;
    }
}

TEST(MainSkin, ALanguageSwitchRereadsPositionsAndTexts) {
    TempDir english;
    TempDir german;
    writeMainFiles(english, "[BUTTONPOS]\n3=a,900,10,80,30,Apply\n");
    writeMainFiles(german, "[BUTTONPOS]\n3=a,880,10,100,30,Anwenden\n");
    MainSkin skin;
    RecordingNotifier notifier;
    ASSERT_EQ(skin.load(english.path(), 1, "", notifier), MainSkin::Load::Loaded);
    ASSERT_EQ(skin.load(german.path(), 1, "", notifier), MainSkin::Load::Loaded);
    EXPECT_EQ(skin.main().rect(3), (SkinRect{880, 10, 100, 30}));
    EXPECT_EQ(skin.main().text(3), "Anwenden");
}

FunctionNames namesFrom(const TempDir& dir, std::string_view section) {
    return FunctionNames::read(ini::IniSnapshot(dir.write("skin_main.ini", section)), "Off");
}

using Extra = std::map<std::string, ExtraFunction>;

TEST(FunctionNames, OptionalAndSpecialFunctionsAreNumberedWithoutGaps) {
    struct Case {
        const char* name;
        const char* body;
        Extra expected;
    };
    const Case cases[] = {
        {"all present",
         "[FUN_STRING]\n12=A\n13=B\n14=C\n15=D\n16=E\n17=F\n30000=S0\n30001=S1\n",
         {{"12", {"A", 1}},
          {"13", {"B", 2}},
          {"14", {"C", 3}},
          {"15", {"D", 4}},
          {"16", {"E", 5}},
          {"17", {"F", 6}},
          {"30000", {"S0", 7}},
          {"30001", {"S1", 8}}}},
        {"gaps in both ranges",
         "[FUN_STRING]\n12=A\n14=C\n17=F\n30001=S1\n30004=S4\n",
         {{"12", {"A", 1}},
          {"14", {"C", 2}},
          {"17", {"F", 3}},
          {"30001", {"S1", 4}},
          {"30004", {"S4", 5}}}},
        {"key 0 listed with ordinal 0",
         "[FUN_STRING]\n0=Disable\n13=B\n",
         {{"0", {"Disable", 0}}, {"13", {"B", 1}}}},
        {"key 0 cut to nine characters",
         "[FUN_STRING]\n0=0123456789AB\n",
         {{"0", {"012345678", 0}}}},
        {"special names cut to fourteen characters",
         "[FUN_STRING]\n30000=ABCDEFGHIJKLMNOPQ\n",
         {{"30000", {"ABCDEFGHIJKLMN", 1}}}},
        {"no section", "", {}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        EXPECT_EQ(namesFrom(dir, c.body).extraFunctions(), c.expected) << c.name;
    }
}

TEST(FunctionNames, TheTableTakesPieceZeroAndFunctionZeroFromTheLanguageText) {
    TempDir dir;
    const FunctionNames f = namesFrom(dir,
                                      "[FUN_STRING]\n0=Disable\n1=Left click\n2=Right,extra\n"
                                      "18=Host key\n47=Last\n48=Beyond\n");
    EXPECT_EQ(f.name(0), "Off");
    EXPECT_EQ(f.name(1), "Left click");
    EXPECT_EQ(f.name(2), "Right");
    EXPECT_EQ(f.name(47), "Last");
    for (const int code : {-1, 48, 256, 30000})
        EXPECT_EQ(f.name(code), "") << code;
    EXPECT_EQ(f.extraFunctions().count("18"), 0u);
}

TEST(FunctionNames, SubMenuRowsMapBackToFunctionCodes) {
    TempDir dir;
    const FunctionNames f = namesFrom(dir, "[FUN_STRING]\n0=Disable\n13=B\n16=E\n30002=S2\n");
    EXPECT_EQ(f.extraRowCount(), 3);
    EXPECT_EQ(f.extraCodeAt(1), 13);
    EXPECT_EQ(f.extraCodeAt(2), 16);
    EXPECT_EQ(f.extraCodeAt(3), 30002);
    EXPECT_EQ(f.extraCodeAt(0), 0);
    EXPECT_EQ(f.extraCodeAt(4), std::nullopt);
}

}  // namespace
}  // namespace karvo
