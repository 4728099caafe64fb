// The data tree's paths per language, the start-minimised switch and the layout scale.
#include "app/program_paths.h"

#include <gtest/gtest.h>

namespace karvo {
namespace {

TEST(ProgramPaths, BuildsTheDataTreeBesideTheProgram) {
    const auto p = ProgramPaths::build("/opt/karvo", 1);
    EXPECT_EQ(p.skinFolder, "/opt/karvo/skins");
    EXPECT_EQ(p.configFile, "/opt/karvo/skins/config/config.ini");
    EXPECT_EQ(p.configFolder, "/opt/karvo/skins/config");
    EXPECT_EQ(p.constMacroFile, "/opt/karvo/skins/config/constMacro.dat");
    EXPECT_EQ(p.maskImage, "/opt/karvo/skins/main_mask.jpg");
    EXPECT_EQ(p.macroFolder, "/opt/karvo/skins/1_INI_EN/macro");
    EXPECT_EQ(p.macroResetFolder, "/opt/karvo/skins/1_INI_EN/macroReset");
}

TEST(ProgramPaths, LanguagesWithoutAFolderUseTheSkinFolder) {
    const std::pair<int, const char*> cases[] = {
        {0, "/p/skins/0_INI_CN"},   {3, "/p/skins/3_INI_BILI"}, {19, "/p/skins/19_INI_CNTW"},
        {24, "/p/skins/24_INI_UA"}, {25, "/p/skins"},           {26, "/p/skins/26_INI_HUN"},
        {27, "/p/skins"},           {255, "/p/skins"},          {-1, "/p/skins"},
    };
    for (const auto& [index, folder] : cases) {
        EXPECT_EQ(ProgramPaths::build("/p", index).languageFolder, folder) << index;
    }
}

TEST(ProgramPaths, ALanguageChangeMovesOnlyTheLanguageFolders) {
    auto p = ProgramPaths::build("/p", 1);
    p.setLanguage(0);
    EXPECT_EQ(p.macroFolder, "/p/skins/0_INI_CN/macro");
    p.setLanguage(1);
    EXPECT_EQ(p.macroResetFolder, "/p/skins/1_INI_EN/macroReset");
    EXPECT_EQ(p.configFile, "/p/skins/config/config.ini");
}

TEST(CommandLine, OnlyHideAfterTheLastDashStartsHidden) {
    const std::pair<const char*, bool> cases[] = {
        {"/opt/karvo/karvo-gmouse -HIDE", true},
        {"/opt/karvo/karvo-gmouse -HIDEOUT", true},  // four characters count
        {"/opt/karvo/karvo-gmouse -HIDDEN", false},  // "HIDD"
        {"/opt/karvo/karvo-gmouse -hide", false},
        {"/opt/karvo-gmouse/karvo-gmouse", false},
        {"/opt/my-HIDE/karvo", true},  // the whole command line counts, the path too
        {"/opt/x-y/karvo -HIDE", true},
        {"/opt/karvo -HIDE -x", false},
        {"/opt/karvo -HID", false},
        {"karvo", false},
        {"", false},
    };
    for (const auto& [line, hidden] : cases)
        EXPECT_EQ(startsHidden(line), hidden) << line;
}

TEST(LayoutScale, DoublesFrom2880PixelsOn) {
    EXPECT_EQ(layoutScale(1920), 1);
    EXPECT_EQ(layoutScale(2879), 1);
    EXPECT_EQ(layoutScale(2880), 2);
    EXPECT_EQ(layoutScale(3840), 2);
}

}  // namespace
}  // namespace karvo
