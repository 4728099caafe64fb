// Helpers of the macro record; see macro_record.h.
#include "macro/macro_record.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace karvo {

LedEffectRecord LedEffectRecord::forNewStep() {
    LedEffectRecord r;
    r.bytes[0] = 1;
    r.bytes[6] = 10;
    return r;
}

std::string MacroRecord::nameUtf8() const {
    const auto end = std::find(name.begin(), name.end(), u'\0');
    return text::utf16ToUtf8(
        std::u16string_view(name.data(), static_cast<std::size_t>(end - name.begin())));
}

void MacroRecord::setName(std::string_view utf8) {
    const std::u16string units = text::utf8ToUtf16(text::utf16Prefix(utf8, kNameUnits));
    name.fill(u'\0');
    std::copy_n(units.begin(), std::min(units.size(), name.size()), name.begin());
}

void MacroRecord::setPlaybackMode(PlaybackMode m) {
    const auto bits = static_cast<std::uint8_t>(m) & 0x03;
    if (bits == 0) {
        mode = static_cast<std::uint8_t>(mode & ~0x0B);
    } else {
        mode = static_cast<std::uint8_t>((mode & 0xF8) | bits);
        repeatCount = 1;
    }
}

std::span<const MacroAction> MacroRecord::validSteps() const {
    return std::span<const MacroAction>(steps).first(std::min<std::size_t>(stepCount, kMaxSteps));
}

void MacroRecord::clampCounters() {
    const auto clamp16 = [](std::uint16_t& v, std::size_t limit) {
        v = static_cast<std::uint16_t>(std::min<std::size_t>(v, limit));
    };
    const auto clamp8 = [](std::uint8_t& v, std::size_t limit) {
        v = static_cast<std::uint8_t>(std::min<std::size_t>(v, limit));
    };
    clamp16(stepCount, kMaxSteps);
    clamp16(moveCount, kMaxMoves);
    clamp16(kind247Count, kMaxPerKind);
    clamp16(sensitivityCount, kMaxPerKind);
    clamp16(kind250Count, kMaxPerKind);
    clamp8(lightingCount, kMaxPerKind);
    clamp8(kind251Count, kMaxPerKind);
}

const LedEffectRecord* MacroRecord::lightingRecordOf(const MacroAction& step) const {
    if (step.key != macrokey::kLighting || step.p0 >= lighting.size())
        return nullptr;
    return &lighting[step.p0];
}

std::size_t MacroRecord::limitFor(std::uint8_t key) {
    switch (key) {
        case macrokey::kMove:
            return kMaxMoves;
        case macrokey::kReserved247:
        case macrokey::kSensitivity:
        case macrokey::kLighting:
        case macrokey::kReserved250:
        case macrokey::kReserved251:
            return kMaxPerKind;
        default:
            return kMaxSteps;
    }
}

std::size_t MacroRecord::countFor(std::uint8_t key) const {
    switch (key) {
        case macrokey::kMove:
            return moveCount;
        case macrokey::kReserved247:
            return kind247Count;
        case macrokey::kSensitivity:
            return sensitivityCount;
        case macrokey::kLighting:
            return lightingCount;
        case macrokey::kReserved250:
            return kind250Count;
        case macrokey::kReserved251:
            return kind251Count;
        default:
            return stepCount;
    }
}

bool MacroRecord::canAddStep(std::uint8_t key) const {
    return stepCount < kMaxSteps && countFor(key) < limitFor(key);
}

bool MacroRecord::appendStep(const MacroAction& step) {
    if (!canAddStep(step.key))
        return false;
    switch (step.key) {
        case macrokey::kMove:
            ++moveCount;
            break;
        case macrokey::kReserved247:
            ++kind247Count;
            break;
        case macrokey::kSensitivity:
            ++sensitivityCount;
            break;
        case macrokey::kLighting:
            ++lightingCount;
            break;
        case macrokey::kReserved250:
            ++kind250Count;
            break;
        case macrokey::kReserved251:
            ++kind251Count;
            break;
        default:
            break;
    }
    steps[stepCount++] = step;
    return true;
}

}  // namespace karvo
