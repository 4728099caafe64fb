// Pointer speed of an X11 session without a desktop that keeps its own: the "libinput Accel
// Speed" property (-1 to 1) of every mouse the libinput driver runs, as `xinput set-prop` sets
// it, the same value GNOME and KDE give the driver on X11. Touchpads keep theirs. The core
// pointer control ("xset m") is left alone: libinput devices do not follow it. X11 has no
// wheel-lines setting of its own (each toolkit scrolls its own way), so that one reads as
// unavailable.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/pointer_settings.h"

struct _XDisplay;

namespace karvo {

class X11PointerSettings final : public PointerSettings {
  public:
    static constexpr const char* kSpeedProperty = "libinput Accel Speed";
    // Only touchpads have it: the mark of a device this back-end leaves alone.
    static constexpr const char* kTouchpadProperty = "libinput Tapping Enabled";

    // Connects to the display named by $DISPLAY; nothing when it is unset or empty, the server
    // cannot be reached or has no XInput 2.
    static std::unique_ptr<X11PointerSettings> openSession();
    // Connects to the named display ("" is not accepted: it would mean $DISPLAY).
    static std::unique_ptr<X11PointerSettings> open(const std::string& displayName);

    ~X11PointerSettings() override;
    X11PointerSettings(const X11PointerSettings&) = delete;
    X11PointerSettings& operator=(const X11PointerSettings&) = delete;

    // The speed of the first mouse; nothing when no device has the property.
    std::optional<int> pointerSpeed() override;
    // Every mouse; false when there is none or the server refused all.
    bool setPointerSpeed(int speed) override;
    std::optional<int> wheelLines() override { return std::nullopt; }
    bool setWheelLines(int) override { return false; }

    // The XInput ids of the mice whose speed this back-end sets, as the server lists them now.
    std::vector<int> mice();

  private:
    explicit X11PointerSettings(_XDisplay* display) : display_(display) {}
    std::optional<float> speedOf(int device);

    std::mutex mutex_;  // one Xlib connection, used by one thread at a time
    _XDisplay* display_;
};

}  // namespace karvo
