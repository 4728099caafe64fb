// Value drawing of the main page: the hovered entry, the hotspot/label pairs of the mouse's
// buttons and the macro badge over a hovered button that runs a macro.
#pragma once

#include "ui/skin/canvas.h"
#include "ui/skin/page_view.h"

namespace karvo {

class MainPagePainter {
  public:
    enum class Badge { NotNeeded, Drawn, NotDrawn, Missing };

    // Draws the page's hot entry and its pair. Returns what became of the badge: Missing when
    // a hotspot is hovered and zhi.png cannot be read (the caller tells the user).
    static Badge paint(Canvas& canvas, const PageView& view);
};

}  // namespace karvo
