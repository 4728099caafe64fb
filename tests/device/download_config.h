// Test fixture: a configuration to download (settings, a twelve-button device description whose
// slot s is device key s + 1, macro sources in memory, the key tables) and small builders for
// the macros the tests place on buttons.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "device/device_memory_image.h"
#include "device/in_memory_macro_sources.h"
#include "macro/mac_vk_and_text.h"
#include "settings/device_description.h"
#include "settings/settings_model.h"

namespace karvo::testing {

struct DownloadConfig {
    // Every button's function is 0 but the first of profile 0, the primary click that a
    // download keeps in any case.
    DownloadConfig() {
        description.keyNum = kButtonSlots;
        for (int s = 0; s < kButtonSlots; ++s)
            description.keyMap.map(s, s + 1);
        settings.profiles[0].buttons[0].function = 1;
    }

    ButtonAssignment& button(int profile, int slot) {
        return settings.profiles[static_cast<std::size_t>(profile)]
            .buttons[static_cast<std::size_t>(slot)];
    }

    device::DeviceMemoryImage image(device::DeviceMemoryImage::Inputs inputs = {}) const {
        return device::DeviceMemoryImage::build(settings, description, sources, keys, inputs);
    }

    Settings settings;
    DeviceDescription description;
    device::InMemoryMacroSources sources;
    MacVkAndText keys;
};

// A macro of `steps` key presses `delay` ms apart, in playback mode `mode`.
inline MacroRecord pressMacro(int steps, std::uint16_t delay = 10, std::uint8_t mode = 0) {
    MacroRecord r;
    r.mode = mode;
    r.repeatCount = 1;
    for (int i = 0; i < steps; ++i)
        r.steps[r.stepCount++] = {stepkind::kPress, static_cast<std::uint8_t>(4 + i % 20), 0, 0,
                                  delay};
    return r;
}

// A configuration that uses most of what the mouse holds: four profiles with macros on most
// buttons (group macros shared between profiles, a held gun preset that gets stretched, key
// combinations, lighting and move steps), consumer keys, a profile switch and DPI keys.
inline void fillRichConfig(DownloadConfig& config) {
    auto& groups = config.sources.groups;
    groups.assign(3, {});
    for (int g = 0; g < 3; ++g) {
        for (int m = 0; m < 4; ++m) {
            MacroRecord r = pressMacro(10 + 8 * m + 2 * g, static_cast<std::uint16_t>(20 + 70 * m),
                                       static_cast<std::uint8_t>(m % 3));
            r.steps[r.stepCount++] = {stepkind::kMoveRightUp, macrokey::kMove, 3, 7, 15};
            ++r.moveCount;
            if (m == 1) {
                r.steps[r.stepCount++] = {stepkind::kLightingFirst, macrokey::kLighting, 0, 0, 5};
                r.lighting[0] = LedEffectRecord::forNewStep();
                r.lighting[0].bytes[0] = 3;
                ++r.lightingCount;
            }
            if (m == 2) {
                r.steps[r.stepCount++] = {stepkind::kSetSensitivity, macrokey::kSensitivity, 2, 0,
                                          40};
                ++r.sensitivityCount;
            }
            groups[static_cast<std::size_t>(g)].push_back(r);
        }
    }
    MacroRecord recoil;
    recoil.setPlaybackMode(PlaybackMode::Mode2);
    recoil.steps[0] = {stepkind::kPress, macrokey::kMouseLeft, 0, 0, 3};
    recoil.steps[1] = {stepkind::kMoveRightDown, macrokey::kMove, 0, 4, 3};
    recoil.steps[2] = {stepkind::kRelease, macrokey::kMouseLeft, 0, 0, 3};
    recoil.stepCount = 3;
    recoil.moveCount = 1;
    recoil.extraA = 1;
    recoil.extraB = 25;
    config.sources.presets = {recoil, pressMacro(4, 30)};

    Settings& s = config.settings;
    for (int p = 0; p < kProfiles; ++p) {
        const int functions[kButtonSlots] = {
            1,           2,  256 + 256 * (p % 3), 257 + p % 3, 258,    259,
            512 + p % 4, 50, 51 - p % 2,          33,          23 + p, 19};
        for (int b = 0; b < kButtonSlots; ++b) {
            ButtonAssignment& button = config.button(p, b);
            button.function = functions[b];
            button.ledReactType = b % 4;
            button.leftMac = b == 4 ? 1 : 0;
            if (button.function == kFunctionCombination) {
                button.combination = "Ctrl&split&162&split&C&split&67";
                s.macroCopies[static_cast<std::size_t>(p)][static_cast<std::size_t>(b)] =
                    pressMacro(2, 4, 2);
            }
        }
    }
    for (std::size_t k = 0; k < kDpiLevels; ++k) {
        s.shared.dpi[k].step = static_cast<std::uint8_t>(3 * k + 1);
        s.shared.dpi[k].enabled = k % 2 == 0;
        s.shared.dpi[k].colour = {static_cast<std::int32_t>(k), 15 - static_cast<std::int32_t>(k),
                                  7};
    }
    for (std::size_t c = 0; c < kUserColours; ++c)
        s.shared.userColour[c] = {static_cast<std::int32_t>(c), 2, 15};
    s.shared.ledType = 9;
    s.shared.ledCycleTime = 4;
    s.shared.colourCycleMask = 0x3F;
    s.shared.fireTime = 120;
    s.shared.dpiLevel = 2;
    s.currentProfile = 1;
}

}  // namespace karvo::testing
