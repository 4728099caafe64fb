// Which language text the program reads for what: the notices (TipText) and the names and
// captions of the other sections. The window and dialog code name texts through these
// constants; the data tests check that every language file has all of them.
#pragma once

#include <span>
#include <string_view>

#include "services/language_text.h"

namespace karvo::text {

struct TextKey {
    TextSection section;
    int index;
    std::string_view use;
};

// [TipText]: notices of the warning dialog.
namespace tip {
inline constexpr int kNoMouse = 1;  // followed by the product name
inline constexpr int kResetting = 2;
inline constexpr int kResetDone = 3;
inline constexpr int kMissingFile = 4;
inline constexpr int kFileFailed = 5;
inline constexpr int kNotPossible = 6;
inline constexpr int kNoMacroGroup = 7;
inline constexpr int kOtherProduct = 8;
inline constexpr int kRecording = 9;
inline constexpr int kNoSelection = 12;
inline constexpr int kLightsOff = 16;
inline constexpr int kMacroLimit = 21;
inline constexpr int kDuplicateGroup = 23;
inline constexpr int kDeviceMemoryFull = 29;
inline constexpr int kGroupLimit = 30;
}  // namespace tip

// [UniqueName_DevMac]: menu rows and default names.
namespace devmac {
inline constexpr int kGroupMenuFirst = 0;  // menu kind 11, nine rows
inline constexpr int kGroupMenuRows = 9;
inline constexpr int kMacroMenuFirst = 9;  // menu kind 12, four rows
inline constexpr int kMacroMenuRows = 4;
inline constexpr int kKeyMenuFirst = 13;  // menu kind 13, two rows
inline constexpr int kKeyMenuRows = 2;
inline constexpr int kLeftButton = 20;
inline constexpr int kMiddleButton = 21;
inline constexpr int kRightButton = 22;
inline constexpr int kInsertMenuFirst = 23;  // menu kind 14, seven rows
inline constexpr int kInsertMenuRows = 7;
inline constexpr int kTrayShow = 34;
inline constexpr int kTrayExit = 35;
inline constexpr int kNewGroupName = 36;
inline constexpr int kNewMacroName = 37;
inline constexpr int kInsertButtonFirst = 38;  // sub-menus 141 and 142, six rows
inline constexpr int kInsertButtonRows = 6;
inline constexpr int kInsertMoveFirst = 44;  // sub-menu 143, four rows
inline constexpr int kInsertMoveRows = 4;
inline constexpr int kInsertDpiFirst = 48;  // sub-menu 144, two rows
inline constexpr int kInsertDpiRows = 2;
}  // namespace devmac

// [UniqueName_LED]: lighting names.
namespace led {
inline constexpr int kEffectFirst = 0;  // the fourteen effects, LED_TYPE 0-13 (menu kind 4)
inline constexpr int kEffects = 14;
inline constexpr int kReactionFirst = 14;  // menu kind 5 and the per-button sub-menu, four rows
inline constexpr int kReactions = 4;
inline constexpr int kStepEffectFirst = 18;  // menu kind 6, eleven rows
inline constexpr int kStepEffects = 11;
inline constexpr int kBrightnessFirst = 29;  // sub-menu of lighting entry 40, eight rows
inline constexpr int kBrightnessRows = 8;
inline constexpr int kSpeedFirst = 37;  // sub-menu of lighting entry 41, six rows
inline constexpr int kSpeedRows = 6;
}  // namespace led

// [UniqueName_Other]: captions and step texts.
namespace other {
inline constexpr int kDisabledFunction = 1;  // the name of function 0
inline constexpr int kResetDpiStep = 11;
inline constexpr int kDelaySuffix = 12;
inline constexpr int kLightingStep = 13;
inline constexpr int kLightingStepOther = 14;
inline constexpr int kDelayStep = 17;
inline constexpr int kMacroBadge = 20;    // drawn into zhi.png
inline constexpr int kLanguageName = 21;  // drawn into ver_normal.jpg and ver_over.jpg
// The rows of the "more" menu (kind 3) and the state the first one shows.
inline constexpr int kStartWithSession = 30;
inline constexpr int kAbout = 31;
inline constexpr int kWriteEverything = 32;
inline constexpr int kOn = 33;
inline constexpr int kOff = 34;
// What screen readers call the window's symbol entries and colour wells, 35-42.
inline constexpr int kMinimise = 35;
inline constexpr int kClose = 36;
inline constexpr int kMinimiseToTray = 37;
inline constexpr int kLanguage = 38;
inline constexpr int kMore = 39;
inline constexpr int kWebPage = 40;
inline constexpr int kColour = 41;
inline constexpr int kInColourCycle = 42;
}  // namespace other

// [UniqueName_ShortCut]: the combination key dialog.
namespace shortcut {
inline constexpr int kNoModifier = 4;  // placeholder of the modifier field
inline constexpr int kNoKey = 5;       // placeholder of the key field
}  // namespace shortcut

// [UniqueName_MouseKey] 0-33: the function names, as [FUN_STRING] has them.
namespace mousekey {
inline constexpr int kFunctionNames = 34;
}  // namespace mousekey

// Every text the program reads.
std::span<const TextKey> textsRead();

}  // namespace karvo::text
