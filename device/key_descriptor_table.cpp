// Macro slot placement and key descriptors; the byte layout is documented in
// key_descriptor_table.h.
#include "device/key_descriptor_table.h"

#include <algorithm>
#include <iterator>

#include "macro/macro_encoder.h"

namespace karvo::device {
namespace {

constexpr int kEnglish = 1;
constexpr std::uint8_t kNoPosition = 255;

// Virtual-key codes of the 79 keyboard positions a descriptor can name.
constexpr std::uint8_t kKeyboardPositions[] = {
    27,                                                          // 0 Esc
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123,  // 1-12 F1-F12
    45,                                                          // 13 Insert
    192,                                                         // 14 left of 1
    49,  50,  51,  52,  53,  54,  55,  56,  57,                  // 15-23 digits 1-9
    48,  189, 187, 8,   46,  9,                       // 24 0, - =, Backspace, Delete, Tab
    81,  87,  69,  82,  84,  89,  85,  73,  79,  80,  // 30-39 Q-P
    219, 221, 220, 20,                                // 40-42 [ ] \, 43 Caps Lock
    65,  83,  68,  70,  71,  72,  74,  75,  76,       // 44-52 A-L
    186, 222, 13,  160,                               // ; ' Enter, 56 left Shift
    90,  88,  67,  86,  66,  78,  77,                 // 57-63 Z-M
    188, 190, 191, 161,                               // , . / right Shift
    162, 164, 91,  32,  92,  165, 163,                // 68-74 Ctrl Alt Win Space Win Alt Ctrl
    37,  38,  39,  40,                                // 75-78 Left Up Right Down
};
static_assert(std::size(kKeyboardPositions) == 79);

constexpr std::array<std::uint16_t, 11> kConsumerUsages = {
    0x0223, 0x0183, 0x018A, 0x00E9, 0x00EA, 0x00B6, 0x00B5, 0x00E2, 0x00CD, 0x0192, 0x00B7};

bool hasDescriptor(std::uint8_t deviceFunction) {
    return deviceFunction == 13 || deviceFunction == 14 || deviceFunction == 15 ||
           deviceFunction == 30 || deviceFunction == 31;
}

std::uint8_t low(unsigned v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

}  // namespace

std::uint8_t KeyDescriptorTable::keyboardKey(std::int32_t function, const MacVkAndText& keys,
                                             int language) {
    const auto position = (static_cast<unsigned>(function) - 70u) & 0xFFu;
    const int virtualKey =
        position < std::size(kKeyboardPositions) ? kKeyboardPositions[position] : kNoPosition;
    const int table = keys.hasLanguage(language) ? language : kEnglish;
    return low(static_cast<unsigned>(keys.toDeviceCode(table, virtualKey, KeyMode::MacroSteps)));
}

std::uint16_t KeyDescriptorTable::consumerUsage(std::int32_t function) {
    if (function < 23 || function > 33)
        return 0;
    return kConsumerUsages[static_cast<std::size_t>(function - 23)];
}

unsigned KeyDescriptorTable::stepCount(std::int32_t function, const MacroRecord& macro) {
    if (function < KeyAssignments::kFirstPreset)
        return macro.stepCount;
    unsigned count = macro.stepCount == 0 ? 3u : macro.stepCount;
    for (const MacroAction& step : macro.validSteps()) {
        const unsigned delay = std::min(step.delay, MacroEncoder::kMaxDelayMs);
        if (delay > MacroEncoder::kMaxDelayUnits)
            count += delay / MacroEncoder::kMaxDelayUnits;
    }
    return count;
}

KeyDescriptorTable KeyDescriptorTable::build(const KeyAssignments& assignments,
                                             const MacVkAndText& keys, int language) {
    KeyDescriptorTable out;
    std::size_t next = kMacroAreaStart;
    // Bases handed out so far, by function code, for sharing.
    std::vector<std::pair<std::int32_t, std::uint16_t>> bases;
    const auto earlierBase = [&bases](std::int32_t function) -> const std::uint16_t* {
        for (const auto& [code, base] : bases) {
            if (code == function)
                return &base;
        }
        return nullptr;
    };

    for (int p = 0; p < kProfiles; ++p) {
        for (int k = 1; k <= KeyAssignments::kDeviceKeys; ++k) {
            const KeyAssignments::KeyEntry& entry = assignments.key(p, k);
            if (!hasDescriptor(entry.deviceFunction))
                continue;
            const std::int32_t c = entry.function;
            std::uint16_t base = 0;
            const bool consumer = entry.deviceFunction == 15;
            const std::uint16_t* shared = c == kFunctionCombination ? nullptr : earlierBase(c);
            if (shared) {
                base = *shared;
            } else if (consumer) {
                base = static_cast<std::uint16_t>(next);
                bases.emplace_back(c, base);
            } else {
                const std::size_t size = MacroEncoder::layout(*entry.macro).size;
                const std::size_t budget = std::min(size, kMaxBudget);
                if (next + budget - 1 > kMacroAreaLast) {
                    out.overflow_ = true;
                    return out;
                }
                base = static_cast<std::uint16_t>(next);
                next += budget;
                out.macroAreaEnd_ = static_cast<std::uint16_t>(next);
                if (c != kFunctionCombination)
                    bases.emplace_back(c, base);
                out.slots_.push_back({p, k, c, base, budget, false, entry.macro});
            }
            if (shared && !consumer)
                out.slots_.push_back({p, k, c, base, 0, true, entry.macro});

            unsigned count = 0;
            std::uint8_t modeBits = 0;  // byte 6 bits 6, 7
            std::uint8_t repeatWhile = 0;
            std::uint8_t hold = 0;
            std::uint8_t extra = 0;
            if (!consumer) {
                const MacroRecord& macro = *entry.macro;
                count = stepCount(c, macro);
                const unsigned m = macro.mode;
                const bool isHold = (m & 3) == 2;
                const bool isOnce = (m & 3) == 1;
                hold = isHold ? 0x80 : 0;
                if (isOnce)
                    modeBits = 0x80;
                else if (!isHold && (m & 4))
                    modeBits = 0x40;
                repeatWhile = (isHold || isOnce) && (m & 8) ? 0x40 : 0;
                // A key combination's copy has no extra bytes of its own; 0 says so.
                if (c >= KeyAssignments::kFirstPreset)
                    extra = low(macro.extraA * 128u + macro.extraB);
            }
            const std::uint16_t usage = consumerUsage(c);
            std::uint8_t* d =
                out.bytes_.data() + 140 * p + kEntryBytes * static_cast<unsigned>(k - 1);
            d[0] = 0;
            d[1] = static_cast<std::uint8_t>(hold | (count & 0x7F));
            d[2] = keyboardKey(c, keys, language);
            d[3] = low(usage);
            d[4] = low(usage >> 8);
            d[5] = low(base);
            d[6] = static_cast<std::uint8_t>(modeBits | ((base / 256) & 0x3F));
            d[7] = static_cast<std::uint8_t>(repeatWhile | ((count / 128) & 0x3F));
            d[8] = extra;
            d[9] = 0;
        }
    }
    return out;
}

}  // namespace karvo::device
