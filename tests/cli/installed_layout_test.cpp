// karvoctl as an installed program: the shipped tree read-only under share/karvo-gmouse, the
// user's settings in $XDG_CONFIG_HOME/karvo-gmouse, --data still naming a portable folder, and
// the autostart entry it writes for the window program beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_fixture.h"
#include "platform/file_ops.h"

namespace karvo::testing {
namespace {

namespace fs = std::filesystem;

// A prefix with bin/ and share/karvo-gmouse/ (the fixture's copy of the shipped tree moved
// there), and a home without settings yet.
struct InstalledCli : CliFixture {
    InstalledCli() {
        fs::create_directories(prefix() / "bin");
        fs::create_directories(prefix() / "share");
        fs::rename(skins(), shared());
        environment.programFolder = prefix() / "bin";
        environment.home = (dir / "home").string();
        environment.xdgConfigDirs = (dir / "etc-xdg").string();
    }
    fs::path prefix() const { return dir / "usr"; }
    fs::path shared() const { return prefix() / "share/karvo-gmouse"; }
    fs::path userConfig() const { return dir / "home/.config/karvo-gmouse/config/config.ini"; }
};

TEST(KarvoctlInstalled, ChangesLandInTheUsersConfigurationAndNotInTheShippedOne) {
    InstalledCli t;
    const std::string shipped = *fileops::readFile(t.shared() / "config/config.ini");
    CliResult r = t.run({"set", "pointer-speed", "7"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(*fileops::readFile(t.shared() / "config/config.ini"), shipped);
    const auto mine = fileops::readFile(t.userConfig());
    ASSERT_TRUE(mine);
    EXPECT_NE(mine->find("DPI_SPEED=7"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(t.dir / "home/.config/karvo-gmouse/1_INI_EN/macro"));
    r = t.run({"show"});
    EXPECT_NE(r.out.find("Pointer speed: 7"), std::string::npos) << r.out;
    // A macro change writes the user's group files too.
    r = t.run({"macro", "list", "Office"});
    EXPECT_EQ(r.code, 0) << r.err;

    // $XDG_CONFIG_HOME wins over $HOME/.config.
    t.environment.xdgConfigHome = (t.dir / "xdg").string();
    r = t.run({"show"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Pointer speed: 6"), std::string::npos) << r.out;  // the shipped one
    EXPECT_TRUE(fs::exists(t.dir / "xdg/karvo-gmouse/config/config.ini"));
}

TEST(KarvoctlInstalled, DataStillNamesAPortableFolder) {
    InstalledCli t;
    fs::create_directories(t.dir / "portable");
    fs::copy(t.shared(), t.dir / "portable/skins", fs::copy_options::recursive);
    const CliResult r =
        t.run({"--data", (t.dir / "portable").string(), "set", "pointer-speed", "3"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(fileops::readFile(t.dir / "portable/skins/config/config.ini")->find("DPI_SPEED=3"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(t.userConfig()));
}

TEST(KarvoctlInstalled, WithoutAHomeItSaysWhereSettingsCouldGo) {
    InstalledCli t;
    t.environment.home.clear();
    const CliResult r = t.run({"show"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("$HOME"), std::string::npos) << r.err;
}

TEST(KarvoctlAutostart, OnWritesTheEntryForTheWindowBesideTheTool) {
    InstalledCli t;
    CliResult r = t.run({"autostart"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("autostart: off"), std::string::npos) << r.out;

    r = t.run({"autostart", "on"});
    EXPECT_EQ(r.code, 1);  // no window program installed beside the tool
    EXPECT_NE(r.err.find("karvo-gmouse"), std::string::npos) << r.err;

    std::ofstream(t.prefix() / "bin/karvo-gmouse") << "#!/bin/sh\n";
    r = t.run({"autostart", "on"});
    ASSERT_EQ(r.code, 0) << r.err;
    const fs::path entry = t.dir / "home/.config/autostart/karvo-gmouse.desktop";
    const auto text = fileops::readFile(entry);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("Exec=" + (t.prefix() / "bin/karvo-gmouse").string() + " -HIDE\n"),
              std::string::npos)
        << *text;
    r = t.run({"--json", "autostart"});
    EXPECT_EQ(r.out, "{\"autostart\":true,\"entry\":\"" + entry.string() + "\"}\n");

    r = t.run({"autostart", "off"});
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(fs::exists(entry));

    r = t.run({"autostart", "maybe"});
    EXPECT_EQ(r.code, 2);
    r = t.run({"autostart", "on", "extra"});
    EXPECT_EQ(r.code, 2);
}

}  // namespace
}  // namespace karvo::testing
