// Pointer speed of an X11 session: the pointer acceleration that "xset m" shows and changes
// (XChangePointerControl), set from the program's 1-20 speed scale. X11 has no wheel-lines
// setting of its own (each toolkit scrolls its own way), so that one reads as unavailable.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/pointer_settings.h"

struct _XDisplay;

namespace karvo {

class X11PointerSettings final : public PointerSettings {
  public:
    // The acceleration for a speed: motion faster than `threshold` pixels is multiplied by
    // numerator / denominator. The multiplier follows the usual desktop speed scale:
    // 1/32, 1/16, 1/8, then steps of 1/8 up to 1 at speed 10, then steps of 1/4 up to 3.5 at
    // speed 20; the threshold stays at X's default of 4, and speed 10 is plain 1/1.
    struct Acceleration {
        int numerator = 1;
        int denominator = 1;
        int threshold = 4;
        bool operator==(const Acceleration&) const = default;
    };
    static Acceleration accelerationOf(int speed);
    // The speed whose multiplier is nearest to numerator / denominator (1 for a zero or
    // negative denominator).
    static int speedOf(int numerator, int denominator);

    // Connects to the display named by $DISPLAY; nothing when it is unset or empty or the
    // server cannot be reached. The session then has no pointer back-end.
    static std::unique_ptr<X11PointerSettings> openSession();
    // Connects to the named display ("" is not accepted: it would mean $DISPLAY).
    static std::unique_ptr<X11PointerSettings> open(const std::string& displayName);

    ~X11PointerSettings() override;
    X11PointerSettings(const X11PointerSettings&) = delete;
    X11PointerSettings& operator=(const X11PointerSettings&) = delete;

    std::optional<int> pointerSpeed() override;
    bool setPointerSpeed(int speed) override;
    std::optional<int> wheelLines() override { return std::nullopt; }
    bool setWheelLines(int) override { return false; }

    // The acceleration the server holds now.
    Acceleration acceleration();

  private:
    explicit X11PointerSettings(_XDisplay* display) : display_(display) {}

    std::mutex mutex_;  // one Xlib connection, used by one thread at a time
    _XDisplay* display_;
};

}  // namespace karvo
