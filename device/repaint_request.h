// RepaintRequest: how the device threads ask the main window to draw itself again after they
// changed the settings (a profile or DPI switch made on the mouse). They never touch a widget:
// the window's implementation turns the request into a posted message for its own thread.
#pragma once

namespace karvo::device {

class RepaintRequest {
  public:
    virtual ~RepaintRequest() = default;

    // Called from the device threads, possibly from two at once, and must return at once
    // (post, never draw or wait for the window). Several requests may be merged into one
    // repaint.
    virtual void requestRepaint() = 0;
};

}  // namespace karvo::device
