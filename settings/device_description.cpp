// Reading the device description sections of config.ini; see device_description.h.
#include "settings/device_description.h"

#include <algorithm>

#include "platform/private_profile.h"

namespace karvo {

void KeyMap::map(int slot, int keyNumber) {
    if (slot < 0 || slot >= kButtonSlots || keyNumber < 0 || keyNumber >= kDeviceKeyNumbers) {
        return;
    }
    forward_[static_cast<std::size_t>(slot)] = keyNumber;
    inverse_[static_cast<std::size_t>(keyNumber)] = slot;
}

std::optional<std::uint8_t> KeyMap::keyOfSlot(int slot) const {
    if (slot < 0 || slot >= kButtonSlots || forward_[static_cast<std::size_t>(slot)] < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(forward_[static_cast<std::size_t>(slot)]);
}

std::optional<int> KeyMap::slotOfKey(int keyNumber) const {
    if (keyNumber < 0 || keyNumber >= kDeviceKeyNumbers ||
        inverse_[static_cast<std::size_t>(keyNumber)] < 0) {
        return std::nullopt;
    }
    return inverse_[static_cast<std::size_t>(keyNumber)];
}

DeviceDescription DeviceDescription::read(const std::filesystem::path& configFile,
                                          Notifier& notifier) {
    const ini::IniSnapshot file(configFile);
    DeviceDescription d;
    d.productNameCn = file.get("PRODUCTNAME", "PRODUCTNAME_CN", "", 50);
    d.productNameEn = file.get("PRODUCTNAME", "PRODUCTNAME_EN", "", 50);
    d.devString = file.get("PRODUCTNAME", "DevString", "", 64);

    const std::int32_t keyNum = file.getInt("KEYNUM", "KeyNum", 15);
    d.keyNum = std::clamp<std::int32_t>(keyNum, 0, kButtonSlots);
    if (keyNum > kButtonSlots) {
        notifier.message(configFile.filename().string() + ": [KEYNUM] KeyNum = " +
                         std::to_string(keyNum) + " is more buttons than the program can hold; " +
                         "only the first " + std::to_string(kButtonSlots) + " are used.");
    }
    for (int i = 1; i <= d.keyNum; ++i) {
        const std::string n = std::to_string(i);
        // The mouse takes key numbers as bytes: the file's number is cut to 8 bits first.
        const int key = static_cast<std::uint8_t>(file.getInt("KEYMAP", "K" + n + "_MAP", 15));
        if (key >= kDeviceKeyNumbers) {
            notifier.message(configFile.filename().string() + ": [KEYMAP] K" + n + "_MAP = " +
                             std::to_string(key) + " is not a key number of the mouse (0 to " +
                             std::to_string(kDeviceKeyNumbers - 1) + "); button " + n +
                             " is left without a key.");
        }
        d.keyMap.map(i - 1, key);
        d.initialValue[static_cast<std::size_t>(i - 1)] =
            file.getInt("KEY_UIFC", "K" + n + "_INIT_VAL", 15);
    }
    for (std::size_t v = 0; v < d.dpiTable.size(); ++v) {
        const std::int32_t dpi = file.getInt("DPI_TABLE", "STEP" + std::to_string(v), 16);
        // 0 is what a missing or unreadable value reads as: the default stays.
        if (dpi > 0)
            d.dpiTable[v] = dpi;
    }
    return d;
}

}  // namespace karvo
