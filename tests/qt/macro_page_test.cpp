// The macro page's child controls on Qt, offscreen: they follow the page, sit at the skin's
// rectangles, the macro list draws its lines, clicks reach the list's controller, and the
// window's own paint is clipped out of every control rectangle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

#include <filesystem>

#include "app/ckarvo_gmousedlg.h"
#include "app/macro_edit_commands.h"
#include "app/macro_page_controls.h"
#include "fake_window.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_main_window.h"
#include "services/language_text_index.h"
#include "services/program_paths.h"
#include "skin_fixture.h"
#include "temp_dir.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

constexpr QRgb kMagenta = 0xFFFF00FF;

QRect toQRect(const SkinBox& box) {
    const SkinRect r = toRect(box);
    return {r.x, r.y, r.width, r.height};
}

struct MacroWindow {
    MacroWindow() {
        // A copy of the built program folder's English data: the test may select and save.
        const fs::path built = fs::path(KARVO_DATA_OUT_DIR);
        fs::create_directories(dir / "skins");
        fs::copy(built / "config", dir / "skins" / "config", fs::copy_options::recursive);
        fs::copy(built / "1_INI_EN", dir / "skins" / "1_INI_EN", fs::copy_options::recursive);
        settings.edit([&](Settings& s) { s = shipped.settings; });
        EXPECT_EQ(texts.load(paths.languageFolder, notifier), LanguageTextTable::Load::Loaded);
        library.load(paths, 1);

        window.attach(dlg);
        window.setFixedSize(QSize(1100, 700));
        window.createMacroPage(controls, shipped.skin);
        dlg.setOnPageChanged([this](Page page) { window.showMacroControls(page == Page::Macro); });
        controls.setIconStrip((built / "list_icons.png").string());
        controls.setKeyNum(8);
        controls.reload();
    }
    qt::QtListBox* list(int i) { return window.macroPage()->list(i); }

    testing::TempDir dir;
    ProgramPaths paths = ProgramPaths::build(dir.path(), 1);
    testing::ShippedSkin shipped;
    SettingsModel settings;
    qt::PictureCache cache;
    qt::QtFonts fonts;
    testing::RecordingQueue queue;
    qt::QtMainWindow window{cache, fonts, queue};
    testing::ScriptedRunner runner;
    WarningDlg warning{runner, queue, {}};
    PaintRegion region = macroPageRegion(1100, 700, shipped.skin);
    CKarvo_GMouseDlg dlg{
        {shipped.skin, settings, window, queue, warning, nullptr, &region}, shipped.pictures, 8};
    MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library{keys, notifier};
    LanguageTextTable texts;
    MacroPageControls controls{{library, texts, keys, shipped.skin, settings, nullptr}};
};

TEST(QtMacroPage, TheControlsSitAtTheSkinRectanglesAndShowOnlyOnTheMacroPage) {
    MacroWindow w;
    QWidget* top = w.window.widget();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w.list(i)->geometry(), toQRect(w.shipped.skin.macroDisplays()[i])) << i;
        EXPECT_EQ(w.window.macroPage()->edit(i)->geometry(),
                  toQRect(w.shipped.skin.editFields()[i]))
            << i;
        EXPECT_FALSE(w.list(i)->isVisibleTo(top));
    }
    w.dlg.showPage(Page::Macro);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(w.list(i)->isVisibleTo(top));
        EXPECT_TRUE(w.window.macroPage()->edit(i)->isVisibleTo(top));
    }
    w.dlg.showPage(Page::Lighting);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(w.list(i)->isVisibleTo(top));
        EXPECT_FALSE(w.window.macroPage()->edit(i)->isVisibleTo(top));
    }
    QLineEdit* repeat = w.window.macroPage()->edit(0);
    EXPECT_EQ(repeat->maxLength(), 4);
    QString letters = QStringLiteral("12a");
    int at = 0;
    EXPECT_NE(repeat->validator()->validate(letters, at), QValidator::Acceptable);
    EXPECT_TRUE(w.window.macroPage()->edit(1)->isReadOnly());
}

TEST(QtMacroPage, TheMacroListDrawsItsLinesAndAClickReachesItsController) {
    MacroWindow w;
    ASSERT_FALSE(w.controls.macroList().lines().empty());
    w.dlg.showPage(Page::Macro);
    const QRect box = toQRect(w.shipped.skin.macroDisplays()[0]);
    const QImage frame = w.window.widget()->grab().toImage();
    ASSERT_EQ(frame.size(), QSize(1100, 700));
    const QRgb background = qRgb(0x16, 0x16, 0x16);
    int drawn = 0;
    for (int y = box.top(); y < box.top() + 60; ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            drawn += (frame.pixel(x, y) | 0xFF000000) != background ? 1 : 0;
    }
    EXPECT_GT(drawn, 50);  // icons and texts of the first lines
    EXPECT_EQ(frame.pixel(box.left() + 2, box.bottom() - 2) | 0xFF000000, background);

    // A click on the first group line expands it: the list grows by the group's macros.
    const std::size_t before = w.controls.macroList().lines().size();
    const QPointF at(10, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, w.list(0)->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.list(0), &press);
    EXPECT_GT(w.controls.macroList().lines().size(), before);
    EXPECT_EQ(w.controls.macroList().selection(), 0);
}

TEST(QtMacroPage, TheRepeatBoxMayBeEmptiedToTypeAndShowsTheCountAgainWhenLeft) {
    MacroWindow w;
    w.dlg.showPage(Page::Macro);
    CListBoxXI& macros = w.controls.macroList();
    ASSERT_TRUE(macros.onKey(CListBoxXI::Key::Down));  // the first group: expanded
    ASSERT_TRUE(macros.onKey(CListBoxXI::Key::Down));  // its first macro
    w.window.macroPage()->sync();
    const auto selected = w.controls.selectedMacro();
    ASSERT_TRUE(selected);
    QLineEdit* repeat = w.window.macroPage()->edit(0);
    ASSERT_TRUE(repeat->isEnabled()) << "the shipped first macro repeats a set number of times";
    ASSERT_FALSE(repeat->text().isEmpty());

    const auto key = [repeat](int code, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(repeat, &press);
    };
    key(Qt::Key_End);
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Backspace);
    EXPECT_EQ(repeat->text(), QString());  // not "1" under the cursor
    key(Qt::Key_4, QStringLiteral("4"));
    key(Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(repeat->text(), QStringLiteral("42"));
    EXPECT_EQ(w.library.groupMacro(selected->first, selected->second).repeatCount, 42);

    repeat->selectAll();
    key(Qt::Key_Delete);  // emptied at once: nothing is stored
    EXPECT_EQ(repeat->text(), QString());
    key(Qt::Key_Return);  // leaving an empty box shows the stored count again
    EXPECT_EQ(repeat->text(), QStringLiteral("42"));
    EXPECT_EQ(w.library.groupMacro(selected->first, selected->second).repeatCount, 42);
}

TEST(QtMacroPage, TheMacroPagePaintLeavesTheControlRectanglesAlone) {
    MacroWindow w;
    const auto paintAlone = [&w] {
        // The window's own paint, without its children, over a colour no page uses.
        QImage out(1100, 700, QImage::Format_ARGB32);
        out.fill(kMagenta);
        w.window.widget()->render(&out, QPoint(), QRegion(), QWidget::RenderFlags());
        return out;
    };
    std::vector<QRect> controls;
    for (const SkinBox& b : w.shipped.skin.editFields())
        controls.push_back(toQRect(b));
    for (const SkinBox& b : w.shipped.skin.macroDisplays())
        controls.push_back(toQRect(b));

    w.dlg.showPage(Page::Macro);
    const QImage macro = paintAlone();
    for (const QRect& r : controls) {
        EXPECT_EQ(macro.pixel(r.topLeft()), kMagenta);
        EXPECT_EQ(macro.pixel(r.bottomRight()), kMagenta);
        EXPECT_EQ(macro.pixel(r.center()), kMagenta);
        EXPECT_NE(macro.pixel(r.left() - 1, r.top()), kMagenta);  // just outside is painted
        EXPECT_NE(macro.pixel(r.right() + 1, r.bottom()), kMagenta);
    }
    EXPECT_NE(macro.pixel(5, 5), kMagenta);

    w.dlg.showPage(Page::Lighting);  // no child controls: the whole window is painted
    const QImage lighting = paintAlone();
    for (const QRect& r : controls)
        EXPECT_NE(lighting.pixel(r.center()), kMagenta);
}

TEST(QtMacroPage, ARightClickOpensTheStepMenuAndModifyEditsTheDelayInPlace) {
    MacroWindow w;
    std::vector<std::pair<MacroEditCommands::MenuRequest, QPoint>> menus;
    MacroEditCommands commands{{w.library, w.controls, w.texts, w.keys, w.notifier, nullptr,
                                nullptr, msOfDayNow, nullptr}};
    qt::QtMacroPage& page = *w.window.macroPage();
    page.setCommands(&commands, [&](const MacroEditCommands::MenuRequest& r, QPoint at) {
        menus.emplace_back(r, at);
    });
    w.dlg.showPage(Page::Macro);
    w.window.widget()->show();  // the lists learn their sizes
    QApplication::processEvents();
    CListBoxXI& macros = w.controls.macroList();
    ASSERT_TRUE(macros.onKey(CListBoxXI::Key::Down));
    ASSERT_TRUE(macros.onKey(CListBoxXI::Key::Down));
    page.sync();
    const auto selected = w.controls.selectedMacro();
    ASSERT_TRUE(selected);
    ASSERT_GE(w.controls.stepList().lines().size(), 2u);

    // The delay line of the first step: the second line of the list.
    const int lineHeight = w.controls.stepList().lineHeight();
    const QPointF at(20, lineHeight + lineHeight / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, w.list(1)->mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(w.list(1), &press);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].first, (MacroEditCommands::MenuRequest{13, {1, 2}}));
    EXPECT_EQ(menus[0].second, w.list(1)->mapToGlobal(at).toPoint());
    EXPECT_EQ(w.controls.stepList().selection(), 1);

    commands.onMenuPick(13, 1);
    page.sync();
    QLineEdit* box = nullptr;
    for (QLineEdit* e : w.window.widget()->findChildren<QLineEdit*>())
        if (e->isVisibleTo(w.window.widget()) && e->geometry().top() == w.list(1)->y() + lineHeight)
            box = e;
    ASSERT_NE(box, nullptr) << "the edit box covers the delay line";
    const std::string suffix = w.texts.text(TextSection::Other, text::other::kDelaySuffix);
    EXPECT_EQ(box->text().toStdString(), w.controls.stepList().lines()[1].text);
    box->setText(QString::fromStdString("321" + suffix));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    EXPECT_FALSE(box->isVisibleTo(w.window.widget()));
    EXPECT_EQ(w.library.groupMacro(selected->first, selected->second).steps[0].delay, 321);
    EXPECT_EQ(w.controls.stepList().lines()[1].text, "321" + suffix);
}

}  // namespace
}  // namespace karvo
