// Value drawing of the macro page: host-side playback on or off and the playback mode of the
// selected macro. The lists and edit fields are the platform's own controls.
#pragma once

#include "ui/skin/canvas.h"
#include "ui/skin/page_view.h"

namespace karvo {

class MacroPagePainter {
  public:
    static void paintHot(Canvas& canvas, const PageView& view);
    static void paint(Canvas& canvas, const PageView& view);
};

}  // namespace karvo
