// The macro page's editing commands over a real library: recording into the selected macro and
// what reaches its file, the step pop-ups with their inserts, deletes and in-place edits, key
// changes, the group and macro menus, and export and import through the file dialog seam.
#include "app/macro_edit_commands.h"
#include "app/macro_page_editor.h"
#include "app/window_messages.h"

#include <gtest/gtest.h>

#include "platform/private_profile.h"
#include "services/language_text_index.h"
#include "tests/app/macro_page_fixture.h"
#include "tests/dialogs/menu_fixture.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
using Ev = MacroRecorder::Event;

struct MacroEditFixture : testing::MacroPageFixture {
    MacroEditFixture() { commands.setLanguage(1); }

    // The macro as its group file holds it now.
    MacroRecord saved(const std::string& group, std::size_t macro) const {
        MacroFile file(keys, 1);
        MacroTable table;
        EXPECT_TRUE(file.readGroup(paths.macroFolder / (group + ".dat"), table));
        return *table.macro(macro);
    }
    void selectMacro(const std::string& group, const std::string& macro) {
        click(group);
        click(macro);
    }
    std::vector<std::string> stepTexts() const {
        std::vector<std::string> out;
        for (const ListLine& l : controls.stepList().lines())
            out.push_back(l.text);
        return out;
    }

    std::uint32_t now = 1000;
    std::vector<bool> grabs;
    std::vector<FileChoice> asked;
    std::optional<fs::path> answer;
    std::vector<int> groupFiles;
    MacroEditCommands commands{{library, controls, texts, keys, notifier,
                                [this](const FileChoice& c) {
                                    asked.push_back(c);
                                    return answer;
                                },
                                [this](int what) { groupFiles.push_back(what); },
                                [this] { return now; }, [this](bool on) { grabs.push_back(on); }}};
};

TEST_F(MacroEditFixture, RecordingCtrlCReplacesTheStepsAndSavesOnStop) {
    selectMacro("Alpha", "A1");
    commands.toggleRecording();
    ASSERT_TRUE(commands.recording());
    EXPECT_EQ(grabs, (std::vector<bool>{true}));
    EXPECT_TRUE(stepTexts().empty());
    EXPECT_FALSE(controls.repeatBox().enabled);
    const std::pair<Ev, int> events[] = {{Ev::KeyDown, 162},
                                         {Ev::KeyDown, 67},
                                         {Ev::KeyDown, 67},
                                         {Ev::KeyUp, 67},
                                         {Ev::KeyUp, 162}};
    for (const auto& [ev, vk] : events) {
        now += 100;
        EXPECT_TRUE(commands.onRecordKey(ev, vk));
    }
    EXPECT_EQ(stepTexts().size(), 8u);
    EXPECT_EQ(controls.stepList().selection(), 6);
    // Nothing reaches the file before the recording ends.
    EXPECT_EQ(saved("Alpha", 0).stepCount, 4);
    EXPECT_EQ(saved("Alpha", 0).steps[0].key, 4);
    commands.toggleRecording();
    EXPECT_FALSE(commands.recording());
    EXPECT_EQ(grabs, (std::vector<bool>{true, false}));
    const MacroRecord m = saved("Alpha", 0);
    EXPECT_EQ(m.nameUtf8(), "A1");
    ASSERT_EQ(m.stepCount, 4);
    EXPECT_EQ(m.steps[0], (MacroAction{1, 224, 0, 0, 100}));
    EXPECT_EQ(m.steps[1], (MacroAction{1, 6, 0, 0, 200}));
    EXPECT_EQ(m.steps[2], (MacroAction{2, 6, 0, 0, 100}));
    EXPECT_EQ(m.steps[3], (MacroAction{2, 224, 0, 0, 20}));
    EXPECT_EQ(m.repeatCount, 1);
    EXPECT_TRUE(controls.repeatBox().enabled);
    EXPECT_EQ(controls.repeatBox().text, "1");
    EXPECT_FALSE(commands.onRecordKey(Ev::KeyDown, 65));
}

TEST_F(MacroEditFixture, SelectingAnotherMacroEndsTheRecordingIntoTheFirst) {
    selectMacro("Alpha", "A1");
    commands.toggleRecording();
    commands.onRecordKey(Ev::KeyDown, 65);
    commands.onRecordKey(Ev::KeyUp, 65);
    click("A2");
    EXPECT_FALSE(commands.recording());
    EXPECT_EQ(grabs, (std::vector<bool>{true, false}));
    EXPECT_EQ(saved("Alpha", 0).stepCount, 2);
    EXPECT_EQ(saved("Alpha", 1).stepCount, 2);
    EXPECT_EQ(controls.selectedMacro(), (std::pair<int, int>{0, 1}));
}

TEST_F(MacroEditFixture, RecordingNeedsAMacroAndStopsItselfAt110Steps) {
    commands.toggleRecording();  // no macro selected
    EXPECT_FALSE(commands.recording());
    selectMacro("Beta", "B1");
    commands.toggleRecording();
    for (int i = 0; i < 55; ++i) {
        commands.onRecordKey(Ev::KeyDown, 65 + i % 26);
        commands.onRecordKey(Ev::KeyUp, 65 + i % 26);
    }
    EXPECT_FALSE(commands.recording());
    EXPECT_EQ(saved("Beta", 0).stepCount, 110);
    EXPECT_EQ(saved("Beta", 0).moveCount, 0);
}

TEST_F(MacroEditFixture, StepMenuOpensOnDelaysAndParameterStepsButNotOnWaitsOrLighting) {
    selectMacro("Beta", "B1");
    // B1: A down, A up, move, sensitivity, left button.
    EXPECT_EQ(commands.onStepRightClick(1), (MacroEditCommands::MenuRequest{13, {1, 2}}));
    EXPECT_EQ(controls.stepList().selection(), 1);
    EXPECT_TRUE(commands.onStepRightClick(4));
    EXPECT_FALSE(commands.onStepRightClick(10));
    EXPECT_FALSE(commands.onStepRightClick(-1));
    commands.onMenuPick(14, 146);  // a wait after the selected move step
    EXPECT_EQ(controls.stepList().selection(), 6);
    EXPECT_FALSE(commands.onStepRightClick(6));  // a wait step line has no menu
    commands.onMenuPick(14, 145);                // lighting after the wait
    EXPECT_FALSE(commands.onStepRightClick(8));
    EXPECT_TRUE(commands.onStepRightClick(9));
}

TEST_F(MacroEditFixture, InsertsLandAfterTheSelectionAndAreSavedWithTheirCounters) {
    selectMacro("Beta", "B1");
    controls.stepList().setSelection(3);  // the delay after step 1
    commands.onMenuPick(14, 253);         // X-,Y- after step 1
    MacroRecord m = saved("Beta", 0);
    ASSERT_EQ(m.stepCount, 6);
    EXPECT_EQ(m.steps[2], (MacroAction{3, 246, 0, 10, 100}));
    EXPECT_EQ(m.moveCount, 2);
    EXPECT_EQ(controls.stepList().selection(), 4);
    commands.onMenuPick(14, 241);  // left down before the new step
    m = saved("Beta", 0);
    EXPECT_EQ(m.steps[2], (MacroAction{1, 241, 0, 0, 100}));
    EXPECT_EQ(m.steps[3].key, 246);
    // Delete moves the selection two lines up.
    controls.stepList().setSelection(6);
    commands.onMenuPick(13, 2);
    m = saved("Beta", 0);
    EXPECT_EQ(m.stepCount, 6);
    EXPECT_EQ(m.moveCount, 1);
    EXPECT_EQ(controls.stepList().selection(), 4);
    EXPECT_EQ(stepTexts().size(), 12u);
}

TEST_F(MacroEditFixture, AnInsertPastAKindsLimitIsRefusedWithItsWarning) {
    selectMacro("Beta", "B1");
    controls.stepList().setSelection(0);
    for (int i = 0; i < 4; ++i)
        commands.onMenuPick(14, 257);
    notifier.notices.clear();
    commands.onMenuPick(14, 258);  // a sixth sensitivity step
    EXPECT_EQ(saved("Beta", 0).sensitivityCount, 5);
    EXPECT_EQ(saved("Beta", 0).stepCount, 9);
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].tipText, MacroStepEditor::kTipKindLimit);
}

TEST_F(MacroEditFixture, InPlaceEditsOfDelaysMovesAndDpi) {
    selectMacro("Beta", "B1");
    const std::string suffix = texts.text(TextSection::Other, text::other::kDelaySuffix);
    ASSERT_TRUE(commands.onStepRightClick(1));
    commands.onMenuPick(13, 1);
    ASSERT_TRUE(commands.edit());
    EXPECT_EQ(commands.edit()->text, "20" + suffix);
    EXPECT_FALSE(commands.edit()->macroList);
    commands.finishEdit("350" + suffix);
    EXPECT_FALSE(commands.edit());
    EXPECT_EQ(saved("Beta", 0).steps[0].delay, 350);
    EXPECT_EQ(stepTexts()[1], "350" + suffix);

    ASSERT_TRUE(commands.onStepRightClick(4));
    commands.onMenuPick(13, 1);
    ASSERT_TRUE(commands.edit());
    EXPECT_EQ(commands.edit()->text, "[X-]:9,[Y-]:8");
    commands.finishEdit("[X-]:40,[Y-]:nothing");  // no change, the line is shown again
    EXPECT_EQ(stepTexts()[4], "[X-]:9,[Y-]:8");
    ASSERT_TRUE(commands.onStepRightClick(4));
    commands.onMenuPick(13, 1);
    commands.finishEdit("[X-]:40,[Y-]:3");
    EXPECT_EQ(saved("Beta", 0).steps[2].p0, 40);
    EXPECT_EQ(saved("Beta", 0).steps[2].p1, 3);

    ASSERT_TRUE(commands.onStepRightClick(6));
    commands.onMenuPick(13, 1);
    commands.finishEdit("[DPI]:3200");
    EXPECT_EQ(saved("Beta", 0).steps[3].p0, 13);
    EXPECT_EQ(stepTexts()[6], "[DPI]:3200 ");
}

TEST_F(MacroEditFixture, ModifyOnAKeyStepPicksANewKey) {
    selectMacro("Beta", "B1");
    ASSERT_TRUE(commands.onStepRightClick(8));  // left button down
    commands.onMenuPick(13, 1);
    ASSERT_TRUE(commands.keyRequest());
    EXPECT_EQ(commands.keyRequest()->first, 4u);
    commands.onKeyPicked(std::nullopt);  // cancelled
    EXPECT_EQ(saved("Beta", 0).steps[4].key, 241);
    ASSERT_TRUE(commands.onStepRightClick(0));
    commands.onMenuPick(13, 1);
    commands.onKeyPicked(162);  // left Ctrl
    EXPECT_EQ(saved("Beta", 0).steps[0].key, 224);
    EXPECT_FALSE(commands.keyRequest());
}

TEST_F(MacroEditFixture, NoStepCommandActsWhileRecording) {
    selectMacro("Beta", "B1");
    controls.stepList().setSelection(0);
    commands.toggleRecording();
    commands.onMenuPick(14, 146);
    commands.onMenuPick(13, 2);
    EXPECT_FALSE(commands.onStepRightClick(0));
    EXPECT_FALSE(commands.insertMenu());
    EXPECT_EQ(saved("Beta", 0).stepCount, 5);
    EXPECT_TRUE(commands.recording());
}

TEST_F(MacroEditFixture, GroupAndMacroMenusAddRenameAndDelete) {
    EXPECT_EQ(commands.onMacroListRightClick(0),
              (MacroEditCommands::MenuRequest{11, {1, 2, 3, 4, 5, 6, 7, 9}}));
    EXPECT_EQ(macroLines(), (std::vector<std::string>{"Alpha", "Beta"}));  // not expanded
    commands.onMenuPick(11, 2);                                            // a new macro in Alpha
    const std::string newMacro = texts.text(TextSection::DevMac, text::devmac::kNewMacroName);
    EXPECT_EQ(macroLines(),
              (std::vector<std::string>{"Alpha", " A1", " A2", " " + newMacro, "Beta"}));
    EXPECT_EQ(commands.onMacroListRightClick(3),
              (MacroEditCommands::MenuRequest{12, {1, 2, 3, 4}}));
    commands.onMenuPick(12, 1);
    ASSERT_TRUE(commands.edit());
    EXPECT_TRUE(commands.edit()->macroList);
    commands.finishEdit("  Copy");
    EXPECT_EQ(macroLines()[3], " Copy");
    EXPECT_EQ(saved("Alpha", 2).nameUtf8(), "Copy");
    commands.onMenuPick(12, 2);
    EXPECT_EQ(macroLines(), (std::vector<std::string>{"Alpha", " A1", " A2", "Beta"}));

    commands.onMenuPick(11, 1);
    const std::string newGroup = texts.text(TextSection::DevMac, text::devmac::kNewGroupName);
    EXPECT_TRUE(fs::exists(paths.macroFolder / (newGroup + ".dat")));
    EXPECT_EQ(macroLines().back(), newGroup);
    commands.onMenuPick(11, 3);  // the new group is selected: it goes
    EXPECT_FALSE(fs::exists(paths.macroFolder / (newGroup + ".dat")));
}

TEST_F(MacroEditFixture, GroupFilesGoToTheWindowAndSingleMacrosTravelThroughTheDialog) {
    commands.onMenuPick(11, 6);
    commands.onMenuPick(11, 7);
    commands.onMenuPick(11, 4);
    EXPECT_EQ(groupFiles, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(asked.empty());

    // A single macro goes out and comes back in with a counter on its name.
    selectMacro("Beta", "B1");
    answer = dir.path() / "one.sdat";
    commands.onMenuPick(12, 3);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0],
              (FileChoice{true, "All Files(*.sdat)|*.sdat||", "sdat", paths.macroFolder}));
    ASSERT_TRUE(fs::exists(dir.path() / "one.sdat"));
    commands.onMenuPick(12, 4);
    EXPECT_EQ(asked.back().folder, fs::path());
    EXPECT_EQ(macroLines(), (std::vector<std::string>{"Alpha", "Beta", " B1", " B102"}));
    MacroRecord copy = saved("Beta", 1);
    EXPECT_EQ(copy.nameUtf8(), "B102");
    copy.setName("B1");
    EXPECT_EQ(copy, saved("Beta", 0));

    // A cancelled dialog changes nothing.
    answer.reset();
    const auto before = macroLines();
    commands.onMenuPick(12, 4);
    commands.onMenuPick(11, 9);
    EXPECT_EQ(macroLines(), before);
    EXPECT_EQ(asked.size(), 4u);
}

// The window's side: its messages reach the commands, the pop-ups open through its menus, the
// file dialog gets the filter it understands and saved names their extension.
struct RecordingMenus final : MenuOpener {
    bool open(const MenuRequest& request) override {
        opened.push_back(request);
        return true;
    }
    std::vector<MenuRequest> opened;
};

TEST_F(MacroEditFixture, TheWindowSeamRecordsFromKeyMessagesAndOpensMenus) {
    RecordingMenus menus;
    std::vector<std::string> picked;
    int refreshed = 0;
    int guns = 0;
    MacroPageEditor editor({{library, controls, texts, keys, notifier, nullptr, nullptr,
                             [this] { return now; }, nullptr},
                            [&menus]() -> MenuOpener& { return menus; },
                            [&guns] { ++guns; },
                            [&refreshed] { ++refreshed; },
                            [&picked](const std::string& name) -> std::optional<int> {
                                picked.push_back(name);
                                return 65;  // A
                            },
                            nullptr});
    editor.commands().setLanguage(1);
    selectMacro("Alpha", "A2");
    editor.toggleRecording();
    EXPECT_TRUE(editor.recording());
    const std::pair<std::uint32_t, int> events[] = {{msg::WM_SYSKEYDOWN, 164},
                                                    {msg::WM_KEYDOWN, 65},
                                                    {msg::WM_KEYUP, 65},
                                                    {msg::WM_SYSKEYUP, 164},
                                                    {msg::WM_CLOSE, 66}};
    for (const auto& [message, vk] : events) {
        now += 50;
        editor.onRecordedKey(message, vk);
    }
    editor.toggleRecording();
    const MacroRecord m = saved("Alpha", 1);
    ASSERT_EQ(m.stepCount, 4);
    EXPECT_EQ(m.steps[0], (MacroAction{1, 226, 0, 0, 50}));  // left Alt
    EXPECT_EQ(m.steps[3], (MacroAction{2, 226, 0, 0, 20}));
    EXPECT_GE(refreshed, 6);

    MenuRequest insert;
    insert.kind = menu_kind::kInsert;
    insert.x = 40;
    editor.openInsertMenu(insert);
    editor.openMenu({13, {1, 2}}, 300, 200);
    ASSERT_EQ(menus.opened.size(), 2u);
    EXPECT_EQ(menus.opened[0].x, 40);
    EXPECT_EQ(menus.opened[1].kind, menu_kind::kKeyValue);
    EXPECT_EQ(menus.opened[1].x, 300);
    EXPECT_EQ(menus.opened[1].y, 200);
    editor.onMenuPick(14, 146);
    EXPECT_EQ(saved("Alpha", 1).stepCount, 5);
    // Modify on the left Alt press: the key dialog shows its name and gives A.
    controls.stepList().setSelection(0);
    editor.onMenuPick(13, 1);
    EXPECT_EQ(picked, (std::vector<std::string>{"L-Alt"}));
    EXPECT_EQ(saved("Alpha", 1).steps[0].key, 4);
    EXPECT_EQ(controls.stepList().lines()[0].text, "A");
    editor.openGunPresets();
    EXPECT_EQ(guns, 1);
}

// With the skinned pop-ups at hand, the group menu of an empty library shows only the items
// that need no line, and a row's pick reaches the commands as its item.
TEST_F(MacroEditFixture, TheGroupMenuOfAnEmptyLibraryShowsOnlyWhatNeedsNoLine) {
    testing::FakePopupHost host;
    testing::RecordingQueue queue;
    PopupMenus popups{MenuEnvironment{settings, queue, texts, skin, library, paths, host, notifier,
                                      [] { return 8; }}};
    MacroPageEditor editor(
        {{library, controls, texts, keys, notifier, nullptr,
          [this](int what) { groupFiles.push_back(what); }, [this] { return now; }, nullptr},
         nullptr,
         nullptr,
         nullptr,
         nullptr,
         [&popups] { return &popups; }});
    const auto rowTexts = [&] {
        std::vector<std::string> out;
        for (const MenuRow& r : popups.menu()->rows())
            out.push_back(r.text);
        return out;
    };
    const auto item = [&](int i) {
        return texts.text(TextSection::DevMac, text::devmac::kGroupMenuFirst + i - 1);
    };
    const auto pickRow = [&](int row) {
        queue.posted.clear();
        MenuWindow& menu = *popups.menu();
        const SkinRect r = menu.rowRect(row);
        menu.onMouseMove(r.x + 5, r.y + 5);
        menu.onLeftDown(r.x + 5, r.y + 5);
        menu.onLeftUp(r.x + 5, r.y + 5);
        for (const WindowMessage& m : queue.posted)
            if (m.id == msg::WM_MENU_PICK)
                editor.onMenuPick(static_cast<int>(m.wparam), static_cast<int>(m.lparam));
    };

    // A library with groups: every item but the group properties.
    auto request = editor.commands().onMacroListRightClick(-1);
    ASSERT_TRUE(request);
    editor.openMenu(*request, 120, 80);
    ASSERT_NE(popups.menu(), nullptr);
    EXPECT_EQ(rowTexts(), (std::vector<std::string>{item(1), item(2), item(3), item(4), item(5),
                                                    item(6), item(7), item(9)}));
    EXPECT_EQ(host.frameOf(PopupLevel::Menu).x, 120);
    EXPECT_EQ(host.frameOf(PopupLevel::Menu).y, 80);
    pickRow(4);  // reset all groups
    EXPECT_EQ(groupFiles, (std::vector<int>{MacroEditCommands::kResetGroups}));

    // Empty the library.
    for (int i = 0; i < 20 && library.groupCount() > 0; ++i) {
        library.withGroups([](MacroGroup& g) {
            g.selectLine(0);
            return g.deleteGroup();
        });
    }
    ASSERT_EQ(library.groupCount(), 0);
    controls.reload();
    ASSERT_TRUE(controls.macroList().lines().empty());
    request = editor.commands().onMacroListRightClick(-1);
    ASSERT_TRUE(request);
    editor.openMenu(*request, 120, 80);
    ASSERT_NE(popups.menu(), nullptr);
    EXPECT_EQ(rowTexts(), (std::vector<std::string>{item(1), item(2), item(4), item(6), item(9)}));
    EXPECT_EQ(popups.menu()->look().visibleRows, 5);
    groupFiles.clear();
    pickRow(4);  // import a group: the fourth row shown
    EXPECT_EQ(groupFiles, (std::vector<int>{MacroEditCommands::kImportGroupFile}));
    editor.openMenu(*request, 120, 80);
    pickRow(1);  // a new group
    EXPECT_EQ(library.groupCount(), 1);
    EXPECT_EQ(controls.macroList().lines().size(), 1u);
}

TEST(MacroPageEditorFiles, FiltersAndExtensionsFollowTheChoice) {
    testing::ScriptedFiles files;
    const ChooseFile choose = MacroPageEditor::fileChooser(files);
    files.answer = fs::path("/tmp/out/run");
    EXPECT_EQ(choose({true, "All Files(*.sdat)|*.sdat||", "sdat", "/m"}),
              fs::path("/tmp/out/run.sdat"));
    EXPECT_EQ(files.asked.back().filter, "All Files(*.sdat)");
    EXPECT_EQ(files.asked.back().folder, fs::path("/m"));
    files.answer = fs::path("/tmp/out/run.txt");
    EXPECT_EQ(choose({true, "All Files(*.sdat)|*.sdat||", "sdat", "/m"}),
              fs::path("/tmp/out/run.txt"));
    files.answer = fs::path("/tmp/in/a");
    EXPECT_EQ(choose({false, "All Files(*.sdat)|*.sdat||", "sdat", {}}), fs::path("/tmp/in/a"));
    files.answer.reset();
    EXPECT_FALSE(choose({true, "x", "sdat", {}}));
}

}  // namespace
}  // namespace karvo
