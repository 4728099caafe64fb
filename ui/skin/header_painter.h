// The header of the main window (main table entries 0-19), drawn on every page: the current
// profile's and the current page's tabs pressed, and the hovered header entry.
#pragma once

#include "ui/skin/canvas.h"
#include "ui/skin/page_view.h"

namespace karvo {

class HeaderPainter {
  public:
    static void paint(Canvas& canvas, const PageView& view);
};

}  // namespace karvo
