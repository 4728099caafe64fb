// The user's lighting as one command; see stored_lighting.h.
#include "device/stored_lighting.h"

namespace karvo::device {

LightingEffect storedLighting(const SharedSettings& shared) {
    LightingEffect e;
    e.LED_USER_COLER_EN = shared.ledUserColourEnable != 0;
    e.colourMask = static_cast<std::uint8_t>(shared.colourCycleMask & 0x7F);
    e.b = true;
    e.effectType = static_cast<std::uint8_t>(shared.ledType & 7);
    e.f = false;
    e.cycleTime = shared.ledCycleTime;
    e.LED_FEATURE_SCOLOR = shared.ledStartColour != 0;
    e.LED_FEATURE_SYMMETRY = shared.ledSymmetry != 0;
    e.LED_FEATURE_DIREC = static_cast<std::uint8_t>(shared.ledDirection & 3);
    e.LED_BRIGHT = static_cast<std::uint8_t>(shared.ledBrightness & 7);
    return e;
}

}  // namespace karvo::device
