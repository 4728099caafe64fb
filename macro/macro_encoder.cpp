// The macro image of one slot; the byte layout is documented in macro_encoder.h. Everything
// here is pure: the caller writes the image and shows the notices.
#include "macro/macro_encoder.h"

#include <algorithm>

namespace karvo {
namespace {

constexpr std::uint8_t kPressBit = 0x80;
constexpr std::uint8_t kFillerUnits = 0x7F;

constexpr std::size_t roundUp8(std::size_t n) {
    return (n + 7) / 8 * 8;
}

// Keyboard keys and the mouse buttons 240 to 244. Code 245 lies between the buttons and the
// special steps and is neither: the key tables define no such key, so it is skipped like
// every other step the mouse has no meaning for.
bool isKeyOrButton(std::uint8_t key) {
    return key >= 1 && key <= macrokey::kMouse244;
}

bool isLightingKind(std::uint8_t kind) {
    return kind >= stepkind::kLightingFirst && kind <= stepkind::kLightingLast;
}

// A lighting step's record, or nullptr when the record table has none for it.
const LedEffectRecord* lightingRecord(const MacroRecord& record, const MacroAction& step) {
    return record.lightingCount == 0 ? nullptr : record.lightingRecordOf(step);
}

// Bytes the step's own entry takes (fillers not counted); 0 for a step that writes nothing.
std::size_t entryBytes(const MacroRecord& record, const MacroAction& step) {
    if (step.key == macrokey::kNone || isKeyOrButton(step.key))
        return step.key == macrokey::kNone || step.kind == stepkind::kPress ||
                       step.kind == stepkind::kRelease
                   ? 2
                   : 0;
    switch (step.key) {
        case macrokey::kMove:
            return 6;
        case macrokey::kSensitivity:
            return 4;
        case macrokey::kLighting:
            return lightingRecord(record, step) ? 4 : 0;
        default:
            return 0;
    }
}

// The bytes of a lighting record in the lighting area: 4n + 4, at most the whole record.
std::size_t lightingCopyBytes(const LedEffectRecord& led) {
    return led.meaningfulLength();
}

// Writes into the image and never past it.
class ImageWriter {
  public:
    explicit ImageWriter(std::vector<std::uint8_t>& image) : image_(image) {}
    void put(std::size_t at, std::uint8_t byte) {
        if (at < image_.size())
            image_[at] = byte;
    }
    void put16(std::size_t at, unsigned value) {
        put(at, static_cast<std::uint8_t>(value & 0xFF));
        put(at + 1, static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }

  private:
    std::vector<std::uint8_t>& image_;
};

// Signed distance as the 16-bit two's complement the mouse reads.
unsigned negated(std::uint16_t distance) {
    return (65536u - distance) & 0xFFFF;
}

}  // namespace

MacroEncoder::Delay MacroEncoder::splitDelay(std::uint16_t delayMs) {
    unsigned units = std::min(delayMs, kMaxDelayMs);  // 1 ms per device unit
    Delay d;
    while (units > kMaxDelayUnits) {
        ++d.fillers;
        units -= kMaxDelayUnits;
    }
    d.units = static_cast<std::uint8_t>(units == 0 ? 1 : units);
    return d;
}

MacroEncoder::Layout MacroEncoder::layout(const MacroRecord& record) {
    Layout out;
    std::size_t needed = 2;
    std::size_t lightingArea = 0;
    for (const MacroAction& step : record.validSteps()) {
        const std::size_t fillers = splitDelay(step.delay).fillers;
        out.fillers += fillers;
        const std::size_t entry = entryBytes(record, step);
        if (entry > 0)
            needed += entry + 2 * fillers;
        if (step.key == macrokey::kLighting) {
            if (const LedEffectRecord* led = lightingRecord(record, step))
                lightingArea += roundUp8(lightingCopyBytes(*led));
        }
    }
    const std::size_t reserved =
        2 + 2 * (std::size_t{record.validSteps().size()} + out.fillers) +
        4 * std::size_t{record.moveCount} +
        2 * (std::size_t{record.kind247Count} + record.sensitivityCount + record.kind250Count +
             record.lightingCount + record.kind251Count);
    out.stepArea = roundUp8(std::max(reserved, needed));
    out.size = out.stepArea + lightingArea;
    return out;
}

MacroEncoder::Result MacroEncoder::encode(const MacroRecord& record, std::uint16_t base,
                                          std::size_t budget) {
    Result result;
    result.image.assign(budget + 2, 0);
    const Layout parts = layout(record);
    if (parts.size > budget) {
        result.notices.push_back(kTipBadLighting);
        result.abandoned = true;
        return result;
    }
    ImageWriter out(result.image);

    const auto mode = record.mode & 0x03;
    out.put16(0, mode == 1 || mode == 2 ? 1u : record.repeatCount);

    std::size_t at = 2;
    std::size_t lightingOffset = parts.stepArea;
    for (const MacroAction& step : record.validSteps()) {
        const Delay delay = splitDelay(step.delay);
        const auto d = delay.units;
        const std::size_t entry = entryBytes(record, step);
        if (step.key == macrokey::kLighting && entry == 0) {
            result.notices.push_back(kTipBadLighting);
            continue;
        }
        if (entry == 0)
            continue;
        if (step.key == macrokey::kNone) {
            out.put(at, d);
            out.put(at + 1, 0);
        } else if (isKeyOrButton(step.key)) {
            out.put(at,
                    step.kind == stepkind::kPress ? static_cast<std::uint8_t>(d | kPressBit) : d);
            out.put(at + 1, step.key);
        } else if (step.key == macrokey::kMove) {
            out.put(at, d);
            out.put(at + 1, macrokey::kMove);
            const bool xNegative =
                step.kind == stepkind::kMoveLeftUp || step.kind == stepkind::kMoveLeftDown;
            const bool yNegative =
                step.kind == stepkind::kMoveLeftUp || step.kind == stepkind::kMoveRightUp;
            if (step.kind >= stepkind::kMoveLeftUp && step.kind <= stepkind::kMoveRightDown) {
                out.put16(at + 2, xNegative ? negated(step.p0) : step.p0);
                out.put16(at + 4, yNegative ? negated(step.p1) : step.p1);
            }
        } else if (step.key == macrokey::kSensitivity) {
            std::uint8_t first = 0;
            if (step.kind == stepkind::kSetSensitivity)
                first = static_cast<std::uint8_t>(d | kPressBit);
            else if (step.kind == stepkind::kRestoreSensitivity)
                first = d;
            out.put(at, first);
            out.put(at + 1, macrokey::kSensitivity);
            out.put(at + 2, static_cast<std::uint8_t>(step.p0 & 0xFF));
            out.put(at + 3, 0);
        } else {  // lighting, with its record
            unsigned variant = 0;
            if (isLightingKind(step.kind))
                variant = step.kind - stepkind::kLightingFirst;
            else
                result.notices.push_back(kTipBadLighting);
            const LedEffectRecord& led = *lightingRecord(record, step);
            const std::size_t address = base + lightingOffset;
            out.put(at, d);
            out.put(at + 1, macrokey::kLighting);
            out.put(at + 2, static_cast<std::uint8_t>(address & 0xFF));
            out.put(at + 3, static_cast<std::uint8_t>(variant * 64 + (address / 256) % 64));

            const std::size_t copy = lightingCopyBytes(led);
            out.put(lightingOffset, static_cast<std::uint8_t>(led.entryCount() - 1));
            for (std::size_t i = 1; i < copy; ++i)
                out.put(lightingOffset + i, led.bytes[i]);
            lightingOffset += roundUp8(copy);
            if (base + lightingOffset - 1 > kLightingLimit) {
                result.notices.push_back(kTipBadLighting);
                result.abandoned = true;
                return result;
            }
        }
        at += entry;
        for (std::size_t f = 0; f < delay.fillers; ++f, at += 2) {
            out.put(at, kFillerUnits);
            out.put(at + 1, 0);
        }
    }
    return result;
}

MacroRecord MacroEncoder::stretchedPreset(const MacroRecord& record) {
    if (record.playbackMode() != PlaybackMode::Mode2)
        return record;
    const auto steps = record.validSteps();
    long sum = 1;
    for (const MacroAction& step : steps)
        sum += step.delay;
    if (sum <= 0)
        sum = 1;
    const long factor = kStretchTargetMs / sum;
    if (factor <= 1)
        return record;

    MacroRecord out = record;
    out.stepCount = static_cast<std::uint16_t>(steps.size());
    for (long copy = 1; copy < factor; ++copy) {
        for (const MacroAction& step : steps) {
            if (out.stepCount >= MacroRecord::kMaxSteps)
                return out;
            MacroAction repeated = step;
            if (repeated.key >= macrokey::kReserved247)
                repeated.key = macrokey::kNone;
            if (repeated.key == macrokey::kMove)
                ++out.moveCount;
            out.steps[out.stepCount++] = repeated;
        }
    }
    return out;
}

}  // namespace karvo
