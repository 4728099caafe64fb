// The entries of the four pages and the message table, on the controller with a recording
// window, fake dialogs, a fake menu opener and recording actions: what each entry changes in
// the settings, which guards refuse it, where menus open and what each message leads to.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/ckarvo_gmousedlg.h"
#include "app/lighting_animation.h"
#include "app/window_messages.h"
#include "fake_window.h"
#include "recording_canvas.h"
#include "services/language_text_index.h"
#include "settings/combination.h"
#include "skin_fixture.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace li = skin::lighting;
namespace mp = skin::macro_page;

class FakeMenus final : public MenuOpener {
  public:
    MenuSize size(const MenuRequest&) override { return menuSize; }
    bool open(const MenuRequest& r) override {
        opened.push_back(r);
        return opens;
    }
    void close() override { ++closed; }
    MenuSize menuSize{120, 200};
    bool opens = true;
    std::vector<MenuRequest> opened;
    int closed = 0;
};

class FakeActions final : public WindowActions {
  public:
    bool startApply() override {
        calls.push_back("apply");
        return true;
    }
    bool startRewrite() override {
        calls.push_back("rewrite");
        return true;
    }
    bool writing() const override { return busy; }
    void importConfig(const std::filesystem::path& f) override {
        calls.push_back("import " + f.string());
    }
    void exportConfig(const std::filesystem::path& f) override {
        calls.push_back("export " + f.string());
    }
    void resetAll() override { calls.push_back("reset"); }
    void macroGroupFile(int c) override { calls.push_back("group file " + std::to_string(c)); }
    bool macroGroupSelected() const override { return grouped; }
    bool setPlaybackMode(int mode) override {
        calls.push_back("mode " + std::to_string(mode));
        return true;
    }
    void refreshMacroPage() override { calls.push_back("refresh"); }
    void startBlink() override { calls.push_back("blink"); }
    void startLightingAnimation() override { calls.push_back("lighting"); }
    bool busy = false;
    bool grouped = true;
    std::vector<std::string> calls;
};

class FakeEditor final : public MacroEditor {
  public:
    bool recording() const override { return isRecording; }
    void toggleRecording() override { calls.push_back("record"); }
    void openInsertMenu(const MenuRequest& r) override {
        calls.push_back("insert");
        insertAt = r;
    }
    void openGunPresets() override { calls.push_back("gun"); }
    void onMenuPick(int menu, int row) override {
        calls.push_back("pick " + std::to_string(menu) + " " + std::to_string(row));
    }
    void onKeyCaptured() override { calls.push_back("captured"); }
    void onRecordedKey(std::uint32_t m, int vk) override {
        calls.push_back("key " + std::to_string(m) + " " + std::to_string(vk));
    }
    void onRowSelect(int list, int row) override {
        calls.push_back("row " + std::to_string(list) + " " + std::to_string(row));
    }
    bool isRecording = false;
    std::vector<std::string> calls;
    MenuRequest insertAt;
};

using FakeFiles = testing::ScriptedFiles;

class FakeColours final : public ColourDialog {
  public:
    std::optional<RgbColour> choose(RgbColour initial) override {
        offered.push_back(initial);
        return answer;
    }
    std::optional<RgbColour> answer;
    std::vector<RgbColour> offered;
};

class RecordingLanguage final : public LanguageSwitch {
  public:
    void switchTo(int p) override { switched.push_back(p); }
    void fontsChanged() override { ++fonts; }
    std::vector<int> switched;
    int fonts = 0;
};

class RecordingCombination final : public CombinationOpener {
  public:
    void open(int slot, const std::string& text, bool fromMenu) override {
        opened.push_back({slot, text, fromMenu});
    }
    struct Call {
        int slot;
        std::string text;
        bool fromMenu;
    };
    std::vector<Call> opened;
};

// The notices shown: the scripted runner records every dialog run, the warning its text.
struct Fixture {
    Fixture() {
        settings.edit([&](Settings& s) {
            s = shipped.settings;
            for (int k = 0; k < kDpiLevels; ++k)
                s.shared.dpi[static_cast<std::size_t>(k)].enabled = true;
            s.shared.colourCycleMask = 0x7F;
            s.shared.ledType = 3;
        });
        dlg.setMenuOpener(&menus);
        dlg.setActions(&actions);
        dlg.setMacroEditor(&editor);
        dlg.setFileDialog(&files);
        dlg.setColourDialog(&colours);
        dlg.setLanguageSwitch(&language);
        dlg.setCombinationOpener(&combination);
        window.frameRect = {100, 50, 1100, 700};
    }
    static std::pair<int, int> centre(const SkinLayout& t, int i) {
        const SkinRect& r = t.rect(i);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    void click(const SkinLayout& t, int i) {
        const auto [x, y] = centre(t, i);
        dlg.onMouseMove(x, y);
        dlg.onLeftDown(x, y);
        dlg.onLeftUp(x, y);
    }
    void clickMain(int i) { click(shipped.skin.main(), i); }
    void clickAdvanced(int i) {
        dlg.showPage(Page::Advanced);
        click(shipped.skin.advanced(), i);
    }
    void clickLighting(int i) {
        dlg.showPage(Page::Lighting);
        click(shipped.skin.lighting(), i);
    }
    void clickMacro(int i) {
        dlg.showPage(Page::Macro);
        click(shipped.skin.macro(), i);
    }
    // The notices shown so far (the warning dialog runs once per notice).
    std::size_t notices() const { return runner.frames.size(); }
    SharedSettings shared() const { return settings.snapshot().shared; }

    testing::ShippedSkin shipped;
    SettingsModel settings;
    testing::FakeWindow window;
    testing::RecordingQueue queue;
    testing::ScriptedRunner runner;
    WarningDlg warning{runner, queue, {}};
    MacVkAndText keys;
    FakeMenus menus;
    FakeActions actions;
    FakeEditor editor;
    FakeFiles files;
    FakeColours colours;
    RecordingLanguage language;
    RecordingCombination combination;
    CKarvo_GMouseDlg dlg{{shipped.skin, settings, window, queue, warning, nullptr, nullptr, &keys},
                         shipped.pictures,
                         8};
};

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

TEST(WindowEntries, APerButtonLightingMenuClosesWhenThePointerLeavesItsEntries) {
    Fixture f;
    f.clickLighting(li::kReactionMenuFirst + 1);
    ASSERT_EQ(f.menus.opened.size(), 1u);
    EXPECT_EQ(f.menus.opened[0].kind, menu_kind::kLightingValue);
    EXPECT_EQ(f.menus.opened[0].slot, 1);
    const SkinRect e = f.shipped.skin.lighting().rect(li::kReactionMenuFirst + 1);
    EXPECT_EQ(f.menus.opened[0].x, 100 + e.x + e.width);  // beside the entry
    const auto [sx, sy] = Fixture::centre(f.shipped.skin.lighting(), li::kSpeed);
    f.dlg.onMouseMove(sx, sy);  // onto another opener: stays
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
