// Value drawing of the lighting page: the effect's options, its two sliders, the colour cycle,
// the reaction lighting of each button, and the covers over options the effect does not offer.
#pragma once

#include <span>

#include "ui/skin/canvas.h"
#include "ui/skin/page_view.h"

namespace karvo {

class LightingPagePainter {
  public:
    // The lighting entries covered with led_null.jpg for an effect type (none from 14 on).
    static std::span<const int> coveredEntries(int ledType);

    // The hot entry keeps its over look on this page, pressed or not.
    static void paintHot(Canvas& canvas, const PageView& view);
    static void paint(Canvas& canvas, const PageView& view);
};

}  // namespace karvo
