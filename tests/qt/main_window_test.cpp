// The Qt main window: restore() brings back a window hidden in the tray as well as a minimised
// one.
#include <gtest/gtest.h>

#include <QApplication>

#include <string>
#include <vector>

#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_main_window.h"

namespace karvo {
namespace {

class RecordingController final : public SkinnedWindow {
  public:
    bool onMouseMove(std::int32_t, std::int32_t) override { return false; }
    bool onLeftDown(std::int32_t x, std::int32_t y) override { return record("left down", x, y); }
    bool onLeftUp(std::int32_t x, std::int32_t y) override { return record("left up", x, y); }
    bool onMouseLeave(bool) override { return false; }
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
    qt::QtMainWindow window{pictures, fonts};
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

}  // namespace
}  // namespace karvo
