// PointerSettings: the desktop session's pointer speed and wheel scroll lines, which a download
// sets from the profile's DPI_SPEED and WHEEL_SPEED. A back-end that cannot read a setting says
// so, and the caller then leaves that setting alone.
#pragma once

#include <optional>

namespace karvo {

class PointerSettings {
  public:
    // The speed scale: 1 slowest, 10 unscaled motion, 20 fastest; 0 is taken as 1.
    static constexpr int kMinSpeed = 1;
    static constexpr int kUnscaledSpeed = 10;
    static constexpr int kMaxSpeed = 20;

    virtual ~PointerSettings() = default;

    // The session's pointer speed on the scale above (the nearest step when the session holds
    // a value between steps); nothing when the session has no pointer speed this back-end
    // can change.
    virtual std::optional<int> pointerSpeed() = 0;
    // Sets the pointer speed for the whole session; values outside 0 to 20 are held at the
    // ends. False when the session refused it.
    virtual bool setPointerSpeed(int speed) = 0;

    // Lines scrolled per wheel notch; nothing when the session has no such setting.
    virtual std::optional<int> wheelLines() = 0;
    virtual bool setWheelLines(int lines) = 0;
};

}  // namespace karvo
