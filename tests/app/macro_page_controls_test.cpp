// The macro page's controls over a real macro library in a temporary program folder: the macro
// list's expansion, macro selection across two groups, the step lines, the repeat count's clamp
// and save, and the key list's marks.
#include "app/macro_page_controls.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/macro_step_text.h"
#include "services/program_paths.h"
#include "tests/app/macro_page_fixture.h"

namespace karvo {
namespace {

using testing::keyMacro;
using testing::MacroPageFixture;
namespace fs = std::filesystem;

TEST_F(MacroPageFixture, GroupLinesExpandAndCollapseAndLeaveNoMacroSelected) {
    EXPECT_EQ(macroLines(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(controls.macroList().lines()[0].icon, ListIcon::GroupCollapsed);
    click("Alpha");
    EXPECT_EQ(macroLines(), (std::vector<std::string>{"Alpha", " A1", " A2", "Beta"}));
    EXPECT_EQ(controls.macroList().lines()[0].icon, ListIcon::GroupExpanded);
    EXPECT_EQ(controls.macroList().lines()[1].icon, ListIcon::Macro);
    EXPECT_EQ(controls.macroList().selection(), 0);
    click("Beta");
    EXPECT_EQ(macroLines(), (std::vector<std::string>{"Alpha", " A1", " A2", "Beta", " B1"}));
    EXPECT_EQ(controls.macroList().selection(), 3);

    click("A1");
    ASSERT_TRUE(controls.selectedMacro());
    click("Alpha");  // collapsing ends the macro's selection
    EXPECT_EQ(macroLines(), (std::vector<std::string>{"Alpha", "Beta", " B1"}));
    EXPECT_EQ(controls.macroList().selection(), 0);
    EXPECT_FALSE(controls.selectedMacro());
    EXPECT_EQ(controls.repeatBox(), (EditBoxModel{"1", false, true}));
    EXPECT_TRUE(controls.stepList().lines().empty());
    EXPECT_EQ(controls.nameBox().text, "");
    ASSERT_FALSE(modes.empty());
    EXPECT_EQ(modes.back(), std::nullopt);
}

TEST_F(MacroPageFixture, SelectingMacrosOfTwoGroupsLoadsEachGroupAndShowsTheMacro) {
    click("Alpha");
    click("Beta");
    click("A1");
    EXPECT_EQ(controls.selectedMacro(), (std::pair{0, 0}));
    EXPECT_EQ(controls.nameBox().text, "A1");
    EXPECT_TRUE(controls.nameBox().readOnly);
    EXPECT_EQ(controls.repeatBox(), (EditBoxModel{"3", true, false}));
    EXPECT_EQ(controls.stepList().lines().size(), 8u);
    EXPECT_EQ(modes.back(), 0);

    click("B1");
    EXPECT_EQ(controls.selectedMacro(), (std::pair{1, 0}));
    EXPECT_EQ(library.withGroups([](MacroGroup& g) { return g.currentGroup(); }), 1);
    EXPECT_EQ(controls.nameBox().text, "B1");
    EXPECT_EQ(controls.repeatBox(), (EditBoxModel{"1000", true, false}));
    // The mixed macro's lines as the step text functions give them for its saved steps.
    const MacroRecord saved = library.groupMacro(1, 0);
    EXPECT_EQ(controls.stepList().lines(), stepLines(saved, {texts, keys, 1}));
    ASSERT_EQ(controls.stepList().lines().size(), 10u);
    EXPECT_EQ(controls.stepList().lines()[4].text, "[X-]:9,[Y-]:8");
    EXPECT_EQ(controls.stepList().lines()[6].text, "[DPI]:400 ");
    EXPECT_EQ(controls.stepList().lines()[8].text, "Left button");
    EXPECT_EQ(controls.stepList().lines()[9].text, "7 ms");

    click("A2");  // a macro that runs once: the count is fixed at 1
    EXPECT_EQ(controls.selectedMacro(), (std::pair{0, 1}));
    EXPECT_EQ(library.withGroups([](MacroGroup& g) { return g.currentGroup(); }), 0);
    EXPECT_EQ(controls.repeatBox(), (EditBoxModel{"1", false, true}));
    EXPECT_EQ(modes.back(), 1);
}

TEST_F(MacroPageFixture, TheRepeatCountIsClampedShownStoredAndSaved) {
    EXPECT_EQ(MacroPageControls::clampRepeat(""), 1);
    EXPECT_EQ(MacroPageControls::clampRepeat("0"), 1);
    EXPECT_EQ(MacroPageControls::clampRepeat("000"), 1);
    EXPECT_EQ(MacroPageControls::clampRepeat("007"), 7);
    EXPECT_EQ(MacroPageControls::clampRepeat("1000"), 1000);
    EXPECT_EQ(MacroPageControls::clampRepeat("1001"), 1000);
    EXPECT_EQ(MacroPageControls::clampRepeat("99999999999999999999999"), 1000);
    EXPECT_EQ(MacroPageControls::clampRepeat("4a2"), 42);
    EXPECT_EQ(MacroPageControls::clampRepeat("x"), 1);

    click("Alpha");
    click("A1");
    EXPECT_EQ(controls.onRepeatEdited("25"), "25");
    EXPECT_EQ(library.groupMacro(0, 0).repeatCount, 25);  // read back from the group file
    EXPECT_EQ(controls.onRepeatEdited("5000"), "1000");
    EXPECT_EQ(controls.repeatBox().text, "1000");
    EXPECT_EQ(controls.onRepeatEdited("0"), "1");
    EXPECT_EQ(library.groupMacro(0, 0).repeatCount, 1);
    // The other macro of the file is untouched.
    EXPECT_EQ(library.groupMacro(0, 1).nameUtf8(), "A2");

    // Emptied to type another number: nothing changes until digits come; leaving an empty
    // box shows the stored count again.
    EXPECT_EQ(controls.onRepeatEdited(""), "");
    EXPECT_EQ(library.groupMacro(0, 0).repeatCount, 1);
    EXPECT_EQ(controls.onRepeatEdited("3"), "3");
    EXPECT_EQ(controls.onRepeatEdited(""), "");
    controls.onRepeatFinished();
    EXPECT_EQ(controls.repeatBox().text, "3");
    EXPECT_EQ(library.groupMacro(0, 0).repeatCount, 3);

    // A fresh library over the same files sees the saved count.
    controls.onRepeatEdited("77");
    MacroLibrary again(keys, notifier);
    again.load(paths, 1);
    EXPECT_EQ(again.groupMacro(0, 0).repeatCount, 77);

    click("A2");  // mode 1: typing changes nothing
    EXPECT_EQ(controls.onRepeatEdited("9"), "1");
    EXPECT_EQ(library.groupMacro(0, 1).repeatCount, 1);
    EXPECT_TRUE(notifier.notices.empty());
}

TEST_F(MacroPageFixture, TheKeyListMarksTheButtonsThatRunTheSelectedMacro) {
    settings.edit([](Settings& s) {
        s.currentProfile = 1;
        s.profiles[1].buttons[2].function = MacroPageControls::macroFunction(1, 0);  // B1
        s.profiles[1].buttons[5].function = MacroPageControls::macroFunction(1, 0);
        s.profiles[1].buttons[6].function = MacroPageControls::macroFunction(0, 0);  // A1
        s.profiles[0].buttons[0].function = MacroPageControls::macroFunction(1, 0);  // not shown
    });
    controls.refreshKeys();
    ASSERT_EQ(controls.keyList().lines().size(), 8u);
    EXPECT_EQ(keyMarks(), std::vector<bool>(8, false));
    EXPECT_EQ(controls.keyList().lines()[2].text, "Button 3: Macro 2-1");
    EXPECT_EQ(controls.keyList().lines()[6].text, "Button 7: Macro 1-1");

    click("Beta");
    click("B1");
    EXPECT_EQ(keyMarks(),
              (std::vector<bool>{false, false, true, false, false, true, false, false}));
    click("Alpha");
    click("A1");
    EXPECT_EQ(keyMarks(),
              (std::vector<bool>{false, false, false, false, false, false, true, false}));
    click("Alpha");  // nothing selected: nothing marked
    EXPECT_EQ(keyMarks(), std::vector<bool>(8, false));
}

TEST_F(MacroPageFixture, ReloadShowsTheLibrarysCurrentSelection) {
    click("Beta");
    click("B1");
    MacroPageControls other{{library, texts, keys, skin, settings, nullptr}};
    other.setKeyNum(8);
    other.reload();
    EXPECT_EQ(other.macroList().lines().size(), 3u);
    EXPECT_EQ(other.macroList().selection(), 2);
    EXPECT_EQ(other.selectedMacro(), (std::pair{1, 0}));
    EXPECT_EQ(other.nameBox().text, "B1");

    library.load(paths, 1);  // a fresh library: collapsed, its first group's line selected
    other.reload();
    EXPECT_EQ(other.macroList().lines().size(), 2u);
    EXPECT_EQ(other.macroList().selection(), 0);
    EXPECT_FALSE(other.selectedMacro());
    EXPECT_TRUE(other.stepList().lines().empty());
    EXPECT_EQ(other.repeatBox(), (EditBoxModel{"1", false, true}));
}

}  // namespace
}  // namespace karvo
