// Translation of button functions for the device memory image; see key_assignments.h.
#include "device/key_assignments.h"

#include <algorithm>
#include <utility>

#include "macro/macro_encoder.h"

namespace karvo::device {
namespace {

bool isMacroCode(std::int32_t c) {
    return c >= KeyAssignments::kFirstMacro && c < KeyAssignments::kFirstSpecial;
}
bool isPresetCode(std::int32_t c) {
    return c >= KeyAssignments::kFirstPreset && c < KeyAssignments::kFirstGroupMacro;
}

// Fetches each distinct preset or group macro once per build, so buttons sharing a macro share
// one record too.
class MacroFetcher {
  public:
    explicit MacroFetcher(const MacroSources& sources) : sources_(sources) {}

    std::shared_ptr<const MacroRecord> fetch(const Settings& settings, int profile, int slot,
                                             std::int32_t c) {
        if (c < KeyAssignments::kFirstPreset) {
            return std::make_shared<const MacroRecord>(
                settings.macroCopies[static_cast<std::size_t>(profile)]
                                    [static_cast<std::size_t>(slot)]);
        }
        for (const auto& [code, record] : fetched_) {
            if (code == c)
                return record;
        }
        MacroRecord record =
            isPresetCode(c)
                ? MacroEncoder::stretchedPreset(sources_.preset(c - KeyAssignments::kFirstPreset))
                : sources_.groupMacro(c / 256 - 1, c % 256);
        auto shared = std::make_shared<const MacroRecord>(std::move(record));
        fetched_.emplace_back(c, shared);
        return shared;
    }

  private:
    const MacroSources& sources_;
    std::vector<std::pair<std::int32_t, std::shared_ptr<const MacroRecord>>> fetched_;
};

std::uint8_t keyByteOf(const ButtonAssignment& button, std::uint8_t deviceFunction) {
    const auto sum = static_cast<unsigned>(button.ledReactType) * 64u +
                     static_cast<unsigned>(button.ledReactEnable) * 32u + deviceFunction;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

}  // namespace

std::uint8_t KeyAssignments::deviceFunctionCode(std::int32_t c, std::int32_t leftMac,
                                                PlaybackMode mode) {
    // A negative code can only come from a damaged profile file; taken as it is it would spill
    // into the reaction-lighting bits of the key byte.
    if (c < 0)
        return 0;
    if (c < 7)
        return static_cast<std::uint8_t>(c);
    if ((c >= 7 && c <= 14) || c == 16 || c == 17)
        return static_cast<std::uint8_t>(c - 5);
    if (c == 15)
        return 21;
    if (c == 18)
        return 20;
    if (c >= 19 && c <= 22)
        return static_cast<std::uint8_t>(c + 4);
    if (c >= 23 && c <= 32)
        return 15;
    if (isMacroCode(c)) {
        const bool heldOrPreset = isPresetCode(c) || leftMac != 0;
        if (mode == PlaybackMode::Mode2)
            return heldOrPreset ? 31 : 14;
        return heldOrPreset ? 30 : 13;
    }
    if (c == 30002)
        return 16;
    if (c == 40000)
        return 22;
    return 0;
}

bool KeyAssignments::macroExists(std::int32_t c, const MacroSources& sources) {
    if (isPresetCode(c))
        return c - kFirstPreset < sources.presetCount();
    if (c >= kFirstGroupMacro && c < kFirstSpecial) {
        const int group = c / 256 - 1;
        if (group >= sources.groupCount())
            return false;
        const int count = sources.macroCount(group);
        return count > 0 && c % 256 < count;
    }
    return true;
}

KeyAssignments KeyAssignments::build(const Settings& settings, const DeviceDescription& description,
                                     const MacroSources& sources) {
    KeyAssignments out;
    MacroFetcher fetcher(sources);
    const int keyNum = std::clamp(description.keyNum, 0, kButtonSlots);
    // The first profile is the one the mouse starts in: written without any primary click
    // (an emptied configuration, a hand edit) it leaves a mouse nobody can click with, so its
    // first button, when it has no function, is written as the primary click. A function the
    // user gave that button stays.
    const auto& first = settings.profiles[0].buttons;
    out.primaryClickRestored_ =
        keyNum > 0 && first[0].function == 0 &&
        std::none_of(first.begin(), first.begin() + keyNum,
                     [](const auto& b) { return b.function == kPrimaryClick; });
    for (int p = 0; p < kProfiles; ++p) {
        const ProfileSettings& profile = settings.profiles[static_cast<std::size_t>(p)];
        for (int s = 0; s < keyNum; ++s) {
            const ButtonAssignment& button = profile.buttons[static_cast<std::size_t>(s)];
            std::int32_t c =
                p == 0 && s == 0 && out.primaryClickRestored_ ? kPrimaryClick : button.function;
            if (!macroExists(c, sources)) {
                out.corrections_.push_back({p, s, c});
                c = 0;
            }
            std::shared_ptr<const MacroRecord> macro;
            PlaybackMode mode = PlaybackMode::Repeat;
            if (isMacroCode(c)) {
                macro = fetcher.fetch(settings, p, s, c);
                mode = macro->playbackMode();
            }
            SlotFunction& f = out.slots_[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)];
            f.function = c;
            f.deviceFunction = deviceFunctionCode(c, button.leftMac, mode);
            f.hostNotified = c == 18;
            f.profileSwitch = (c >= 19 && c <= 22) ||
                              (c >= kFirstSpecial && c != 30001 && c != 30002 && c != 40000);
            f.dpiKey = f.deviceFunction == 6 || f.deviceFunction == 11 || f.deviceFunction == 12;

            const auto deviceKey = description.keyMap.keyOfSlot(s);
            if (!deviceKey || *deviceKey < 1 || *deviceKey > kDeviceKeys)
                continue;
            KeyEntry& entry = out.keys_[static_cast<std::size_t>(p)][*deviceKey];
            entry.slot = s;
            entry.function = c;
            entry.deviceFunction = f.deviceFunction;
            entry.keyByte = keyByteOf(button, f.deviceFunction);
            entry.macroColour = settings.macroColour[static_cast<std::size_t>(s)];
            entry.macro = std::move(macro);
        }
    }
    return out;
}

const SlotFunction& KeyAssignments::slot(int profile, int slot) const {
    static const SlotFunction blank;
    if (profile < 0 || profile >= kProfiles || slot < 0 || slot >= kButtonSlots)
        return blank;
    return slots_[static_cast<std::size_t>(profile)][static_cast<std::size_t>(slot)];
}

const KeyAssignments::KeyEntry& KeyAssignments::key(int profile, int deviceKey) const {
    static const KeyEntry blank;
    if (profile < 0 || profile >= kProfiles || deviceKey < 1 || deviceKey > kDeviceKeys)
        return blank;
    return keys_[static_cast<std::size_t>(profile)][static_cast<std::size_t>(deviceKey)];
}

}  // namespace karvo::device
