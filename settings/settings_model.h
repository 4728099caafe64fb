// The settings of the mouse's four profiles and the settings they share, as the program holds
// them while it runs. The profile store reads and writes them, the window edits them, and the
// device image is built from them. One SettingsModel owns them behind one lock, because the
// window, the device threads and the save worker all use them.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "macro/macro_record.h"
#include "settings/device_description.h"

namespace karvo {

inline constexpr int kProfiles = 4;
inline constexpr int kDpiLevels = 6;
inline constexpr int kUserColours = 7;
inline constexpr int kLedTypes = 10;

// Function code of a key combination button.
inline constexpr std::int32_t kFunctionCombination = 33;

// A colour as the mouse stores it: three levels 0 to 15.
struct ColourLevels {
    std::int32_t r = 0;
    std::int32_t g = 0;
    std::int32_t b = 0;
    bool operator==(const ColourLevels&) const = default;
};

// The on-screen colour of stored levels: each component is 255 - 16 x level, taken modulo 256,
// red in the low byte, green in the next, blue in the third.
std::uint32_t screenColour(const ColourLevels& levels);

struct ButtonAssignment {
    std::int32_t function = 0;        // function code (33: key combination)
    std::string combination;          // stored form of the key combination, for code 33 only
    std::int32_t leftMac = 0;         // LEFT_MAC: the program runs this button's macro itself
    std::int32_t ledReactEnable = 1;  // LED_REACT_EN, always 1 after a load
    std::int32_t ledReactType = 0;    // LED_REACT_TYPE
    bool operator==(const ButtonAssignment&) const = default;
};

struct ProfileSettings {
    std::array<ButtonAssignment, kButtonSlots> buttons{};
    bool operator==(const ProfileSettings&) const = default;
};

struct DpiLevelSettings {
    std::uint8_t step = 0;  // DPI_SET: the sensitivity step the mouse takes
    bool enabled = false;   // DPI_SET_EN: the level takes part in DPI switching
    ColourLevels colour;    // DPI<d>_R/_G/_B
    bool operator==(const DpiLevelSettings&) const = default;
};

struct SharedSettings {
    std::int32_t dpiLevel = 0;  // DPI_LEVEL, the active level
    std::array<DpiLevelSettings, kDpiLevels> dpi{};
    std::array<ColourLevels, kUserColours> userColour{};   // LED_USER<c>_R/_G/_B
    std::uint8_t colourCycleMask = 0;                      // CYC_7COL_EN, bit k: user colour k
    std::uint8_t ledType = 0;                              // LED_TYPE
    std::array<std::int32_t, kLedTypes> ledTypeEnabled{};  // LED_TYPE_SW_EN<n>
    std::uint8_t ledCycleTime = 0;                         // LED_CYCTIME
    std::int32_t ledStartColour = 0;                       // LED_FEATURE_SCOLOR
    std::int32_t ledSymmetry = 0;                          // LED_FEATURE_SYMMETRY
    std::int32_t ledDirection = 0;                         // LED_FEATURE_DIREC
    std::int32_t ledBrightness = 0;                        // LED_BRIGHT
    std::int32_t modeLight = 0;                            // MODE_LIGHT
    std::int32_t softHardMac = 0;                          // SOFT_HARD_MAC
    std::uint8_t pointerSpeed = 0;                         // DPI_SPEED
    std::uint8_t wheelSpeed = 0;                           // WHEEL_SPEED
    std::uint8_t usbSpeed = 0;                             // USB_SPEED, always 0
    std::uint8_t reportRateCode = 7;                       // sent to the mouse, always 7
    std::int32_t fireTime = 50;                            // FIRE_TIME
    std::int32_t wheelStatus = 0;                          // WHEEL_STATUS, always 0
    std::int32_t ledUserColourEnable = 1;                  // LED_USER_COLER_EN, always 1

    bool colourInCycle(int k) const { return k >= 0 && k < 7 && ((colourCycleMask >> k) & 1); }
    bool operator==(const SharedSettings&) const = default;
};

struct Settings {
    std::array<ProfileSettings, kProfiles> profiles{};
    std::array<std::int32_t, kButtonSlots> macroColour{};  // MAC_COR<b>, 0 to 6, all profiles
    SharedSettings shared;
    int currentProfile = 0;  // mirrored in [Init] CurConfig
    int language = 1;        // [Init] VER_SEL: the key tables of the copies follow it
    // Each button's own macro copy: for a key combination the keys it presses (generated from
    // the combination), blank for every other button.
    std::array<std::array<MacroRecord, kButtonSlots>, kProfiles> macroCopies{};

    ProfileSettings& current() { return profiles[static_cast<std::size_t>(currentProfile)]; }
    const ProfileSettings& current() const {
        return profiles[static_cast<std::size_t>(currentProfile)];
    }
    bool operator==(const Settings&) const = default;
};

// The settings behind their lock. Readers take a consistent copy; writers change the settings
// inside one call, so no reader ever sees half a change.
class SettingsModel {
  public:
    Settings snapshot() const {
        const std::lock_guard lock(mutex_);
        return settings_;
    }

    // Runs f(Settings&) under the lock and returns its result. f must not call back into the
    // model.
    template <class F>
    decltype(auto) edit(F&& f) {
        const std::lock_guard lock(mutex_);
        return std::forward<F>(f)(settings_);
    }
    template <class F>
    decltype(auto) read(F&& f) const {
        const std::lock_guard lock(mutex_);
        return std::forward<F>(f)(static_cast<const Settings&>(settings_));
    }

  private:
    mutable std::mutex mutex_;
    Settings settings_;
};

}  // namespace karvo
