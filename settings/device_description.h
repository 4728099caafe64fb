// What this program build knows of the mouse model: its names, how many buttons it has and
// which key number the mouse uses for each on-screen button. Read once from config.ini at
// start-up and never written.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/notifier.h"

namespace karvo {

// Button slots of the settings model; on-screen button i is slot i - 1.
inline constexpr int kButtonSlots = 12;
// Key numbers the mouse can name in its events (0xF0 + key number, so 0 to 15).
inline constexpr int kDeviceKeyNumbers = 16;

// Map between button slots and the mouse's key numbers, both ways.
class KeyMap {
  public:
    // Maps slot (0 to 11) to key number (0 to 15); later calls for the same key number win in
    // the inverse direction, as the mouse can report a key only once.
    void map(int slot, int keyNumber);

    // The mouse's key number of a slot, or nothing for an unmapped or out-of-range slot.
    std::optional<std::uint8_t> keyOfSlot(int slot) const;
    // The slot of a key number the mouse reported, or nothing when no button maps to it.
    std::optional<int> slotOfKey(int keyNumber) const;

  private:
    std::array<int, kButtonSlots> forward_{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<int, kDeviceKeyNumbers> inverse_{-1, -1, -1, -1, -1, -1, -1, -1,
                                                -1, -1, -1, -1, -1, -1, -1, -1};
};

struct DeviceDescription {
    std::string productNameCn;  // [PRODUCTNAME] PRODUCTNAME_CN, at most 49 characters
    std::string productNameEn;  // [PRODUCTNAME] PRODUCTNAME_EN, at most 49 characters
    std::string devString;      // [PRODUCTNAME] DevString: empty accepts any product string
    int keyNum = 0;             // [KEYNUM] KeyNum, 0 to 12
    KeyMap keyMap;              // [KEYMAP] K<i>_MAP
    std::array<std::int32_t, kButtonSlots> initialValue{};  // [KEY_UIFC] K<i>_INIT_VAL
    // [DPI_TABLE] STEP<v>: the sensitivity in DPI of each step of the DPI value slider
    // (DPI_SET 0 to 16); the steps a file leaves out keep the values below.
    static constexpr std::array<std::int32_t, 17> kDefaultDpiTable = {
        200,  400,  600,  800,  1000, 1200, 1600, 1800, 2000,
        2200, 2400, 2800, 3200, 4000, 4800, 6400, 8000};
    std::array<std::int32_t, 17> dpiTable = kDefaultDpiTable;

    // The DPI of a step; steps beyond the table read as its ends.
    std::int32_t dpiOf(int step) const {
        return dpiTable[static_cast<std::size_t>(std::clamp(step, 0, 16))];
    }

    // The name the window title, tray tip and messages show for a language.
    const std::string& productName(int languageIndex) const {
        return languageIndex == 0 ? productNameCn : productNameEn;
    }
    bool isProductName(std::string_view name) const {
        return name == productNameCn || name == productNameEn;
    }

    // Reads the description from the configuration file. A button count above 12 is clamped
    // to 12 and a key number outside 0 to 15 leaves its button unmapped; both are reported
    // through the notifier, because the file has been damaged or written for another model.
    static DeviceDescription read(const std::filesystem::path& configFile, Notifier& notifier);
};

}  // namespace karvo
