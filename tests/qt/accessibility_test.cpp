// The window program through Qt's accessibility interfaces and the keyboard, offscreen on the
// emulated mouse: the tree names and roles the skinned entries, a screen reader's press and
// value reach the settings, a setting changed with Tab, the arrows and Enter alone reaches the
// mouse, and the "more" menu's full write writes every block.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>

#include <cstdlib>
#include <string>

#include "app/window_access.h"
#include "temp_dir.h"
#include "ui/dialogs/menu_kind.h"
#include "ui/skin/layout_index.h"
#include "window_program.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
namespace mw = skin::main_window;
namespace adv = skin::advanced;
using testing::runUntil;
using window_access::idOf;

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* c = parent->child(i);
        if (c && c->text(QAccessible::Name) == name)
            return c;
    }
    return nullptr;
}

void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, k, mods);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods);
    QCoreApplication::sendEvent(w, &release);
    QCoreApplication::processEvents();
}

// Presses Tab (or Shift+Tab) until `id` has the focus; false after a whole round.
bool tabTo(testing::WindowProgram& p, int id, bool back = false) {
    for (int i = 0; i < 200 && p.dlg.focusedEntry() != id; ++i)
        key(p.window.widget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
            back ? Qt::ShiftModifier : Qt::NoModifier);
    return p.dlg.focusedEntry() == id;
}

struct Started {
    Started() {
        fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);
        started = p.start() && runUntil([&] { return p.downloadsDone == 1; });
    }
    testing::TempDir dir;
    testing::WindowProgram p{dir.path()};
    bool started = false;
};

// Once the window has reported write `n` done: it succeeded, and the emulated mouse holds what
// karvoctl computes from the folder the window saved.
void expectWrittenAsKarvoctlComputes(Started& s, int n) {
    ASSERT_TRUE(runUntil([&] { return s.p.downloadsDone == n; })) << "write " << n;
    EXPECT_EQ(s.p.dlg.lastResult(), 0);
    ASSERT_TRUE(s.p.mouse->saveState());
    EXPECT_TRUE(testing::mouseMatchesKarvoctlImage(s.dir.path()));
}

TEST(Accessibility, TheTreeNamesTheSkinnedEntriesAndAToolsPressAndValueReachTheSettings) {
    Started s;
    ASSERT_TRUE(s.started);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(s.p.window.widget());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);

    QAccessibleInterface* buttons = childNamed(window, QStringLiteral("Buttons"));
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->role(), QAccessible::PageTab);
    EXPECT_TRUE(buttons->state().checked);
    EXPECT_EQ(window->indexOfChild(buttons),
              window->childCount() - static_cast<int>(s.p.dlg.accessibleEntries().size()));
    for (const char* name : {"Minimise", "Close", "Language", "More", "Apply", "Button 1"})
        EXPECT_NE(childNamed(window, QString::fromUtf8(name)), nullptr) << name;
    QAccessibleInterface* button1 = childNamed(window, QStringLiteral("Button 1"));
    EXPECT_EQ(button1->role(), QAccessible::ButtonMenu);
    EXPECT_FALSE(button1->text(QAccessible::Value).isEmpty());
    // Where a tool asks for the entry under a point.
    const QRect r = button1->rect();
    EXPECT_EQ(window->childAt(r.center().x(), r.center().y()), button1);

    QAccessibleInterface* performance = childNamed(window, QStringLiteral("Performance"));
    ASSERT_NE(performance, nullptr);
    ASSERT_NE(performance->actionInterface(), nullptr);
    performance->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(s.p.dlg.page(), Page::Advanced);
    EXPECT_FALSE(buttons->state().checked);

    QAccessibleInterface* speed = childNamed(window, QStringLiteral("Pointer speed"));
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->role(), QAccessible::Slider);
    ASSERT_NE(speed->valueInterface(), nullptr);
    EXPECT_EQ(speed->valueInterface()->maximumValue().toInt(), 11);
    speed->valueInterface()->setCurrentValue(9);
    EXPECT_EQ(s.p.state.settings.snapshot().shared.pointerSpeed, 9);
    EXPECT_EQ(speed->valueInterface()->currentValue().toInt(), 9);
    speed->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(s.p.state.settings.snapshot().shared.pointerSpeed, 8);
    // An entry of the page no longer shown is no longer valid.
    performance->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    childNamed(window, QStringLiteral("Buttons"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(speed->isValid());
}

TEST(Accessibility, ASettingChangedWithTheKeyboardAloneReachesTheMouse) {
    Started s;
    ASSERT_TRUE(s.started);
    testing::WindowProgram& p = s.p;
    p.window.widget()->setFocus();
    key(p.window.widget(), Qt::Key_Tab);
    EXPECT_EQ(p.dlg.focusedEntry(), idOf(LayoutFile::Main, mw::kTabFirst));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(p.window.widget());
    ASSERT_NE(window->focusChild(), nullptr);
    EXPECT_EQ(window->focusChild()->text(QAccessible::Name), QStringLiteral("Buttons"));
    EXPECT_TRUE(window->focusChild()->state().focused);

    ASSERT_TRUE(tabTo(p, idOf(LayoutFile::Main, mw::kTabFirst + 1)));
    key(p.window.widget(), Qt::Key_Return);
    ASSERT_EQ(p.dlg.page(), Page::Advanced);
    const int before = p.state.settings.snapshot().shared.wheelSpeed;
    ASSERT_TRUE(tabTo(p, idOf(LayoutFile::Advance, adv::kWheelSpeed)));
    key(p.window.widget(), before > 1 ? Qt::Key_Left : Qt::Key_Right);
    const int after = p.state.settings.snapshot().shared.wheelSpeed;
    EXPECT_EQ(after, before > 1 ? before - 1 : before + 1);

    ASSERT_TRUE(tabTo(p, idOf(LayoutFile::Main, mw::kApply), true));
    key(p.window.widget(), Qt::Key_Space);
    expectWrittenAsKarvoctlComputes(s, 2);
}

TEST(Accessibility, TheMoreMenusFullWriteWritesEveryBlockWhereApplyWritesTheChangedOnes) {
    Started s;
    ASSERT_TRUE(s.started);
    testing::WindowProgram& p = s.p;
    // Nothing changed since the start-up write: Apply has (almost) nothing to send.
    ASSERT_TRUE(p.dlg.activate(idOf(LayoutFile::Main, mw::kApply)));
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 2; }));
    const device::Downloader::Summary changed = p.state.downloader.lastSummary();
    EXPECT_LT(changed.sent, changed.total);

    // The menu posts this for its third row.
    p.queue.post({msg::WM_MENU_PICK, static_cast<std::uintptr_t>(MenuKind::More), 3});
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 3; }));
    const device::Downloader::Summary full = p.state.downloader.lastSummary();
    EXPECT_EQ(full.sent, full.total);
    EXPECT_GT(full.total, 0u);
    expectWrittenAsKarvoctlComputes(s, 3);
}

TEST(SmallScreen, AWindowLargerThanTheFreeAreaIsShownScaledAndClicksStillHitTheirEntries) {
    Started s;
    ASSERT_TRUE(s.started);
    testing::WindowProgram& p = s.p;
    qt::SkinWidget* w = p.window.widget();
    const TextSize full{w->width(), w->height()};
    ASSERT_FALSE(w->viewFit().scaled());

    // Fitted to the screen the test runs on: scaled exactly when the window is larger.
    p.window.setFitToScreen(true);
    const QSize free = w->screen()->availableGeometry().size();
    const ViewFit expected = ViewFit::toFit(full, {free.width(), free.height()});
    EXPECT_DOUBLE_EQ(w->viewFit().factor, expected.factor);
    EXPECT_EQ(w->width(), expected.shown(full).width);

    // A screen of 60 % of the window, whatever this one is.
    const ViewFit fit{0.6};
    w->setViewFit(fit);
    w->setFixedSize(fit.shown(full).width, fit.shown(full).height);
    const SkinRect tab = p.state.skin.main().rect(mw::kTabFirst + 3);
    const SkinRect shownTab = fit.toShown(tab);
    testing::clickAt(w, shownTab);
    EXPECT_EQ(p.dlg.page(), Page::Lighting);
    // A click where the unscaled window had the tab, now on the page below it, does not.
    testing::clickAt(w, p.state.skin.main().rect(mw::kTabFirst + 1));
    EXPECT_EQ(p.dlg.page(), Page::Lighting);
    // The picture fills the smaller window, and tools see the entries where they are shown.
    const QImage shown = w->grab().toImage();
    EXPECT_EQ(shown.width(), fit.shown(full).width);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w);
    QAccessibleInterface* apply = childNamed(window, QStringLiteral("Apply"));
    ASSERT_NE(apply, nullptr);
    const SkinRect a = fit.toShown(p.state.skin.main().rect(mw::kApply));
    EXPECT_EQ(apply->rect(), QRect(w->mapToGlobal(QPoint(a.x, a.y)), QSize(a.width, a.height)));
    EXPECT_EQ(window->childAt(apply->rect().center().x(), apply->rect().center().y()), apply);
}

}  // namespace
}  // namespace karvo
