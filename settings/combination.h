// Key combinations of buttons with function code 33: the stored form kept in config.ini
// ("Ctrl&split&162&split&...&split&C&split&67": key names and virtual-key codes in pairs),
// the text shown for it, and the key sequence the mouse plays for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macro/mac_vk_and_text.h"
#include "settings/settings_model.h"

namespace karvo::combination {

inline constexpr std::string_view kSeparator = "&split&";
// The key code the capture dialog sends when no key (only modifiers) was captured.
inline constexpr int kNoKey = 255;

struct Key {
    std::string name;
    int vkCode = 0;
    bool operator==(const Key&) const = default;
};

// The keys of a stored form: its fields read in pairs (name, code), skipping every pair whose
// code field is empty. Codes outside 0 to 255 cannot be virtual keys and are skipped too.
std::vector<Key> parse(std::string_view stored);

// The display form: the kept names joined by "+".
std::string displayText(std::string_view stored);

// Builds the stored form from what the combination key dialog delivers: the captured key names
// joined by kSeparator and the key's virtual-key code (kNoKey when only modifiers were held).
// When there is a key, the last name is the key's; the other names set the modifiers
// "Ctrl", "Shift", "Alt" and "Win" to the codes of their left-hand keys.
std::string build(std::string_view captured, int keyCode);

// The combination dialog's result for slot (high byte of `word`) and key code (low byte):
// stores the combination of the current profile's slot and regenerates every copy. Slots
// beyond the model's are ignored.
void store(Settings& settings, const MacVkAndText& keys, std::string_view captured,
           std::uint16_t word);

// Clears every profile's and button's macro copy and generates those of the combination
// buttons again: named by the display text, mode 2, run once, one press step per key (the
// virtual key converted to the mouse's key code through the language's table), 4 ms apart.
void regenerateCopies(Settings& settings, const MacVkAndText& keys);

}  // namespace karvo::combination
