// Slider arithmetic of the main window.
#include "ui/skin/slider_math.h"

#include <algorithm>
#include <cmath>

namespace karvo::slider {

int stepAt(std::int32_t x, const SkinRect& entry, int steps) {
    if (steps <= 0)
        return 1;
    const std::int32_t d = x - entry.x;
    if (d <= 0)
        return 1;
    const float f = static_cast<float>(entry.width) / static_cast<float>(steps);
    const auto df = static_cast<float>(d);
    if (f > df)
        return 1;
    if (df > (static_cast<float>(steps) - 0.5f) * f)
        return steps;
    return static_cast<int>((df + f / 2.0f) / f);
}

std::int32_t xOfStep(int step, const SkinRect& entry, int steps) {
    if (steps <= 0)
        return entry.x;
    step = std::clamp(step, 1, steps);
    if (step == steps)
        return entry.x + entry.width;
    // Within half a step of step x width, which stepAt rounds back to `step` (every slider's
    // step is wider than one pixel).
    const double w = static_cast<double>(entry.width) / steps;
    return entry.x + static_cast<std::int32_t>(std::lround(step * w));
}

std::int32_t fillWidth(int value, const SkinRect& entry, int steps, int scale) {
    const int s = std::max(scale, 1);
    if (steps <= 0 || value <= 0)
        return 0;
    if (value >= steps)
        return entry.width / s;
    return value * entry.width / steps / s;
}

std::int32_t dpiFillWidth(int v, float step, int scale) {
    const int s = std::max(scale, 1);
    return static_cast<std::int32_t>(static_cast<float>(v + 1) * step / static_cast<float>(s));
}

}  // namespace karvo::slider
