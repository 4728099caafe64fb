// The gun preset dialog over the shipped presets: what its boxes show, the mode buttons, OK
// saving the preset with its strength, cancel leaving the file alone, and what it paints.
#include "ui/dialogs/dialog_gun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/window_messages.h"
#include "fake_window.h"
#include "recording_canvas.h"
#include "tests/app/macro_page_fixture.h"
#include "tests/dialogs/menu_fixture.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace gl = skin::gun;
namespace fs = std::filesystem;

struct GunFixture : testing::MacroPageFixture {
    GunFixture() {
        fs::copy(fs::path(KARVO_DATA_OUT_DIR) / "Gun", paths.skinFolder / "Gun",
                 fs::copy_options::recursive);
        auto loaded = DialogLayout::load(paths.languageFolder, LayoutFile::Gun, 1, notifier);
        EXPECT_TRUE(loaded);
        if (loaded)
            layout = *loaded;
        presetFile = library.withPresets([](GunPresets& p) { return p.file(); });
    }
    CDialogGun make() {
        return CDialogGun({library, queue, notifier,
                           [this](CDialogGun& d) {
                               menus.push_back(d.presetIndex());
                               if (onMenu)
                                   onMenu(d);
                           }},
                          layout.layout(), layout.editFields(),
                          {"gun_mask.jpg", "gun_normal.jpg", "gun_over.jpg", "gun_down.jpg",
                           (paths.skinFolder / "Gun").string()},
                          1);
    }
    void click(CDialogGun& dlg, int entry) {
        const SkinRect r = layout.layout().rect(entry);
        const int x = r.x + r.width / 2;
        const int y = r.y + r.height / 2;
        dlg.onMouseMove(x, y);
        dlg.onLeftDown(x, y);
        dlg.onLeftUp(x, y);
    }
    static std::string bytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void clickRow(MenuWindow& menu, int row) {
        const SkinRect r = menu.rowRect(row);
        const int x = r.x + r.width / 2;
        const int y = r.y + r.height / 2;
        menu.onMouseMove(x, y);
        menu.onLeftDown(x, y);
        menu.onLeftUp(x, y);
    }
    MacroRecord stored(std::size_t i) {
        return library.withPresets([&](GunPresets& p) { return *p.preset(i); });
    }

    DialogLayout layout;
    testing::RecordingQueue queue;
    std::vector<std::size_t> menus;
    std::function<void(CDialogGun&)> onMenu;
    fs::path presetFile;
    testing::FakePopupHost host;
    PopupMenus popups{MenuEnvironment{settings, queue, texts, skin, library, paths, host, notifier,
                                      [] { return 8; }}};
};

TEST_F(GunFixture, BoxesShowThePresetsValues) {
    CDialogGun dlg = make();
    ASSERT_TRUE(dlg.open(0));
    const MacroRecord p = stored(0);
    EXPECT_EQ(dlg.boxes()[gl::kEditInterval].text, std::to_string(p.steps[0].delay));
    EXPECT_EQ(dlg.boxes()[gl::kEditRepeat].enabled, (p.mode & 3) == 0);
    EXPECT_EQ(dlg.boxes()[gl::kEditStrength].text,
              p.extraA ? std::to_string(p.extraB) : std::string("10"));
    EXPECT_TRUE(notifier.notices.empty());  // the weapon picture exists
}

TEST_F(GunFixture, ModeButtonsSwitchTheRepeatBoxAndCancelSavesNothing) {
    const std::string before = bytes(presetFile);
    CDialogGun dlg = make();
    ASSERT_TRUE(dlg.open(0));
    click(dlg, gl::kModeHeld);
    EXPECT_EQ(dlg.boxes()[gl::kEditRepeat], (CDialogGun::Box{"1", false}));
    dlg.onBoxEdited(gl::kEditRepeat, "40");  // a disabled box takes nothing
    EXPECT_EQ(dlg.boxes()[gl::kEditRepeat].text, "1");
    click(dlg, gl::kModeCount);
    EXPECT_TRUE(dlg.boxes()[gl::kEditRepeat].enabled);
    EXPECT_GE(CDialogGun::boxValue(dlg.boxes()[gl::kEditRepeat].text), 1);
    dlg.onBoxEdited(gl::kEditStrength, "77");
    click(dlg, gl::kCancel);
    EXPECT_EQ(dlg.result(), CDialogGun::kCancel);
    EXPECT_EQ(bytes(presetFile), before);
    ASSERT_EQ(queue.posted.size(), 1u);
    EXPECT_EQ(queue.posted[0].id, msg::WM_GUN_DIALOG_DONE);
}

TEST_F(GunFixture, OkStoresTheValuesAndTheStrengthInEveryVerticalMove) {
    CDialogGun dlg = make();
    ASSERT_TRUE(dlg.open(0));
    click(dlg, gl::kModeCount);
    dlg.onBoxEdited(gl::kEditRepeat, "3");
    dlg.onBoxEdited(gl::kEditInterval, "95");
    dlg.onBoxEdited(gl::kEditStrength, "250");  // clamped to 99
    click(dlg, gl::kOk);
    EXPECT_EQ(dlg.result(), CDialogGun::kOk);
    // What the file holds now, read again from disk.
    MacroFile file(keys, 1);
    MacroTable table;
    ASSERT_TRUE(file.readGroup(presetFile, table));
    const MacroRecord p = *table.macro(0);
    EXPECT_EQ(p.repeatCount, 3);
    EXPECT_EQ(p.steps[0].delay, 95);
    EXPECT_EQ(p.steps[1].delay, 95);
    EXPECT_EQ(p.extraA, 1);
    EXPECT_EQ(p.extraB, 99);
    int moves = 0;
    for (const MacroAction& s : p.validSteps())
        if (s.key == macrokey::kMove && s.p1 != 0) {
            EXPECT_EQ(s.p1, 99);
            ++moves;
        }
    EXPECT_GT(moves, 0);
    EXPECT_EQ(stored(0), p);
}

TEST_F(GunFixture, ThePictureStepsThroughThePresetsAndTheMenuButtonAsksForTheMenu) {
    CDialogGun dlg = make();
    ASSERT_TRUE(dlg.open(0));
    const std::size_t count = library.presetCount();
    ASSERT_GT(count, 1u);
    click(dlg, gl::kPicture);
    EXPECT_EQ(dlg.presetIndex(), 1u);
    EXPECT_EQ(dlg.preset().nameUtf8(), stored(1).nameUtf8());
    click(dlg, gl::kMenu);
    EXPECT_EQ(menus, (std::vector<std::size_t>{1}));
    EXPECT_FALSE(dlg.result());

    testing::RecordingCanvas canvas;
    dlg.paint(canvas);
    bool weapon = false, name = false;
    for (const auto& op : canvas.ops) {
        weapon |= op.kind == testing::RecordingCanvas::Op::Kind::Picture &&
                  op.picture == (paths.skinFolder / "Gun" / "2.jpg").string();
        name |= op.kind == testing::RecordingCanvas::Op::Kind::Text &&
                op.picture == stored(1).nameUtf8();
    }
    EXPECT_TRUE(weapon);
    EXPECT_TRUE(name);
}

TEST_F(GunFixture, ChoosingAnotherPresetKeepsTheShownOnesShotsAndStrength) {
    CDialogGun dlg = make();
    ASSERT_TRUE(dlg.open(0));
    click(dlg, gl::kModeCount);
    dlg.onBoxEdited(gl::kEditRepeat, "7");
    dlg.onBoxEdited(gl::kEditStrength, "31");
    dlg.onPresetChosen(2);
    EXPECT_EQ(dlg.presetIndex(), 2u);
    const MacroRecord first = stored(0);
    EXPECT_EQ(first.repeatCount, 7);
    EXPECT_EQ(first.mode & 3, 0);
    for (const MacroAction& s : first.validSteps()) {
        if (s.key == macrokey::kMove && s.p1 != 0) {
            EXPECT_EQ(s.p1, 31);
        }
    }
    EXPECT_FALSE(dlg.result());
}

// The menu button opens the preset menu below itself; a row of another preset applies the shown
// one's boxes and shows the chosen one, the shown preset's own row changes nothing.
TEST_F(GunFixture, TheMenuButtonListsThePresetsAndARowShowsThatPreset) {
    int refreshes = 0;
    onMenu = [&](CDialogGun& d) { EXPECT_TRUE(d.openPresetMenu(popups, [&] { ++refreshes; })); };
    CDialogGun dlg = make();
    dlg.setFrame({300, 200, 560, 380});
    ASSERT_TRUE(dlg.open(0));
    const std::size_t count = library.presetCount();
    ASSERT_GT(count, 2u);

    click(dlg, gl::kMenu);
    ASSERT_NE(popups.menu(), nullptr);
    CMenuDlg& menu = *popups.menu();
    EXPECT_EQ(menu.kind(), MenuKind::GunMacro);
    ASSERT_EQ(menu.rowCount(), static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(menu.rows()[i].text, stored(i).nameUtf8()) << "row " << i + 1;
    const SkinRect button = layout.layout().rect(gl::kMenu);
    EXPECT_EQ(host.frameOf(PopupLevel::Menu).x, 300 + button.x);
    EXPECT_EQ(host.frameOf(PopupLevel::Menu).y, 200 + button.y + button.height);

    // The shown preset's row: the menu closes, nothing else happens.
    const std::string before = bytes(presetFile);
    clickRow(menu, 1);
    EXPECT_FALSE(popups.isOpen());
    EXPECT_EQ(dlg.presetIndex(), 0u);
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(bytes(presetFile), before);

    click(dlg, gl::kModeCount);
    dlg.onBoxEdited(gl::kEditRepeat, "4");
    dlg.onBoxEdited(gl::kEditStrength, "12");
    click(dlg, gl::kMenu);
    ASSERT_NE(popups.menu(), nullptr);
    clickRow(*popups.menu(), 3);
    EXPECT_FALSE(popups.isOpen());
    EXPECT_EQ(dlg.presetIndex(), 2u);
    EXPECT_EQ(dlg.preset().nameUtf8(), stored(2).nameUtf8());
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(stored(0).repeatCount, 4);
    EXPECT_EQ(stored(0).extraB, 12);
    EXPECT_FALSE(dlg.result());
    EXPECT_TRUE(notifier.notices.empty());
}

TEST_F(GunFixture, ADialogThatEndsClosesItsOpenPresetMenu) {
    onMenu = [&](CDialogGun& d) { EXPECT_TRUE(d.openPresetMenu(popups, {})); };
    {
        CDialogGun dlg = make();
        ASSERT_TRUE(dlg.open(0));
        click(dlg, gl::kMenu);
        ASSERT_TRUE(popups.isOpen());
        ASSERT_NE(host.at(PopupLevel::Menu), nullptr);
    }
    EXPECT_FALSE(popups.isOpen());
    EXPECT_EQ(host.at(PopupLevel::Menu), nullptr);
}

TEST_F(GunFixture, AMissingWeaponPictureIsToldOnce) {
    fs::remove(paths.skinFolder / "Gun" / "1.jpg");
    CDialogGun dlg = make();
    ASSERT_TRUE(dlg.open(0));
    dlg.open(0);
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].text, CDialogGun::kMissingPictureText);
}

TEST_F(GunFixture, TheKeyboardMovesOverItsEntriesActsOnThemAndEscapeCancels) {
    const std::string before = bytes(presetFile);
    CDialogGun dlg = make();
    ASSERT_TRUE(dlg.open(0));
    const std::vector<AccessibleEntry> entries = dlg.accessibleEntries();
    ASSERT_EQ(entries.size(), 6u);  // two modes, OK, cancel, close, the menu
    for (const AccessibleEntry& e : entries)
        EXPECT_FALSE(e.name.empty()) << e.id;
    // Tab to "while held" (the second mode) and press it with Space.
    dlg.onKey(NavigationKey::Tab);
    dlg.onKey(NavigationKey::Tab);
    EXPECT_EQ(dlg.focusedEntry(), gl::kModeHeld);
    dlg.onKey(NavigationKey::Space);
    EXPECT_FALSE(dlg.boxes()[gl::kEditRepeat].enabled);
    testing::RecordingCanvas canvas;
    dlg.paint(canvas);
    const SkinRect held = layout.layout().rect(gl::kModeHeld);
    bool ring = false;
    for (const auto& op : canvas.ofKind(testing::RecordingCanvas::Op::Kind::Fill))
        ring |= op.colour == KeyboardFocus::kRingColour &&
                op.rect == SkinRect{held.x, held.y, held.width, 2};
    EXPECT_TRUE(ring);
    EXPECT_FALSE(dlg.result().has_value());
    EXPECT_TRUE(dlg.onKey(NavigationKey::Escape));
    EXPECT_EQ(dlg.result(), CDialogGun::kCancel);
    EXPECT_EQ(bytes(presetFile), before);
}

}  // namespace
}  // namespace karvo
