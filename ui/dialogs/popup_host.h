// The platform's part of the pop-up menus: up to three borderless pop-up windows stacked over
// the desktop (a menu, its sub-menu, and the macro choice beside a macro group), each showing a
// controller. A click outside all of them, or Escape, is a cancel, which the host reports
// through the handler it was given. The controllers decide everything else.
#pragma once

#include <functional>
#include <string>

#include "ui/skin/canvas.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

enum class PopupLevel { Menu = 0, SubMenu = 1, MacroChoice = 2 };
inline constexpr int kPopupLevels = 3;

class PopupHost {
  public:
    virtual ~PopupHost() = default;
    // Size in pixels of a picture file; 0 x 0 when it cannot be read.
    virtual TextSize pictureSize(const std::string& picture) = 0;
    // The desktop's working area (screen pixels), which a pop-up should not leave.
    virtual SkinRect workArea() = 0;
    // Shows `window` at `frame` (screen pixels) on `level`, replacing what that level showed.
    virtual void show(PopupLevel level, SkinnedWindow& window, const SkinRect& frame) = 0;
    // Takes the pop-up of `level` off the screen; nothing when none is shown.
    virtual void hide(PopupLevel level) = 0;
    virtual void repaint(PopupLevel level) = 0;
    // Called on the window thread when the user dismisses the pop-ups (Escape, a click
    // outside them, the desktop taking them away).
    virtual void setCancelHandler(std::function<void()> handler) = 0;
    // Called on the window thread with every navigation key but Escape (a cancel) typed while
    // a pop-up is shown; the menus decide which level it moves.
    virtual void setKeyHandler(std::function<void(NavigationKey)> handler) { (void)handler; }
};

}  // namespace karvo
