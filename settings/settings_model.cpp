// Derived values of the settings model; see settings_model.h.
#include "settings/settings_model.h"

namespace karvo {

std::uint32_t screenColour(const ColourLevels& levels) {
    const auto component = [](std::int32_t level) -> std::uint32_t {
        return static_cast<std::uint32_t>(255 - 16 * static_cast<std::int64_t>(level)) & 0xFF;
    };
    return component(levels.r) | (component(levels.g) << 8) | (component(levels.b) << 16);
}

}  // namespace karvo
