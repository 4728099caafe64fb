// GNOME's mouse speed through gsettings; see gnome_pointer_settings.h.
#include "platform/linux/gnome_pointer_settings.h"

#include <charconv>
#include <string>

#include "platform/linux/settings_text.h"
#include "platform/pointer_speed_scale.h"

namespace karvo {

std::optional<int> GnomePointerSettings::pointerSpeed() {
    const auto out = runner_.run({"gsettings", "get", kSchema, kKey});
    if (!out)
        return std::nullopt;
    const auto value = settings_text::parseDouble(*out);
    if (!value)
        return std::nullopt;
    return speedOfLibinput(*value);
}

bool GnomePointerSettings::setPointerSpeed(int speed) {
    return runner_
        .run({"gsettings", "set", kSchema, kKey,
              settings_text::formatDouble(libinputSpeedOf(speed))})
        .has_value();
}

}  // namespace karvo
