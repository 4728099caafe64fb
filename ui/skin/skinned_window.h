// What a back-end window needs of a skinned window's controller: mouse input in window pixels,
// a paint on a canvas, and, for a modal dialog, the result that ends it.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/skin/canvas.h"
#include "ui/skin/paint_region.h"

namespace karvo {

class SkinnedWindow {
  public:
    virtual ~SkinnedWindow() = default;
    // Each returns true when the window must be repainted.
    virtual bool onMouseMove(std::int32_t x, std::int32_t y) = 0;
    virtual bool onLeftDown(std::int32_t x, std::int32_t y) = 0;
    virtual bool onLeftUp(std::int32_t x, std::int32_t y) = 0;
    virtual bool onMouseLeave(bool leftButtonHeld) = 0;
    // The right button released, and the key that asks for the window's system menu (with the
    // cursor's point). Dialogs have no system menu.
    virtual bool onRightUp(std::int32_t, std::int32_t) { return false; }
    virtual bool onSystemMenuKey(std::int32_t, std::int32_t) { return false; }
    virtual void paint(Canvas& canvas) = 0;
    // A modal dialog ends as soon as this holds a value; the main window never does.
    virtual std::optional<int> result() const { return std::nullopt; }
    // The window pixels the paint may cover, or null for all of them. Child controls are cut
    // out of it, so the window's picture never shows through where they sit.
    virtual const PaintRegion* paintRegion() const { return nullptr; }
};

}  // namespace karvo
