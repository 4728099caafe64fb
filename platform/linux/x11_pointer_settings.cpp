// The X11 pointer back-end; see x11_pointer_settings.h. The only Xlib calls are the pointer
// control pair, and only valid values are ever sent, since an X error would end the program
// through Xlib's default handler.
#include "platform/linux/x11_pointer_settings.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace karvo {
namespace {

// Multipliers of speeds 1 to 20, in 32nds.
constexpr std::array<int, 20> kMultiplier32 = {1,  2,  4,  8,  12, 16, 20, 24, 28,  32,
                                               40, 48, 56, 64, 72, 80, 88, 96, 104, 112};
constexpr int kDefaultThreshold = 4;

}  // namespace

X11PointerSettings::Acceleration X11PointerSettings::accelerationOf(int speed) {
    const int s = std::clamp(speed, kMinSpeed, kMaxSpeed);
    const int numerator = kMultiplier32[static_cast<std::size_t>(s - 1)];
    const int divisor = std::gcd(numerator, 32);
    return {numerator / divisor, 32 / divisor, kDefaultThreshold};
}

int X11PointerSettings::speedOf(int numerator, int denominator) {
    if (denominator <= 0)
        return kMinSpeed;
    const double wanted = 32.0 * numerator / denominator;
    int best = kMinSpeed;
    for (int s = kMinSpeed; s <= kMaxSpeed; ++s) {
        const double here = kMultiplier32[static_cast<std::size_t>(s - 1)];
        const double bestHere = kMultiplier32[static_cast<std::size_t>(best - 1)];
        if (std::abs(here - wanted) < std::abs(bestHere - wanted))
            best = s;
    }
    return best;
}

std::unique_ptr<X11PointerSettings> X11PointerSettings::openSession() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return nullptr;
    return open(display);
}

std::unique_ptr<X11PointerSettings> X11PointerSettings::open(const std::string& displayName) {
    if (displayName.empty())
        return nullptr;
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr)
        return nullptr;
    return std::unique_ptr<X11PointerSettings>(new X11PointerSettings(display));
}

X11PointerSettings::~X11PointerSettings() {
    XCloseDisplay(display_);
}

X11PointerSettings::Acceleration X11PointerSettings::acceleration() {
    const std::lock_guard lock(mutex_);
    Acceleration a;
    XGetPointerControl(display_, &a.numerator, &a.denominator, &a.threshold);
    return a;
}

std::optional<int> X11PointerSettings::pointerSpeed() {
    const Acceleration a = acceleration();
    return speedOf(a.numerator, a.denominator);
}

bool X11PointerSettings::setPointerSpeed(int speed) {
    const Acceleration a = accelerationOf(speed);
    const std::lock_guard lock(mutex_);
    XChangePointerControl(display_, True, True, a.numerator, a.denominator, a.threshold);
    XSync(display_, False);
    return true;
}

}  // namespace karvo
