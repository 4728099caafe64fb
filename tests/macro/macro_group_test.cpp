// The macro group library: loading and checking the group list, the macro list's lines, every
// group and macro command with its limits and notices, and the defences against names and
// links that would lead out of the macro folder.
#include "macro/macro_group.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "platform/file_ops.h"
#include "platform/folder_lock.h"
#include "tests/macro/macro_library_fixture.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
using testing::MacroLibraryTest;
using Strings = std::vector<std::string>;

using MacroGroupLoad = MacroLibraryTest;

// The entries of a folder other than the lock file all writers share.
long entriesBesideTheLock(const fs::path& folder) {
    long n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        n += e.path().filename() != fileops::FolderLock::kLockFileName;
    return n;
}

// A group file that is gone for a moment (a sync tool, a restore) must not move the later
// groups into its place: button codes count groups by place, so every later button would run
// another macro, and the next download would write that into the mouse.
TEST_F(MacroGroupLoad, KeepsTheListAndThePlacesOfGroupsWhileAFileIsMissing) {
    makeLibrary({{"A", {"a1"}}, {"B", {"b1"}}, {"C", {"c1", "c2"}}, {"D", {}}});
    const std::string listBefore = fileops::readFile(macroDir / "macroGrp.ini").value();
    lib.load();
    const MacroRecord c2Before = lib.readMacroForDevice(2, 1);
    const fs::path hidden = root.path() / "B.dat.away";
    fs::rename(macroDir / "B.dat", hidden);

    lib.load();
    EXPECT_EQ(fileops::readFile(macroDir / "macroGrp.ini").value(), listBefore);
    EXPECT_EQ(names(), (Strings{"A", "B", "C", "D"}));
    EXPECT_FALSE(lib.isPresent(1));
    EXPECT_EQ(lib.groupFile(1), fs::path());
    EXPECT_EQ(lib.macroCount(1), 0u);
    EXPECT_EQ(macrosOf(2), (Strings{"c1", "c2"}));
    EXPECT_EQ(lib.readMacroForDevice(2, 1).nameUtf8(), "c2");
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_NE(notes.notices[0].text.find("B.dat is missing"), std::string::npos);
    for (const MacroListLine& line : lib.lines())
        EXPECT_NE(line.group, 1u) << "the missing group has no line";

    fs::rename(hidden, macroDir / "B.dat");
    lib.load();
    EXPECT_TRUE(lib.isPresent(1));
    EXPECT_EQ(macrosOf(1), (Strings{"b1"}));
    EXPECT_EQ(lib.readMacroForDevice(2, 1).steps, c2Before.steps);
}

TEST_F(MacroGroupLoad, MakesTheFirstPresentGroupCurrent) {
    makeLibrary({{"A", {"a"}}, {"B", {"b"}}});
    fs::remove(macroDir / "A.dat");
    lib.load();
    EXPECT_EQ(lib.currentGroup(), 1);
    EXPECT_EQ(lib.table().macro(0)->nameUtf8(), "b");
}

TEST_F(MacroGroupLoad, GivesAnEmptyLibraryAndTipTextFiveWithoutAList) {
    writeGroupFile(macroDir, "Orphan", {"x"});
    lib.load();
    EXPECT_EQ(lib.groupCount(), 0u);
    EXPECT_EQ(lib.currentGroup(), MacroGroup::kNone);
    EXPECT_TRUE(lib.lines().empty());
    EXPECT_EQ(tips(), (std::vector<int>{5}));
}

TEST_F(MacroGroupLoad, ReadsEveryMacroNameAndMakesGroupZeroCurrent) {
    makeLibrary({{"Office", {"Copy", "Paste"}}, {"Games", {"Reload"}}});
    lib.load();
    EXPECT_EQ(lib.macroCount(0), 2u);
    EXPECT_EQ(lib.macroName(0, 1), "Paste");
    EXPECT_EQ(lib.macroName(1, 0), "Reload");
    EXPECT_EQ(lib.macroName(1, 1), "");
    EXPECT_EQ(lib.macroName(7, 0), "");
    EXPECT_EQ(lib.currentGroup(), 0);
    EXPECT_EQ(lib.table().count(), 2u);
    EXPECT_EQ(lib.table().macro(1)->nameUtf8(), "Paste");
    EXPECT_EQ(lib.groupFile(1), macroDir / "Games.dat");
    EXPECT_EQ(lib.groupFile(2), fs::path());
}

TEST_F(MacroGroupLoad, RefusesListedNamesThatLeadOutOfTheMacroFolder) {
    // Files the hostile names would reach, all outside the macro folder.
    writeGroupFile(languageDir, "outside", {"not mine"});
    writeGroupFile(root.path(), "top", {"not mine"});
    writeGroupFile(macroDir, "Good", {"g"});
    writeList(macroDir, {"../outside", "..\\outside", "../../top", "..", "", " Good", "Good"});
    lib.load();
    // A read trims " Good"; the second "Good" repeats it.
    const Strings listed = {"../outside", "..\\outside", "../../top", "..", "", "Good", "Good"};
    EXPECT_EQ(names(), listed) << "every group keeps its place";
    for (std::size_t g = 0; g < listed.size(); ++g) {
        EXPECT_EQ(lib.isPresent(g), g == 5) << listed[g];
        EXPECT_EQ(lib.groupFile(g).empty(), g != 5) << listed[g];
    }
    EXPECT_EQ(lib.currentGroup(), 5);
    EXPECT_EQ(listedNames(), listed);
    lib.deleteGroup();
    EXPECT_TRUE(fs::exists(languageDir / "outside.dat"));
    EXPECT_TRUE(fs::exists(root.path() / "top.dat"));
}

TEST_F(MacroGroupLoad, KeepsOnlyTheFirstOfTwoGroupsWithOneName) {
    writeGroupFile(macroDir, "Twin", {"t"});
    writeList(macroDir, {"Twin", "Twin"});
    lib.load();
    EXPECT_TRUE(lib.isPresent(0));
    EXPECT_FALSE(lib.isPresent(1));
    EXPECT_EQ(listedNames(), (Strings{"Twin", "Twin"}));
}

TEST_F(MacroGroupLoad, BoundsCountsFromDamagedFiles) {
    for (int g = 0; g < 12; ++g)
        writeGroupFile(macroDir, "G" + std::to_string(g), {"m"});
    Strings listed;
    for (int g = 0; g < 12; ++g)
        listed.push_back("G" + std::to_string(g));
    writeList(macroDir, listed, 99);
    ASSERT_TRUE(ini::writeString(macroDir / "G0.dat", "Macros", "macroNum", "99"));
    lib.load();
    EXPECT_EQ(lib.groupCount(), 12u);
    EXPECT_EQ(lib.macroCount(0), 12u);
    EXPECT_EQ(lib.lines().size(), 12u);
    writeList(macroDir, {"G0"}, -4);
    lib.load();
    EXPECT_EQ(lib.groupCount(), 0u);
}

TEST_F(MacroGroupLoad, DropsAGroupWhoseFileIsAFolder) {
    fs::create_directories(macroDir / "Folder.dat");
    writeGroupFile(macroDir, "File", {});
    writeList(macroDir, {"Folder", "File"});
    lib.load();
    EXPECT_FALSE(lib.isPresent(0));
    EXPECT_TRUE(lib.isPresent(1));
}

// Two processes (the window and karvoctl, or two karvoctl) that each read the library once and
// then add groups: each addition lands on the list as it is on disk, so none is lost and no
// group file is left without its line.
TEST_F(MacroGroupLoad, TwoProcessesAddingGroupsLoseNone) {
    makeLibrary({{"Base", {"b"}}});
    const fs::path incoming = root.path() / "incoming";
    fs::create_directories(incoming);
    writeGroupFile(incoming, "Source", {"s"});
    const auto adder = [&](const std::string& prefix) {
        RecordingNotifier quiet;
        MacroGroup mine(file, quiet, macroDir, resetDir);
        mine.load();  // the snapshot both work from
        for (int i = 0; i < 5; ++i) {
            if (!mine.addGroupFromFile(incoming / "Source.dat", prefix + std::to_string(i)))
                ::_exit(3);
        }
        ::_exit(0);
    };
    std::vector<pid_t> children;
    for (const std::string prefix : {"P", "Q"}) {
        const pid_t pid = ::fork();
        if (pid == 0)
            adder(prefix);
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0);
    }
    Strings listed = listedNames();
    EXPECT_EQ(listed.size(), 11u);
    for (const std::string name : {"Base", "P0", "P4", "Q0", "Q4"})
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
    for (const auto& e : fs::directory_iterator(macroDir)) {
        const std::string stem = e.path().stem().string();
        if (e.path().extension() == ".dat") {
            EXPECT_NE(std::find(listed.begin(), listed.end(), stem), listed.end())
                << stem << ".dat is an orphan";
        }
    }
}

using MacroList = MacroLibraryTest;

TEST_F(MacroList, ShowsMacrosUnderExpandedGroupsOnly) {
    makeLibrary({{"A", {"a1", "a2"}}, {"B", {"b1"}}});
    lib.load();
    using L = MacroListLine;
    ASSERT_EQ(lib.lines().size(), 2u);
    ASSERT_TRUE(lib.selectLine(0));  // expands A
    const std::vector<L> expanded = {{true, 0, -1}, {false, 0, 0}, {false, 0, 1}, {true, 1, -1}};
    EXPECT_EQ(std::vector<L>(lib.lines().begin(), lib.lines().end()), expanded);
    EXPECT_EQ(lib.selectedLine(), 0);
    ASSERT_TRUE(lib.selectLine(0));  // collapses it again
    EXPECT_EQ(lib.lines().size(), 2u);
}

TEST_F(MacroList, SelectingAMacroOfAnotherGroupLoadsThatGroup) {
    makeLibrary({{"A", {"a1"}}, {"B", {"b1", "b2"}}});
    lib.load();
    selectMacro(1, 1);
    EXPECT_EQ(lib.currentGroup(), 1);
    EXPECT_EQ(lib.currentMacro(), 1);
    ASSERT_NE(lib.currentRecord(), nullptr);
    EXPECT_EQ(lib.currentRecord()->nameUtf8(), "b2");
    EXPECT_EQ(lib.selectedLine(), 3);
}

TEST_F(MacroList, RefusesALineBeyondTheLastWithTipTextSix) {
    makeLibrary({{"A", {"a1"}}});
    lib.load();
    EXPECT_FALSE(lib.selectLine(1));
    EXPECT_EQ(tips(), (std::vector<int>{6}));
    EXPECT_EQ(lib.currentGroup(), 0);
}

using GroupCommands = MacroLibraryTest;

TEST_F(GroupCommands, NewGroupGetsTheNextCounterAndAnEmptyFile) {
    makeLibrary({{"Group", {"m"}}, {"Group01", {}}});
    lib.load();
    ASSERT_TRUE(lib.newGroup("Group"));
    EXPECT_EQ(names(), (Strings{"Group", "Group01", "Group02"}));
    EXPECT_EQ(listedNames(), names());
    EXPECT_TRUE(fs::is_regular_file(macroDir / "Group02.dat"));
    EXPECT_EQ(lib.currentGroup(), 2);
    EXPECT_EQ(lib.table().count(), 0u);
    EXPECT_EQ(lib.selectedLine(), 2);
}

TEST_F(GroupCommands, NewGroupStopsAtTwelveWithTipTextThirty) {
    lib.load();  // no list yet: an empty library
    notes.notices.clear();
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(lib.newGroup("Group"));
    EXPECT_EQ(lib.groupName(11), "Group12");
    EXPECT_FALSE(lib.newGroup("Group"));
    EXPECT_EQ(tips(), (std::vector<int>{30}));
    EXPECT_EQ(lib.groupCount(), 12u);
    EXPECT_FALSE(fs::exists(macroDir / "Group13.dat"));
    // The list file holds all twelve and reads back as it was written.
    lib.load();
    EXPECT_EQ(lib.groupCount(), 12u);
}

TEST_F(GroupCommands, NewGroupCleansAHostileBaseName) {
    lib.load();
    ASSERT_TRUE(lib.newGroup("../../evil"));
    EXPECT_EQ(names(), (Strings{".._.._evil"}));
    EXPECT_TRUE(fs::exists(macroDir / ".._.._evil.dat"));
    EXPECT_FALSE(fs::exists(root.path() / "evil.dat"));
}

TEST_F(GroupCommands, DeleteGroupRemovesItsFileAndMakesGroupZeroCurrent) {
    makeLibrary({{"A", {"a"}}, {"B", {"b"}}, {"C", {"c1", "c2"}}});
    lib.load();
    selectMacro(1, 0);
    ASSERT_TRUE(lib.deleteGroup());
    EXPECT_EQ(names(), (Strings{"A", "C"}));
    EXPECT_EQ(listedNames(), (Strings{"A", "C"}));
    EXPECT_FALSE(fs::exists(macroDir / "B.dat"));
    EXPECT_EQ(lib.currentGroup(), 0);
    EXPECT_EQ(macrosOf(1), (Strings{"c1", "c2"}));
    EXPECT_FALSE(lib.isExpanded(1));
}

TEST_F(GroupCommands, DeletingTheLastGroupEmptiesEverything) {
    makeLibrary({{"Only", {"o"}}});
    lib.load();
    ASSERT_TRUE(lib.deleteGroup());
    EXPECT_EQ(lib.groupCount(), 0u);
    EXPECT_EQ(lib.table().count(), 0u);
    EXPECT_EQ(lib.currentGroup(), MacroGroup::kNone);
    EXPECT_TRUE(lib.lines().empty());
    EXPECT_FALSE(lib.deleteGroup());
}

TEST_F(GroupCommands, DeleteGroupRemovesALinkNotWhatItPointsAt) {
    writeGroupFile(root.path(), "precious", {"keep me"});
    fs::create_symlink(root.path() / "precious.dat", macroDir / "Linked.dat");
    writeList(macroDir, {"Linked"});
    lib.load();
    ASSERT_EQ(names(), (Strings{"Linked"}));
    ASSERT_TRUE(lib.deleteGroup());
    EXPECT_FALSE(fs::exists(fs::symlink_status(macroDir / "Linked.dat")));
    EXPECT_TRUE(fs::exists(root.path() / "precious.dat"));
}

TEST_F(GroupCommands, RenameMovesTheFileAndTheList) {
    makeLibrary({{"Old", {"m1", "m2"}}, {"Other", {}}});
    lib.load();
    EXPECT_EQ(lib.renameGroup(0, "  New name"), "New name");
    EXPECT_EQ(names(), (Strings{"New name", "Other"}));
    EXPECT_EQ(listedNames(), names());
    EXPECT_FALSE(fs::exists(macroDir / "Old.dat"));
    EXPECT_EQ(macrosOf(0), (Strings{"m1", "m2"}));
    lib.load();
    EXPECT_EQ(macrosOf(0), (Strings{"m1", "m2"}));
}

TEST_F(GroupCommands, RenameToAnotherGroupsNameAddsACounter) {
    makeLibrary({{"A", {"a"}}, {"B", {"b"}}});
    lib.load();
    EXPECT_EQ(lib.renameGroup(1, "A"), "A02");
    EXPECT_EQ(names(), (Strings{"A", "A02"}));
    EXPECT_EQ(macrosOf(1), (Strings{"b"}));
    // Its own name is no clash: nothing changes.
    EXPECT_EQ(lib.renameGroup(0, "A"), "A");
    EXPECT_TRUE(fs::exists(macroDir / "A.dat"));
}

TEST_F(GroupCommands, RenameKeepsTheOldNameForEmptyOrUnusableText) {
    makeLibrary({{"Keep", {"k"}}});
    lib.load();
    for (const char* typed : {"", "    ", "..", " . ", "\t\r\n"}) {
        EXPECT_EQ(lib.renameGroup(0, typed), "Keep") << typed;
    }
    EXPECT_EQ(names(), (Strings{"Keep"}));
    EXPECT_TRUE(fs::exists(macroDir / "Keep.dat"));
    EXPECT_TRUE(notes.notices.empty());
}

TEST_F(GroupCommands, RenameCleansPathsIntoPlainNames) {
    makeLibrary({{"Keep", {"k"}}});
    lib.load();
    EXPECT_EQ(lib.renameGroup(0, "../../escaped"), ".._.._escaped");
    EXPECT_TRUE(fs::exists(macroDir / ".._.._escaped.dat"));
    EXPECT_FALSE(fs::exists(root.path() / "escaped.dat"));
    EXPECT_FALSE(fs::exists(languageDir / "escaped.dat"));
}

TEST_F(GroupCommands, RenameKeepsListAndMemoryTogetherWhenTheCopyFails) {
    makeLibrary({{"Old", {"m"}}});
    lib.load();
    fs::create_directories(macroDir / "Blocked.dat");  // the copy cannot replace a folder
    EXPECT_EQ(lib.renameGroup(0, "Blocked"), "Old");
    EXPECT_EQ(names(), (Strings{"Old"}));
    EXPECT_EQ(listedNames(), (Strings{"Old"}));
    EXPECT_TRUE(fs::exists(macroDir / "Old.dat"));
    EXPECT_EQ(tips(), (std::vector<int>{-1}));
}

TEST_F(GroupCommands, RenameOfAGroupWithoutItsFileGivesTipTextFiveAndKeepsIt) {
    makeLibrary({{"Gone", {"m"}}});
    lib.load();
    fs::remove(macroDir / "Gone.dat");
    EXPECT_EQ(lib.renameGroup(0, "New"), "Gone");
    EXPECT_EQ(tips(), (std::vector<int>{5}));
    EXPECT_EQ(listedNames(), (Strings{"Gone"}));
}

using MacroCommands = MacroLibraryTest;

TEST_F(MacroCommands, NewMacroGetsTheNextCounterAndIsSaved) {
    makeLibrary({{"G", {"Macro", "Macro01"}}});
    lib.load();
    ASSERT_TRUE(lib.newMacro("Macro"));
    EXPECT_EQ(macrosOf(0), (Strings{"Macro", "Macro01", "Macro02"}));
    EXPECT_TRUE(lib.isExpanded(0));
    EXPECT_EQ(lib.currentMacro(), 2);
    EXPECT_EQ(lib.selectedLine(), 3);
    MacroTable onDisk;
    ASSERT_TRUE(file.readGroup(macroDir / "G.dat", onDisk));
    ASSERT_EQ(onDisk.count(), 3u);
    EXPECT_EQ(onDisk.macro(2)->stepCount, 0);
    EXPECT_EQ(onDisk.macro(2)->repeatCount, 1);
}

TEST_F(MacroCommands, NewMacroGoesToTheSelectedGroup) {
    makeLibrary({{"A", {"a"}}, {"B", {"b"}}});
    lib.load();
    selectLineOf(1, -1);
    ASSERT_TRUE(lib.newMacro("Macro"));
    EXPECT_EQ(lib.currentGroup(), 1);
    EXPECT_EQ(macrosOf(0), (Strings{"a"}));
    EXPECT_EQ(macrosOf(1), (Strings{"b", "Macro"}));
}

TEST_F(MacroCommands, NewMacroStopsAtTwelveWithTipTextTwentyOne) {
    makeLibrary({{"G", {}}});
    lib.load();
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(lib.newMacro("Macro"));
    EXPECT_EQ(lib.macroName(0, 11), "Macro12");
    EXPECT_FALSE(lib.newMacro("Macro"));
    EXPECT_EQ(tips(), (std::vector<int>{21}));
    EXPECT_EQ(lib.table().count(), 12u);
    EXPECT_EQ(ini::readString(macroDir / "G.dat", "Macros", "macroNum", "", 3), "12");
}

TEST_F(MacroCommands, RenameMacroMakesTheNameUniqueInItsGroupAndSavesIt) {
    makeLibrary({{"G", {"Copy", "Paste"}}});
    lib.load();
    EXPECT_EQ(lib.renameMacro(1, "  Copy"), "Copy02");
    EXPECT_EQ(macrosOf(0), (Strings{"Copy", "Copy02"}));
    EXPECT_EQ(lib.renameMacro(1, "   "), "Copy02");
    EXPECT_EQ(lib.renameMacro(0, "Copy"), "Copy");
    EXPECT_EQ(lib.renameMacro(0, std::string(40, 'n')), std::string(30, 'n'));
    lib.load();
    EXPECT_EQ(macrosOf(0), (Strings{std::string(30, 'n'), "Copy02"}));
}

TEST_F(MacroCommands, DeleteMacroMovesTheLaterOnesDownAndSelectsTheLineAbove) {
    makeLibrary({{"G", {"m0", "m1", "m2", "m3"}}});
    lib.load();
    selectMacro(0, 1);
    ASSERT_TRUE(lib.deleteMacro());
    EXPECT_EQ(macrosOf(0), (Strings{"m0", "m2", "m3"}));
    EXPECT_EQ(lib.table().count(), 3u);
    EXPECT_EQ(lib.table().macro(3)->stepCount, 0);
    EXPECT_EQ(lib.currentMacro(), 0);
    EXPECT_EQ(lib.selectedLine(), 1);
    // The first macro's line above is the group line: no macro is current then.
    ASSERT_TRUE(lib.deleteMacro());
    EXPECT_EQ(macrosOf(0), (Strings{"m2", "m3"}));
    EXPECT_EQ(lib.currentMacro(), MacroGroup::kNone);
    EXPECT_EQ(lib.selectedLine(), 0);
    EXPECT_FALSE(lib.deleteMacro());
}

TEST_F(MacroCommands, DeleteMacroChangesNothingWhenTheFileCannotBeWritten) {
    makeLibrary({{"G", {"m0", "m1"}}});
    lib.load();
    selectMacro(0, 0);
    fs::remove(macroDir / "G.dat");
    fs::create_directories(macroDir / "G.dat");
    EXPECT_FALSE(lib.deleteMacro());
    EXPECT_EQ(lib.table().count(), 2u);
    EXPECT_EQ(lib.table().macro(0)->nameUtf8(), "m0");
}

TEST_F(MacroCommands, ReadsSavedMacrosForTheDevice) {
    makeLibrary({{"A", {"a"}}, {"B", {"b0", "b1"}}});
    lib.load();
    EXPECT_EQ(lib.readMacroForDevice(1, 1), macroNamed("b1"));
    EXPECT_EQ(lib.readMacroForDevice(1, 2), MacroRecord{});
    EXPECT_EQ(lib.readMacroForDevice(2, 0), MacroRecord{});
}

using ResetAll = MacroLibraryTest;

TEST_F(ResetAll, ReplacesTheLibraryWithTheResetFolder) {
    makeLibrary({{"Mine", {"m"}}});
    fs::create_directories(macroDir / "sub" / "deeper");
    writeGroupFile(macroDir / "sub" / "deeper", "junk", {});
    writeGroupFile(resetDir, "Factory", {"f1", "f2"});
    writeList(resetDir, {"Factory"});
    fs::create_directories(resetDir / "extra");
    writeGroupFile(resetDir / "extra", "kept", {});
    lib.load();
    selectLineOf(0, -1);
    ASSERT_TRUE(lib.resetAll());
    EXPECT_EQ(names(), (Strings{"Factory"}));
    EXPECT_EQ(macrosOf(0), (Strings{"f1", "f2"}));
    EXPECT_FALSE(fs::exists(macroDir / "Mine.dat"));
    EXPECT_FALSE(fs::exists(macroDir / "sub"));
    EXPECT_TRUE(fs::exists(macroDir / "extra" / "kept.dat"));
    EXPECT_FALSE(lib.isExpanded(0));
    EXPECT_EQ(lib.currentGroup(), 0);
    // Nothing is left beside the macro folder.
    EXPECT_EQ(entriesBesideTheLock(languageDir), 2);
}

TEST_F(ResetAll, WithAnEmptyResetFolderLeavesNoGroups) {
    makeLibrary({{"Mine", {"m"}}});
    lib.load();
    ASSERT_TRUE(lib.resetAll());
    EXPECT_EQ(lib.groupCount(), 0u);
    EXPECT_TRUE(fs::is_empty(macroDir));
}

TEST_F(ResetAll, WithoutAResetFolderKeepsTheLibrary) {
    makeLibrary({{"Mine", {"m"}}});
    fs::remove_all(resetDir);
    lib.load();
    EXPECT_FALSE(lib.resetAll());
    EXPECT_EQ(tips(), (std::vector<int>{5}));
    EXPECT_TRUE(fs::exists(macroDir / "Mine.dat"));
    EXPECT_EQ(names(), (Strings{"Mine"}));
}

TEST_F(ResetAll, NeverFollowsALinkOutOfTheMacroFolder) {
    fs::create_directories(root.path() / "elsewhere");
    writeGroupFile(root.path() / "elsewhere", "precious", {"p"});
    writeGroupFile(root.path(), "alone", {"p"});
    makeLibrary({{"Mine", {"m"}}});
    fs::create_directory_symlink(root.path() / "elsewhere", macroDir / "linked folder");
    fs::create_symlink(root.path() / "alone.dat", macroDir / "linked.dat");
    // A link in the reset folder is not copied either.
    fs::create_symlink(root.path() / "alone.dat", resetDir / "Sneaky.dat");
    lib.load();
    ASSERT_TRUE(lib.resetAll());
    EXPECT_TRUE(fs::exists(root.path() / "elsewhere" / "precious.dat"));
    EXPECT_TRUE(fs::exists(root.path() / "alone.dat"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(macroDir / "Sneaky.dat")));
}

TEST_F(ResetAll, LeavesTheOldLibraryWhenTheCopyFailsHalfWay) {
    makeLibrary({{"Mine", {"m"}}});
    writeGroupFile(resetDir, "Factory", {"f"});
    writeList(resetDir, {"Factory"});
    // No temporary copy of a file with so long a name fits in a folder entry.
    std::ofstream(resetDir / std::string(250, 'z')) << "x";
    ASSERT_TRUE(fs::exists(resetDir / std::string(250, 'z')));
    lib.load();
    EXPECT_FALSE(lib.resetAll());
    EXPECT_EQ(names(), (Strings{"Mine"}));
    EXPECT_TRUE(fs::exists(macroDir / "Mine.dat"));
    EXPECT_EQ(entriesBesideTheLock(languageDir), 2);
    lib.load();
    EXPECT_EQ(names(), (Strings{"Mine"}));
}

TEST_F(ResetAll, AnInterruptedSwapIsUndoneAtTheNextLoad) {
    makeLibrary({{"Mine", {"m"}}});
    // The state between the swap's two renames: the old library stepped aside.
    fs::rename(macroDir, languageDir / ".macro.previous");
    lib.load();
    EXPECT_EQ(names(), (Strings{"Mine"}));
    EXPECT_TRUE(notes.notices.empty());
}

}  // namespace
}  // namespace karvo
