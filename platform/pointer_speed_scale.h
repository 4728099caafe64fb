// The program's pointer speed (1 slowest, 10 unscaled, 20 fastest) on the scale GNOME, KDE and
// the X11 libinput driver share: an acceleration from -1 (slowest) through 0 (the default) to 1.
// Speeds 1 to 10 spread evenly over -1 to 0, speeds 10 to 20 over 0 to 1.
#pragma once

#include <algorithm>
#include <cmath>

#include "platform/pointer_settings.h"

namespace karvo {

inline double libinputSpeedOf(int speed) {
    const int s = std::clamp(speed, PointerSettings::kMinSpeed, PointerSettings::kMaxSpeed);
    const int middle = PointerSettings::kUnscaledSpeed;
    if (s <= middle)
        return static_cast<double>(s - middle) / (middle - PointerSettings::kMinSpeed);
    return static_cast<double>(s - middle) / (PointerSettings::kMaxSpeed - middle);
}

// The speed whose acceleration is nearest; values outside -1 to 1 (and NaN) are held at the
// ends, NaN at the default.
inline int speedOfLibinput(double acceleration) {
    if (std::isnan(acceleration))
        return PointerSettings::kUnscaledSpeed;
    int best = PointerSettings::kMinSpeed;
    for (int s = PointerSettings::kMinSpeed; s <= PointerSettings::kMaxSpeed; ++s) {
        if (std::abs(libinputSpeedOf(s) - acceleration) <
            std::abs(libinputSpeedOf(best) - acceleration))
            best = s;
    }
    return best;
}

}  // namespace karvo
