// The entries of the four pages and the message table, on the controller with a recording
// window, fake dialogs, a fake menu opener and recording actions: what each entry changes in
// the settings, which guards refuse it, where menus open and what each message leads to.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/lighting_animation.h"
#include "app/window_messages.h"
#include "recording_canvas.h"
#include "services/language_text_index.h"
#include "settings/combination.h"
#include "ui/skin/layout_index.h"
#include "window_fixture.h"

namespace karvo {
namespace {

namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace li = skin::lighting;
namespace mp = skin::macro_page;

using testing::FakeMenus;
using Fixture = testing::WindowFixture;

// ---- algorithms ----

TEST(WindowEntries, TheDpiToggleNeverLeavesNoLevelAndKeepsTheActiveLevelEnabled) {
    SharedSettings s;
    for (auto& d : s.dpi)
        d.enabled = false;
    s.dpi[2].enabled = true;
    s.dpi[4].enabled = true;
    s.dpiLevel = 4;
    CKarvo_GMouseDlg::toggleDpiLevel(s, 4);  // active: steps forward, wrapping to level 2
    EXPECT_FALSE(s.dpi[4].enabled);
    EXPECT_EQ(s.dpiLevel, 2);
    CKarvo_GMouseDlg::toggleDpiLevel(s, 2);  // the last one: stays
    EXPECT_TRUE(s.dpi[2].enabled);
    EXPECT_EQ(s.dpiLevel, 2);
    CKarvo_GMouseDlg::toggleDpiLevel(s, 0);  // off: on
    EXPECT_TRUE(s.dpi[0].enabled);
    CKarvo_GMouseDlg::toggleDpiLevel(s, 0);  // not active: off, active level unchanged
    EXPECT_FALSE(s.dpi[0].enabled);
    EXPECT_EQ(s.dpiLevel, 2);
    CKarvo_GMouseDlg::toggleDpiLevel(s, 9);  // no such level: nothing
    EXPECT_EQ(s.dpiLevel, 2);
}

TEST(WindowEntries, TheColourCycleKeepsOneColour) {
    SharedSettings s;
    s.colourCycleMask = 0b0000101;
    CKarvo_GMouseDlg::toggleCycleColour(s, 0);
    EXPECT_EQ(s.colourCycleMask, 0b0000100);
    CKarvo_GMouseDlg::toggleCycleColour(s, 2);  // the only one left
    EXPECT_EQ(s.colourCycleMask, 0b0000100);
    CKarvo_GMouseDlg::toggleCycleColour(s, 6);
    EXPECT_EQ(s.colourCycleMask, 0b1000100);
}

TEST(WindowEntries, ChosenColoursBecomeLevelsAndShowAsTheirScreenColour) {
    EXPECT_EQ(CKarvo_GMouseDlg::levelsOf({255, 0, 128}), (ColourLevels{0, 15, 7}));
    EXPECT_EQ(CKarvo_GMouseDlg::levelsOf({240, 239, 16}), (ColourLevels{0, 1, 14}));
    EXPECT_EQ(screenColour({0, 15, 7}), 0x8F0FFFu);
}

TEST(WindowEntries, AMenuOpensBelowItsEntryOrAboveWhenBelowLeavesTheWorkArea) {
    MenuRequest r;
    r.entryOnScreen = {500, 600, 40, 20};
    const SkinRect work{0, 0, 1920, 1040};
    auto below = CKarvo_GMouseDlg::placeBelow(r, {100, 300}, work);
    EXPECT_EQ(below.x, 440);  // against the entry's right edge
    EXPECT_EQ(below.y, 620);
    EXPECT_FALSE(below.above);
    r.entryOnScreen.y = 800;  // 820 + 300 passes 1040
    auto above = CKarvo_GMouseDlg::placeBelow(r, {100, 300}, work);
    EXPECT_EQ(above.y, 500);
    EXPECT_TRUE(above.above);
    auto unknown = CKarvo_GMouseDlg::placeBelow(r, {100, 300}, {});
    EXPECT_FALSE(unknown.above);
}

// ---- top bar ----

TEST(WindowEntries, ApplyStartsOnceAndNotWhileTheMouseIsBeingWritten) {
    Fixture f;
    f.clickMain(mw::kApply);
    EXPECT_EQ(f.actions.calls, std::vector<std::string>{"apply"});
    ASSERT_TRUE(f.dlg.downloadProgress());
    f.actions.busy = true;
    f.clickMain(mw::kApply);
    EXPECT_EQ(f.actions.calls, std::vector<std::string>{"apply"});
    f.dlg.onMessage({msg::WM_DOWNLOAD_PROGRESS, 3, 10});
    EXPECT_EQ(f.dlg.downloadProgress(), (std::pair<std::size_t, std::size_t>{3, 10}));
    f.dlg.onMessage({msg::WM_DOWNLOAD_DONE, 2, 0});
    EXPECT_FALSE(f.dlg.downloadProgress());
    EXPECT_EQ(f.dlg.lastResult(), 2);
}

TEST(WindowEntries, ImportAndExportGoThroughTheFileDialogAndCancelDoesNothing) {
    Fixture f;
    f.clickMain(mw::kImport);  // cancelled
    f.files.answer = "/tmp/mine.ini";
    f.clickMain(mw::kImport);
    f.files.answer = "/tmp/out";
    f.clickMain(mw::kExport);  // the default extension is added
    EXPECT_EQ(f.actions.calls,
              (std::vector<std::string>{"import /tmp/mine.ini", "export /tmp/out.ini"}));
    ASSERT_EQ(f.files.asked.size(), 3u);
    EXPECT_EQ(f.files.asked[2].suggestedName, "config.ini");
    f.clickMain(mw::kResetAll);
    EXPECT_EQ(f.actions.calls.back(), "reset");
}

TEST(WindowEntries, TheWebEntryOpensItsAddressAndTheMinimiseEntriesMinimise) {
    Fixture f;
    f.clickMain(mw::kMinimiseToTray);
    ASSERT_FALSE(f.queue.posted.empty());
    EXPECT_EQ(f.queue.posted.back(), (WindowMessage{msg::WM_SYSCOMMAND, msg::SC_MINIMIZE, 0}));
}

TEST(WindowEntries, WhileRecordingTheTopBarTakesOnlyEntriesZeroAndOne) {
    Fixture f;
    f.editor.isRecording = true;
    f.dlg.showPage(Page::Macro);
    f.clickMain(mw::kApply);
    f.clickMain(mw::kTabFirst);  // a page tab, at button down
    EXPECT_TRUE(f.actions.calls.empty());
    EXPECT_EQ(f.dlg.page(), Page::Macro);
    EXPECT_EQ(f.notices(), 2u);
    f.clickMain(mw::kMinimise);
    EXPECT_EQ(f.notices(), 2u);
}

TEST(WindowEntries, TheTabsStartThePageThreadsAndTheLanguageAndMoreEntriesOpenMenusBelow) {
    Fixture f;
    f.clickMain(mw::kTabFirst + 3);
    f.clickMain(mw::kTabFirst);
    EXPECT_EQ(f.actions.calls, (std::vector<std::string>{"lighting", "blink"}));
    f.clickMain(mw::kLanguage);
    f.clickMain(mw::kMore);
    ASSERT_EQ(f.menus.opened.size(), 2u);
    EXPECT_EQ(f.menus.opened[0].kind, menu_kind::kLanguage);
    EXPECT_EQ(f.menus.opened[1].kind, menu_kind::kMore);
    const SkinRect e = f.shipped.skin.main().rect(mw::kLanguage);
    EXPECT_EQ(f.menus.opened[0].entryOnScreen, (SkinRect{100 + e.x, 50 + e.y, e.width, e.height}));
    EXPECT_EQ(f.menus.opened[0].y, 50 + e.y + e.height);
    EXPECT_TRUE(f.dlg.menuOpen());
    f.dlg.onMessage({msg::WM_MENU_CLOSED, 0, 0});
    EXPECT_FALSE(f.dlg.menuOpen());
}

TEST(WindowEntries, AfterAMenuClosesTheEntriesUnderThePointerAreHotAndNoneIsPressed) {
    // The press on the globe is released over the pop-up, where the window hears nothing.
    Fixture f;
    const auto [gx, gy] = Fixture::centre(f.shipped.skin.main(), mw::kLanguage);
    f.dlg.onMouseMove(gx, gy);
    f.dlg.onLeftDown(gx, gy);
    ASSERT_TRUE(f.dlg.menuOpen());
    ASSERT_EQ(f.dlg.hot(LayoutFile::Main), mw::kLanguage);
    const auto [ax, ay] = Fixture::centre(f.shipped.skin.main(), mw::kApply);
    f.window.pointer = std::pair{ax, ay};
    f.dlg.onMessage({msg::WM_MENU_CLOSED, 1, 3});
    EXPECT_EQ(f.dlg.hot(LayoutFile::Main), mw::kApply);
    EXPECT_FALSE(f.dlg.pressed());
    EXPECT_EQ(f.language.switched, (std::vector<int>{2}));

    // Off the window, or where the platform cannot tell, nothing stays hot.
    f.dlg.onMouseMove(gx, gy);
    f.dlg.onLeftDown(gx, gy);
    f.window.pointer = std::pair{-50, -50};
    f.dlg.onMessage({msg::WM_MENU_CLOSED, 0, 0});
    EXPECT_EQ(f.dlg.hot(LayoutFile::Main), NO_ITEM);
    f.dlg.onMouseMove(gx, gy);
    f.dlg.onLeftDown(gx, gy);
    f.window.pointer.reset();
    f.dlg.onMessage({msg::WM_MENU_CLOSED, 0, 0});
    EXPECT_EQ(f.dlg.hot(LayoutFile::Main), NO_ITEM);
    EXPECT_FALSE(f.dlg.pressed());
    EXPECT_FALSE(f.dlg.menuOpen());
}

// ---- main page ----

TEST(WindowEntries, AButtonOpensItsMenuOnlyWhenAnotherButtonKeepsThePrimaryClick) {
    Fixture f;
    f.window.work = {0, 0, 1920, 1080};
    f.settings.edit([](Settings& s) {
        for (auto& b : s.profiles[0].buttons)
            b.function = 4;
        s.profiles[0].buttons[2].function = 1;
    });
    f.clickMain(mw::kHotspotFirst + 2);  // the only primary click: TipText 6, no menu
    EXPECT_TRUE(f.menus.opened.empty());
    EXPECT_EQ(f.notices(), 1u);
    f.clickMain(mw::kHotspotFirst + 5);
    ASSERT_EQ(f.menus.opened.size(), 1u);
    EXPECT_EQ(f.menus.opened[0].kind, menu_kind::kButtonFunction);
    EXPECT_EQ(f.menus.opened[0].slot, 5);
    EXPECT_EQ(f.notices(), 1u);
    // A screen too short for the menu below the entry: it opens above it.
    f.window.work = {0, 0, 1920, 60 + f.shipped.skin.main().rect(mw::kHotspotFirst + 5).y};
    f.clickMain(mw::kHotspotFirst + 5);
    ASSERT_EQ(f.menus.opened.size(), 2u);
    EXPECT_TRUE(f.menus.opened[1].above);

    // The button's name beside the drawing opens the same menu, below the name; and it keeps
    // the same guard.
    f.window.work = {0, 0, 1920, 1080};
    f.clickMain(mw::kLabelFirst + 5);
    ASSERT_EQ(f.menus.opened.size(), 3u);
    EXPECT_EQ(f.menus.opened[2].kind, menu_kind::kButtonFunction);
    EXPECT_EQ(f.menus.opened[2].slot, 5);
    const SkinRect label = f.shipped.skin.main().rect(mw::kLabelFirst + 5);
    EXPECT_EQ(f.menus.opened[2].y, 50 + label.y + label.height);
    EXPECT_EQ(f.menus.opened[2].x + 120, 100 + label.x + label.width);
    f.clickMain(mw::kLabelFirst + 2);
    EXPECT_EQ(f.menus.opened.size(), 3u);
    EXPECT_EQ(f.notices(), 2u);
}

TEST(WindowEntries, MainPageWheelStatusDpiTogglesAndTheLightingModeEntry) {
    Fixture f;
    f.clickMain(mw::kWheelStatusFirst + 1);
    EXPECT_EQ(f.shared().wheelStatus, 1);
    f.clickMain(mw::kWheelStatusFirst);
    EXPECT_EQ(f.shared().wheelStatus, 0);
    f.clickMain(mw::kDpiToggleFirst + 3);
    EXPECT_FALSE(f.shared().dpi[3].enabled);
    f.clickMain(mw::kLightingMode);
    ASSERT_EQ(f.menus.opened.size(), 1u);
    EXPECT_EQ(f.menus.opened[0].kind, menu_kind::kLightingMode);
    f.dlg.onMessage({msg::WM_MENU_CLOSED, 0, 0});
    f.settings.edit([](Settings& s) { s.shared.modeLight = 1; });
    f.clickMain(mw::kLightingMode);  // lights off: TipText 16
    EXPECT_EQ(f.menus.opened.size(), 1u);
    EXPECT_EQ(f.notices(), 1u);
}

// ---- advanced page ----

TEST(WindowEntries, AdvancedDpiLevelsActiveLevelRateAndColours) {
    Fixture f;
    f.clickAdvanced(adv::kDpiToggleFirst);  // level 0 was active: level 1 takes over
    EXPECT_FALSE(f.shared().dpi[0].enabled);
    EXPECT_EQ(f.shared().dpiLevel, 1);
    f.clickAdvanced(adv::kDpiLevelFirst);  // disabled: not made active
    EXPECT_EQ(f.shared().dpiLevel, 1);
    f.clickAdvanced(adv::kDpiLevelFirst + 4);
    EXPECT_EQ(f.shared().dpiLevel, 4);
    f.clickAdvanced(adv::kRateFirst + 3);
    EXPECT_EQ(f.shared().usbSpeed, 0);
    EXPECT_EQ(f.shared().reportRateCode, 7);

    f.clickAdvanced(adv::kDpiColourFirst + 2);  // cancelled: nothing stored
    EXPECT_EQ(f.colours.offered.size(), 1u);
    f.colours.answer = RgbColour{255, 0, 128};
    f.clickAdvanced(adv::kDpiColourFirst + 2);
    EXPECT_EQ(f.shared().dpi[2].colour, (ColourLevels{0, 15, 7}));
    f.clickAdvanced(adv::kUserColour);
    EXPECT_EQ(f.shared().userColour[0], (ColourLevels{0, 15, 7}));
    // The dialog opens on the colour the screen shows.
    const std::uint32_t screen = screenColour(f.shared().dpi[2].colour);
    f.clickAdvanced(adv::kDpiColourFirst + 2);
    EXPECT_EQ(f.colours.offered.back(), (RgbColour{static_cast<std::uint8_t>(screen & 0xFF),
                                                   static_cast<std::uint8_t>(screen >> 8),
                                                   static_cast<std::uint8_t>(screen >> 16)}));
}

TEST(WindowEntries, FireTimeNeverBelowEightAndTheDpiSliderSetsTheActiveLevel) {
    Fixture f;
    f.dlg.showPage(Page::Advanced);
    const SkinRect fire = f.shipped.skin.advanced().rect(adv::kFireTime);
    f.dlg.onMouseMove(fire.x + 1, fire.y + 1);
    f.dlg.onLeftDown(fire.x + 1, fire.y + 1);
    f.dlg.onLeftUp(fire.x + 1, fire.y + 1);
    EXPECT_EQ(f.shared().fireTime, 8);
    const SkinRect dpi = f.shipped.skin.advanced().rect(adv::kDpiSlider);
    f.dlg.onMouseMove(dpi.x + dpi.width - 1, dpi.y + 1);
    f.dlg.onLeftDown(dpi.x + dpi.width - 1, dpi.y + 1);
    EXPECT_EQ(f.shared().dpi[0].step, 16);
    f.dlg.onMouseMove(dpi.x, dpi.y + 1);  // dragging
    EXPECT_EQ(f.shared().dpi[0].step, 0);
    f.dlg.onLeftUp(dpi.x, dpi.y + 1);
}

// ---- lighting page ----

TEST(WindowEntries, LightingEntriesFollowTheirEffectTypes) {
    Fixture f;
    f.clickLighting(li::kSymmetry);
    EXPECT_EQ(f.shared().ledSymmetry, 1);
    f.clickLighting(li::kDirectionFirst + 3);  // type 3 takes direction 3
    EXPECT_EQ(f.shared().ledDirection, 3);
    f.settings.edit([](Settings& s) { s.shared.ledType = 10; });
    f.clickLighting(li::kDirectionFirst + 2);  // type 10 takes only 0 and 1
    EXPECT_EQ(f.shared().ledDirection, 3);
    f.clickLighting(li::kDirectionFirst + 1);
    EXPECT_EQ(f.shared().ledDirection, 1);
    f.clickLighting(li::kSymmetry);  // not for type 10
    EXPECT_EQ(f.shared().ledSymmetry, 1);
    f.clickLighting(li::kCycleToggleFirst);  // not for type 10
    EXPECT_EQ(f.shared().colourCycleMask, 0x7F);
    f.settings.edit([](Settings& s) { s.shared.ledType = 1; });
    f.clickLighting(li::kCycleToggleFirst);
    EXPECT_EQ(f.shared().colourCycleMask, 0x7E);
    f.colours.answer = RgbColour{0, 0, 0};
    f.clickLighting(li::kUserColourFirst);  // colour 0 is out of the cycle: no dialog
    EXPECT_TRUE(f.colours.offered.empty());
    f.clickLighting(li::kUserColourFirst + 1);
    EXPECT_EQ(f.shared().userColour[1], (ColourLevels{15, 15, 15}));
    f.clickLighting(li::kReactionFirst + 2);
    EXPECT_EQ(f.settings.snapshot().profiles[0].buttons[2].ledReactEnable, 0);
}

TEST(WindowEntries, LightsOffLeavesOnlyTheEntryThatTurnsThemOn) {
    Fixture f;
    f.clickLighting(li::kModeOff);
    EXPECT_EQ(f.shared().modeLight, 1);
    f.clickLighting(li::kSymmetry);
    EXPECT_EQ(f.shared().ledSymmetry, 0);
    f.clickLighting(li::kEffectMenu);
    EXPECT_TRUE(f.menus.opened.empty());
    f.clickLighting(li::kModeEffects);
    EXPECT_EQ(f.shared().modeLight, 0);
    f.clickLighting(li::kEffectMenu);
    ASSERT_EQ(f.menus.opened.size(), 1u);
    EXPECT_EQ(f.menus.opened[0].kind, menu_kind::kLightingMode);
}

TEST(WindowEntries, BrightnessAndSpeedOpenTheirValueMenusBesideTheEntryForTheirTypes) {
    Fixture f;  // type 3 takes both
    const Settings before = f.settings.snapshot();
    for (const int entry : {li::kBrightness, li::kSpeed}) {
        f.clickLighting(entry);
        ASSERT_FALSE(f.menus.opened.empty());
        const MenuRequest& r = f.menus.opened.back();
        EXPECT_EQ(r.kind, menu_kind::kLightingValue);
        EXPECT_EQ(r.table, LayoutFile::Color);
        EXPECT_EQ(r.entry, entry);
        const SkinRect e = f.shipped.skin.lighting().rect(entry);
        EXPECT_EQ(r.x, 100 + e.x + e.width);
        EXPECT_EQ(r.y, 50 + e.y);
        EXPECT_EQ(f.dlg.drag(), CKarvo_GMouseDlg::Drag::None);
        f.dlg.onMessage({msg::WM_MENU_CLOSED, 0, 0});
    }
    EXPECT_EQ(f.menus.opened.size(), 2u);
    // The press itself changes nothing: the menu's row does.
    EXPECT_EQ(f.shared().ledBrightness, before.shared.ledBrightness);
    EXPECT_EQ(f.shared().ledCycleTime, before.shared.ledCycleTime);

    f.settings.edit([](Settings& s) { s.shared.ledType = 9; });  // neither
    f.clickLighting(li::kBrightness);
    f.clickLighting(li::kSpeed);
    f.settings.edit([](Settings& s) { s.shared.ledType = 2; });  // brightness only
    f.clickLighting(li::kSpeed);
    EXPECT_EQ(f.menus.opened.size(), 2u);
    f.clickLighting(li::kBrightness);
    ASSERT_EQ(f.menus.opened.size(), 3u);
    EXPECT_EQ(f.menus.opened.back().entry, li::kBrightness);
    f.settings.edit([](Settings& s) { s.shared.ledType = 1; });  // speed only
    f.dlg.onMessage({msg::WM_MENU_CLOSED, 0, 0});
    f.clickLighting(li::kBrightness);
    EXPECT_EQ(f.menus.opened.size(), 3u);
    f.clickLighting(li::kSpeed);
    ASSERT_EQ(f.menus.opened.size(), 4u);
    EXPECT_EQ(f.menus.opened.back().entry, li::kSpeed);
}

TEST(WindowEntries, APerButtonLightingMenuClosesWhenThePointerLeavesItsEntries) {
    Fixture f;
    f.clickLighting(li::kReactionMenuFirst + 1);
    ASSERT_EQ(f.menus.opened.size(), 1u);
    EXPECT_EQ(f.menus.opened[0].kind, menu_kind::kLightingValue);
    EXPECT_EQ(f.menus.opened[0].slot, 1);
    const SkinRect e = f.shipped.skin.lighting().rect(li::kReactionMenuFirst + 1);
    EXPECT_EQ(f.menus.opened[0].x, 100 + e.x + e.width);  // beside the entry
    const SkinRect speed = f.shipped.skin.lighting().rect(li::kSpeed);
    f.dlg.onMouseMove(speed.x + speed.width / 2, speed.y + speed.height / 2);  // another opener
    EXPECT_EQ(f.menus.closed, 0);
    f.dlg.onMouseMove(5, 300);
    EXPECT_EQ(f.menus.closed, 1);
    EXPECT_FALSE(f.dlg.menuOpen());
}

TEST(WindowEntries, TheLightingPreviewStepsThroughTheCycleEveryOtherPass) {
    SettingsModel settings;
    settings.edit([](Settings& s) {
        s.shared.ledType = 1;
        s.shared.colourCycleMask = 0b0100101;
        s.shared.ledCycleTime = 5;
    });
    LightingAnimation a(
        settings, [] { return false; }, [] {});
    EXPECT_EQ(a.pass(), std::chrono::milliseconds(200));
    EXPECT_EQ(a.previewColour(), 0);
    a.pass();
    EXPECT_EQ(a.previewColour(), 2);
    a.pass();
    a.pass();
    EXPECT_EQ(a.previewColour(), 5);
    a.pass();
    a.pass();
    EXPECT_EQ(a.previewColour(), 0);
    EXPECT_EQ(LightingAnimation::periodOf(0), std::chrono::milliseconds(1200));
    EXPECT_EQ(LightingAnimation::periodOf(40), std::chrono::milliseconds(200));
    EXPECT_EQ(LightingAnimation::nextInCycle(0, 3), 3);
}

// ---- macro page ----

TEST(WindowEntries, MacroPageEntriesNeedAGroupAndCallTheEditor) {
    Fixture f;
    f.actions.grouped = false;
    f.clickMacro(mp::kRecord);
    f.clickMacro(mp::kInsert);
    f.clickMacro(mp::kModeToggle);
    EXPECT_EQ(f.notices(), 3u);
    EXPECT_TRUE(f.editor.calls.empty());
    f.actions.grouped = true;
    f.clickMacro(mp::kRecord);
    f.clickMacro(mp::kInsert);
    f.clickMacro(mp::kGunPresets);
    EXPECT_EQ(f.editor.calls, (std::vector<std::string>{"record", "insert", "gun"}));
    EXPECT_EQ(f.editor.insertAt.kind, menu_kind::kInsert);
    f.clickMacro(mp::kModeWhileHeld);
    f.clickMacro(mp::kModeCount);
    EXPECT_EQ(f.actions.calls, (std::vector<std::string>{"mode 2", "mode 0"}));
    f.clickMacro(mp::kSoftwarePlayback);
    EXPECT_EQ(f.shared().softHardMac, 1);
    f.clickMacro(mp::kSoftwarePlayback);
    EXPECT_EQ(f.shared().softHardMac, 0);
}

TEST(WindowEntries, AClickActsOnlyOnTheCurrentPage) {
    Fixture f;
    // The lighting page's symmetry entry, clicked while the advanced page is shown.
    f.dlg.showPage(Page::Advanced);
    f.click(f.shipped.skin.lighting(), li::kSymmetry);
    EXPECT_EQ(f.shared().ledSymmetry, 0);
}

// ---- messages ----

TEST(WindowEntries, EveryMessageOfTheTableReachesItsHandler) {
    Fixture f;
    f.dlg.onMessage({msg::WM_MENU_CLOSED, 1, 3});
    EXPECT_EQ(f.language.switched, std::vector<int>{2});
    f.dlg.onMessage({msg::WM_FONTS_CHANGED, 1, 0});
    f.dlg.onMessage({msg::WM_FONTS_CHANGED, 0, 0});
    EXPECT_EQ(f.language.fonts, 1);
    for (std::uintptr_t menu = 10; menu <= 15; ++menu)
        f.dlg.onMessage({msg::WM_MENU_PICK, menu, 4});
    f.dlg.onMessage({msg::WM_KEY_CAPTURED, 0, 0});
    f.dlg.onMessage({msg::WM_KEYDOWN, 0x41, 0});
    f.dlg.onMessage({msg::WM_MACRO_ROW_SELECT, 5, 2});
    EXPECT_EQ(f.editor.calls,
              (std::vector<std::string>{"pick 11 4", "pick 12 4", "pick 13 4", "pick 14 4",
                                        "captured", "key 256 65", "row 2 5"}));
    f.dlg.onMessage({msg::WM_MACRO_ROW_SELECT, static_cast<std::uintptr_t>(-1), 1});
    EXPECT_EQ(f.notices(), 1u);
    for (const auto id :
         {msg::WM_MACRO_GROUP_SHOW_1, msg::WM_MACRO_GROUP_SHOW_2, msg::WM_MACRO_GROUP_SHOW_3})
        f.dlg.onMessage({id, 1, 0});
    for (std::uintptr_t c = 0; c <= 4; ++c)
        f.dlg.onMessage({msg::WM_MACRO_GROUP_FILE, c, 0});
    f.dlg.onMessage({msg::WM_SOUND_LIGHT_DONE, 0, 0});
    f.dlg.onMessage({msg::WM_GUN_DIALOG_DONE, 0, 0});
    f.dlg.onMessage({msg::WM_POWERBROADCAST, 4, 0});  // going to sleep: nothing
    f.dlg.onMessage({msg::WM_POWERBROADCAST, msg::PBT_APMRESUMEAUTOMATIC, 0});
    EXPECT_EQ(f.actions.calls,
              (std::vector<std::string>{"refresh", "refresh", "refresh", "refresh", "group file 1",
                                        "group file 2", "group file 3", "rewrite"}));
    f.actions.busy = true;  // a write runs: the resume waits for nothing and writes nothing
    f.dlg.onMessage({msg::WM_POWERBROADCAST, msg::PBT_APMRESUMEAUTOMATIC, 0});
    EXPECT_EQ(f.actions.calls.back(), "rewrite");
    EXPECT_EQ(std::count(f.actions.calls.begin(), f.actions.calls.end(), "rewrite"), 1);
}

TEST(WindowEntries, ACombinationIsEditedWithItsStoredTextAndStoredByValue) {
    Fixture f;
    f.settings.edit([](Settings& s) {
        s.profiles[0].buttons[3].function = kFunctionCombination;
        s.profiles[0].buttons[3].combination = "stored";
    });
    f.dlg.onMessage({msg::WM_EDIT_COMBINATION, 3, 1});
    f.dlg.onMessage({msg::WM_EDIT_COMBINATION, 4, 0});
    f.dlg.onMessage({msg::WM_EDIT_COMBINATION, 99, 0});  // no such button
    ASSERT_EQ(f.combination.opened.size(), 2u);
    EXPECT_EQ(f.combination.opened[0].text, "stored");
    EXPECT_TRUE(f.combination.opened[0].fromMenu);
    EXPECT_EQ(f.combination.opened[1].text, "");
    WindowMessage set{msg::WM_COMBINATION_SET, (3u << 8) | 0x41, 0};
    set.text = "Ctrl" + std::string(combination::kSeparator) + "A";
    {
        const std::string copy = set.text;
        f.dlg.onMessage(set);
        set.text.clear();  // the sender's text may go: the window keeps its own copy
        EXPECT_EQ(f.settings.snapshot().profiles[0].buttons[3].combination,
                  combination::build(copy, 0x41));
    }
    WindowMessage beyond{msg::WM_COMBINATION_SET, (12u << 8) | 0x41, 0};
    beyond.text = "A";
    const Settings before = f.settings.snapshot();
    f.dlg.onMessage(beyond);
    EXPECT_EQ(f.settings.snapshot(), before);
}

}  // namespace
}  // namespace karvo

namespace karvo {
namespace {

TEST(WindowEntries, TheDpiBoxShowsTheActiveLevelsDpiAndTheSlidersTheirValues) {
    testing::ShippedSkin shipped;
    DeviceDescription description;
    description.dpiTable[7] = 1800;
    SettingsModel settings;
    settings.edit([&](Settings& s) {
        s = shipped.settings;
        s.shared.dpiLevel = 2;
        s.shared.dpi[2].step = 7;
        s.shared.fireTime = 120;
    });
    testing::FakeWindow window;
    testing::RecordingQueue queue;
    testing::ScriptedRunner runner;
    WarningDlg warning{runner, queue, {}};
    CKarvo_GMouseDlg dlg{
        {shipped.skin, settings, window, queue, warning, nullptr, nullptr, nullptr, &description},
        shipped.pictures,
        8};
    dlg.showPage(Page::Advanced);
    testing::RecordingCanvas canvas;
    dlg.paint(canvas);
    std::vector<std::string> texts;
    for (const auto& op : canvas.ofKind(testing::RecordingCanvas::Op::Kind::Text))
        texts.push_back(op.picture);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1800 DPI"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "120 ms"), texts.end());
}

}  // namespace
}  // namespace karvo

namespace karvo {
namespace {

// The recording canvas measures 6 pixels a byte and 12 a line.
TEST(NoticeText, WrapsAtSpacesCutsOverlongWordsAndNeverStartsAboveItsArea) {
    testing::RecordingCanvas c;
    EXPECT_EQ(wrapText(c, "no mouse found here", 60, FontRole::Body),
              (std::vector<std::string>{"no mouse", "found here"}));
    EXPECT_EQ(wrapText(c, "abcdefghijkl", 30, FontRole::Body),
              (std::vector<std::string>{"abcde", "fghij", "kl"}));
    EXPECT_EQ(wrapText(c, "one\ntwo", 600, FontRole::Body),
              (std::vector<std::string>{"one", "two"}));
    drawWrappedText(c, "aaaa bbbb cccc dddd", {10, 100, 30, 12}, FontRole::Body, kWhite);
    const auto lines = c.ofKind(testing::RecordingCanvas::Op::Kind::Text);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rect.y, 100) << "a block taller than the area starts at its top";
    EXPECT_EQ(lines[3].rect.y, 136);
    for (const auto& l : lines)
        EXPECT_GE(l.rect.x, 10);
}

}  // namespace
}  // namespace karvo
