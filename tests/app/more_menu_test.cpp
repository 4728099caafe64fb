// The window's "more" menu through the controller: the rows it asks for (the first tells
// whether the program starts with the session), starting with the session switched from its
// first row, and the full write of the mouse from its third.
#include <gtest/gtest.h>

#include "app/window_messages.h"
#include "ui/dialogs/menu_kind.h"
#include "ui/skin/layout_index.h"
#include "window_fixture.h"

namespace karvo {
namespace {

namespace mw = skin::main_window;
using Fixture = testing::WindowFixture;

void pick(Fixture& f, int row) {
    f.dlg.onMessage({msg::WM_MENU_PICK, static_cast<std::uintptr_t>(MenuKind::More), row});
}

TEST(MoreMenu, OpensBelowItsEntryWithRowsThatSayWhetherTheProgramStartsWithTheSession) {
    Fixture f;
    for (const bool on : {false, true}) {
        f.actions.autostart = on;
        f.menus.opened.clear();
        f.clickMain(mw::kMore);
        ASSERT_EQ(f.menus.opened.size(), 1u);
        const MenuRequest& r = f.menus.opened[0];
        EXPECT_EQ(r.kind, menu_kind::kMore);
        EXPECT_EQ(r.texts, (std::vector<std::string>{
                               on ? "Start with the session: on" : "Start with the session: off",
                               "About", "Write everything to the mouse"}));
        f.dlg.onMessage({msg::WM_MENU_CLOSED, 0, 0});
    }
    // Where it cannot be told, the row makes no claim.
    f.actions.autostart = std::nullopt;
    f.menus.opened.clear();
    f.clickMain(mw::kMore);
    ASSERT_EQ(f.menus.opened.size(), 1u);
    EXPECT_EQ(f.menus.opened[0].texts.front(), "Start with the session");
}

TEST(MoreMenu, TheFirstRowSwitchesStartingWithTheSessionEachWay) {
    Fixture f;
    f.actions.autostart = false;
    pick(f, 1);
    EXPECT_EQ(f.actions.autostart, std::optional<bool>(true));
    pick(f, 1);
    EXPECT_EQ(f.actions.autostart, std::optional<bool>(false));
    EXPECT_EQ(f.actions.calls, (std::vector<std::string>{"autostart on", "autostart off"}));
    EXPECT_EQ(f.notices(), 0u);
}

TEST(MoreMenu, AnAutostartEntryThatCannotBeWrittenIsToldAndNothingChanges) {
    Fixture f;
    f.actions.autostart = false;
    f.actions.autostartError = "cannot write /x/autostart/karvo-gmouse.desktop";
    pick(f, 1);
    EXPECT_EQ(f.actions.autostart, std::optional<bool>(false));
    EXPECT_EQ(f.notices(), 1u);
}

TEST(MoreMenu, TheThirdRowWritesEverythingAndShowsItsProgressLikeApply) {
    Fixture f;
    pick(f, 3);
    EXPECT_EQ(f.actions.calls, (std::vector<std::string>{"full apply"}));
    ASSERT_TRUE(f.dlg.downloadProgress().has_value());
    // Not while a write runs, as with Apply.
    f.actions.calls.clear();
    f.actions.busy = true;
    pick(f, 3);
    f.clickMain(mw::kApply);
    EXPECT_TRUE(f.actions.calls.empty());
}

TEST(MoreMenu, RowsTheWindowDoesNotActOnDoNothing) {
    Fixture f;
    for (const int row : {0, 2, 4, -1})
        pick(f, row);
    EXPECT_TRUE(f.actions.calls.empty());
    EXPECT_EQ(f.notices(), 0u);
}

}  // namespace
}  // namespace karvo
