// The ordered writes of a whole download and the memory they leave; the byte layout is
// documented in device_memory_image.h.
#include "device/device_memory_image.h"

#include <algorithm>

#include "macro/macro_encoder.h"

namespace karvo::device {
namespace {

// Device DPI values by DPI_SET step; the mouse has no value 11.
constexpr std::array<std::uint8_t, 23> kDpiValues = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 13,
                                                     14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

constexpr std::uint8_t kLedTypeBlink = 12;       // effect 1 with the flag bit
constexpr std::uint8_t kLedTypeKeepEffect = 13;  // the previous download's effect, speed 7

std::uint8_t low(unsigned v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
std::uint8_t level(std::int32_t colourLevel) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(colourLevel) & 15);
}
std::uint8_t colourPair(std::int32_t high, std::int32_t lowLevel) {
    return static_cast<std::uint8_t>(level(high) * 16 + level(lowLevel));
}

// The settings area, addresses 0 to 159, laid out as the mouse reads it.
struct SettingsArea {
    std::array<std::uint8_t, 160> at{};
    std::uint8_t effectCode = 0;

    void put16(std::size_t address, unsigned value) {
        at[address] = low(value);
        at[address + 1] = low(value >> 8);
    }
};

SettingsArea settingsArea(const Settings& settings, const KeyAssignments& assignments,
                          const DeviceMemoryImage::Inputs& inputs) {
    SettingsArea area;
    auto& m = area.at;
    const SharedSettings& shared = settings.shared;
    const auto keyByte = [&assignments](int profile, int key) {
        return assignments.key(profile, key).keyByte;
    };
    const auto profile = static_cast<unsigned>(settings.currentProfile);

    m[0] = 0x5A;
    m[1] = low(((profile * 32) & 0x60) + 3);
    m[2] = 0xA5;
    area.put16(3, DeviceMemoryImage::kProductId);
    area.put16(5, DeviceMemoryImage::kVendorId);
    m[7] = 0x10;

    // Key bytes: profile 0 keys 1-9 at 8, 10-12 at 59; profile 1 at 68; 2 at 80; 3 at 96.
    for (int k = 1; k <= 9; ++k)
        m[7 + static_cast<std::size_t>(k)] = keyByte(0, k);
    for (int k = 10; k <= 12; ++k)
        m[49 + static_cast<std::size_t>(k)] = keyByte(0, k);
    constexpr std::array<std::size_t, 3> kProfileStart = {68, 80, 96};
    for (int p = 1; p < kProfiles; ++p) {
        for (int k = 1; k <= KeyAssignments::kKeysWithKeyByte; ++k)
            m[kProfileStart[static_cast<std::size_t>(p - 1)] + static_cast<std::size_t>(k - 1)] =
                keyByte(p, k);
    }

    std::array<std::uint8_t, kDpiLevels> dpi{};
    for (std::size_t k = 0; k < dpi.size(); ++k) {
        dpi[k] = DeviceMemoryImage::dpiValue(shared.dpi[k].step);
        m[19] = static_cast<std::uint8_t>(m[19] | (((dpi[k] >> 4) & 1) << k));
    }
    m[20] = 8;
    for (std::size_t i = 0; i < 3; ++i)
        m[21 + i] = static_cast<std::uint8_t>((dpi[2 * i] & 15) * 16 + (dpi[2 * i + 1] & 15));

    std::uint8_t effect = shared.ledType;
    std::uint8_t flag = 0;
    std::uint8_t speed = shared.ledCycleTime;
    if (shared.ledType == kLedTypeBlink) {
        effect = 1;
        flag = 1;
    } else if (shared.ledType == kLedTypeKeepEffect) {
        effect = inputs.previous.effectCode;
        speed = 7;
    }
    area.effectCode = effect;
    m[24] = static_cast<std::uint8_t>(0x18 + (shared.dpiLevel & 7));
    for (std::size_t k = 0; k < kDpiLevels; ++k)
        m[25] = static_cast<std::uint8_t>(m[25] | (shared.dpi[k].enabled ? 1u << k : 0u));
    // A negative time from a damaged file would wrap to the longest repeat; take it as 0.
    area.put16(26, static_cast<unsigned>(std::clamp(shared.fireTime, 0, 0xFFFF * 8) / 8));
    m[28] = static_cast<std::uint8_t>(128 + (effect & 7) * 16 + flag * 8 + (speed & 7));
    m[29] = static_cast<std::uint8_t>((shared.ledUserColourEnable & 1) * 128 +
                                      (shared.colourCycleMask & 0x7F));
    m[30] = shared.reportRateCode;

    for (std::size_t i = 0; i < kDpiLevels; ++i) {
        const ColourLevels& user = shared.userColour[i];
        const ColourLevels& level = shared.dpi[i].colour;
        m[32 + 3 * i] = colourPair(user.r, level.r);
        m[33 + 3 * i] = colourPair(user.g, level.g);
        m[34 + 3 * i] = colourPair(user.b, level.b);
    }
    // Every one of the 14 lighting effects is offered: mask 0x3FFF.
    m[50] = 0xFF;
    m[51] = static_cast<std::uint8_t>(0x3F | (((effect >> 3) & 1) << 7));

    m[58] = static_cast<std::uint8_t>((shared.ledSymmetry & 1) * 64 +
                                      (shared.ledDirection & 3) * 16 + (inputs.lightLevel & 15));
    const ColourLevels& sixth = shared.userColour[6];
    m[62] = colourPair(sixth.r, sixth.g);
    m[63] = static_cast<std::uint8_t>((shared.ledBrightness & 7) * 16 + level(sixth.b));
    m[67] = 0x5F;
    area.put16(110, inputs.previous.macroAreaEnd);

    const auto colour = [&assignments](int key) {
        return static_cast<unsigned>(assignments.key(0, key).macroColour) & 7;
    };
    for (std::size_t i = 0; i < 5; ++i) {
        const int key = 2 + 2 * static_cast<int>(i);
        m[152 + i] = static_cast<std::uint8_t>(colour(key) + 8 * colour(key + 1));
    }
    m[157] = static_cast<std::uint8_t>(colour(12));
    return area;
}

}  // namespace

std::uint8_t DeviceMemoryImage::dpiValue(std::uint8_t step) {
    return kDpiValues[std::min<std::size_t>(step, kDpiValues.size() - 1)];
}

void DeviceMemoryImage::add(std::uint16_t address, std::span<const std::uint8_t> bytes) {
    BlockWrite w;
    w.address = address;
    w.length = static_cast<std::uint8_t>(std::min(bytes.size(), w.data.size()));
    std::copy_n(bytes.begin(), w.length, w.data.begin());
    if (std::size_t{address} + w.length <= kSize)
        std::copy_n(w.data.begin(), w.length, memory_.begin() + address);
    writes_.push_back(w);
}

void DeviceMemoryImage::stop(int tipText) {
    notices_.push_back({writes_.size(), tipText});
    stopped_ = true;
}

DeviceMemoryImage DeviceMemoryImage::build(const Settings& settings,
                                           const DeviceDescription& description,
                                           const MacroSources& sources, const MacVkAndText& keys,
                                           const Inputs& inputs) {
    DeviceMemoryImage image;
    image.inputs_ = inputs;
    image.assignments_ = KeyAssignments::build(settings, description, sources);
    const SettingsArea area = settingsArea(settings, image.assignments_, inputs);
    image.effectCode_ = area.effectCode;
    const auto areaBytes = [&area](std::size_t address, std::size_t length) {
        return std::span<const std::uint8_t>(area.at).subspan(address, length);
    };

    if (inputs.variantFlag == 0)
        image.add(0, areaBytes(0, 8));
    else
        image.add(1, areaBytes(1, 1));
    for (std::uint16_t address = 8; address <= 104; address += 8) {
        if (address == 24)
            image.stateWrite_ = image.writes_.size();
        image.add(address, areaBytes(address, 8));
    }
    image.add(152, areaBytes(152, 8));

    image.descriptors_ = KeyDescriptorTable::build(image.assignments_, keys, settings.language);
    const KeyDescriptorTable& table = image.descriptors_;
    if (table.overflow()) {
        image.stop(kTipMacrosDoNotFit);
        return image;
    }
    const auto descriptorBytes = table.bytes();
    for (std::size_t i = 0; i < descriptorBytes.size(); i += 8)
        image.add(static_cast<std::uint16_t>(KeyDescriptorTable::kAddress + i),
                  descriptorBytes.subspan(i, 8));

    const unsigned end = table.macroAreaEnd();
    std::array<std::uint8_t, 2> endBytes = {low(end), low(end >> 8)};
    image.macroEndWrite_ = image.writes_.size();
    image.add(110, endBytes);
    std::array<std::uint8_t, 8> trailer = {low(end + 8),  low((end + 8) >> 8),
                                           low(end + 16), low((end + 16) >> 8),
                                           low(end + 24), low((end + 24) >> 8)};
    trailer[6] = low((settings.shared.modeLight & 1) * 128 + 64 +
                     (static_cast<unsigned>(settings.currentProfile) & 3));
    trailer[7] = 0x71;
    image.add(112, trailer);

    for (const MacroSlot& slot : table.slots()) {
        if (slot.shared)
            continue;
        const MacroEncoder::Result encoded =
            MacroEncoder::encode(*slot.macro, slot.base, slot.budget);
        for (const int notice : encoded.notices)
            image.notices_.push_back({image.writes_.size(), notice});
        if (encoded.abandoned) {
            image.stopped_ = true;
            return image;
        }
        for (std::size_t offset = 0; offset + 8 <= slot.budget; offset += 8) {
            const std::size_t address = slot.base + offset;
            if (address >= kChunkLimit) {
                image.stop(kTipMacrosDoNotFit);
                return image;
            }
            image.add(static_cast<std::uint16_t>(address),
                      std::span<const std::uint8_t>(encoded.image).subspan(offset, 8));
        }
    }

    if (settings.shared.softHardMac == 1) {
        const int keyNum = std::clamp(description.keyNum, 0, kButtonSlots);
        for (int s = 0; s < keyNum; ++s) {
            const std::int32_t c = image.assignments_.slot(settings.currentProfile, s).function;
            const auto deviceKey = description.keyMap.keyOfSlot(s);
            if (deviceKey && (c == 18 || c >= 41))
                image.hostKeys_.push_back(*deviceKey);
        }
    }
    return image;
}

PreviousDownload DeviceMemoryImage::stateAfter(std::size_t writesSent) const {
    PreviousDownload next = inputs_.previous;
    if (stateWrite_ && writesSent > *stateWrite_)
        next.effectCode = effectCode_;
    if (macroEndWrite_ && writesSent > *macroEndWrite_)
        next.macroAreaEnd = descriptors_.macroAreaEnd();
    return next;
}

}  // namespace karvo::device
