// Giving a mouse button a function from the menus: the code is stored in the current profile,
// the button's macro flag is cleared, and the first profile never loses its primary click.
#pragma once

#include <cstdint>

#include "settings/settings_model.h"

namespace karvo::button_function {

// The primary click: the function that the first profile always keeps on some button.
inline constexpr std::int32_t kPrimaryClick = 1;

// Stores `code` as the function of `slot` in the current profile and clears the slot's macro
// flag (LEFT_MAC). A code other than the key combination also drops a stored combination text,
// which belongs to code 33 only. Then the primary-click guard: in the first profile, when none
// of the first `keyNum` buttons has code 1 any more, the button after the edited one gets it
// back, or the edited one itself when it is the last. Returns false (nothing changed) for a
// slot outside the first `keyNum` buttons.
bool assign(Settings& settings, int slot, std::int32_t code, int keyNum);

// True when some button of the current profile other than `slot`, among the first `keyNum`,
// has the primary click. Without one, the button menu does not open for `slot`: every choice
// there would have to give the click back at once.
bool anotherHasPrimaryClick(const Settings& settings, int slot, int keyNum);

// The function code of macro `macro` (1-based) of macro group `group` (1-based).
constexpr std::int32_t macroCode(int group, int macro) {
    return group * 256 + macro - 1;
}

}  // namespace karvo::button_function
