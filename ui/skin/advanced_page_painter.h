// Value drawing of the advanced page: the active DPI level, the level colours and enables,
// the four sliders with their knobs, and the report rate.
#pragma once

#include "ui/skin/canvas.h"
#include "ui/skin/page_view.h"

namespace karvo {

class AdvancedPagePainter {
  public:
    static void paint(Canvas& canvas, const PageView& view);
    // The hot entry of the advanced table: from the down picture while pressed, except the
    // slider entries, which keep their over look while dragged.
    static void paintHot(Canvas& canvas, const PageView& view);
};

// Copies the filled part of a slider entry from `picture` (picture pixels, `width` wide) and
// draws the knob at the fill's right end, `knobDx` left of it and `knobDy` below the top.
void drawSliderFill(Canvas& canvas, const PageView& view, const std::string& picture,
                    const SkinRect& entry, std::int32_t width, std::int32_t knobDx,
                    std::int32_t knobDy);

}  // namespace karvo
