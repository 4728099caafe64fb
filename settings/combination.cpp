// Stored form, display form and key sequence of key combinations; see combination.h.
#include "settings/combination.h"

#include <array>

#include "platform/private_profile.h"

namespace karvo::combination {
namespace {

std::vector<std::string_view> split(std::string_view text) {
    std::vector<std::string_view> pieces;
    while (true) {
        const std::size_t at = text.find(kSeparator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return pieces;
        text.remove_prefix(at + kSeparator.size());
    }
}

struct Modifier {
    std::string_view name;
    int vkCode;  // the left-hand key
};
constexpr std::array<Modifier, 4> kModifiers = {
    {{"Ctrl", 162}, {"Shift", 160}, {"Alt", 164}, {"Win", 91}}};

constexpr int kEnglish = 1;
constexpr std::uint16_t kStepDelayMs = 4;

}  // namespace

std::vector<Key> parse(std::string_view stored) {
    std::vector<Key> keys;
    const auto fields = split(stored);
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i + 1].empty())
            continue;
        const std::int32_t code = ini::toInt(fields[i + 1]);
        if (code < 0 || code > 255)
            continue;
        keys.push_back({std::string(fields[i]), code});
    }
    return keys;
}

std::string displayText(std::string_view stored) {
    std::string text;
    for (const Key& key : parse(stored)) {
        if (!text.empty())
            text += '+';
        text += key.name;
    }
    return text;
}

std::string build(std::string_view captured, int keyCode) {
    auto pieces = split(captured);
    std::string_view keyName;
    if (keyCode != kNoKey) {
        keyName = pieces.back();
        pieces.pop_back();
    }
    std::string stored;
    for (const Modifier& m : kModifiers) {
        bool held = false;
        for (const std::string_view piece : pieces)
            held = held || piece == m.name;
        stored += m.name;
        stored += kSeparator;
        if (held)
            stored += std::to_string(m.vkCode);
        stored += kSeparator;
    }
    stored += keyName;
    stored += kSeparator;
    if (keyCode != kNoKey)
        stored += std::to_string(keyCode);
    return stored;
}

void store(Settings& settings, const MacVkAndText& keys, std::string_view captured,
           std::uint16_t word) {
    const int slot = word >> 8;
    const int keyCode = word & 0xFF;
    if (slot >= kButtonSlots)
        return;
    settings.current().buttons[static_cast<std::size_t>(slot)].combination =
        build(captured, keyCode);
    regenerateCopies(settings, keys);
}

void regenerateCopies(Settings& settings, const MacVkAndText& keys) {
    // A language without a key set of its own converts as English, so no key is lost.
    const int language = keys.hasLanguage(settings.language) ? settings.language : kEnglish;
    for (std::size_t p = 0; p < settings.profiles.size(); ++p) {
        for (std::size_t b = 0; b < kButtonSlots; ++b) {
            const ButtonAssignment& button = settings.profiles[p].buttons[b];
            MacroRecord& copy = settings.macroCopies[p][b];
            copy = MacroRecord{};
            if (button.function != kFunctionCombination)
                continue;
            copy.setName(displayText(button.combination));
            copy.setPlaybackMode(PlaybackMode::Mode2);
            for (const Key& key : parse(button.combination)) {
                if (copy.stepCount >= MacroRecord::kMaxSteps)
                    break;
                const int code = keys.toDeviceCode(language, key.vkCode, KeyMode::MacroSteps);
                copy.steps[copy.stepCount++] = {stepkind::kPress, static_cast<std::uint8_t>(code),
                                                0, 0, kStepDelayMs};
            }
        }
    }
}

}  // namespace karvo::combination
