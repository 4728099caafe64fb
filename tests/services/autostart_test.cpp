// The XDG autostart entry: quoting of the Exec line, switching on and off, and the system-wide
// entry of the same name that the user's entry overrides.
#include "services/autostart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../support/temp_dir.h"
#include "platform/command_runner.h"
#include "platform/file_ops.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

TEST(Autostart, ExecArgumentsAreQuotedAsDesktopEntriesAsk) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"/usr/bin/karvo-gmouse", "/usr/bin/karvo-gmouse"},
        {"-HIDE", "-HIDE"},
        {"/home/a b/karvo", "\"/home/a b/karvo\""},
        {"/x/it's", "\"/x/it's\""},
        {"/x/$HOME", "\"/x/\\\\$HOME\""},                // \$ inside quotes, then \ doubled
        {"/x/a\"b", "\"/x/a\\\\\"b\""},                  // \" likewise
        {"/x/back\\slash", "\"/x/back\\\\\\\\slash\""},  // \\ in quotes, both doubled
        {"/x/100%", "/x/100%%"},
        {"", "\"\""},
        {"/x/new\nline", std::nullopt},
        {"/x/tab\there", std::nullopt},
    };
    for (const auto& [argument, quoted] : cases)
        EXPECT_EQ(Autostart::execArgument(argument), quoted) << argument;
}

TEST(Autostart, TheEntryStartsTheWindowHiddenWithItsArguments) {
    const auto text = Autostart::entryText("/opt/k g/karvo-gmouse", {"--data", "/opt/k g"});
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("[Desktop Entry]\nType=Application\n"), std::string::npos);
    EXPECT_NE(text->find("\nExec=\"/opt/k g/karvo-gmouse\" --data \"/opt/k g\" -HIDE\n"),
              std::string::npos)
        << *text;
    EXPECT_FALSE(Autostart::entryText("/x\n/karvo-gmouse", {}));
}

TEST(Autostart, OnAndOffWriteAndRemoveTheUsersEntry) {
    testing::TempDir dir;
    const Autostart a(dir / "cfg", {dir / "etc"});
    EXPECT_FALSE(a.enabled());
    EXPECT_EQ(a.enable("/usr/bin/karvo-gmouse", {}), "");
    EXPECT_TRUE(a.enabled());
    EXPECT_EQ(a.userEntry(), dir / "cfg/autostart/karvo-gmouse.desktop");
    EXPECT_NE(fileops::readFile(a.userEntry())->find("Exec=/usr/bin/karvo-gmouse -HIDE\n"),
              std::string::npos);
    EXPECT_EQ(a.disable(), "");
    EXPECT_FALSE(a.enabled());
    EXPECT_FALSE(fs::exists(a.userEntry()));
    EXPECT_EQ(a.disable(), "");  // already off
}

TEST(Autostart, TheEntryPassesTheDesktopEntryValidator) {
    if (!SystemCommandRunner::available("desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed";
    testing::TempDir dir;
    const Autostart a(dir / "cfg", {dir / "etc"});
    ASSERT_EQ(a.enable(dir / "a b$c\\d%e" / "karvo-gmouse", {"--data", "/x y"}), "");
    SystemCommandRunner runner;
    EXPECT_TRUE(runner.run({"desktop-file-validate", a.userEntry().string()}));
}

TEST(Autostart, ASystemEntryIsMaskedNotIgnored) {
    testing::TempDir dir;
    fs::create_directories(dir / "etc2/autostart");
    std::ofstream(dir / "etc2/autostart/karvo-gmouse.desktop")
        << "[Desktop Entry]\nType=Application\nExec=karvo-gmouse -HIDE\n";
    const Autostart a(dir / "cfg", {dir / "etc1", dir / "etc2"});
    EXPECT_TRUE(a.enabled());  // the administrator's entry counts
    EXPECT_EQ(a.disable(), "");
    EXPECT_FALSE(a.enabled());
    EXPECT_NE(fileops::readFile(a.userEntry())->find("Hidden=true"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "etc2/autostart/karvo-gmouse.desktop"));
    EXPECT_EQ(a.enable("/usr/bin/karvo-gmouse", {}), "");
    EXPECT_TRUE(a.enabled());
}

TEST(Autostart, ConfigDirsAreSplitAndRelativeOnesDropped) {
    EXPECT_EQ(Autostart::splitDirs("/etc/xdg:rel:/usr/etc/xdg:"),
              (std::vector<fs::path>{"/etc/xdg", "/usr/etc/xdg"}));
    EXPECT_TRUE(Autostart::splitDirs("").empty());
}

}  // namespace
}  // namespace karvo
