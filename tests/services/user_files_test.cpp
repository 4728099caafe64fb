// The user's copies of the shipped files in the installed layout: which files are the user's,
// the first-start copy, a later version's new files, and never a replaced or resurrected one.
#include "services/user_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "../support/temp_dir.h"
#include "platform/file_ops.h"
#include "platform/new_file.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& file) {
    return fileops::readFile(file).value_or("<missing>");
}

void put(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

struct Installed {
    Installed() {
        put(shipped() / "config/config.ini", "[Init]\r\nCurConfig=0\r\n");
        put(shipped() / "config/configReset.ini", "reset");
        put(shipped() / "1_INI_EN/LanguageText.ini", "texts");
        put(shipped() / "1_INI_EN/macro/macroGrp.ini", "groups");
        put(shipped() / "1_INI_EN/macro/Office.dat", "office");
        put(shipped() / "1_INI_EN/macroReset/Office.dat", "office");
        put(shipped() / "1_INI_EN/PUBG.dat", "guns");
        put(shipped() / "main_mask.jpg", "jpg");
    }
    fs::path shipped() const { return dir / "share"; }
    fs::path user() const { return dir / "home/.config/karvo-gmouse"; }
    ProgramPaths paths() const { return ProgramPaths::installed(shipped(), user(), 1); }

    testing::TempDir dir;
};

TEST(UserFiles, OnlyTheFilesTheProgramWritesAreTheUsers) {
    const std::pair<const char*, bool> cases[] = {
        {"config/config.ini", true},
        {"config/configReset.ini", true},
        {"config/constMacro.dat", true},
        {"1_INI_EN/macro/Office.dat", true},
        {"1_INI_EN/macro/macroGrp.ini", true},
        {"1_INI_EN/PUBG.dat", true},
        {"1_INI_EN/macroReset/Office.dat", false},  // read by "reset", never written
        {"1_INI_EN/LanguageText.ini", false},
        {"1_INI_EN/skin_main.ini", false},
        {"main_mask.jpg", false},
        {"PUBG.dat", false},
        {"../config/config.ini", false},
        {"/config/config.ini", false},
    };
    for (const auto& [path, users] : cases)
        EXPECT_EQ(UserFiles::isUserFile(path), users) << path;
}

TEST(UserFiles, TheFirstStartCopiesTheUsersFilesOnly) {
    Installed t;
    fs::permissions(t.shipped() / "config/config.ini",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const UserFiles::Result r = UserFiles::provide(t.paths());
    EXPECT_TRUE(r.problems.empty());
    EXPECT_TRUE(r.usable);
    EXPECT_EQ(r.copied, 5);
    EXPECT_EQ(read(t.user() / "config/config.ini"), "[Init]\r\nCurConfig=0\r\n");
    EXPECT_EQ(read(t.user() / "1_INI_EN/macro/Office.dat"), "office");
    EXPECT_EQ(read(t.user() / "1_INI_EN/PUBG.dat"), "guns");
    EXPECT_FALSE(fs::exists(t.user() / "1_INI_EN/LanguageText.ini"));
    EXPECT_FALSE(fs::exists(t.user() / "1_INI_EN/macroReset"));
    EXPECT_FALSE(fs::exists(t.user() / "main_mask.jpg"));
    // The folder the program made is private to the user.
    EXPECT_EQ(fs::status(t.user()).permissions() & fs::perms::all, fs::perms::owner_all);
    // The copies are the user's to write, even when the shipped files are read-only.
    EXPECT_NE(fs::status(t.user() / "config/config.ini").permissions() & fs::perms::owner_write,
              fs::perms::none);
    // A second start has nothing to do.
    EXPECT_EQ(UserFiles::provide(t.paths()).copied, 0);
}

TEST(UserFiles, ALaterVersionAddsNewFilesAndKeepsTheUsers) {
    Installed t;
    UserFiles::provide(t.paths());
    put(t.user() / "config/config.ini", "mine");
    fs::remove(t.user() / "1_INI_EN/macro/Office.dat");  // the user deleted the group

    // The new version ships changed files, a new group and a new language.
    put(t.shipped() / "config/config.ini", "new defaults");
    put(t.shipped() / "1_INI_EN/macro/Office.dat", "office 2");
    put(t.shipped() / "1_INI_EN/macro/Games.dat", "games");
    put(t.shipped() / "2_INI_FR/macro/Bureau.dat", "bureau");
    const UserFiles::Result r = UserFiles::provide(t.paths());
    EXPECT_EQ(r.copied, 2);
    EXPECT_EQ(read(t.user() / "config/config.ini"), "mine");
    EXPECT_FALSE(fs::exists(t.user() / "1_INI_EN/macro/Office.dat"));
    EXPECT_EQ(read(t.user() / "1_INI_EN/macro/Games.dat"), "games");
    EXPECT_EQ(read(t.user() / "2_INI_FR/macro/Bureau.dat"), "bureau");
}

TEST(UserFiles, AMissingConfigurationFileComesBackFromTheShippedOne) {
    Installed t;
    UserFiles::provide(t.paths());
    fs::remove(t.user() / "config/config.ini");
    EXPECT_EQ(UserFiles::provide(t.paths()).copied, 1);
    EXPECT_EQ(read(t.user() / "config/config.ini"), "[Init]\r\nCurConfig=0\r\n");
}

TEST(UserFiles, AFileAlreadyThereIsNeverReplaced) {
    Installed t;
    put(t.user() / "config/config.ini", "from an older copy by hand");
    const UserFiles::Result r = UserFiles::provide(t.paths());
    EXPECT_EQ(r.copied, 4);
    EXPECT_EQ(read(t.user() / "config/config.ini"), "from an older copy by hand");
    EXPECT_EQ(fileops::createFileExclusively(t.user() / "config/config.ini", "x"),
              fileops::NewFile::Existed);
    EXPECT_EQ(read(t.user() / "config/config.ini"), "from an older copy by hand");
}

TEST(UserFiles, TwoProgramsStartingTogetherMakeOneCompleteCopy) {
    Installed t;
    for (int round = 0; round < 20; ++round) {
        fs::remove_all(t.user());
        UserFiles::Result a, b;
        std::thread other([&] { a = UserFiles::provide(t.paths()); });
        b = UserFiles::provide(t.paths());
        other.join();
        EXPECT_TRUE(a.problems.empty() && b.problems.empty()) << round;
        EXPECT_EQ(a.copied + b.copied, 5) << round;
        EXPECT_EQ(read(t.user() / "config/config.ini"), "[Init]\r\nCurConfig=0\r\n");
    }
    // No temporary is left behind.
    for (const auto& e : fs::recursive_directory_iterator(t.user()))
        EXPECT_EQ(e.path().filename().string().find(".new."), std::string::npos) << e.path();
}

TEST(UserFiles, AHomeThatCannotHoldSettingsIsReportedNotFatal) {
    Installed t;
    put(t.dir / "home", "a file where the home folder should be");  // fails for root too
    const UserFiles::Result r = UserFiles::provide(t.paths());
    ASSERT_FALSE(r.problems.empty());
    EXPECT_NE(r.problems.front().find("cannot create the settings folder"), std::string::npos);
    EXPECT_FALSE(r.usable);
    EXPECT_FALSE(UserFiles::firstTime(t.paths(), "wayland-pointer"));
}

TEST(UserFiles, ThePortableLayoutIsLeftAsItIs) {
    testing::TempDir dir;
    put(dir / "skins/config/config.ini", "x");
    const UserFiles::Result r = UserFiles::provide(ProgramPaths::build(dir.path(), 1));
    EXPECT_EQ(r.copied, 0);
    EXPECT_FALSE(fs::exists(dir / "skins" / UserFiles::kManifestName));
}

TEST(UserFiles, AOneTimeNoticeIsOnlyEverFirstOnce) {
    Installed t;
    EXPECT_TRUE(UserFiles::firstTime(t.paths(), "wayland-pointer"));
    EXPECT_FALSE(UserFiles::firstTime(t.paths(), "wayland-pointer"));
    EXPECT_TRUE(UserFiles::firstTime(t.paths(), "other"));
    EXPECT_FALSE(UserFiles::firstTime(t.paths(), "../escape"));
    EXPECT_FALSE(UserFiles::firstTime(t.paths(), ""));
    EXPECT_FALSE(fs::exists(t.user().parent_path() / ".once-escape"));
}

}  // namespace
}  // namespace karvo
