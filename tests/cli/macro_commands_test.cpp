// The macro commands over the shipped library: listing, showing steps in words, and a group
// or a macro that goes out through export and comes back through import unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "cli_fixture.h"
#include "json_reader.h"
#include "platform/file_ops.h"

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
    EXPECT_EQ(byName.out, "+ctrl 20ms +c 30ms -c 20ms -ctrl 20ms\n");
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
    EXPECT_EQ(cli.run({"macro", "show", "Browser", "8"}).out,
              cli.run({"macro", "show", "Office", "Copy"}).out);
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

// Every shipped macro prints as a line that, given back to edit, leaves its group file byte for
// byte as it was.
TEST(KarvoctlMacros, EveryShippedMacroShowsAsTextThatEditTakesBackUnchanged) {
    CliFixture cli;
    const auto groups = Json::parse(cli.run({"--json", "macro", "groups"}).out);
    ASSERT_TRUE(groups.has_value());
    const fs::path folder = cli.skins() / "1_INI_EN" / "macro";
    std::size_t macros = 0;
    for (const Json& g : groups->items) {
        const std::string group = g["name"].text;
        const std::string before = fileops::readFile(folder / (group + ".dat")).value_or("");
        ASSERT_FALSE(before.empty()) << group;
        for (int m = 1; m <= static_cast<int>(g["macros"].number); ++m) {
            const CliResult shown = cli.run({"macro", "show", group, std::to_string(m)});
            ASSERT_EQ(shown.code, 0) << shown.err;
            std::string text = shown.out;
            text.pop_back();
            const CliResult edit = cli.run({"macro", "edit", group, std::to_string(m), text});
            ASSERT_EQ(edit.code, 0) << group << " " << m << ": " << text << "\n" << edit.err;
            EXPECT_EQ(edit.err, "");
            EXPECT_EQ(cli.run({"macro", "show", group, std::to_string(m)}).out, shown.out);
            ++macros;
        }
        EXPECT_EQ(fileops::readFile(folder / (group + ".dat")).value_or(""), before) << group;
    }
    EXPECT_GT(macros, 20u);
}

TEST(KarvoctlMacros, AMacroWrittenAsTextIsSavedAndPlaysItsStepsOnTheMouse) {
    CliFixture cli;
    const std::string text =
        "+mouse-left 10ms -mouse-left 10ms move:-5,+3 20ms dpi:1600 wait 500ms dpi:reset "
        "light:n=1,e=2,c=3,t=10 +shift +f5 -f5 -shift";
    const CliResult created = cli.run({"macro", "create", "Games", "Combo", text, "--repeat", "3"});
    ASSERT_EQ(created.code, 0) << created.err;
    EXPECT_EQ(created.out, "created Games/Combo\n");
    EXPECT_EQ(cli.run({"macro", "show", "Games", "Combo"}).out, text + "\n");
    const auto shown = Json::parse(cli.run({"--json", "macro", "show", "Games", "Combo"}).out);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ((*shown)["repeat"].number, 3);
    EXPECT_EQ((*shown)["text"].text, text);
    EXPECT_EQ((*shown)["steps"].items.size(), 11u);

    // Unquoted words work as well, and edit with only --mode keeps the steps.
    ASSERT_EQ(cli.run({"macro", "edit", "Games", "Combo", "+a", "20ms", "-a"}).code, 0);
    ASSERT_EQ(cli.run({"macro", "edit", "Games", "Combo", "--mode", "2"}).code, 0);
    EXPECT_EQ(cli.run({"macro", "show", "Games", "Combo"}).out, "+a 20ms -a\n");
    EXPECT_NE(cli.run({"macro", "list", "Games"}).out.find("Combo  (2 steps, mode 2, runs once)"),
              std::string::npos);
    EXPECT_EQ(cli.run({"macro", "edit", "Games", "Combo", "--repeat", "5"}).code, 2);

    // Given to a button, the macro reaches the mouse the way the window would send it.
    ASSERT_EQ(cli.run({"set", "button", "1", "6", "macro", "Games/Combo"}).code, 0);
    const CliResult applied = cli.sim({"apply", "--quiet"});
    ASSERT_EQ(applied.code, 0) << applied.err;
    const CliResult image = cli.run({"image", "--bin", (cli.dir / "image.bin").string()});
    ASSERT_EQ(image.code, 0) << image.err;
    EXPECT_EQ(fileops::readFile(cli.dir / "image.bin"), cli.stateBytes());
    // The key codes of the macro are in the mouse's memory: A (4) pressed and released.
    const std::string bytes = cli.stateBytes();
    EXPECT_NE(bytes.find(std::string("\x04", 1)), std::string::npos);
}

TEST(KarvoctlMacros, TypedTextMeetsTheMacroPagesLimitsWithItsNotices) {
    CliFixture cli;
    const CliResult cut = cli.run({"macro", "create", "Office", "Long", "+a 20000ms -a"});
    ASSERT_EQ(cut.code, 0) << cut.err;
    EXPECT_NE(cut.err.find("karvoctl: "), std::string::npos);
    EXPECT_EQ(cli.run({"macro", "show", "Office", "Long"}).out, "+a 10000ms -a\n");
    std::string many;
    for (int i = 0; i < 6; ++i)
        many += "dpi:800 ";
    const std::string before =
        fileops::readFile(cli.skins() / "1_INI_EN/macro/Office.dat").value_or("");
    const CliResult refused = cli.run({"macro", "edit", "Office", "Long", many});
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.err.find("word 6 'dpi:800': a macro holds at most 5 steps of this kind"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(fileops::readFile(cli.skins() / "1_INI_EN/macro/Office.dat").value_or(""), before);
}

TEST(KarvoctlMacros, GroupsAndMacrosAreMadeRenamedAndDeletedAsInTheWindow) {
    CliFixture cli;
    EXPECT_EQ(cli.run({"macro", "new-group", "Work"}).out, "new group Work\n");
    EXPECT_EQ(cli.run({"macro", "new-group", "Work"}).out, "new group Work02\n");
    ASSERT_EQ(cli.run({"macro", "create", "Work", "Hello", "+h -h"}).code, 0);
    const CliResult renamed = cli.run({"macro", "rename", "Work", "Hello", "Bye"});
    ASSERT_EQ(renamed.code, 0) << renamed.err;
    EXPECT_EQ(renamed.out, "renamed to Work/Bye\n");
    EXPECT_EQ(cli.run({"macro", "show", "Work", "Bye"}).out, "+h -h\n");
    ASSERT_EQ(cli.run({"macro", "rename-group", "Work", "Job"}).code, 0);
    EXPECT_EQ(cli.run({"macro", "show", "Job", "Bye"}).out, "+h -h\n");
    EXPECT_TRUE(fs::exists(cli.skins() / "1_INI_EN/macro/Job.dat"));

    ASSERT_EQ(cli.run({"macro", "delete", "Job", "Bye"}).code, 0);
    EXPECT_EQ(cli.run({"macro", "list", "Job"}).out, "");
    ASSERT_EQ(cli.run({"macro", "delete-group", "Job"}).code, 0);
    EXPECT_EQ(cli.run({"macro", "list", "Job"}).code, 1);
    EXPECT_FALSE(fs::exists(cli.skins() / "1_INI_EN/macro/Job.dat"));

    const std::string shipped = cli.run({"macro", "groups"}).out;
    ASSERT_EQ(cli.run({"macro", "delete-group", "Office"}).code, 0);
    EXPECT_NE(cli.run({"macro", "groups"}).out, shipped);
    const CliResult reset = cli.run({"macro", "reset"});
    ASSERT_EQ(reset.code, 0) << reset.err;
    EXPECT_EQ(cli.run({"macro", "groups"}).out.find("Office"), 2u + 3u);
}

}  // namespace
}  // namespace karvo::testing
