// The texts of the main window's pages: the captions of the header and of the shown page from
// the layout files, and on the main page the function name beside each button.
#pragma once

#include <string>

#include "ui/skin/canvas.h"
#include "ui/skin/page_view.h"

namespace karvo {

class PageTextPainter {
  public:
    static void paint(Canvas& canvas, const PageView& view);
    // What the label of a button shows: the name of its function, the keys of a combination,
    // or "Macro" with the group and macro number for a macro.
    static std::string functionLabel(const ButtonAssignment& button, const FunctionNames& names);
};

}  // namespace karvo
