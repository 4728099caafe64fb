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
    DownloadConfig() {
        description.keyNum = kButtonSlots;
        for (int s = 0; s < kButtonSlots; ++s)
            description.keyMap.map(s, s + 1);
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

}  // namespace karvo::testing
