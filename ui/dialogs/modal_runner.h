// The platform's part of a modal skinned dialog: a borderless window at a given place that
// feeds the dialog controller its mouse input and paints, until the controller has a result.
#pragma once

#include <string>

#include "ui/skin/canvas.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    // Size in pixels of a picture file; 0 x 0 when it cannot be read.
    virtual TextSize pictureSize(const std::string& picture) = 0;
    // Shows `dialog` in a window of `frame` (screen pixels) and runs it modally on the window
    // thread until dialog.result() holds a value or endAll() is called; returns the result
    // (0 when ended from outside).
    virtual int run(SkinnedWindow& dialog, const SkinRect& frame) = 0;
    // Ends every modal dialog that is running (the program is shutting down).
    virtual void endAll() = 0;
    // From a press on the running dialog's background: the system drags the dialog's window
    // with the mouse, as it would by a title bar. Nothing where the platform cannot.
    virtual void startSystemMove() {}
    // The innermost running dialog changed by something other than its own input (a pop-up
    // menu's choice): its window paints it again and its edit boxes show its texts.
    virtual void refresh() {}
};

}  // namespace karvo
