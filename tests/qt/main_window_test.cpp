// The main window's Qt side: a close asked by the window manager sends the window to the tray
// through the controller instead of ending the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include "app/window_messages.h"
#include "fake_window.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_main_window.h"

namespace karvo {
namespace {

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
