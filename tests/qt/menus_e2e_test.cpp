// End to end in the offscreen Qt build: a button's function chosen through the pop-up menus
// with the mouse, a macro through the macro choice, and a key combination typed into the
// combination dialog; then the download, and the emulated mouse's memory holds the new device
// function code of that button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include <filesystem>

#include "app/program_state.h"
#include "app/window_messages.h"
#include "device/downloader.h"
#include "device/key_assignments.h"
#include "fake_window.h"
#include "platform/null_pointer_settings.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_key_capture.h"
#include "platform/qt/qt_modal_runner.h"
#include "platform/qt/qt_popup_host.h"
#include "settings/combination.h"
#include "temp_dir.h"
#include "tests/device/mouse_on_desk.h"
#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/cshortcut_get_key.h"
#include "ui/dialogs/csub_menu_dlg.h"
#include "ui/dialogs/mac_sel_menu_dlg.h"
#include "ui/dialogs/popup_menus.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

void send(QWidget* w, QEvent::Type type, QPoint at) {
    ASSERT_NE(w, nullptr);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// The middle of row `row` of the pop-up on `level`, in its window's pixels.
QPoint rowCentre(MenuWindow& menu, int row) {
    const SkinRect r = menu.rowRect(row);
    return {r.x + r.width / 2, r.y + r.height / 2};
}

class MenusEndToEnd : public ::testing::Test {
  protected:
    MenusEndToEnd() {
        fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir / "skins", fs::copy_options::recursive);
        state.description = DeviceDescription::read(state.paths.configFile, notifier);
        for (int p = 0; p < kProfiles; ++p)
            state.store.loadProfile(state.settings, p, ProfileStore::Source::Config);
        EXPECT_EQ(state.texts.load(state.paths.languageFolder, notifier),
                  LanguageTextTable::Load::Loaded);
        EXPECT_EQ(state.skin.load(state.paths.languageFolder, 1, "x", notifier),
                  MainSkin::Load::Loaded);
        state.macros.load(state.paths, 1);
        desk.attach();
    }
    ~MenusEndToEnd() override { menus.closeAll(); }

    QWidget* level(PopupLevel l) { return host.widget(l); }
    void hoverRow(PopupLevel l, MenuWindow& menu, int row) {
        send(level(l), QEvent::MouseMove, rowCentre(menu, row));
    }
    void clickRow(PopupLevel l, MenuWindow& menu, int row) {
        const QPoint p = rowCentre(menu, row);
        QWidget* w = level(l);
        send(w, QEvent::MouseMove, p);
        send(w, QEvent::MouseButtonPress, p);
        send(w, QEvent::MouseButtonRelease, p);
    }
    // The hotspot of button `slot` on the main page, on the screen of a window at 100, 50.
    SkinRect hotspot(int slot) const {
        SkinRect r = state.skin.main().rect(skin::main_window::kHotspotFirst + slot);
        r.x += 100;
        r.y += 50;
        return r;
    }
    // Applies as the apply entry does, then the device function code of `slot` in the mouse.
    std::uint8_t writtenFunction(int slot) {
        EXPECT_EQ(downloader.DownloadAll(), device::Downloader::Result::Complete);
        const auto key = state.description.keyMap.keyOfSlot(slot);
        EXPECT_TRUE(key.has_value());
        // Profile 0's keys 1 to 8 are the key bytes at addresses 8 to 15.
        const std::vector<std::uint8_t> byte = desk.mouse->memory(8 + *key - 1, 1);
        EXPECT_TRUE(desk.mouse->protocolErrors().empty());
        return static_cast<std::uint8_t>(byte.at(0) & 0x1F);
    }
    std::int32_t function(int slot) const {
        return state.settings.read([&](const Settings& s) {
            return s.profiles[0].buttons[static_cast<std::size_t>(slot)].function;
        });
    }

    karvo::testing::TempDir dir;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    ProgramState state{ProgramPaths::build(dir.path(), 1), notifier, pointer};
    karvo::testing::MouseOnDesk desk;
    device::Downloader downloader{
        desk.link, state.settings, state.description, state.macros, state.keys, notifier, pointer};
    qt::PictureCache pictures;
    qt::QtFonts fonts;
    karvo::testing::RecordingQueue queue;
    qt::QtPopupHost host{pictures, fonts};
    PopupMenus menus{MenuEnvironment{state.settings, queue, state.texts, state.skin, state.macros,
                                     state.paths, host, notifier,
                                     [this] { return state.description.keyNum; }}};
};

TEST_F(MenusEndToEnd, AFunctionChosenInASubMenuReachesTheMouse) {
    const int slot = 3;
    ASSERT_NE(function(slot), 25);
    ASSERT_TRUE(menus.openButtonMenu(slot, hotspot(slot)));
    ASSERT_TRUE(level(PopupLevel::Menu)->isVisible());
    hoverRow(PopupLevel::Menu, *menus.menu(), 8);
    ASSERT_NE(menus.subMenu(), nullptr);
    ASSERT_TRUE(level(PopupLevel::SubMenu)->isVisible());
    // The sub-menu's row 3: the third consumer function, code 25.
    clickRow(PopupLevel::SubMenu, *menus.subMenu(), 3);
    EXPECT_FALSE(menus.isOpen());
    EXPECT_FALSE(level(PopupLevel::Menu)->isVisible());
    EXPECT_FALSE(level(PopupLevel::SubMenu)->isVisible());
    EXPECT_EQ(function(slot), 25);
    EXPECT_EQ(writtenFunction(slot), 15);  // codes 23 to 32 are consumer keys
}

TEST_F(MenusEndToEnd, AMacroChosenThroughItsGroupReachesTheMouse) {
    const int slot = 4;
    ASSERT_GE(state.macros.groupCount(), 1);
    ASSERT_GE(state.macros.macroCount(0), 2);
    ASSERT_TRUE(menus.openButtonMenu(slot, hotspot(slot)));
    hoverRow(PopupLevel::Menu, *menus.menu(), 9);
    ASSERT_NE(menus.subMenu(), nullptr);
    hoverRow(PopupLevel::SubMenu, *menus.subMenu(), 1);
    ASSERT_NE(menus.macroChoice(), nullptr);
    ASSERT_TRUE(level(PopupLevel::MacroChoice)->isVisible());
    clickRow(PopupLevel::MacroChoice, *menus.macroChoice(), 2);
    EXPECT_FALSE(menus.isOpen());
    EXPECT_EQ(function(slot), 1 * 256 + 2 - 1);
    const PlaybackMode mode = state.macros.groupMacro(0, 1).playbackMode();
    EXPECT_EQ(writtenFunction(slot), device::KeyAssignments::deviceFunctionCode(257, 0, mode));
}

TEST_F(MenusEndToEnd, AClickOutsideOrEscapeClosesTheMenusWithoutAChange) {
    ASSERT_TRUE(menus.openButtonMenu(2, hotspot(2)));
    hoverRow(PopupLevel::Menu, *menus.menu(), 7);
    QWidget* menuWindow = level(PopupLevel::Menu);
    send(menuWindow, QEvent::MouseButtonPress, {-40, -40});
    QCoreApplication::processEvents();
    EXPECT_FALSE(menus.isOpen());
    EXPECT_FALSE(menuWindow->isVisible());

    ASSERT_TRUE(menus.openButtonMenu(2, hotspot(2)));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(level(PopupLevel::Menu), &escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menus.isOpen());
    EXPECT_EQ(function(2), 3);
}

TEST_F(MenusEndToEnd, ACombinationTypedIntoTheDialogReachesTheMouse) {
    const int slot = 5;
    qt::QtModalRunner runner(pictures, fonts);
    qt::QtKeyCapture capture;
    CShortcutGetKey dialog(
        {runner, capture, queue, state.keys, state.texts, notifier, state.paths.skinFolder,
         [this] { return state.paths.languageFolder; }, [] { return 1; }, 1},
        state.settings);
    // The button menu's combination row asks for the dialog.
    ASSERT_TRUE(menus.openButtonMenu(slot, hotspot(slot)));
    clickRow(PopupLevel::Menu, *menus.menu(), 10);
    ASSERT_EQ(queue.posted.back().id, msg::WM_EDIT_COMBINATION);

    bool typed = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        for (const int key : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_K}) {
            QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &down);
        }
        typed = dialog.resultText() == "Ctrl&split&Shift&split&K";
        const SkinRect confirm = [&] {
            auto d =
                DialogLayout::load(state.paths.languageFolder, LayoutFile::Shortcut, 1, notifier);
            return d ? d->layout().rect(skin::shortcut::kConfirm) : SkinRect{};
        }();
        const QPoint at(confirm.x + confirm.width / 2, confirm.y + confirm.height / 2);
        send(w, QEvent::MouseMove, at);
        send(w, QEvent::MouseButtonPress, at);
        send(w, QEvent::MouseButtonRelease, at);
    });
    EXPECT_EQ(dialog.run(slot, true, {0, 0, 1280, 800}), CShortcutGetKey::kConfirmed);
    EXPECT_TRUE(typed);
    ASSERT_EQ(queue.posted.back().id, msg::WM_COMBINATION_SET);
    EXPECT_EQ(function(slot), 33);
    const std::string text = queue.posted.back().text;
    EXPECT_EQ(text, "Ctrl&split&Shift&split&K");
    state.settings.edit([&](Settings& s) {
        combination::store(s, state.keys, text,
                           static_cast<std::uint16_t>(queue.posted.back().wparam));
    });
    EXPECT_EQ(
        combination::displayText(state.settings.snapshot().profiles[0].buttons[slot].combination),
        "Ctrl+Shift+K");
    // A key combination plays as the button's own macro, once per press.
    EXPECT_EQ(writtenFunction(slot),
              device::KeyAssignments::deviceFunctionCode(33, 0, PlaybackMode::Mode2));
}

TEST(QtKeyCapture, WhileItRunsEveryKeyGoesToTheSinkAndNoWidgetOfTheProgram) {
    QLineEdit box;
    box.show();
    qt::QtKeyCapture capture;
    std::vector<PhysicalKeyEvent> seen;
    const auto type = [&box](int key, const QString& text, Qt::KeyboardModifiers mods) {
        QKeyEvent down(QEvent::KeyPress, key, mods, text);
        QCoreApplication::sendEvent(&box, &down);
        QKeyEvent up(QEvent::KeyRelease, key, mods, text);
        QCoreApplication::sendEvent(&box, &up);
    };
    capture.begin([&seen](const PhysicalKeyEvent& e) { seen.push_back(e); });
    type(Qt::Key_A, QStringLiteral("a"), Qt::AltModifier);
    type(Qt::Key_F5, QString(), Qt::NoModifier);
    EXPECT_EQ(box.text(), QString());
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_TRUE(seen[0].down);
    EXPECT_FALSE(seen[1].down);
    EXPECT_EQ(seen[0].fallbackVirtualKey, 0x41);
    EXPECT_TRUE(seen[0].altHeld);
    EXPECT_EQ(seen[2].fallbackVirtualKey, 116);
    // Without an X server there is no keycode and no grab to hold.
    EXPECT_EQ(seen[0].evdevCode, 0);
    EXPECT_FALSE(capture.exclusive());

    capture.end();
    type(Qt::Key_B, QStringLiteral("b"), Qt::NoModifier);
    EXPECT_EQ(box.text(), QStringLiteral("b"));
    EXPECT_EQ(seen.size(), 4u);
}

}  // namespace
}  // namespace karvo
