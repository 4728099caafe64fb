// A window larger than the screen's free area is shown smaller: the layout keeps its window
// pixels (hit-testing, the controllers and the pictures all work in them), and the window is
// shown scaled down by one factor. This maps between the two: points of the shown window to
// window pixels for the mouse, rectangles of the window to shown pixels for placing menus and
// child controls.
#pragma once

#include <cstdint>

#include "ui/skin/canvas.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

struct ViewFit {
    double factor = 1.0;  // shown pixels per window pixel, never above 1

    // The factor that fits a window of `window` pixels into `available` (the screen's free
    // area in the same units): 1 when it fits or the area is unknown (empty).
    static ViewFit toFit(TextSize window, TextSize available);

    bool scaled() const { return factor < 1.0; }
    // The shown size of the window.
    TextSize shown(TextSize window) const;
    // The window pixel under shown pixel (x, y): the one whose shown area holds that pixel's
    // centre, so every shown pixel of an entry hits that entry.
    std::int32_t toWindow(std::int32_t shown) const;
    // A window rectangle in shown pixels: from the shown pixel of its first window pixel to
    // the one after its last.
    SkinRect toShown(const SkinRect& rect) const;
};

}  // namespace karvo
