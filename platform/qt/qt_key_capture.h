// Keyboard capture on Qt. While a capture runs, an application-wide event filter takes every
// key event before any widget sees it, and the dialog window that is shown holds a keyboard
// grab: under X11 (the xcb platform) that is a real X grab, so no other program receives the
// keys; under Wayland the keys are captured while the dialog has the focus. The physical key
// is the event's native scan code (the X11 / xkb keycode, the input event code plus 8).
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/key_capture.h"

namespace karvo::qt {

class QtKeyCapture final : public QObject, public KeyCapture {
  public:
    QtKeyCapture();
    ~QtKeyCapture() override;
    void begin(Sink sink) override;
    void end() override;
    bool exclusive() const override;

    // The virtual-key code of a Qt key on an English layout, for events without a scan code.
    static int fallbackVirtualKey(int qtKey);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void grab(QWidget* window);

    Sink sink_;
    bool active_ = false;
    QPointer<QWidget> grabbed_;
    bool nativeCodes_ = false;  // the platform's scan codes are xkb keycodes
};

}  // namespace karvo::qt
