// A button's function chosen as a user chooses it: through the whole window program on the
// emulated mouse, a press on the button's place in the window opens the button-function menu,
// hovering a row opens its sub-menu, a release on a sub-menu row assigns the function, and
// Apply writes it. The emulated mouse's memory must then hold the device function code of
// that button, and be byte for byte the image karvoctl computes from the saved folder.
#include <gtest/gtest.h>

#include "platform/private_profile.h"
#include "temp_dir.h"
#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/csub_menu_dlg.h"
#include "ui/skin/layout_index.h"
#include "window_program.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
namespace mw = skin::main_window;
using testing::clickAt;
using testing::rowEvent;
using testing::runUntil;

// The key byte of button `slot` in profile 0: addresses 8 to 15 hold keys 1 to 8.
std::uint8_t keyByte(testing::WindowProgram& p, int slot) {
    const auto key = p.state.description.keyMap.keyOfSlot(slot);
    EXPECT_TRUE(key.has_value());
    return p.mouse->memory(8 + static_cast<std::size_t>(key.value_or(1)) - 1, 1).at(0);
}

std::int32_t functionOf(testing::WindowProgram& p, int slot) {
    return p.state.settings.read([&](const Settings& s) {
        return s.profiles[0].buttons[static_cast<std::size_t>(slot)].function;
    });
}

// The window program on a copy of the data tree, started (its start-up write done), with the
// pop-up menus the program gives the window.
class ButtonMenuEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);
        program = std::make_unique<testing::WindowProgram>(dir.path());
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(runUntil([&] { return program->downloadsDone == 1; })) << "the start-up write";
        windowMenus = &program->attachMenus();
    }
    // Apply, as the entry does, and wait for its write.
    void apply() {
        clickAt(program->window.widget(), program->state.skin.main().rect(mw::kApply));
        ASSERT_TRUE(runUntil([&] { return program->downloadsDone == 2; })) << "the apply's write";
        EXPECT_EQ(program->dlg.lastResult(), 0);
        ASSERT_TRUE(program->mouse->saveState());
    }

    testing::TempDir dir;
    std::unique_ptr<testing::WindowProgram> program;
    qt::QtWindowMenus* windowMenus = nullptr;
};

TEST_F(ButtonMenuEndToEnd, FunctionsChosenInSubMenusOfTheWindowReachTheMouse) {
    testing::WindowProgram& p = *program;
    qt::QtWindowMenus& menus = *windowMenus;
    QWidget* w = p.window.widget();
    const MainSkin& skin = p.state.skin;
    QWidget* menuWindow = nullptr;

    // Button 4: the third function of the "more functions" row, a consumer key (code 25).
    const int consumer = 3;
    ASSERT_NE(functionOf(p, consumer), 25);
    clickAt(w, skin.main().rect(mw::kHotspotFirst + consumer));
    ASSERT_TRUE(p.dlg.menuOpen());
    ASSERT_NE(menus.menus().menu(), nullptr);
    EXPECT_EQ(menus.menus().menu()->kind(), MenuKind::ButtonFunction);
    menuWindow = menus.popups().widget(PopupLevel::Menu);
    rowEvent(menuWindow, *menus.menus().menu(), 8, true);
    ASSERT_NE(menus.menus().subMenu(), nullptr);
    rowEvent(menus.popups().widget(PopupLevel::SubMenu), *menus.menus().subMenu(), 3);
    EXPECT_EQ(functionOf(p, consumer), 25);
    EXPECT_FALSE(menus.menus().isOpen());
    EXPECT_FALSE(menuWindow->isVisible());
    ASSERT_TRUE(runUntil([&] { return !p.dlg.menuOpen(); }, 2000)) << "WM_MENU_CLOSED";

    // Button 5: "DPI up" from the extra functions (code 16).
    const int dpi = 4;
    const FunctionNames& names = skin.functions();
    int dpiUpRow = 0;
    for (int r = 1; r <= names.extraRowCount() && dpiUpRow == 0; ++r) {
        if (names.extraCodeAt(r) == 16)
            dpiUpRow = r;
    }
    ASSERT_NE(dpiUpRow, 0) << "the shipped extra functions offer DPI up";
    clickAt(w, skin.main().rect(mw::kHotspotFirst + dpi));
    ASSERT_NE(menus.menus().menu(), nullptr);
    rowEvent(menus.popups().widget(PopupLevel::Menu), *menus.menus().menu(), 7, true);
    ASSERT_NE(menus.menus().subMenu(), nullptr);
    rowEvent(menus.popups().widget(PopupLevel::SubMenu), *menus.menus().subMenu(), dpiUpRow);
    EXPECT_EQ(functionOf(p, dpi), 16);

    apply();
    // Device function codes: 15 for a consumer key, 16 - 5 for DPI up.
    EXPECT_EQ(keyByte(p, consumer) & 0x1F, 15);
    EXPECT_EQ(keyByte(p, dpi) & 0x1F, 11);
    EXPECT_TRUE(testing::mouseMatchesKarvoctlImage(dir.path()));
}

TEST_F(ButtonMenuEndToEnd, TheLightingSpeedAndBrightnessValuesComeFromTheirMenus) {
    testing::WindowProgram& p = *program;
    qt::QtWindowMenus& menus = *windowMenus;
    p.state.settings.edit([](Settings& s) {
        s.shared.modeLight = 0;
        s.shared.ledType = 3;  // takes both
        s.shared.ledCycleTime = 5;
        s.shared.ledBrightness = 0;
    });
    QWidget* w = p.window.widget();
    const MainSkin& skin = p.state.skin;
    clickAt(w, skin.main().rect(mw::kTabFirst + 3));  // lighting page

    // The pop-up has the mouse; moves beside it still reach the window. On another entry that
    // opens a lighting pop-up it stays, off them it closes.
    clickAt(w, skin.lighting().rect(skin::lighting::kSpeed));
    ASSERT_NE(menus.menus().subMenu(), nullptr);
    QWidget* popup = menus.popups().widget(PopupLevel::SubMenu);
    const auto moveOver = [&](QPoint inWindow) {
        const QPointF global = w->mapToGlobal(QPointF(inWindow));
        testing::pointerAt(popup, popup->mapFromGlobal(global), global, false);
    };
    const SkinRect bright = skin.lighting().rect(skin::lighting::kBrightness);
    moveOver({bright.x + 2, bright.y + bright.height / 2});
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(p.dlg.menuOpen());
    moveOver({5, 300});
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(p.dlg.menuOpen());
    EXPECT_FALSE(menus.menus().isOpen());

    clickAt(w, skin.lighting().rect(skin::lighting::kSpeed));
    ASSERT_NE(menus.menus().subMenu(), nullptr);
    EXPECT_EQ(menus.menus().subMenu()->rowCount(), 6);
    rowEvent(menus.popups().widget(PopupLevel::SubMenu), *menus.menus().subMenu(), 2);
    clickAt(w, skin.lighting().rect(skin::lighting::kBrightness));
    ASSERT_NE(menus.menus().subMenu(), nullptr);
    EXPECT_EQ(menus.menus().subMenu()->rowCount(), 8);
    rowEvent(menus.popups().widget(PopupLevel::SubMenu), *menus.menus().subMenu(), 5);
    const SharedSettings set = p.state.settings.snapshot().shared;
    EXPECT_EQ(set.ledCycleTime, 1);
    EXPECT_EQ(set.ledBrightness, 3);

    apply();
    const ProgramPaths& paths = p.state.paths;
    const ini::IniSnapshot config(paths.configFile);
    EXPECT_EQ(config.get("ShareData", "LED_CYCTIME", "none", 16), "1");
    EXPECT_EQ(config.get("ShareData", "LED_BRIGHT", "none", 16), "3");
    // Address 63: brightness in bits 4-6 over user colour 6's blue.
    EXPECT_EQ((p.mouse->memory(63, 1).at(0) >> 4) & 7, 3);
    EXPECT_TRUE(testing::mouseMatchesKarvoctlImage(dir.path()));
}

}  // namespace
}  // namespace karvo
