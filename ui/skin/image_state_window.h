// The state of one skinned window or page over its layout: which entry is under the cursor
// (the hot index), whether the left button is held on it, and the copies that show that state.
// Every skinned window keeps one per layout table it hit-tests.
#pragma once

#include <cstdint>
#include <string>

#include "ui/skin/canvas.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

// No entry under the cursor. Compared as a whole number, so it can never be an entry index.
inline constexpr int NO_ITEM = 255;

// The pictures of one window or page, all of one size and registered pixel for pixel
// (full paths).
struct ImageStateSet {
    std::string mask;
    std::string normal;
    std::string over;
    std::string down;
};

class ImageStateWindow {
  public:
    // The first entry 0 .. `last` (never past the table) whose rectangle holds x, y (left and
    // top edges inside, right and bottom outside), or NO_ITEM. A lower index lies on top.
    static int hitTest(const SkinLayout& layout, std::int32_t x, std::int32_t y, int last);

    // A mouse move: takes the new hot index; true when it changed, and the window repaints.
    bool moveTo(const SkinLayout& layout, std::int32_t x, std::int32_t y, int last);
    // Left button down: the pressed flag is set when an entry is hot; true when it was.
    bool press();
    void release() { pressed_ = false; }

    int hot() const { return hot_; }
    int previousHot() const { return previous_; }
    bool pressed() const { return pressed_; }
    // Forgets the hot entry (a page change, or a test setting the scene).
    void setHot(int index) { previous_ = hot_ = index; }

    // Copies entry `index` of `layout` from `picture` onto the canvas (the rectangle divided by
    // the layout scale); nothing for an empty rectangle.
    static void copyEntry(Canvas& canvas, const std::string& picture, const SkinLayout& layout,
                          int index, int scale);

  private:
    int hot_ = NO_ITEM;
    int previous_ = NO_ITEM;
    bool pressed_ = false;
};

}  // namespace karvo
