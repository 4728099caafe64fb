// Scaling the shown window to the screen; see view_fit.h.
#include "ui/skin/view_fit.h"

#include <algorithm>
#include <cmath>

namespace karvo {

ViewFit ViewFit::toFit(TextSize window, TextSize available) {
    ViewFit fit;
    if (window.width <= 0 || window.height <= 0 || available.width <= 0 || available.height <= 0)
        return fit;
    const double w = static_cast<double>(available.width) / window.width;
    const double h = static_cast<double>(available.height) / window.height;
    // Never below a quarter: a screen reported that small is more likely wrong than real.
    fit.factor = std::clamp(std::min(w, h), 0.25, 1.0);
    return fit;
}

TextSize ViewFit::shown(TextSize window) const {
    return {static_cast<std::int32_t>(std::floor(window.width * factor)),
            static_cast<std::int32_t>(std::floor(window.height * factor))};
}

std::int32_t ViewFit::toWindow(std::int32_t shown) const {
    return static_cast<std::int32_t>(std::floor((shown + 0.5) / factor));
}

SkinRect ViewFit::toShown(const SkinRect& r) const {
    // The first shown pixel whose centre lies in window pixel x is ceil(x f - 0.5).
    const auto edge = [this](std::int32_t v) {
        return static_cast<std::int32_t>(std::ceil(v * factor - 0.5));
    };
    const std::int32_t x = edge(r.x);
    const std::int32_t y = edge(r.y);
    return {x, y, edge(r.x + r.width) - x, edge(r.y + r.height) - y};
}

}  // namespace karvo
