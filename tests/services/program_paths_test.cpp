// The data tree's paths per language, the start-minimised switch and the layout scale.
#include "services/program_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/temp_dir.h"

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

TEST(ProgramPaths, TheInstalledLayoutWritesOnlyUnderTheUserFolder) {
    auto p = ProgramPaths::installed("/usr/share/karvo-gmouse", "/home/u/.config/karvo-gmouse", 1);
    EXPECT_TRUE(p.isInstalled());
    // Read-only: pictures, texts, layouts, the reset copies of the macro groups.
    EXPECT_EQ(p.skinFolder, "/usr/share/karvo-gmouse");
    EXPECT_EQ(p.maskImage, "/usr/share/karvo-gmouse/main_mask.jpg");
    EXPECT_EQ(p.languageFolder, "/usr/share/karvo-gmouse/1_INI_EN");
    EXPECT_EQ(p.macroResetFolder, "/usr/share/karvo-gmouse/1_INI_EN/macroReset");
    // Written: the configuration, the macro groups, the gun presets.
    EXPECT_EQ(p.configFile, "/home/u/.config/karvo-gmouse/config/config.ini");
    EXPECT_EQ(p.constMacroFile, "/home/u/.config/karvo-gmouse/config/constMacro.dat");
    EXPECT_EQ(p.macroFolder, "/home/u/.config/karvo-gmouse/1_INI_EN/macro");
    EXPECT_EQ(p.userLanguageFolder, "/home/u/.config/karvo-gmouse/1_INI_EN");
    p.setLanguage(25);  // a language without a folder of its own
    EXPECT_EQ(p.macroFolder, "/home/u/.config/karvo-gmouse/macro");
    EXPECT_EQ(p.languageFolder, "/usr/share/karvo-gmouse");
    EXPECT_FALSE(ProgramPaths::build("/opt/karvo", 1).isInstalled());
}

TEST(ProgramPaths, TheConfigurationHomeFollowsTheXdgRules) {
    const struct {
        const char* xdg;
        const char* home;
        std::optional<std::filesystem::path> expected;
    } cases[] = {
        {"/x/cfg", "/home/u", "/x/cfg"},
        {"", "/home/u", "/home/u/.config"},
        {"relative/cfg", "/home/u", "/home/u/.config"},  // a relative value is ignored
        {"", "", std::nullopt},
        {"", "not/absolute", std::nullopt},
        {"/x/cfg/../c", "", "/x/c"},
    };
    for (const auto& c : cases) {
        PathEnvironment e;
        e.xdgConfigHome = c.xdg;
        e.home = c.home;
        EXPECT_EQ(e.configHome(), c.expected) << c.xdg << " | " << c.home;
    }
}

TEST(LocateProgram, ChoosesDataThenPortableThenInstalled) {
    namespace fs = std::filesystem;
    testing::TempDir dir;
    fs::create_directories(dir / "usr/bin");
    fs::create_directories(dir / "usr/share/karvo-gmouse/config");
    fs::create_directories(dir / "portable/skins");
    PathEnvironment e;
    e.home = (dir / "home").string();

    e.executableFolder = dir / "usr/bin";
    ProgramLocation l = locateProgram(e, 1);
    ASSERT_TRUE(l.paths);
    EXPECT_TRUE(l.paths->isInstalled());
    EXPECT_EQ(l.paths->skinFolder, dir / "usr/share/karvo-gmouse");
    EXPECT_EQ(l.paths->configFile, dir / "home/.config/karvo-gmouse/config/config.ini");

    // --data wins over the installed tree.
    e.dataFolder = dir / "portable";
    l = locateProgram(e, 1);
    ASSERT_TRUE(l.paths);
    EXPECT_FALSE(l.paths->isInstalled());
    EXPECT_EQ(l.paths->configFile, dir / "portable/skins/config/config.ini");
    e.dataFolder.reset();

    // skins/ beside the program: the portable layout, even with share/ present.
    fs::create_directories(dir / "usr/bin/skins");
    l = locateProgram(e, 1);
    ASSERT_TRUE(l.paths);
    EXPECT_EQ(l.paths->configFile, dir / "usr/bin/skins/config/config.ini");
    fs::remove(dir / "usr/bin/skins");

    // Installed, but no home to keep settings in: a reason, no paths.
    e.home.clear();
    l = locateProgram(e, 1);
    EXPECT_FALSE(l.paths);
    EXPECT_NE(l.error.find("XDG_CONFIG_HOME"), std::string::npos);

    // Neither tree: the portable paths, so the caller names the missing file.
    e.executableFolder = dir / "elsewhere";
    l = locateProgram(e, 1);
    ASSERT_TRUE(l.paths);
    EXPECT_EQ(l.paths->configFile, dir / "elsewhere/skins/config/config.ini");
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
