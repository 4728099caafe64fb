// Which layout entry is which control, for every skinned window. The window code names its
// entries through these constants, the picture generator draws each control where its entry
// lies, and the data tests check that every listed entry has a rectangle inside its picture.
// Plain C++ with no dependencies, so the Qt generator includes it as it is.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "ui/skin/layout_files.h"

namespace karvo::skin {

// How a control looks, which is all the generator needs to draw it.
enum class Look {
    Caption,       // text only, drawn by the window; nothing in the picture
    Button,        // plain push button with a text
    AccentButton,  // the one primary action of a window
    IconButton,    // a square button with a symbol and no text
    Tab,           // page tab of the header; selected = down
    Segment,       // one choice of a segmented control; selected = down
    Toggle,        // check box with an optional text beside it; checked = down
    Switch,        // on/off switch; on = down, off = over
    Slider,        // a track filled from the left by the window; the filled look is down
    Swatch,        // a colour well the window fills; the picture draws its frame around it
    Hotspot,       // a button of the mouse drawing on the main page
    Callout,       // a button's function label on the main page
    Field,         // a read-only value field the window writes into
    Dropdown,      // a button that opens a pop-up menu
    Indicator,     // a small lamp that the window lights (down) to show a state
    Panel,         // an area the window covers (led_null, new_down) or draws into (bars, gun)
    Bar,           // one bar of the sound level display
    Link,          // the web address entry
    List,          // an owner-drawn list box or edit field of the platform lies here
};

struct Control {
    int index;
    Look look;
    std::string_view name;
};

// ---- skin_main.ini: the header (entries 0-19, on every page) and the main page ----
namespace main_window {
inline constexpr int kMinimise = 0;
inline constexpr int kClose = 1;
inline constexpr int kMinimiseToTray = 2;
inline constexpr int kApply = 3;
inline constexpr int kLanguage = 4;
inline constexpr int kLogo = 5;
inline constexpr int kTabFirst = 6;  // 6 buttons, 7 advanced, 8 macro, 9 lighting
inline constexpr int kTabCount = 4;
inline constexpr int kProfileFirst = 10;  // profiles 1 to 4
inline constexpr int kProfileCount = 4;
inline constexpr int kImport = 14;
inline constexpr int kExport = 15;
inline constexpr int kResetAll = 16;
inline constexpr int kMore = 17;
inline constexpr int kWebsite = 19;
inline constexpr int kHeaderCount = 20;
inline constexpr int kHotspotFirst = 20;      // + button slot
inline constexpr int kWheelStatusFirst = 31;  // 31: status 0, 32: status 1
inline constexpr int kLabelFirst = 35;        // + button slot
inline constexpr int kLightingMode = 46;
inline constexpr int kDpiToggleFirst = 47;  // + DPI level, six levels
inline constexpr int kCaptionWheel = 60;
inline constexpr int kCaptionDpi = 61;
inline constexpr int kCaptionLighting = 62;
inline constexpr int kCaptionHint = 63;
// The macro badge (zhi.png of the language folder) is drawn at this canvas point.
inline constexpr int kMacroBadgeX = 378;
inline constexpr int kMacroBadgeY = 535;
// The mouse drawing shows this many buttons (KeyNum of the shipped config.ini).
inline constexpr int kDrawnButtons = 8;
}  // namespace main_window

// ---- skin_advance.ini ----
namespace advanced {
inline constexpr int kPointerSpeed = 1;  // 11 steps
inline constexpr int kWheelSpeed = 18;   // 11 steps
inline constexpr int kFireTime = 31;     // 300 steps
inline constexpr int kRateFirst = 34;    // 125, 250, 500, 1000 Hz
inline constexpr int kRateLampFirst = 38;
inline constexpr int kRateCount = 4;
inline constexpr int kDpiToggleFirst = 47;
inline constexpr int kDpiLevelFirst = 60;
inline constexpr int kDpiSlider = 66;  // 17 steps; 303 pixels long
inline constexpr int kDpiValue = 67;
inline constexpr int kDpiColourFirst = 77;  // 77-82 the six levels, 83 user colour 0
inline constexpr int kUserColour = 83;
inline constexpr int kDpiLevels = 6;
inline constexpr int kDpiSliderLength = 303;
inline constexpr int kCaptionFirst = 100;  // 100-106, titles of the two cards and rows
inline constexpr int kCaptionCount = 7;
}  // namespace advanced

// ---- skin_mac.ini ----
namespace macro_page {
inline constexpr int kCaptionList = 0;
inline constexpr int kCaptionSteps = 1;
inline constexpr int kCaptionRecord = 2;
inline constexpr int kCaptionPlayback = 3;
inline constexpr int kRecord = 4;
inline constexpr int kInsert = 5;
inline constexpr int kModeWhileHeld = 6;  // playback mode 2
inline constexpr int kModeToggle = 7;     // playback mode 1
inline constexpr int kModeCount = 8;      // playback mode 0
inline constexpr int kCaptionRepeat = 9;
inline constexpr int kCaptionKeys = 10;
inline constexpr int kGunPresets = 13;
inline constexpr int kSoftwarePlayback = 15;
// [EDIT] keys 0-2 and [MACRODISPLAY] keys 1-3.
inline constexpr int kEditRepeat = 0;
inline constexpr int kEditName = 1;
inline constexpr int kEditDelay = 2;
inline constexpr int kDisplayMacros = 1;
inline constexpr int kDisplaySteps = 2;
inline constexpr int kDisplayKeys = 3;
}  // namespace macro_page

// ---- skin_color.ini ----
namespace lighting {
inline constexpr int kUserColourFirst = 0;   // 0-6
inline constexpr int kCycleToggleFirst = 7;  // 7-13
inline constexpr int kUserColours = 7;
inline constexpr int kCustomColours = 14;
inline constexpr int kModeEffects = 17;    // MODE_LIGHT 0
inline constexpr int kModeOff = 19;        // MODE_LIGHT 1
inline constexpr int kSoundLighting = 20;  // opens the sound-reactive lighting dialog
inline constexpr int kEffectMenu = 35;
inline constexpr int kBrightness = 40;  // 7 steps
inline constexpr int kSpeed = 41;       // 6 steps
inline constexpr int kSymmetry = 45;
inline constexpr int kDirectionFirst = 47;  // 47-50, LED_FEATURE_DIREC 0-3
inline constexpr int kDirections = 4;
inline constexpr int kReactionFirst = 51;      // + button slot
inline constexpr int kReactionMenuFirst = 61;  // + button slot
// Areas covered with led_null.jpg when the effect does not offer them.
inline constexpr int kPreviewArea = 71;
inline constexpr int kBrightnessArea = 72;
inline constexpr int kSpeedArea = 73;
inline constexpr int kDirectionArea = 74;
inline constexpr int kColourArea = 75;
inline constexpr int kOffArea = 78;       // from new_down.jpg while the lights are off
inline constexpr int kCaptionFirst = 80;  // 80-86
inline constexpr int kCaptionCount = 7;
inline constexpr int kDrawnButtons = 8;
}  // namespace lighting

// ---- LBWarning.ini ----
namespace warning {
inline constexpr int kFirstButton = 0;
inline constexpr int kSecondButton = 1;
inline constexpr int kMessage = 2;
}  // namespace warning

// ---- skin_keyset.ini ----
namespace keyset {
inline constexpr int kTitle = 0;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kKeyName = 3;
}  // namespace keyset

// ---- skin_shortcut.ini ----
namespace shortcut {
inline constexpr int kModifiers = 0;
inline constexpr int kKeyName = 1;
inline constexpr int kConfirm = 2;
inline constexpr int kCancel = 3;
inline constexpr int kClear = 4;
inline constexpr int kClose = 5;
inline constexpr int kModifierFirst = 6;  // Ctrl, Shift, Alt, Win
inline constexpr int kTitle = 10;
inline constexpr int kCaptionModifiers = 11;
inline constexpr int kCaptionKey = 12;
inline constexpr int kHint = 13;
}  // namespace shortcut

// ---- skin_sound.ini ----
namespace sound {
inline constexpr int kTitle = 0;
inline constexpr int kCaptionMode = 1;
inline constexpr int kModeFirst = 2;  // modes 2, 3, 4
inline constexpr int kCaptionSwitch = 5;
inline constexpr int kOnOff = 9;
inline constexpr int kSave = 10;
inline constexpr int kBarFirst = 13;  // 36 bars, 13-48
inline constexpr int kBars = 36;
}  // namespace sound

// ---- skin_gun.ini ----
namespace gun {
inline constexpr int kPicture = 0;  // Gun/<n>.jpg is drawn here
inline constexpr int kName = 1;
inline constexpr int kModeCount = 2;  // playback mode 0
inline constexpr int kModeHeld = 3;   // playback mode 2
inline constexpr int kOk = 4;
inline constexpr int kCancel = 5;
inline constexpr int kClose = 6;
inline constexpr int kMenu = 8;
inline constexpr int kCaptionRepeat = 9;
inline constexpr int kCaptionInterval = 10;
inline constexpr int kCaptionStrength = 11;
inline constexpr int kTitle = 12;
// [EDIT] keys of the three value boxes.
inline constexpr int kEditRepeat = 0;
inline constexpr int kEditInterval = 1;
inline constexpr int kEditStrength = 2;
inline constexpr int kPresets = 12;
}  // namespace gun

// The controls of one layout file, for drawing and checking.
struct WindowControls {
    LayoutFile file;
    std::span<const Control> controls;
};

std::span<const WindowControls> allWindowControls();

}  // namespace karvo::skin
