// The gun preset dialog on Qt, offscreen: run modally, its menu button opens the weapon menu as
// a pop-up window, a row of that window shows the chosen preset in the dialog (its picture and
// its boxes), and OK saves it. Runs in the process of the menus' end-to-end tests: the modal
// dialog has a nested event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include <filesystem>
#include <string>

#include "app/program_state.h"
#include "app/window_messages.h"
#include "fake_window.h"
#include "platform/null_pointer_settings.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_modal_runner.h"
#include "platform/qt/qt_popup_host.h"
#include "temp_dir.h"
#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/dialog_gun.h"
#include "ui/dialogs/popup_menus.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
namespace gl = skin::gun;

// A left click at `at` (the widget's pixels), as the pointer gives it.
void clickIn(QWidget* w, QPoint at) {
    const QPointF global(w->mapToGlobal(at));
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), global, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}

QPoint centre(const SkinRect& r) {
    return {r.x + r.width / 2, r.y + r.height / 2};
}

TEST(GunDialogEndToEnd, AWeaponChosenInTheDialogsMenuIsShownAndSavedWithOk) {
    testing::TempDir dir;
    fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    ProgramState state{ProgramPaths::build(dir.path(), 1), notifier, pointer};
    ASSERT_EQ(state.texts.load(state.paths.languageFolder, notifier),
              LanguageTextTable::Load::Loaded);
    ASSERT_EQ(state.skin.load(state.paths.languageFolder, 1, "x", notifier),
              MainSkin::Load::Loaded);
    state.macros.load(state.paths, 1);
    ASSERT_GT(state.macros.presetCount(), 2u);
    const auto preset = [&](std::size_t i) {
        return state.macros.withPresets([&](GunPresets& p) { return *p.preset(i); });
    };
    ASSERT_NE(preset(0).steps[0].delay, preset(1).steps[0].delay);
    ASSERT_EQ(preset(1).extraA, 0);
    const auto layout =
        DialogLayout::load(state.paths.languageFolder, LayoutFile::Gun, 1, notifier);
    ASSERT_TRUE(layout);

    qt::PictureCache pictures;
    qt::QtFonts fonts;
    testing::RecordingQueue queue;
    qt::QtPopupHost host{pictures, fonts};
    PopupMenus menus{MenuEnvironment{state.settings, queue, state.texts, state.skin, state.macros,
                                     state.paths, host, notifier, [] { return 8; }}};
    qt::QtModalRunner runner(pictures, fonts);

    CDialogGun* shown = nullptr;
    bool menuShown = false;
    std::string intervalShown;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        clickIn(w, centre(layout->layout().rect(gl::kMenu)));
        QWidget* popup = host.widget(PopupLevel::Menu);
        ASSERT_NE(popup, nullptr);
        menuShown =
            popup->isVisible() && menus.menu() && menus.menu()->kind() == MenuKind::GunMacro;
        ASSERT_TRUE(menuShown);
        clickIn(popup, centre(menus.menu()->rowRect(2)));
        for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
            const SkinBox b = layout->editFields()[gl::kEditInterval];
            if (e->geometry().topLeft() == QPoint(b.left, b.top))
                intervalShown = e->text().toStdString();
        }
        clickIn(w, centre(layout->layout().rect(gl::kOk)));
    });
    const int result = CDialogGun::run({state.macros, queue, notifier,
                                        [&](CDialogGun& dialog) {
                                            shown = &dialog;
                                            dialog.openPresetMenu(menus, [&] { runner.refresh(); });
                                        }},
                                       runner, state.paths.skinFolder, state.paths.languageFolder,
                                       1, {0, 0, 1280, 800});
    EXPECT_TRUE(menuShown);
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(result, CDialogGun::kOk);
    EXPECT_FALSE(menus.isOpen());
    // The boxes followed the choice while the dialog was open, and OK saved the chosen preset
    // (its strength marked as set).
    EXPECT_EQ(intervalShown, std::to_string(preset(1).steps[0].delay));
    EXPECT_EQ(preset(1).extraA, 1);
    ASSERT_FALSE(queue.posted.empty());
    EXPECT_EQ(queue.posted.back().id, msg::WM_GUN_DIALOG_DONE);
    EXPECT_TRUE(notifier.notices.empty());
}

}  // namespace
}  // namespace karvo
