// The arguments of the lighting command 0x13, named by the settings they come from, so the
// caller fills it from the shared settings at the moment of sending.
#pragma once

#include <cstdint>

namespace karvo::device {

struct LightingEffect {
    bool LED_USER_COLER_EN = false;
    std::uint8_t colourMask = 0;  // bit k: user colour k is used (7 bits)
    bool b = false;               // single bit given by the caller, top bit of byte 3
    std::uint8_t effectType = 0;  // 0 to 7
    bool f = false;               // single bit given by the caller, bit 3 of byte 3
    std::uint8_t cycleTime = 0;   // only its low three bits travel
    bool LED_FEATURE_SCOLOR = false;
    bool LED_FEATURE_SYMMETRY = false;
    std::uint8_t LED_FEATURE_DIREC = 0;  // two bits travel
    std::uint8_t LED_BRIGHT = 0;         // three bits travel
    std::uint16_t v = 0x4002;            // 10-bit value; every caller passes 0x4002
};

}  // namespace karvo::device
