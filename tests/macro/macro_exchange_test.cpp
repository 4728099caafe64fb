// Group and single-macro import and export: names taken from file names, the refused library
// files, duplicates and limits, and round trips of ".dat" and ".sdat" files through the library.
#include "macro/macro_exchange.h"

#include <gtest/gtest.h>

#include "platform/file_ops.h"
#include "tests/macro/macro_library_fixture.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class MacroExchangeTest : public testing::MacroLibraryTest {
  protected:
    MacroExchangeTest() {
        fs::create_directories(configDir);
        fs::create_directories(downloads);
    }
    fs::path configDir = root.path() / "skins" / "config";
    fs::path downloads = root.path() / "downloads";
    MacroExchange exchange{file, notes, lib, configDir};
};

using GroupImport = MacroExchangeTest;

TEST_F(GroupImport, NamesTheGroupAfterTheFileUpToItsFirstDat) {
    makeLibrary({{"Mine", {"m"}}});
    writeGroupFile(downloads, "Shooter", {"Spray", "Burst"});
    writeGroupFile(downloads, "a.dat", {"x"});  // a.dat.dat
    lib.load();
    ASSERT_TRUE(exchange.importGroup(downloads / "Shooter.dat"));
    ASSERT_TRUE(exchange.importGroup(downloads / "a.dat.dat"));
    EXPECT_EQ(names(), (Strings{"Mine", "Shooter", "a"}));
    EXPECT_EQ(listedNames(), names());
    EXPECT_EQ(fileops::readFile(macroDir / "Shooter.dat"),
              fileops::readFile(downloads / "Shooter.dat"));
    EXPECT_EQ(macrosOf(1), (Strings{"Spray", "Burst"}));
    EXPECT_EQ(lib.currentGroup(), 2);
    EXPECT_EQ(lib.table().macro(0)->nameUtf8(), "x");
    EXPECT_TRUE(notes.notices.empty());
}

TEST_F(GroupImport, CleansHostileFileNamesIntoPlainGroupNames) {
    lib.load();
    notes.notices.clear();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"we\nird.dat", "weird"},
        {"CON.dat", "CON_"},
        {"'quoted'.dat", "quoted"},
        {"trail... .dat", "trail"},
        {"pipe|star*.dat", "pipe_star_"}};
    for (const auto& [fileName, group] : cases) {
        ASSERT_TRUE(fileops::writeFileAtomically(downloads / fileName, ""));
        ASSERT_TRUE(exchange.importGroup(downloads / fileName)) << fileName;
        EXPECT_EQ(lib.groupName(lib.groupCount() - 1), group);
        EXPECT_TRUE(fs::is_regular_file(macroDir / (group + ".dat"))) << group;
    }
    lib.load();
    EXPECT_EQ(lib.groupCount(), cases.size());
}

TEST_F(GroupImport, RefusesFileNamesThatGiveNoNameAndSaysWhy) {
    lib.load();
    notes.notices.clear();
    for (const char* fileName : {".dat", "..dat", "   .dat", "\t.dat.dat"}) {
        ASSERT_TRUE(fileops::writeFileAtomically(downloads / fileName, ""));
        EXPECT_FALSE(exchange.importGroup(downloads / fileName)) << fileName;
    }
    EXPECT_EQ(tips(), (std::vector<int>{-1, -1, -1, -1}));
    for (const auto& n : notes.notices)
        EXPECT_NE(n.text.find("cannot name a macro group"), std::string::npos) << n.text;
    EXPECT_EQ(lib.groupCount(), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(macroDir), fs::directory_iterator()), 0);
}

TEST_F(GroupImport, SilentlyRefusesTheConfigurationFoldersLibraryFiles) {
    makeLibrary({{"Mine", {"m"}}});
    for (const std::string_view name : MacroExchange::kLibraryFiles)
        ASSERT_TRUE(fileops::writeFileAtomically(configDir / name, ""));
    fs::create_symlink(configDir / "PUBG.dat", downloads / "Guns.dat");
    lib.load();
    for (const std::string_view name : MacroExchange::kLibraryFiles)
        EXPECT_FALSE(exchange.importGroup(configDir / name)) << name;
    EXPECT_FALSE(exchange.importGroup(configDir / ".." / "config" / "constMacro.dat"));
    EXPECT_FALSE(exchange.importGroup(downloads / "Guns.dat"));
    EXPECT_TRUE(notes.notices.empty());
    EXPECT_EQ(names(), (Strings{"Mine"}));
    // The same names elsewhere are ordinary group files.
    writeGroupFile(downloads, "PUBG", {"p"});
    EXPECT_TRUE(exchange.importGroup(downloads / "PUBG.dat"));
}

TEST_F(GroupImport, RefusesADuplicateAndKeepsTheCurrentGroupsTable) {
    makeLibrary({{"Shooter", {"mine"}}});
    writeGroupFile(downloads, "Shooter", {"theirs 1", "theirs 2"});
    lib.load();
    EXPECT_FALSE(exchange.importGroup(downloads / "Shooter.dat"));
    EXPECT_EQ(tips(), (std::vector<int>{23}));
    EXPECT_EQ(lib.table().count(), 1u);
    EXPECT_EQ(lib.table().macro(0)->nameUtf8(), "mine");
    EXPECT_EQ(macrosOf(0), (Strings{"mine"}));
}

TEST_F(GroupImport, StopsAtTwelveGroupsWithTipTextTwentyOne) {
    lib.load();
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(lib.newGroup("G"));
    notes.notices.clear();
    writeGroupFile(downloads, "More", {"m"});
    EXPECT_FALSE(exchange.groupImportAllowed());
    EXPECT_FALSE(exchange.importGroup(downloads / "More.dat"));
    EXPECT_EQ(tips(), (std::vector<int>{21, 21}));
    EXPECT_FALSE(fs::exists(macroDir / "More.dat"));
}

TEST_F(GroupImport, ReportsAMissingFileWithTipTextFive) {
    lib.load();
    notes.notices.clear();
    EXPECT_FALSE(exchange.importGroup(downloads / "Nowhere.dat"));
    EXPECT_EQ(tips(), (std::vector<int>{5}));
    EXPECT_EQ(lib.groupCount(), 0u);
}

TEST_F(GroupImport, ReadsBackAnExportedGroupUnderAnotherName) {
    makeLibrary({{"Office", {"Copy", "Paste", "Undo"}}});
    lib.load();
    ASSERT_TRUE(exchange.exportGroup(downloads / "Backup.dat"));
    ASSERT_TRUE(exchange.importGroup(downloads / "Backup.dat"));
    EXPECT_EQ(macrosOf(1), macrosOf(0));
    const MacroRecord original = lib.readMacroForDevice(0, 2);
    EXPECT_EQ(lib.readMacroForDevice(1, 2), original);
}

using SingleMacro = MacroExchangeTest;

TEST_F(SingleMacro, ExportsOneKeyWithoutAnInitSection) {
    makeLibrary({{"G", {"Reload"}}});
    lib.load();
    selectMacro(0, 0);
    ASSERT_TRUE(exchange.exportMacro(downloads / "reload.sdat"));
    const auto bytes = fileops::readFile(downloads / "reload.sdat");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "[Macros]\r\nMacro=" + file.encodeRow(macroNamed("Reload")) + "\r\n");
}

TEST_F(SingleMacro, ImportedIntoItsOwnGroupGetsACounterAndTheSameSteps) {
    makeLibrary({{"G", {"Reload", "Reload02"}}});
    lib.load();
    selectMacro(0, 0);
    ASSERT_TRUE(exchange.exportMacro(downloads / "reload.sdat"));
    ASSERT_TRUE(exchange.importMacro(downloads / "reload.sdat"));
    EXPECT_EQ(macrosOf(0), (Strings{"Reload", "Reload02", "Reload03"}));
    MacroRecord expected = macroNamed("Reload");
    expected.setName("Reload03");
    EXPECT_EQ(lib.readMacroForDevice(0, 2), expected);
    EXPECT_TRUE(lib.isExpanded(0));
    EXPECT_EQ(lib.currentMacro(), 2);
}

TEST_F(SingleMacro, ImportGoesToTheSelectedGroup) {
    makeLibrary({{"A", {"Jump"}}, {"B", {"Run"}}});
    lib.load();
    selectMacro(0, 0);
    ASSERT_TRUE(exchange.exportMacro(downloads / "jump.sdat"));
    selectLineOf(1, -1);
    ASSERT_TRUE(exchange.importMacro(downloads / "jump.sdat"));
    EXPECT_EQ(macrosOf(0), (Strings{"Jump"}));
    EXPECT_EQ(macrosOf(1), (Strings{"Run", "Jump"}));
}

TEST_F(SingleMacro, ImportStopsAtTwelveMacrosWithTipTextTwentyOne) {
    makeLibrary(
        {{"Full", {"m0", "m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "m10", "m11"}}});
    lib.load();
    selectMacro(0, 3);
    ASSERT_TRUE(exchange.exportMacro(downloads / "m.sdat"));
    const auto before = fileops::readFile(macroDir / "Full.dat");
    EXPECT_FALSE(exchange.macroImportAllowed());
    EXPECT_FALSE(exchange.importMacro(downloads / "m.sdat"));
    EXPECT_EQ(tips(), (std::vector<int>{21, 21}));
    EXPECT_EQ(fileops::readFile(macroDir / "Full.dat"), before);
}

TEST_F(SingleMacro, RefusesAFileWithoutAMacroRow) {
    makeLibrary({{"G", {}}});
    lib.load();
    ASSERT_TRUE(fileops::writeFileAtomically(downloads / "empty.sdat", "[Macros]\r\n"));
    EXPECT_FALSE(exchange.importMacro(downloads / "empty.sdat"));
    EXPECT_FALSE(exchange.importMacro(downloads / "missing.sdat"));
    EXPECT_EQ(tips(), (std::vector<int>{5, 5}));
    EXPECT_EQ(lib.macroCount(0), 0u);
}

TEST_F(SingleMacro, ExportNeedsACurrentMacro) {
    makeLibrary({{"G", {"m"}}});
    lib.load();
    EXPECT_FALSE(exchange.exportMacro(downloads / "none.sdat"));
    EXPECT_EQ(tips(), (std::vector<int>{6}));
    EXPECT_FALSE(fs::exists(downloads / "none.sdat"));
}

}  // namespace
}  // namespace karvo
