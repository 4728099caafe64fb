// The icon strip of the macro page's list boxes (list_icons.png): 16 x 16 cells side by side,
// in the order of ListIcon, on a transparent background.
#pragma once

#include <QImage>

#include "tools/skin_painter/skin_writer.h"

namespace karvo::painter {

class ListIcons {
  public:
    static QImage draw();
    static void write(SkinWriter& out);
};

}  // namespace karvo::painter
