// A user's path through the whole window program on the emulated mouse: a DPI level switched
// off, a colour chosen (through a fake colour dialog), the wheel speed and the lighting speed
// (from its value menu) set by clicks on the offscreen window, then Apply. Once the window
// reports the end of the write, the emulated mouse's memory must be, byte for byte, the image
// karvoctl computes from the folder the window saved.
#include <gtest/gtest.h>

#include <cstdlib>

#include "temp_dir.h"
#include "ui/dialogs/csub_menu_dlg.h"
#include "ui/skin/layout_index.h"
#include "window_program.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace li = skin::lighting;
using testing::clickAt;
using testing::runUntil;

TEST(ApplyEndToEnd, WhatTheWindowSetsReachesTheMouseAsKarvoctlComputesIt) {
    testing::TempDir dir;
    fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);

    testing::WindowProgram p(dir.path());
    ASSERT_TRUE(p.start());
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 1; })) << "the start-up write";

    QWidget* w = p.window.widget();
    const MainSkin& skin = p.state.skin;
    const Settings before = p.state.settings.snapshot();
    clickAt(w, skin.main().rect(mw::kTabFirst + 1));  // advanced page
    clickAt(w, skin.advanced().rect(adv::kDpiToggleFirst + 5));
    clickAt(w, skin.advanced().rect(adv::kDpiColourFirst + 1));
    const SkinRect wheel = skin.advanced().rect(adv::kWheelSpeed);
    clickAt(w, {wheel.x + wheel.width - 2, wheel.y, 1, wheel.height});
    clickAt(w, skin.main().rect(mw::kTabFirst + 3));  // lighting page
    qt::QtWindowMenus& menus = p.attachMenus();
    clickAt(w, skin.lighting().rect(li::kSpeed));  // the speed's value menu: its first row
    ASSERT_NE(menus.menus().subMenu(), nullptr);
    testing::rowEvent(menus.popups().widget(PopupLevel::SubMenu), *menus.menus().subMenu(), 1);

    const Settings set = p.state.settings.snapshot();
    EXPECT_NE(set.shared.dpi[5].enabled, before.shared.dpi[5].enabled);
    EXPECT_EQ(set.shared.dpi[1].colour, (ColourLevels{0, 13, 15}));
    EXPECT_EQ(set.shared.wheelSpeed, 11);
    EXPECT_EQ(set.shared.ledCycleTime, 0);
    EXPECT_NE(before.shared.ledCycleTime, 0);

    clickAt(w, skin.main().rect(mw::kApply));
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 2; })) << "the apply's write";
    EXPECT_EQ(p.dlg.lastResult(), 0);
    ASSERT_TRUE(p.mouse->saveState());

    EXPECT_TRUE(testing::mouseMatchesKarvoctlImage(dir.path()));
    if (std::getenv("KARVO_KEEP_E2E"))
        fs::copy(dir.path(), std::getenv("KARVO_KEEP_E2E"), fs::copy_options::recursive);
}

}  // namespace
}  // namespace karvo
