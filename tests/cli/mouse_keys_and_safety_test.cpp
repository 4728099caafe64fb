// karvoctl against the emulated mouse's own keys (press), the profile it reports after an
// apply, and the data-safety paths a user meets from the command line: two commands writing at
// once, a configuration that is a link, a download that had to leave a macro out.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "cli_fixture.h"
#include "platform/private_profile.h"

namespace karvo::testing {
namespace {

namespace fs = std::filesystem;

TEST(KarvoctlPress, AfterAnApplyWithTheThirdProfileCurrentTheMouseReportsIt) {
    CliFixture cli;
    ASSERT_EQ(cli.run({"profile", "3"}).code, 0);
    ASSERT_EQ(cli.sim({"apply", "--quiet"}).code, 0);
    EXPECT_EQ(cli.sim({"status"}).out,
              "mouse: found at sim:0/config\nvariant: 1 (product 2a17)\nprofile: 3\n");
}

// The shipped configuration has DPI up and down on buttons 6 and 7 and the profile cycle on
// button 8; the mouse acts on them itself and keeps the result in its state file.
TEST(KarvoctlPress, TheShippedDpiAndProfileKeysActOnTheMouse) {
    CliFixture cli;
    ASSERT_EQ(cli.sim({"apply", "--quiet"}).code, 0);
    CliResult r = cli.sim({"press", "6"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "button 6 (device key 6): DPI up; DPI level 2 -> 3\n");
    EXPECT_EQ(cli.sim({"press", "7", "--hold", "40"}).out,
              "button 7 (device key 7): DPI down; DPI level 3 -> 2\n");
    EXPECT_EQ(cli.sim({"press", "8"}).out,
              "button 8 (device key 8): cycle profiles; profile 1 -> 2\n");
    EXPECT_NE(cli.sim({"status"}).out.find("profile: 2\n"), std::string::npos);
    EXPECT_EQ(cli.sim({"--json", "press", "1"}).out,
              R"({"button":1,"deviceKey":1,"function":"left click","profile":2,"dpiLevel":2})"
              "\n")
        << "profile 2's first button is a plain click";

    // The window hears of every press: the reports are in the report log.
    const fs::path log = cli.dir / "reports.log";
    ASSERT_EQ(cli.sim({"--report-log", log.string(), "press", "6"}).code, 0);
    const std::string text = cli.dir.read("reports.log");
    EXPECT_NE(text.find(" IN 06 f6 02"), std::string::npos) << text;
    EXPECT_NE(text.find(" IN 06 f6 82"), std::string::npos) << text;
}

TEST(KarvoctlPress, RefusesWhatIsNoButtonAndARealMouse) {
    CliFixture cli;
    EXPECT_EQ(cli.sim({"press", "9"}).code, 2) << "the shipped mouse has 8 buttons";
    EXPECT_EQ(cli.sim({"press", "1", "--hold", "-3"}).code, 2);
    const CliResult real = cli.run({"press", "1"});
    EXPECT_EQ(real.code, 1);
}

// Two karvoctl set commands on different keys at the same time, 200 times each: both keep
// every change (each command reads, changes its key and writes under the folder's lock).
TEST(KarvoctlSafety, TwoProcessesSettingDifferentKeysLoseNothing) {
    CliFixture cli;
    constexpr int kRounds = 200;
    const auto setter = [&](std::vector<std::string> args, int from, int span) {
        for (int i = 0; i < kRounds; ++i) {
            std::vector<std::string> a = args;
            a.push_back(std::to_string(from + i % span));
            if (cli.run(a).code != 0)
                ::_exit(3);
        }
        ::_exit(0);
    };
    const pid_t a = ::fork();
    if (a == 0)
        setter({"set", "fire-time"}, 8, 250);
    const pid_t b = ::fork();
    if (b == 0)
        setter({"set", "wheel-speed"}, 1, 11);
    int sa = 0, sb = 0;
    ::waitpid(a, &sa, 0);
    ::waitpid(b, &sb, 0);
    EXPECT_EQ(sa, 0);
    EXPECT_EQ(sb, 0);
    const ini::IniSnapshot file(cli.configFile());
    EXPECT_EQ(file.getInt("ShareData", "FIRE_TIME", 5), 8 + (kRounds - 1) % 250);
    EXPECT_EQ(file.getInt("ShareData", "WHEEL_SPEED", 5), 1 + (kRounds - 1) % 11);
}

TEST(KarvoctlSafety, ASetKeepsAConfigurationThatIsALink) {
    CliFixture cli;
    const fs::path real = cli.dir / "dotfiles" / "config.ini";
    fs::create_directories(real.parent_path());
    fs::rename(cli.configFile(), real);
    fs::create_symlink(real, cli.configFile());
    ASSERT_EQ(cli.run({"set", "wheel-speed", "9"}).code, 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(cli.configFile())));
    EXPECT_EQ(ini::IniSnapshot(real).getInt("ShareData", "WHEEL_SPEED", 5), 9);
}

TEST(KarvoctlSafety, AnApplyThatLeftAMacroOutFailsAndSaysWhich) {
    CliFixture cli;
    ASSERT_EQ(cli.run({"set", "button", "1", "4", "256"}).code, 0);
    fs::remove(cli.skins() / "1_INI_EN" / "macro" / "Office.dat");
    const CliResult r = cli.sim({"apply", "--quiet"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("profile 1 button 4 (code 256)"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Office.dat is missing"), std::string::npos) << r.err;
}

TEST(KarvoctlSafety, AnUnknownLanguageFallsBackToEnglishAndKeepsTheMacros) {
    CliFixture cli;
    ASSERT_TRUE(ini::writeString(cli.configFile(), "Init", "VER_SEL", "99"));
    ASSERT_EQ(cli.run({"set", "button", "1", "4", "256"}).code, 0);
    const CliResult r = cli.sim({"apply", "--quiet"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("English is used"), std::string::npos) << r.err;
}

TEST(KarvoctlSafety, AnEmptyConfigurationStillWritesAMouseWithALeftClick) {
    CliFixture cli;
    // Only the mouse's description is left: every profile section is gone.
    const std::string whole = fileops::readFile(cli.configFile()).value();
    ASSERT_TRUE(
        fileops::writeFileAtomically(cli.configFile(), whole.substr(0, whole.find("[Config0]"))));
    const CliResult r = cli.sim({"apply", "--quiet"});
    EXPECT_NE(r.err.find("factory settings"), std::string::npos) << r.err;
    EXPECT_EQ(cli.stateBytes().at(8) & 0x1F, 1) << "device key 1 of profile 1 is the left click";
}

TEST(KarvoctlSafety, ImportGroupSaysWhatIsWrongWithTheName) {
    CliFixture cli;
    const fs::path bad = cli.dir / "..dat";
    ASSERT_TRUE(
        fileops::copyFileAtomically(cli.skins() / "1_INI_EN" / "macro" / "Office.dat", bad));
    const CliResult r = cli.run({"macro", "import-group", bad.string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("cannot name a macro group"), std::string::npos) << r.err;
}

TEST(KarvoctlSafety, AReportLogThatCannotBeWrittenIsReported) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    CliFixture cli;
    const CliResult r = cli.sim({"--report-log", "/dev/full", "status"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("report log could not be written"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace karvo::testing
