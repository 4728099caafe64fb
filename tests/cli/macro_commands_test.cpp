// The macro commands over the shipped library: listing, showing steps in words, and a group
// or a macro that goes out through export and comes back through import unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "cli_fixture.h"

namespace karvo::testing {
namespace {

namespace fs = std::filesystem;

std::set<fs::path> filesUnder(const fs::path& root) {
    std::set<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        files.insert(e.path());
    return files;
}

TEST(KarvoctlMacros, GroupsAndMacrosAreFoundByNameOrNumber) {
    CliFixture cli;
    const CliResult groups = cli.run({"macro", "groups"});
    ASSERT_EQ(groups.code, 0);
    EXPECT_EQ(groups.out.substr(0, groups.out.find('\n')), "  1  Office  (8 macros)");

    EXPECT_EQ(cli.run({"macro", "list", "Office"}).out, cli.run({"macro", "list", "1"}).out);
    const CliResult byName = cli.run({"macro", "show", "Office", "Copy"});
    EXPECT_EQ(byName.code, 0);
    EXPECT_EQ(byName.out, cli.run({"macro", "show", "1", "1"}).out);
    EXPECT_NE(byName.out.find("    1  press L-Ctrl, 20 ms\n    2  press C, 30 ms\n"),
              std::string::npos)
        << byName.out;
    EXPECT_NE(cli.run({"--json", "macro", "groups"})
                  .out.find(R"({"group":1,"name":"Office","macros":8})"),
              std::string::npos);
}

TEST(KarvoctlMacros, AnExportedGroupComesBackAsANewGroupWithTheSameMacros) {
    CliFixture cli;
    const auto file = cli.dir / "Shooter.dat";
    ASSERT_EQ(cli.run({"macro", "export-group", "Games", file.string()}).code, 0);
    const CliResult imported = cli.run({"macro", "import-group", file.string()});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "imported group Shooter\n");

    const std::string games = cli.run({"macro", "list", "Games"}).out;
    EXPECT_FALSE(games.empty());
    EXPECT_EQ(cli.run({"macro", "list", "Shooter"}).out, games);
    // A second import of the same name is refused with the window's notice.
    const CliResult again = cli.run({"macro", "import-group", file.string()});
    EXPECT_EQ(again.code, 1);
    EXPECT_NE(again.err.find("already exists"), std::string::npos) << again.err;
}

TEST(KarvoctlMacros, AnExportedMacroImportedIntoAnotherGroupKeepsItsSteps) {
    CliFixture cli;
    const auto file = cli.dir / "copy.sdat";
    ASSERT_EQ(cli.run({"macro", "export", "Office", "Copy", file.string()}).code, 0);
    const std::string before = cli.run({"macro", "list", "Browser"}).out;
    const CliResult imported = cli.run({"macro", "import", "Browser", file.string()});
    ASSERT_EQ(imported.code, 0) << imported.err;

    const CliResult list = cli.run({"--json", "macro", "list", "Browser"});
    EXPECT_NE(list.out.find(R"({"macro":8,"name":"Copy")"), std::string::npos) << list.out;
    const auto steps = [](const std::string& shown) { return shown.substr(shown.find("Mode:")); };
    EXPECT_EQ(steps(cli.run({"macro", "show", "Browser", "8"}).out),
              steps(cli.run({"macro", "show", "Office", "Copy"}).out));
}

TEST(KarvoctlMacros, NamesThatLookLikePathsNeverReachOutsideTheMacroFolder) {
    CliFixture cli;
    const auto before = filesUnder(cli.dir.path());
    for (const std::string name : {"../../config/config", "/etc/passwd", "..", "Office/../x"}) {
        EXPECT_EQ(cli.run({"macro", "list", name}).code, 1) << name;
        EXPECT_EQ(cli.run({"macro", "export-group", name, "out.dat"}).code, 1) << name;
    }
    // A group file whose name gives no usable group name.
    fs::create_directories(cli.dir / "sub");
    const auto odd = cli.dir.write("sub/..dat", "[Init]\nDAT_VER=3\n[Macros]\nmacroNum=0\n");
    EXPECT_EQ(cli.run({"macro", "import-group", odd.string()}).code, 1);
    auto after = filesUnder(cli.dir.path());
    after.erase(cli.dir / "sub");
    after.erase(odd);
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace karvo::testing
