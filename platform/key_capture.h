// Keyboard capture for the key and combination dialogs: while a capture runs, every key the
// user presses goes to the program and, as far as the desktop allows, to no other program.
// Under X11 the back-end holds a keyboard grab; under Wayland, which lets no client take the
// keyboard, it captures the keys while the dialog has the focus.
//
// Events carry the physical key (the Linux input event code, the same on every layout) rather
// than a character or a layout's key symbol: the program turns it into the virtual-key code of
// its own keyboard language, whatever layout the desktop uses.
#pragma once

#include <functional>

namespace karvo {

struct PhysicalKeyEvent {
    bool down = true;
    // Linux input event code (KEY_A = 30 ...); 0 when the system gave none.
    int evdevCode = 0;
    // Without an event code (a test platform, a synthetic event): the virtual-key code the
    // back-end derived from the key symbol, as on an English layout; 0 for none.
    int fallbackVirtualKey = 0;
    bool altHeld = false;
    bool ctrlHeld = false;
};

class KeyCapture {
  public:
    using Sink = std::function<void(const PhysicalKeyEvent&)>;
    virtual ~KeyCapture() = default;
    // Starts delivering key events to `sink` on the window thread; they reach no window of
    // the program. A running capture is replaced.
    virtual void begin(Sink sink) = 0;
    // Ends the capture and gives the keyboard back. Nothing when none runs.
    virtual void end() = 0;
    // True while other programs cannot see the keys (a keyboard grab is held).
    virtual bool exclusive() const = 0;
};

// Ends a capture when the dialog that began it goes, whichever way it goes.
class KeyCaptureScope {
  public:
    KeyCaptureScope(KeyCapture& capture, KeyCapture::Sink sink) : capture_(capture) {
        capture_.begin(std::move(sink));
    }
    ~KeyCaptureScope() { capture_.end(); }
    KeyCaptureScope(const KeyCaptureScope&) = delete;
    KeyCaptureScope& operator=(const KeyCaptureScope&) = delete;

  private:
    KeyCapture& capture_;
};

}  // namespace karvo
