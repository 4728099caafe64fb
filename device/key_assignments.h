// KeyAssignments: what every button of every profile does as the mouse sees it: macro checks,
// device function codes, the macro of each macro button, and the marks the device event thread
// and the window read (host-notified, profile switch, DPI key).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "device/macro_sources.h"
#include "macro/macro_record.h"
#include "settings/device_description.h"
#include "settings/settings_model.h"

namespace karvo::device {

// One button slot of one profile after translation.
struct SlotFunction {
    std::int32_t function = 0;        // function code, 0 when the macro check refused it
    std::uint8_t deviceFunction = 0;  // 5-bit device function code
    bool hostNotified = false;        // function 18: the host hears of its presses
    bool profileSwitch = false;       // functions 19 to 22 and unknown codes from 30000 up
    bool dpiKey = false;              // device function code 6, 11 or 12
    bool operator==(const SlotFunction&) const = default;
};

// A function code the macro check replaced by 0 in the settings model (not in the file).
struct FunctionCorrection {
    int profile = 0;
    int slot = 0;
    std::int32_t was = 0;
    bool operator==(const FunctionCorrection&) const = default;
};

class KeyAssignments {
  public:
    // Device keys 1 to 14 have descriptor entries, keys 1 to 12 key bytes.
    static constexpr int kDeviceKeys = 14;
    static constexpr int kKeysWithKeyByte = 12;

    // Function codes with a meaning of their own.
    static constexpr std::int32_t kFirstMacro = 33;  // key combinations 33 to 49
    static constexpr std::int32_t kFirstPreset = 50;
    static constexpr std::int32_t kFirstGroupMacro = 256;
    static constexpr std::int32_t kFirstSpecial = 30000;
    static constexpr std::int32_t kPrimaryClick = 1;

    // The function of one profile's device key: that of the slot mapped to it (the later slot
    // when two map to one key), function 0 when no slot reaches it.
    struct KeyEntry {
        int slot = -1;
        std::int32_t function = 0;
        std::uint8_t deviceFunction = 0;
        // LED_REACT_TYPE * 64 + LED_REACT_EN * 32 + device function code, in one byte.
        std::uint8_t keyByte = 0;
        std::int32_t macroColour = 0;  // MAC_COR of the slot
        // The macro the key plays (function 33 to 29999): the profile's own copy for 33 to
        // 49, the gun preset (stretched when short, see MacroEncoder) for 50 to 255, the
        // group macro from 256 up.
        std::shared_ptr<const MacroRecord> macro;
    };

    // Translates slots 0 to KeyNum - 1 of every profile; slots mapped to no key, or to a key
    // number outside 1 to 14, keep their marks but reach no device key.
    static KeyAssignments build(const Settings& settings, const DeviceDescription& description,
                                const MacroSources& sources);

    // The device function code of function code c:
    //   below 0: 0; 0 to 6: c; 7 to 14, 16, 17: c - 5; 15: 21; 18: 20; 19 to 22: 23 to 26;
    //   23 to 32: 15 (consumer key);
    //   33 to 29999: 31 in playback mode 2 with (50 <= c <= 255 or LEFT_MAC != 0), 14 in mode 2
    //   otherwise, 30 in other modes with (50 <= c <= 255 or LEFT_MAC != 0), 13 otherwise;
    //   30001: 0; 30002: 16; 40000: 22; any other from 30000 up: 0.
    static std::uint8_t deviceFunctionCode(std::int32_t function, std::int32_t leftMac,
                                           PlaybackMode mode);

    // False for a macro assignment whose macro does not exist: a group macro (256 to 29999)
    // whose group index (c / 256 - 1) is not below the number of groups, whose group is empty
    // or whose macro number (c % 256) is not below the group's count; a preset (50 to 255)
    // whose index c - 50 is not below the number of presets. True for every other code.
    static bool macroExists(std::int32_t function, const MacroSources& sources);

    // Slot s (0 to 11) of profile p (0 to 3); a blank entry outside.
    const SlotFunction& slot(int profile, int slot) const;
    // Device key k (1 to 14) of profile p (0 to 3); a blank entry outside.
    const KeyEntry& key(int profile, int deviceKey) const;
    std::span<const FunctionCorrection> corrections() const { return corrections_; }
    // True when no button of the first profile had the primary click and its first button,
    // which had no function, was translated as the primary click (the model is not changed).
    bool primaryClickRestored() const { return primaryClickRestored_; }

  private:
    std::array<std::array<SlotFunction, kButtonSlots>, kProfiles> slots_{};
    std::array<std::array<KeyEntry, kDeviceKeys + 1>, kProfiles> keys_{};  // index 0 unused
    std::vector<FunctionCorrection> corrections_;
    bool primaryClickRestored_ = false;
};

}  // namespace karvo::device
