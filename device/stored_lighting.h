// The lighting command 0x13 that shows the user's own lighting again after something else
// (a toggled macro's light, sound-reactive lighting) has driven the lights: the stored effect,
// its colour cycle, speed, direction and brightness, with b = 1 and f = 0.
#pragma once

#include "device/lighting_effect.h"
#include "settings/settings_model.h"

namespace karvo::device {

LightingEffect storedLighting(const SharedSettings& shared);

}  // namespace karvo::device
