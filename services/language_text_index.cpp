// The list of texts the program reads; see language_text_index.h.
#include "services/language_text_index.h"

#include <vector>

namespace karvo::text {
namespace {

std::vector<TextKey> buildList() {
    std::vector<TextKey> keys;
    const auto add = [&keys](TextSection s, int first, int count, std::string_view use) {
        for (int i = first; i < first + count; ++i)
            keys.push_back({s, i, use});
    };
    using S = TextSection;
    for (const int tipIndex :
         {tip::kNoMouse, tip::kResetting, tip::kResetDone, tip::kMissingFile, tip::kFileFailed,
          tip::kNotPossible, tip::kNoMacroGroup, tip::kOtherProduct, tip::kRecording,
          tip::kNoSelection, tip::kLightsOff, tip::kMacroLimit, tip::kDuplicateGroup,
          tip::kDeviceMemoryFull, tip::kGroupLimit})
        add(S::TipText, tipIndex, 1, "notice");
    add(S::MouseKey, 1, mousekey::kFunctionNames - 1, "function name");
    add(S::DevMac, devmac::kGroupMenuFirst, devmac::kGroupMenuRows, "group menu row");
    add(S::DevMac, devmac::kMacroMenuFirst, devmac::kMacroMenuRows, "macro menu row");
    add(S::DevMac, devmac::kKeyMenuFirst, devmac::kKeyMenuRows, "key menu row");
    add(S::DevMac, devmac::kLeftButton, 3, "mouse button name");
    add(S::DevMac, devmac::kInsertMenuFirst, devmac::kInsertMenuRows, "insert menu row");
    add(S::DevMac, devmac::kTrayShow, 2, "tray menu item");
    add(S::DevMac, devmac::kNewGroupName, 2, "default name");
    add(S::DevMac, devmac::kInsertButtonFirst, devmac::kInsertButtonRows, "insert button row");
    add(S::DevMac, devmac::kInsertMoveFirst, devmac::kInsertMoveRows, "insert move row");
    add(S::DevMac, devmac::kInsertDpiFirst, devmac::kInsertDpiRows, "insert DPI row");
    add(S::Led, led::kEffectFirst, led::kEffects, "lighting effect");
    add(S::Led, led::kReactionFirst, led::kReactions, "reaction lighting");
    add(S::Led, led::kStepEffectFirst, led::kStepEffects, "lighting step effect");
    add(S::Led, led::kBrightnessFirst, led::kBrightnessRows, "brightness row");
    add(S::Led, led::kSpeedFirst, led::kSpeedRows, "speed row");
    for (const int o :
         {other::kDisabledFunction, other::kResetDpiStep, other::kDelaySuffix, other::kLightingStep,
          other::kLightingStepOther, other::kDelayStep, other::kMacroBadge, other::kLanguageName})
        add(S::Other, o, 1, "caption");
    add(S::Other, other::kStartWithSession, 5, "more menu row");
    add(S::Other, other::kMinimise, 8, "accessible name");
    add(S::ShortCut, 0, 4, "modifier name");
    add(S::ShortCut, shortcut::kNoModifier, 2, "placeholder");
    return keys;
}

}  // namespace

std::span<const TextKey> textsRead() {
    static const std::vector<TextKey> kKeys = buildList();
    return kKeys;
}

}  // namespace karvo::text
