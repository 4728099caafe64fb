// Key name and key code conversions per language; see mac_vk_and_text.h. The tables themselves
// are data in macro/keytables/, one file per language.
#include "macro/mac_vk_and_text.h"

#include "macro/keytables/key_table.h"

namespace karvo {
namespace {

using keytables::KeyTable;

// Language index -> key set. Index 3 is the bilingual folder, which shows the Dutch names.
constexpr std::array<const KeyTable*, MacVkAndText::kLanguageSlots> kByLanguage = {
    &keytables::kEnglish,             // 0
    &keytables::kEnglish,             // 1
    &keytables::kFrench,              // 2
    &keytables::kDutch,               // 3
    &keytables::kGerman,              // 4
    &keytables::kSpanish,             // 5
    &keytables::kItalian,             // 6
    &keytables::kRussian,             // 7
    &keytables::kTurkish,             // 8
    &keytables::kPortuguese,          // 9
    &keytables::kThai,                // 10
    &keytables::kKorean,              // 11
    &keytables::kJapanese,            // 12
    &keytables::kArabic,              // 13
    &keytables::kPolish,              // 14
    &keytables::kCzech,               // 15
    &keytables::kSwedish,             // 16
    &keytables::kDutch,               // 17
    &keytables::kBrazilian,           // 18
    &keytables::kTraditionalChinese,  // 19
    &keytables::kBelgianDutch,        // 20
    &keytables::kDanish,              // 21
    &keytables::kSlovenian,           // 22
    &keytables::kPersian,             // 23
    &keytables::kUkrainian,           // 24
    nullptr,                          // 25
    &keytables::kHungarian,           // 26
};

constexpr std::uint8_t kFileLeft = 240;
constexpr std::uint8_t kFileRight = 241;
constexpr std::uint8_t kFileMiddle = 242;
constexpr std::uint8_t kStepLeft = 241;
constexpr std::uint8_t kStepMiddle = 242;
constexpr std::uint8_t kStepRight = 243;

constexpr int kEnglishIndex = 1;

bool isMouseCode(int code) {
    return code >= 240 && code <= 244;
}

}  // namespace

const KeyTable* MacVkAndText::tableFor(int language) {
    if (language < 0 || language >= kLanguageSlots)
        return nullptr;
    return kByLanguage[static_cast<std::size_t>(language)];
}

MacVkAndText::MacVkAndText() {
    for (int language = 0; language < kLanguageSlots; ++language) {
        if (const KeyTable* table = tableFor(language)) {
            Tables& t = tables_[static_cast<std::size_t>(language)];
            apply(*table, t);
            t.present = true;
        }
    }
}

// Lays the base first, then this table's differences. The reverse direction is rebuilt from the
// final device -> virtual-key pairs so both directions always agree.
void MacVkAndText::apply(const KeyTable& table, Tables& out) {
    if (table.base != nullptr)
        apply(*table.base, out);
    for (const auto& n : table.names)
        out.names[n.device] = n.text;
    for (const auto& p : table.positions)
        out.virtualOfDevice[p.device] = p.virtualKey;
    out.deviceOfVirtual.fill(0);
    for (std::size_t device = 0; device < out.virtualOfDevice.size(); ++device) {
        if (const std::uint8_t vk = out.virtualOfDevice[device]; vk != 0) {
            out.deviceOfVirtual[vk] = static_cast<std::uint8_t>(device);
        }
    }
}

const MacVkAndText::Tables* MacVkAndText::tables(int language) const {
    if (language < 0 || language >= kLanguageSlots)
        return nullptr;
    const Tables& t = tables_[static_cast<std::size_t>(language)];
    return t.present ? &t : nullptr;
}

bool MacVkAndText::hasLanguage(int language) const {
    return tables(language) != nullptr;
}

std::string MacVkAndText::name(int language, std::uint8_t deviceCode, KeyMode mode,
                               std::string_view leftName, std::string_view middleName,
                               std::string_view rightName) const {
    const bool steps = mode == KeyMode::MacroSteps;
    if (deviceCode == (steps ? kStepLeft : kFileLeft))
        return std::string(leftName);
    if (deviceCode == (steps ? kStepMiddle : kFileMiddle))
        return std::string(middleName);
    if (deviceCode == (steps ? kStepRight : kFileRight))
        return std::string(rightName);
    if (deviceCode == (steps ? 240 : 243))
        return "NILL";
    // A language without a key set shows the English names rather than none at all; its files
    // are converted with the English set too (MacroFile), so the names match the keys.
    const Tables* t = tables(hasLanguage(language) ? language : kEnglishIndex);
    if (t->names[deviceCode].empty())
        return "NULL";
    return std::string(t->names[deviceCode]);
}

int MacVkAndText::toDeviceCode(int language, int virtualKey, KeyMode mode) const {
    const Tables* t = tables(language);
    if (t == nullptr)
        return virtualKey;
    if (isMouseCode(virtualKey)) {
        if (mode != KeyMode::MacroSteps)
            return virtualKey;
        if (virtualKey == kFileLeft)
            return kStepLeft;
        if (virtualKey == kFileRight)
            return kStepRight;
        return virtualKey;  // 242 is the middle button in both numberings
    }
    if (virtualKey < 0 || virtualKey > 255)
        return virtualKey;
    const std::uint8_t device = t->deviceOfVirtual[static_cast<std::size_t>(virtualKey)];
    return device != 0 ? device : virtualKey;
}

std::uint8_t MacVkAndText::toVirtualKey(int language, std::uint8_t deviceCode, KeyMode mode) const {
    const Tables* t = tables(language);
    if (t == nullptr)
        return 0;
    if (isMouseCode(deviceCode)) {
        if (mode != KeyMode::MacroSteps)
            return deviceCode;
        switch (deviceCode) {
            case kStepLeft:
                return kFileLeft;
            case kStepMiddle:
                return kFileMiddle;
            case kStepRight:
                return kFileRight;
            default:
                return 0;  // 240 and 244 have no file code
        }
    }
    const std::uint8_t vk = t->virtualOfDevice[deviceCode];
    return vk != 0 ? vk : deviceCode;
}

}  // namespace karvo
