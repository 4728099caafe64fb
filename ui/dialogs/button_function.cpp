// Function assignment and the primary-click guard; see button_function.h.
#include "ui/dialogs/button_function.h"

#include <algorithm>

namespace karvo::button_function {

bool assign(Settings& settings, int slot, std::int32_t code, int keyNum) {
    keyNum = std::clamp(keyNum, 0, kButtonSlots);
    if (slot < 0 || slot >= keyNum)
        return false;
    auto& buttons = settings.current().buttons;
    ButtonAssignment& b = buttons[static_cast<std::size_t>(slot)];
    b.function = code;
    b.leftMac = 0;
    if (code != kFunctionCombination)
        b.combination.clear();

    if (settings.currentProfile != 0)
        return true;
    const bool clickLeft =
        std::any_of(buttons.begin(), buttons.begin() + keyNum,
                    [](const ButtonAssignment& a) { return a.function == kPrimaryClick; });
    if (!clickLeft) {
        const int heir = slot + 1 < keyNum ? slot + 1 : slot;
        ButtonAssignment& h = buttons[static_cast<std::size_t>(heir)];
        h.function = kPrimaryClick;
        h.leftMac = 0;
        h.combination.clear();
    }
    return true;
}

bool anotherHasPrimaryClick(const Settings& settings, int slot, int keyNum) {
    keyNum = std::clamp(keyNum, 0, kButtonSlots);
    const auto& buttons = settings.current().buttons;
    for (int n = 0; n < keyNum; ++n) {
        if (n != slot && buttons[static_cast<std::size_t>(n)].function == kPrimaryClick)
            return true;
    }
    return false;
}

}  // namespace karvo::button_function
