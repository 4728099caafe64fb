// The gun preset table and the gun dialog's rules; see gun_presets.h.
#include "macro/gun_presets.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "platform/private_profile.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

std::uint16_t clampTo16(int value, int low, int high) {
    return static_cast<std::uint16_t>(std::clamp(value, low, high));
}

}  // namespace

fs::path GunPresets::presetFile(const fs::path& languageFolder, const fs::path& configFolder) {
    std::error_code ec;
    const fs::path own = languageFolder / kFileName;
    return fs::is_regular_file(own, ec) ? own : configFolder / kFileName;
}

bool GunPresets::load(const fs::path& file) {
    MacroTable read;
    if (!file_.readGroup(file, read)) {
        notifier_.message(kMissingFileText);
        return false;
    }
    table_ = read;
    path_ = file;
    return true;
}

const MacroRecord* GunPresets::preset(std::size_t i) const {
    return i < table_.count() ? table_.macro(i) : nullptr;
}

MacroRecord* GunPresets::preset(std::size_t i) {
    return i < table_.count() ? table_.macro(i) : nullptr;
}

MacroRecord GunPresets::presetForDevice(std::size_t i) const {
    const MacroRecord* p = preset(i);
    return p != nullptr ? *p : MacroRecord{};
}

int GunPresets::clampStrength(int strength) {
    return std::clamp(strength, kMinStrength, kMaxStrength);
}

bool GunPresets::save(std::size_t index, int strength) {
    MacroRecord* p = preset(index);
    if (p == nullptr)
        return false;
    std::error_code ec;
    if (path_.empty() || !fs::is_regular_file(path_, ec)) {
        notifier_.message(kMissingFileText);
        return false;
    }
    const auto y = static_cast<std::uint16_t>(clampStrength(strength));
    for (MacroAction& step : p->steps) {
        if (step.p1 != 0)
            step.p1 = y;
    }
    ini::IniTransaction tx(path_);
    tx.set("Init", "DAT_VER", std::to_string(MacroTable::kCurrentVersion));
    tx.set("Macros", std::to_string(index), file_.encodeRow(*p));
    if (!tx.commit()) {
        notifier_.message("The gun preset could not be saved.");
        return false;
    }
    return true;
}

bool GunPresets::applyOk(std::size_t index, int repeatBox, int intervalBox, int strengthBox) {
    MacroRecord* p = preset(index);
    if (p == nullptr) {
        notifier_.message(kBadPresetText);
        return false;
    }
    const int strength = clampStrength(strengthBox);
    p->repeatCount = clampTo16(repeatBox, kMinRepeat, kMaxRepeat);
    // A delay is 16 bits in the record; larger intervals are capped rather than wrapped.
    const auto interval = clampTo16(intervalBox, 0, std::numeric_limits<std::uint16_t>::max());
    p->steps[0].delay = interval;
    p->steps[1].delay = interval;
    p->extraA = 1;
    p->extraB = static_cast<std::uint8_t>(strength);
    return save(index, strength);
}

bool GunPresets::applyFromMenu(std::size_t index, int repeatBox, int strengthBox) {
    MacroRecord* p = preset(index);
    if (p == nullptr) {
        notifier_.message(kBadPresetText);
        return false;
    }
    const int strength = clampStrength(strengthBox);
    p->repeatCount = clampTo16(repeatBox, kMinRepeat, kMaxRepeat);
    // The strength is marked as set here too: the dialog shows extra byte B, and a box that
    // showed another value than the moves carry would put that value back at the next OK.
    p->extraA = 1;
    p->extraB = static_cast<std::uint8_t>(strength);
    return save(index, strength);
}

void GunPresets::setMode2(MacroRecord& preset) {
    preset.mode = static_cast<std::uint8_t>((preset.mode & ~0x07) + 2);
    preset.repeatCount = 1;
}

void GunPresets::setMode0(MacroRecord& preset) {
    preset.mode = static_cast<std::uint8_t>(preset.mode & ~0x0B);
    if (preset.repeatCount == 0)
        preset.repeatCount = 1;
}

bool GunPresets::repeatBoxEnabled(const MacroRecord& preset) {
    return (preset.mode & 0x03) == 0;
}

int GunPresets::repeatBoxValue(const MacroRecord& preset) {
    return repeatBoxEnabled(preset) ? std::max<int>(preset.repeatCount, 1) : 1;
}

}  // namespace karvo
