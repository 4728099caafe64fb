// The keyboard focus shared by the skinned windows: Tab order with wrapping and entries that
// cannot take the focus, Enter and Space as a click on the focused entry's centre, a focus
// that is lost with its entry, and the ring drawn around the entry.
#include "ui/skin/keyboard_focus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_canvas.h"

namespace karvo {
namespace {

AccessibleEntry entry(int id, SkinRect rect, bool focusable = true) {
    AccessibleEntry e;
    e.id = id;
    e.rect = rect;
    e.focusable = focusable;
    return e;
}

// Records the mouse the focus sends it.
class ClickedWindow final : public SkinnedWindow {
  public:
    bool onMouseMove(std::int32_t x, std::int32_t y) override { return log("move", x, y); }
    bool onLeftDown(std::int32_t x, std::int32_t y) override { return log("down", x, y); }
    bool onLeftUp(std::int32_t x, std::int32_t y) override { return log("up", x, y); }
    bool onMouseLeave(bool) override { return false; }
    void paint(Canvas&) override {}
    std::vector<std::string> calls;

  private:
    bool log(const char* what, std::int32_t x, std::int32_t y) {
        calls.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
        return true;
    }
};

const std::vector<AccessibleEntry> kEntries = {entry(7, {0, 0, 10, 10}),
                                               entry(3, {20, 0, 10, 10}, false),
                                               entry(9, {40, 0, 20, 10}), entry(1, {0, 20, 30, 6})};

TEST(KeyboardFocus, TabVisitsTheFocusableEntriesInOrderAndWrapsBothWays) {
    KeyboardFocus f;
    std::vector<int> forward;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(f.move(kEntries, true));
        forward.push_back(f.focused());
    }
    EXPECT_EQ(forward, (std::vector<int>{7, 9, 1, 7}));  // 3 cannot take the focus
    f.clear();
    std::vector<int> backward;
    for (int i = 0; i < 4; ++i) {
        f.move(kEntries, false);
        backward.push_back(f.focused());
    }
    EXPECT_EQ(backward, (std::vector<int>{1, 9, 7, 1}));
}

TEST(KeyboardFocus, AFocusWhoseEntryIsGoneIsFoundNowhereAndTabStartsAgain) {
    KeyboardFocus f;
    f.set(42);
    EXPECT_EQ(f.find(kEntries), nullptr);
    EXPECT_TRUE(f.move(kEntries, true));
    EXPECT_EQ(f.focused(), 7);
    ASSERT_NE(f.find(kEntries), nullptr);
    EXPECT_EQ(f.find(kEntries)->rect, (SkinRect{0, 0, 10, 10}));
    // Nothing focusable: nothing to move to.
    EXPECT_FALSE(f.move({entry(3, {0, 0, 1, 1}, false)}, true));
}

TEST(KeyboardFocus, EnterAndSpaceClickTheFocusedEntrysCentreAndOtherKeysAreLeft) {
    ClickedWindow w;
    KeyboardFocus f;
    bool repaint = false;
    // Without a focus Enter is taken but clicks nothing.
    EXPECT_TRUE(f.handle(w, kEntries, NavigationKey::Enter, repaint));
    EXPECT_TRUE(w.calls.empty());
    f.set(9);
    EXPECT_TRUE(f.handle(w, kEntries, NavigationKey::Space, repaint));
    EXPECT_TRUE(repaint);
    EXPECT_EQ(w.calls, (std::vector<std::string>{"move 50,5", "down 50,5", "up 50,5"}));
    w.calls.clear();
    f.set(1);
    f.handle(w, kEntries, NavigationKey::Enter, repaint);
    EXPECT_EQ(w.calls.front(), "move 15,23");
    for (const NavigationKey k :
         {NavigationKey::Left, NavigationKey::Up, NavigationKey::Escape, NavigationKey::Home})
        EXPECT_FALSE(f.handle(w, kEntries, k, repaint));
}

TEST(KeyboardFocus, TheRingFramesTheEntryAlongItsInnerEdge) {
    testing::RecordingCanvas canvas;
    KeyboardFocus::paintRing(canvas, {100, 50, 40, 20});
    std::vector<SkinRect> frame;
    for (const auto& op : canvas.ofKind(testing::RecordingCanvas::Op::Kind::Fill)) {
        EXPECT_EQ(op.colour, KeyboardFocus::kRingColour);
        frame.push_back(op.rect);
    }
    EXPECT_EQ(frame, (std::vector<SkinRect>{
                         {100, 50, 40, 2}, {100, 68, 40, 2}, {100, 52, 2, 16}, {138, 52, 2, 16}}));
}

}  // namespace
}  // namespace karvo
