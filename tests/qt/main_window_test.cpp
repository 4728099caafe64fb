// The Qt main window: restore() brings back a window hidden in the tray as well as a minimised
// one, a close asked by the window manager sends the window to the tray through the controller
// instead of ending the program, and the skinned widget hands the right button and Alt+Space to
// its controller.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <string>
#include <vector>

#include "app/window_messages.h"
#include "fake_window.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/skin_widget.h"

namespace karvo {
namespace {

class RecordingController final : public SkinnedWindow {
  public:
    bool onMouseMove(std::int32_t, std::int32_t) override { return false; }
    bool onLeftDown(std::int32_t x, std::int32_t y) override { return record("left down", x, y); }
    bool onLeftUp(std::int32_t x, std::int32_t y) override { return record("left up", x, y); }
    bool onMouseLeave(bool) override { return false; }
    bool onRightUp(std::int32_t x, std::int32_t y) override { return record("right up", x, y); }
    bool onSystemMenuKey(std::int32_t, std::int32_t) override {
        calls.push_back("menu key");
        return false;
    }
    void paint(Canvas&) override {}

    std::vector<std::string> calls;

  private:
    bool record(const std::string& what, std::int32_t x, std::int32_t y) {
        calls.push_back(what + " " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }
};

struct Window {
    Window() {
        window.setFixedSize({200, 100});
        window.attach(controller);
    }
    qt::PictureCache pictures;
    qt::QtFonts fonts;
    RecordingController controller;
    testing::RecordingQueue queue;
    qt::QtMainWindow window{pictures, fonts, queue};
};

TEST(QtMainWindow, RestoreBringsBackAWindowHiddenInTheTrayOrMinimised) {
    Window w;
    w.window.widget()->show();
    ASSERT_FALSE(w.window.hidden());

    // The system menu's Close: minimised, then off screen.
    w.window.minimise();
    w.window.hide();
    ASSERT_TRUE(w.window.hidden());
    w.window.restore();
    EXPECT_FALSE(w.window.hidden());
    EXPECT_FALSE(w.window.widget()->isMinimized());

    w.window.minimise();
    ASSERT_TRUE(w.window.widget()->isMinimized());
    w.window.restore();
    EXPECT_FALSE(w.window.hidden());
    EXPECT_FALSE(w.window.widget()->isMinimized());
}

TEST(SkinWidget, TheRightButtonAndTheSystemMenuKeyReachTheController) {
    Window w;
    QWidget* widget = w.window.widget();
    const auto release = [widget](Qt::MouseButton button, QPointF at) {
        QMouseEvent e(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &e);
    };
    const auto key = [widget](int code, Qt::KeyboardModifiers modifiers) {
        QKeyEvent e(QEvent::KeyPress, code, modifiers);
        QCoreApplication::sendEvent(widget, &e);
    };
    release(Qt::RightButton, {12, 34});
    release(Qt::LeftButton, {5, 6});
    release(Qt::MiddleButton, {7, 8});
    key(Qt::Key_Space, Qt::AltModifier);
    key(Qt::Key_Space, Qt::NoModifier);
    key(Qt::Key_Space, Qt::AltModifier | Qt::ShiftModifier);
    key(Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(w.controller.calls,
              (std::vector<std::string>{"right up 12,34", "left up 5,6", "menu key"}));
}

class IdleWindow final : public SkinnedWindow {
  public:
    bool onMouseMove(std::int32_t, std::int32_t) override { return false; }
    bool onLeftDown(std::int32_t, std::int32_t) override { return false; }
    bool onLeftUp(std::int32_t, std::int32_t) override { return false; }
    bool onMouseLeave(bool) override { return false; }
    void paint(Canvas&) override {}
};

TEST(QtMainWindow, AWindowManagerCloseBecomesTheSystemCloseCommand) {
    qt::PictureCache pictures;
    qt::QtFonts fonts;
    testing::RecordingQueue queue;
    qt::QtMainWindow window(pictures, fonts, queue);
    IdleWindow controller;
    window.attach(controller);
    window.setFixedSize({200, 100});
    window.widget()->show();

    EXPECT_FALSE(window.widget()->close());  // refused: the controller decides
    EXPECT_TRUE(window.widget()->isVisible());
    ASSERT_EQ(queue.posted.size(), 1u);
    EXPECT_EQ(queue.posted[0], (WindowMessage{msg::WM_SYSCOMMAND, msg::SC_CLOSE, 0}));

    window.hide();
    EXPECT_TRUE(window.hidden());
    window.restore();  // from the tray: shown again
    EXPECT_FALSE(window.hidden());

    // The program's own end is not refused: the event loop ends.
    queue.posted.clear();
    window.close();
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });  // a guard, not a timing
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(queue.posted.empty());
    EXPECT_TRUE(window.widget()->close());
}

}  // namespace
}  // namespace karvo
