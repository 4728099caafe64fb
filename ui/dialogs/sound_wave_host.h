// What the sound-reactive lighting dialog asks of the platform window that shows it: a
// modeless, borderless window it can show, hide and repaint, and timers that call the
// dialog's onTimer on the window thread.
#pragma once

#include <chrono>
#include <string>

#include "ui/skin/canvas.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

class SoundWaveHost {
  public:
    virtual ~SoundWaveHost() = default;
    // Size in pixels of a picture file; 0 x 0 when it cannot be read.
    virtual TextSize pictureSize(const std::string& picture) = 0;
    // The desktop's working area, for the first placement.
    virtual SkinRect desktop() const = 0;
    // Shows the window at `frame` (screen pixels), in front, without making it modal.
    virtual void show(const SkinRect& frame) = 0;
    // Shows the window again where it was, in front.
    virtual void showAgain() = 0;
    virtual void hide() = 0;
    virtual void invalidate() = 0;
    // Lets the system drag the window with the mouse (a press on its background).
    virtual void startSystemMove() = 0;
    // Calls the dialog's onTimer(id) every `period` until stopTimer(id); starting a running
    // timer again restarts it with the new period.
    virtual void startTimer(int id, std::chrono::milliseconds period) = 0;
    virtual void stopTimer(int id) = 0;
    // The program ends: timers stop and the window goes for good.
    virtual void close() = 0;
};

}  // namespace karvo
