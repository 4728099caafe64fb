// The pop-up menus: geometry and rows per kind, what a release on each kind does, the
// sub-menus with their codes and values, the macro choice, and one menu at a time.
#include <gtest/gtest.h>

#include "app/menu_fillers.h"
#include "services/language_text_index.h"
#include "tests/dialogs/menu_fixture.h"
#include "tests/support/recording_canvas.h"
#include "ui/dialogs/button_function.h"

namespace karvo {
namespace {

using testing::MenuTest;

CMenuDlg& openMenu(PopupMenus& menus, MenuKind kind, MenuOptions options = {}) {
    EXPECT_TRUE(menus.open(kind, 100, 200, std::move(options)));
    return *menus.menu();
}

TEST_F(MenuTest, EachKindTakesItsWidthAndRowHeightFromItsMaskAndShowsItsRows) {
    struct Case {
        MenuKind kind;
        int width;
        int rowHeight;
        int visible;
    };
    // Profile and "more" divide their mask into 4 and 3 rows, every other kind into 15.
    const Case cases[] = {
        {MenuKind::Profile, 168, 36, 4},       {MenuKind::ButtonFunction, 232, 32, 11},
        {MenuKind::More, 264, 40, 3},          {MenuKind::LightingMode, 220, 30, 14},
        {MenuKind::LightingValue, 208, 30, 4}, {MenuKind::StepEffect, 208, 30, 5},
        {MenuKind::StepColour, 208, 30, 7},    {MenuKind::StepCount, 208, 30, 5},
        {MenuKind::MacroStep, 220, 30, 9},     {MenuKind::MacroMenu, 200, 30, 4},
        {MenuKind::KeyValue, 200, 30, 2},      {MenuKind::Insert, 220, 32, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        CMenuDlg& menu = openMenu(menus, c.kind);
        EXPECT_EQ(menu.size().width, c.width);
        EXPECT_EQ(menu.size().height, c.visible * c.rowHeight);
        EXPECT_EQ(host.frameOf(PopupLevel::Menu),
                  (SkinRect{100, 200, c.width, c.visible * c.rowHeight}));
    }
}

TEST_F(MenuTest, RowsAreBandsOfTheRowHeightAndRowsBelowTheVisibleOnesAreCutOff) {
    CMenuDlg& menu = openMenu(menus, MenuKind::ButtonFunction);
    EXPECT_EQ(menu.rowAt(0, 0), 1);
    EXPECT_EQ(menu.rowAt(231, 31), 1);
    EXPECT_EQ(menu.rowAt(0, 32), 2);
    EXPECT_EQ(menu.rowAt(10, 10 * 32 + 5), 11);
    EXPECT_EQ(menu.rowAt(232, 5), NO_ITEM);       // right edge is outside
    EXPECT_EQ(menu.rowAt(10, 11 * 32), NO_ITEM);  // row 12 is cut off
    EXPECT_EQ(menu.rowAt(-1, 5), NO_ITEM);
}

TEST_F(MenuTest, TheButtonMenuNamesItsRowsAfterTheFunctionTable) {
    CMenuDlg& menu = openMenu(menus, MenuKind::ButtonFunction);
    ASSERT_EQ(menu.rowCount(), 11);
    for (int r = 1; r <= 11; ++r)
        EXPECT_EQ(menu.rows()[static_cast<std::size_t>(r - 1)].text, skin.functions().name(r));
}

TEST_F(MenuTest, ReleasingABasicRowAssignsItsCodeClearsTheMacroFlagAndCloses) {
    settings.edit([](Settings& s) { s.profiles[0].buttons[2].leftMac = 1; });
    ASSERT_TRUE(menus.openButtonMenu(2, {400, 300, 40, 30}));
    click(*menus.menu(), 4);
    EXPECT_EQ(button(2).function, 4);
    EXPECT_EQ(button(2).leftMac, 0);
    EXPECT_FALSE(menus.isOpen());
    EXPECT_EQ(host.at(PopupLevel::Menu), nullptr);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 0, 0));
}

TEST_F(MenuTest, TheButtonMenuOpensBelowTheEntryOrAboveItAtTheBottomOfTheScreen) {
    ASSERT_TRUE(menus.openButtonMenu(2, {400, 300, 40, 30}));
    EXPECT_EQ(host.frameOf(PopupLevel::Menu), (SkinRect{440, 330, 232, 352}));
    ASSERT_TRUE(menus.openButtonMenu(2, {400, 900, 40, 30}));
    EXPECT_EQ(host.frameOf(PopupLevel::Menu), (SkinRect{440, 900 - 352, 232, 352}));
}

TEST_F(MenuTest, TheButtonMenuRefusesToOpenWhenNoOtherButtonHasThePrimaryClick) {
    EXPECT_FALSE(menus.openButtonMenu(0, {400, 300, 40, 30}));
    EXPECT_FALSE(menus.isOpen());
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].tipText, 6);
    EXPECT_FALSE(menus.openButtonMenu(8, {400, 300, 40, 30}));  // beyond the mouse's buttons
}

TEST_F(MenuTest, RowTenAsksForTheCombinationDialog) {
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    click(*menus.menu(), 10);
    EXPECT_TRUE(posted(msg::WM_EDIT_COMBINATION, 3, 1));
    EXPECT_EQ(menus.editedSlot(), 3);
    EXPECT_EQ(button(3).function, 4);  // unchanged until the dialog confirms
}

TEST_F(MenuTest, SubMenuRowsOpenBesideTheMenuAtTheirOffsetsOneAtATime) {
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    const SkinRect menu = host.frameOf(PopupLevel::Menu);
    const struct {
        int row;
        int type;
        int rowsDown;
    } cases[] = {{7, submenu::kExtraFunctions, 4},
                 {8, submenu::kMoreFunctions, 1},
                 {11, submenu::kProfileFunctions, 9}};
    for (const auto& c : cases) {
        hover(*menus.menu(), c.row);
        ASSERT_NE(menus.subMenu(), nullptr);
        EXPECT_EQ(menus.subMenu()->type(), c.type);
        EXPECT_EQ(host.at(PopupLevel::SubMenu), menus.subMenu());
        EXPECT_EQ(host.frameOf(PopupLevel::SubMenu).x, menu.x + menu.width + 2);
        EXPECT_EQ(host.frameOf(PopupLevel::SubMenu).y, menu.y + c.rowsDown * 32);
    }
    hover(*menus.menu(), 3);  // a plain row closes the sub-menu
    EXPECT_EQ(menus.subMenu(), nullptr);
    EXPECT_EQ(host.at(PopupLevel::SubMenu), nullptr);
    hover(*menus.menu(), 10);  // the combination row opens none
    EXPECT_EQ(menus.subMenu(), nullptr);
}

TEST_F(MenuTest, SubMenuCodeTablesOfTheButtonMenu) {
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    hover(*menus.menu(), 8);
    CSubMenuDlg& more = *menus.subMenu();
    ASSERT_EQ(more.rowCount(), 10);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(more.codeOf(r), 22 + r);
        EXPECT_EQ(more.rows()[static_cast<std::size_t>(r - 1)].text, skin.functions().name(22 + r));
    }
    EXPECT_EQ(more.codeOf(11), std::nullopt);

    hover(*menus.menu(), 11);
    CSubMenuDlg& profiles = *menus.subMenu();
    ASSERT_EQ(profiles.rowCount(), 4);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(profiles.codeOf(r), 18 + r);

    hover(*menus.menu(), 7);
    CSubMenuDlg& extra = *menus.subMenu();
    ASSERT_EQ(extra.rowCount(), skin.functions().extraRowCount());
    ASSERT_GT(extra.rowCount(), 0);
    for (int r = 1; r <= extra.rowCount(); ++r) {
        const auto code = extra.codeOf(r);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(extra.rows()[static_cast<std::size_t>(r - 1)].text,
                  skin.functions().extraFunctions().at(std::to_string(*code)).name);
    }
}

TEST_F(MenuTest, SubMenuRowThreeOfTheMoreFunctionsStoresTwentyFiveAndClearsTheMacroFlag) {
    settings.edit([](Settings& s) { s.profiles[0].buttons[3].leftMac = 3; });
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    hover(*menus.menu(), 8);
    click(*menus.subMenu(), 3);
    EXPECT_EQ(button(3).function, 25);
    EXPECT_EQ(button(3).leftMac, 0);
    EXPECT_FALSE(menus.isOpen());
    EXPECT_EQ(host.at(PopupLevel::Menu), nullptr);
    EXPECT_EQ(host.at(PopupLevel::SubMenu), nullptr);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 0, 0));
}

TEST_F(MenuTest, ASubMenuKeepsItsHotRowWhenTheCursorLeavesItsRows) {
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    hover(*menus.menu(), 11);
    CSubMenuDlg& sub = *menus.subMenu();
    hover(sub, 2);
    sub.onMouseMove(5, 1000);
    EXPECT_EQ(sub.hotRow(), 2);
    sub.onLeftUp(5, 1000);  // a release off the rows does nothing
    EXPECT_TRUE(menus.isOpen());
}

TEST_F(MenuTest, AMacroIsChosenThroughItsGroupAndGetsTheGroupAndMacroCode) {
    settings.edit([](Settings& s) { s.profiles[0].buttons[4].leftMac = 1; });
    const int groups = macros.groupCount();
    ASSERT_GE(groups, 2);
    ASSERT_GE(macros.macroCount(1), 3);
    ASSERT_TRUE(menus.openButtonMenu(4, {400, 300, 40, 30}));
    hover(*menus.menu(), 9);
    CSubMenuDlg& groupMenu = *menus.subMenu();
    EXPECT_EQ(groupMenu.rowCount(), groups);
    // The group list stays beside the menu: it would run past the menu's bottom from row 9,
    // so it ends with the menu.
    const SkinRect menu = host.frameOf(PopupLevel::Menu);
    const SkinRect sub = host.frameOf(PopupLevel::SubMenu);
    ASSERT_GT(sub.height, menu.height - 8 * 32);
    EXPECT_EQ(sub.y + sub.height, menu.y + menu.height);
    EXPECT_GE(sub.y, menu.y);

    click(groupMenu, 2);  // a group row's release does nothing
    EXPECT_TRUE(menus.isOpen());
    ASSERT_NE(menus.macroChoice(), nullptr);
    EXPECT_EQ(menus.macroChoice()->group(), 1);
    EXPECT_EQ(host.frameOf(PopupLevel::MacroChoice).x, sub.x + sub.width + 2);
    EXPECT_EQ(menus.macroChoice()->rowCount(), macros.macroCount(1));

    click(*menus.macroChoice(), 3);
    EXPECT_EQ(button(4).function, 2 * 256 + 3 - 1);
    EXPECT_EQ(button(4).leftMac, 0);
    EXPECT_FALSE(menus.isOpen());
    for (int level = 0; level < kPopupLevels; ++level)
        EXPECT_EQ(host.at(static_cast<PopupLevel>(level)), nullptr);
}

TEST_F(MenuTest, TheInsertMenuSubMenusCarryTheValues241To258InTurn) {
    MenuOptions options;
    options.rows = 7;
    CMenuDlg& menu = openMenu(menus, MenuKind::Insert, options);
    std::vector<std::intptr_t> values;
    const int counts[] = {6, 6, 4, 2};
    for (int row = 1; row <= 4; ++row) {
        hover(menu, row);
        CSubMenuDlg* sub = menus.subMenu();
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->type(), 140 + row);
        EXPECT_EQ(host.frameOf(PopupLevel::SubMenu).y, 200 + (row - 1) * 32);
        ASSERT_EQ(sub->rowCount(), counts[row - 1]);
        for (int r = 1; r <= sub->rowCount(); ++r)
            values.push_back(*sub->insertValueOf(r));
        EXPECT_EQ(sub->insertValueOf(sub->rowCount() + 1), std::nullopt);
    }
    std::vector<std::intptr_t> expected;
    for (int v = 241; v <= 258; ++v)
        expected.push_back(v);
    EXPECT_EQ(values, expected);

    hover(menu, 3);
    click(*menus.subMenu(), 2);
    EXPECT_TRUE(posted(msg::WM_MENU_PICK, 14, 254));
    EXPECT_FALSE(menus.isOpen());
}

TEST_F(MenuTest, InsertRowsFiveToSevenPickAndTheFirstFourOnlyOpenSubMenus) {
    MenuOptions options;
    options.rows = 7;
    CMenuDlg& menu = openMenu(menus, MenuKind::Insert, options);
    click(menu, 2);
    EXPECT_TRUE(menus.isOpen());
    EXPECT_TRUE(queue.posted.empty());
    click(*menus.menu(), 6);
    EXPECT_TRUE(posted(msg::WM_MENU_PICK, 14, 146));
}

TEST_F(MenuTest, MacroEditorMenusPickTheirRowAndRowsBeyondTheCountAreIgnored) {
    for (const MenuKind kind : {MenuKind::MacroStep, MenuKind::MacroMenu, MenuKind::KeyValue}) {
        queue.posted.clear();
        MenuOptions options;
        options.rows = 2;
        CMenuDlg& menu = openMenu(menus, kind, options);
        menu.onLeftUp(5, 2 * 30 + 5);  // row 3: not one of its rows
        EXPECT_TRUE(queue.posted.empty());
        click(menu, 2);
        EXPECT_TRUE(posted(msg::WM_MENU_PICK, static_cast<std::uintptr_t>(kind), 2));
    }
}

// The macro list menu of an empty list: the opener leaves out the items that need a line, and
// each shown row still picks its own item.
TEST_F(MenuTest, AMacroListMenuShowsOnlyTheItemsItsOpenerListsAndPicksThoseItems) {
    MenuOptions options;
    options.items = {1, 2, 4, 6, 9, 12};  // 12 is no item of the menu
    CMenuDlg& menu = openMenu(menus, MenuKind::MacroStep, options);
    ASSERT_EQ(menu.rowCount(), 5);
    EXPECT_EQ(menu.itemCount(), 5);
    EXPECT_EQ(menu.look().visibleRows, 5);
    const int items[] = {1, 2, 4, 6, 9};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(menu.rows()[static_cast<std::size_t>(r)].text,
                  texts.text(TextSection::DevMac, text::devmac::kGroupMenuFirst + items[r] - 1))
            << "row " << r + 1;
    }
    menu.onLeftUp(5, 5 * 30 + 5);  // row 6: not shown
    EXPECT_TRUE(queue.posted.empty());
    click(menu, 3);
    EXPECT_TRUE(posted(msg::WM_MENU_PICK, 11, 4));
    EXPECT_FALSE(posted(msg::WM_MENU_PICK, 11, 3));

    queue.posted.clear();
    click(openMenu(menus, MenuKind::MacroStep, options), 5);
    EXPECT_TRUE(posted(msg::WM_MENU_PICK, 11, 9));

    // The macro menu takes a list too.
    queue.posted.clear();
    options.items = {2, 4};
    CMenuDlg& macroMenu = openMenu(menus, MenuKind::MacroMenu, options);
    EXPECT_EQ(macroMenu.rowCount(), 2);
    click(macroMenu, 2);
    EXPECT_TRUE(posted(msg::WM_MENU_PICK, 12, 4));
}

TEST_F(MenuTest, MacroRowMenusWithoutTheirMaskSayWhichPictureIsMissing) {
    host.missing = "MacMenu/MacR_mask.jpg";
    EXPECT_FALSE(menus.open(MenuKind::MacroMenu, 0, 0));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].text, "找不到 MacR_mask.jpg");
}

TEST_F(MenuTest, LightingStepMenusWriteTheirByteOfTheStepRecord) {
    std::vector<std::pair<int, int>> writes;
    MenuOptions options;
    options.setLedByte = [&writes](int index, std::uint8_t v) { writes.push_back({index, v}); };

    click(openMenu(menus, MenuKind::StepEffect, options), 4);
    click(openMenu(menus, MenuKind::StepColour, options), 7);
    click(openMenu(menus, MenuKind::StepCount, options), 5);
    const std::vector<std::pair<int, int>> expected = {{4, 6}, {5, 7}, {0, 5}};
    EXPECT_EQ(writes, expected);
    EXPECT_TRUE(posted(msg::WM_MACRO_GROUP_SHOW_1, 3, 0));
    EXPECT_TRUE(posted(msg::WM_MACRO_GROUP_SHOW_2, 7, 0));
    EXPECT_TRUE(posted(msg::WM_MACRO_GROUP_SHOW_3, 5, 0));
}

TEST_F(MenuTest, TheStepColourMenuFillsEachRowWithItsUserColour) {
    settings.edit([](Settings& s) { s.shared.userColour[2] = {0, 15, 15}; });
    CMenuDlg& menu = openMenu(menus, MenuKind::StepColour);
    ASSERT_EQ(menu.rowCount(), 7);
    EXPECT_EQ(menu.rows()[2].fill, screenColour({0, 15, 15}));
    testing::RecordingCanvas canvas;
    menu.paint(canvas);
    const auto fills = canvas.ofKind(testing::RecordingCanvas::Op::Kind::Fill);
    ASSERT_EQ(fills.size(), 7u);
    EXPECT_EQ(fills[2].rect, (SkinRect{0, 60, 208, 29}));  // row height less one
}

TEST_F(MenuTest, TheLightingMenusSetTheEffectTheButtonLightingAndTheValues) {
    settings.edit([](Settings& s) { s.shared.ledDirection = 2; });
    ASSERT_TRUE(menus.openLightingMenu(35, {10, 10, 50, 20}));
    EXPECT_TRUE(menus.isLightingMenuOpen());
    EXPECT_EQ(menus.menu()->kind(), MenuKind::LightingMode);
    click(*menus.menu(), 6);
    Settings s = settings.snapshot();
    EXPECT_EQ(s.shared.ledType, 5);
    EXPECT_EQ(s.shared.ledDirection, 0);

    ASSERT_TRUE(menus.openLightingMenu(61 + 2, {10, 10, 50, 20}));
    EXPECT_EQ(menus.menu()->kind(), MenuKind::LightingValue);
    click(*menus.menu(), 3);
    EXPECT_EQ(button(2).ledReactType, 2);

    ASSERT_TRUE(menus.openLightingMenu(40, {10, 10, 50, 20}));
    ASSERT_NE(menus.subMenu(), nullptr);
    EXPECT_EQ(menus.subMenu()->rowCount(), 8);
    click(*menus.subMenu(), 3);
    EXPECT_EQ(settings.snapshot().shared.ledBrightness, 5);

    ASSERT_TRUE(menus.openLightingMenu(41, {10, 10, 50, 20}));
    EXPECT_EQ(menus.subMenu()->rowCount(), 6);
    click(*menus.subMenu(), 6);
    EXPECT_EQ(settings.snapshot().shared.ledCycleTime, 5);
    EXPECT_FALSE(menus.isLightingMenuOpen());
}

TEST_F(MenuTest, TheWindowsBrightnessAndSpeedEntriesGetTheirValueListsWhereItPlacesThem) {
    PopupMenuOpener opener(menus);
    MenuRequest r;
    r.kind = menu_kind::kLightingValue;
    r.table = LayoutFile::Color;
    r.entry = 40;
    r.x = 300;
    r.y = 120;
    // Eight rows of the 30-pixel band of the 208 x 450 menu picture.
    const MenuSize brightness = opener.size(r);
    EXPECT_EQ(brightness.width, 208);
    EXPECT_EQ(brightness.height, 8 * 30);
    ASSERT_TRUE(opener.open(r));
    ASSERT_NE(menus.subMenu(), nullptr);
    EXPECT_EQ(menus.menu(), nullptr);
    EXPECT_EQ(menus.subMenu()->type(), submenu::kBrightness);
    EXPECT_EQ(host.frameOf(PopupLevel::SubMenu), (SkinRect{300, 120, 208, 240}));
    EXPECT_TRUE(menus.isLightingMenuOpen());
    click(*menus.subMenu(), 1);
    EXPECT_EQ(settings.snapshot().shared.ledBrightness, 7);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 0, 0));
    EXPECT_FALSE(menus.isOpen());

    r.entry = 41;
    EXPECT_EQ(opener.size(r).height, 6 * 30);
    ASSERT_TRUE(opener.open(r));
    EXPECT_EQ(menus.subMenu()->type(), submenu::kSpeed);
    click(*menus.subMenu(), 4);
    EXPECT_EQ(settings.snapshot().shared.ledCycleTime, 3);

    // A button's lighting keeps the four rows of kind 5; so does kind 5 from another table.
    r.entry = 61 + 1;
    r.slot = 1;
    ASSERT_TRUE(opener.open(r));
    ASSERT_NE(menus.menu(), nullptr);
    EXPECT_EQ(menus.menu()->kind(), MenuKind::LightingValue);
    EXPECT_EQ(menus.subMenu(), nullptr);
    r.table = LayoutFile::Main;
    r.entry = 40;
    ASSERT_TRUE(opener.open(r));
    EXPECT_EQ(menus.menu()->kind(), MenuKind::LightingValue);
    EXPECT_EQ(menus.subMenu(), nullptr);
}

TEST_F(MenuTest, TheProfileMenuMakesItsRowTheCurrentProfile) {
    click(openMenu(menus, MenuKind::Profile), 3);
    EXPECT_EQ(settings.snapshot().currentProfile, 2);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 0, 0));
}

TEST_F(MenuTest, TheLanguageMenuOffersEveryShippedLanguageWithItsOwnRowPictures) {
    CMenuDlg& menu = openMenu(menus, MenuKind::Language);
    const std::vector<int>& offered = menus.offeredLanguages();
    ASSERT_EQ(offered.size(), 26u);  // 0 to 26 without 25
    EXPECT_EQ(offered[1], 1);
    EXPECT_EQ(offered.back(), 26);
    // Thirteen in the menu, the other thirteen in a second column beside it.
    ASSERT_EQ(menu.rowCount(), 13);
    EXPECT_TRUE(menu.rows()[4].normalPicture.ends_with("4_INI_DE/ver_normal.jpg"));
    EXPECT_EQ(menu.size().width, 240);
    EXPECT_EQ(menu.size().height, 13 * 30);
    CSubMenuDlg* second = menus.subMenu();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->type(), submenu::kMoreLanguages);
    ASSERT_EQ(second->rowCount(), 13);
    EXPECT_TRUE(second->rows()[0].normalPicture.ends_with("13_INI_AR/ver_normal.jpg"));
    EXPECT_EQ(host.frameOf(PopupLevel::SubMenu), (SkinRect{340, 200, 240, 390}));
    hover(menu, 3);  // the second column stays
    EXPECT_EQ(menus.subMenu(), second);

    hover(*second, 2);
    testing::RecordingCanvas canvas;
    second->paint(canvas);
    bool overDrawn = false;
    for (const auto& op : canvas.ofKind(testing::RecordingCanvas::Op::Kind::Picture))
        overDrawn |= op.picture.ends_with("14_INI_PL/ver_over.jpg") && op.rect.y == 30;
    EXPECT_TRUE(overDrawn);

    click(*second, 2);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 1, 15));
    EXPECT_TRUE(posted(msg::WM_FONTS_CHANGED, 1, 0));
    EXPECT_FALSE(menus.isOpen());
    EXPECT_EQ(menus.offeredLanguage(15), 14);

    // At the right edge of the screen the second column goes to the left.
    host.area = {0, 0, 700, 600};
    ASSERT_TRUE(menus.open(MenuKind::Language, 400, 30));
    EXPECT_EQ(host.frameOf(PopupLevel::Menu).x, 400);
    EXPECT_EQ(host.frameOf(PopupLevel::SubMenu).x, 160);
    host.area = {0, 0, 1920, 1040};

    queue.posted.clear();
    click(openMenu(menus, MenuKind::Language), 5);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 1, 5));
    EXPECT_FALSE(posted(msg::WM_MENU_CLOSED, 0, 0));
    EXPECT_EQ(menus.offeredLanguage(5), 4);
    EXPECT_EQ(menus.offeredLanguage(27), std::nullopt);
}

TEST_F(MenuTest, TheMoreMenuHasThreeRowsAndItsSecondShowsTheAboutBox) {
    ASSERT_TRUE(menus.openMoreMenu({700, 10, 40, 30}));
    EXPECT_EQ(host.frameOf(PopupLevel::Menu), (SkinRect{700, 40, 264, 120}));
    click(*menus.menu(), 2);
    EXPECT_TRUE(posted(msg::WM_SYSCOMMAND, msg::IDM_ABOUTBOX, 0));
    EXPECT_FALSE(menus.isOpen());
}

TEST_F(MenuTest, TheMoreMenusOtherRowsShowTheWindowsTextsAndGoBackToTheWindow) {
    for (const int row : {1, 3}) {
        SCOPED_TRACE(row);
        queue.posted.clear();
        MenuOptions options;
        options.texts = {"Start with the session: on", "About", "Write everything"};
        CMenuDlg& menu = openMenu(menus, MenuKind::More, options);
        ASSERT_EQ(menu.rowCount(), 3);
        EXPECT_EQ(menu.rows()[0].text, "Start with the session: on");
        EXPECT_EQ(menu.rows()[2].text, "Write everything");
        testing::RecordingCanvas canvas;
        menu.paint(canvas);
        EXPECT_TRUE(canvas.drewText("Write everything"));
        click(menu, row);
        EXPECT_TRUE(posted(msg::WM_MENU_PICK, static_cast<std::uintptr_t>(MenuKind::More), row));
        EXPECT_FALSE(posted(msg::WM_SYSCOMMAND, msg::IDM_ABOUTBOX, 0));
        EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 0, 0));
        EXPECT_FALSE(menus.isOpen());
    }
}

TEST_F(MenuTest, ACancelClosesEveryLevelAndTellsTheWindow) {
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    hover(*menus.menu(), 9);
    hover(*menus.subMenu(), 1);
    ASSERT_NE(menus.macroChoice(), nullptr);
    ASSERT_TRUE(host.cancel);
    host.cancel();
    EXPECT_FALSE(menus.isOpen());
    for (int level = 0; level < kPopupLevels; ++level)
        EXPECT_EQ(host.at(static_cast<PopupLevel>(level)), nullptr);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 0, 0));
    EXPECT_EQ(button(3).function, 4);
}

TEST_F(MenuTest, OpeningAMenuClosesTheOneBefore) {
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    hover(*menus.menu(), 8);
    ASSERT_TRUE(menus.openMoreMenu({700, 10, 40, 30}));
    EXPECT_EQ(menus.menu()->kind(), MenuKind::More);
    EXPECT_EQ(menus.subMenu(), nullptr);
    EXPECT_EQ(host.at(PopupLevel::SubMenu), nullptr);
}

TEST_F(MenuTest, APopupNeverLeavesTheWorkingArea) {
    host.area = {0, 0, 800, 600};
    ASSERT_TRUE(menus.open(MenuKind::ButtonFunction, 700, 100));
    EXPECT_EQ(host.frameOf(PopupLevel::Menu).x, 800 - 232);
}

TEST_F(MenuTest, TheHotRowIsDrawnFromTheOverPictureAndFromTheDownPictureWhilePressed) {
    CMenuDlg& menu = openMenu(menus, MenuKind::ButtonFunction);
    hover(menu, 3);
    testing::RecordingCanvas canvas;
    menu.paint(canvas);
    EXPECT_TRUE(canvas.copied("menu1_over.jpg", {0, 64, 232, 32}));
    canvas.ops.clear();
    menu.onLeftDown(5, 70);
    menu.paint(canvas);
    EXPECT_TRUE(canvas.copied("menu1_down.jpg", {0, 64, 232, 32}));
    ASSERT_FALSE(canvas.ofKind(testing::RecordingCanvas::Op::Kind::Text).empty());
    EXPECT_EQ(canvas.ofKind(testing::RecordingCanvas::Op::Kind::Text)[0].rect.x, 16);
}

class ScaledMenuTest : public MenuTest {
  protected:
    ScaledMenuTest() : MenuTest(2) {}
};

TEST_F(ScaledMenuTest, AtLayoutScaleTwoTheWindowAndItsRowsDoubleAndThePaintStretches) {
    CMenuDlg& menu = openMenu(menus, MenuKind::ButtonFunction);
    EXPECT_EQ(menu.size().width, 464);
    EXPECT_EQ(menu.size().height, 11 * 64);
    EXPECT_EQ(menu.rowAt(5, 63), 1);
    EXPECT_EQ(menu.rowAt(5, 64), 2);
    hover(menu, 2);
    testing::RecordingCanvas canvas;
    menu.paint(canvas);
    EXPECT_TRUE(canvas.copied("menu1_over.jpg", {0, 32, 232, 32}));
    EXPECT_EQ(canvas.ops.back().scale, 2);
}

// The primary-click guard, straight on the settings.
TEST(ButtonFunction, TheOnlyPrimaryClickOfTheFirstProfileMovesToTheNextButton) {
    Settings s;
    for (auto& b : s.profiles[0].buttons)
        b.function = 2;
    s.profiles[0].buttons[3].function = 1;
    ASSERT_TRUE(button_function::assign(s, 3, 5, 8));
    EXPECT_EQ(s.profiles[0].buttons[3].function, 5);
    EXPECT_EQ(s.profiles[0].buttons[4].function, 1);
}

TEST(ButtonFunction, TheLastButtonKeepsThePrimaryClickWhenNoOtherHasIt) {
    Settings s;
    for (auto& b : s.profiles[0].buttons)
        b.function = 2;
    s.profiles[0].buttons[7].function = 1;
    ASSERT_TRUE(button_function::assign(s, 7, 9, 8));
    EXPECT_EQ(s.profiles[0].buttons[7].function, 1);
    EXPECT_EQ(s.profiles[0].buttons[8].function, 2);  // beyond the mouse's buttons
}

TEST(ButtonFunction, OtherProfilesMayGoWithoutAPrimaryClick) {
    Settings s;
    s.currentProfile = 2;
    for (auto& b : s.profiles[2].buttons)
        b.function = 2;
    s.profiles[2].buttons[0].function = 1;
    ASSERT_TRUE(button_function::assign(s, 0, 6, 8));
    EXPECT_EQ(s.profiles[2].buttons[0].function, 6);
    EXPECT_EQ(s.profiles[2].buttons[1].function, 2);
}

TEST(ButtonFunction, AnotherFunctionDropsACombinationAndSlotsOutsideTheMouseAreRefused) {
    Settings s;
    s.profiles[0].buttons[0].function = 1;
    s.profiles[0].buttons[2] = {33, "Ctrl&split&162&split&&split&", 1, 1, 0};
    ASSERT_TRUE(button_function::assign(s, 2, 4, 8));
    EXPECT_EQ(s.profiles[0].buttons[2].combination, "");
    EXPECT_EQ(s.profiles[0].buttons[2].leftMac, 0);
    EXPECT_FALSE(button_function::assign(s, 8, 4, 8));
    EXPECT_FALSE(button_function::assign(s, -1, 4, 8));
    EXPECT_EQ(button_function::macroCode(3, 1), 768);
}

TEST_F(MenuTest, TheKeyboardMovesTheHotRowChoosesAndGoesIntoAndOutOfSubMenus) {
    settings.edit([](Settings& s) { s.profiles[0].buttons[3].leftMac = 3; });
    ASSERT_TRUE(menus.openButtonMenu(3, {400, 300, 40, 30}));
    // Up from no hot row wraps to the last; Down from the last to the first.
    EXPECT_TRUE(menus.onKey(NavigationKey::Up));
    EXPECT_EQ(menus.menu()->hotRow(), 11);
    menus.onKey(NavigationKey::Down);
    EXPECT_EQ(menus.menu()->hotRow(), 1);
    for (int i = 0; i < 7; ++i)
        menus.onKey(NavigationKey::Tab);
    ASSERT_EQ(menus.menu()->hotRow(), 8);
    ASSERT_NE(menus.subMenu(), nullptr);  // the row opened its sub-menu, as under the cursor
    EXPECT_EQ(menus.subMenu()->type(), submenu::kMoreFunctions);
    EXPECT_TRUE(menus.onKey(NavigationKey::Right));
    EXPECT_EQ(menus.subMenu()->hotRow(), 1);
    // Left goes back to the menu, whose keys then move its own rows again.
    EXPECT_TRUE(menus.onKey(NavigationKey::Left));
    EXPECT_EQ(menus.subMenu()->hotRow(), NO_ITEM);
    menus.onKey(NavigationKey::Up);
    EXPECT_EQ(menus.menu()->hotRow(), 7);
    menus.onKey(NavigationKey::Down);
    ASSERT_EQ(menus.subMenu()->type(), submenu::kMoreFunctions);
    // Enter on a row that opened a sub-menu goes into it; there Enter chooses.
    menus.onKey(NavigationKey::Enter);
    menus.onKey(NavigationKey::Down);
    menus.onKey(NavigationKey::Down);
    EXPECT_EQ(menus.subMenu()->hotRow(), 3);
    EXPECT_TRUE(menus.onKey(NavigationKey::Space));
    EXPECT_EQ(button(3).function, 25);
    EXPECT_EQ(button(3).leftMac, 0);
    EXPECT_FALSE(menus.isOpen());
    EXPECT_FALSE(menus.onKey(NavigationKey::Down));  // nothing open
}

TEST_F(MenuTest, EnterOnALanguageChoosesItAndRightGoesToTheSecondColumn) {
    openMenu(menus, MenuKind::Language);
    menus.onKey(NavigationKey::Home);
    menus.onKey(NavigationKey::Right);
    EXPECT_EQ(menus.subMenu()->hotRow(), 1);
    menus.onKey(NavigationKey::Left);
    for (int i = 0; i < 4; ++i)
        menus.onKey(NavigationKey::Down);
    menus.onKey(NavigationKey::Enter);
    EXPECT_TRUE(posted(msg::WM_MENU_CLOSED, 1, 5));
    EXPECT_FALSE(menus.isOpen());
}

TEST_F(MenuTest, EveryRowHasANameForScreenReadersAndTheHotRowHasTheFocus) {
    CMenuDlg& buttons = openMenu(menus, MenuKind::ButtonFunction);
    std::vector<AccessibleEntry> rows = buttons.accessibleEntries();
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[2].name, skin.functions().name(3));
    EXPECT_EQ(rows[2].role, AccessibleRole::MenuItem);
    EXPECT_EQ(rows[2].rect, buttons.rowRect(3));
    EXPECT_EQ(buttons.focusedEntry(), -1);
    hover(buttons, 4);
    EXPECT_EQ(buttons.focusedEntry(), 4);

    // Rows whose pictures carry their text: the profiles, the languages by their own names.
    rows = openMenu(menus, MenuKind::Profile).accessibleEntries();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].name, "Profile 4");
    rows = openMenu(menus, MenuKind::Language).accessibleEntries();
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[1].name, "English");
    EXPECT_EQ(rows[4].name, "Deutsch");
    ASSERT_NE(menus.subMenu(), nullptr);
    EXPECT_EQ(menus.subMenu()->accessibleEntries()[0].name, "العربية");
    EXPECT_EQ(openMenu(menus, MenuKind::StepColour).accessibleEntries()[2].name, "Colour 3");
    for (const MenuKind kind : {MenuKind::StepCount, MenuKind::LightingMode, MenuKind::Insert}) {
        for (const AccessibleEntry& row : openMenu(menus, kind).accessibleEntries())
            EXPECT_FALSE(row.name.empty()) << static_cast<int>(kind) << " row " << row.id;
    }
}

}  // namespace
}  // namespace karvo
