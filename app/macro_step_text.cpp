// Step list texts.
#include "app/macro_step_text.h"

#include <array>
#include <cstdio>

namespace karvo {

namespace {
// UniqueName_Other texts of the step list.
constexpr int kRestoreSensitivityText = 11;
constexpr int kMillisecondsText = 12;
constexpr int kLightingText = 13;
constexpr int kUnknownLightingText = 14;
constexpr int kNoKeyText = 17;
// UniqueName_DevMac: the three mouse buttons a step can press.
constexpr int kLeftButtonText = 20;
constexpr int kMiddleButtonText = 21;
constexpr int kRightButtonText = 22;

std::string moveText(const MacroAction& step) {
    const char* format = nullptr;
    switch (step.kind) {
        case stepkind::kMoveLeftUp:
            format = "[X-]:%d,[Y-]:%d";
            break;
        case stepkind::kMoveLeftDown:
            format = "[X-]:%d,[Y+]:%d";
            break;
        case stepkind::kMoveRightUp:
            format = "[X+]:%d,[Y-]:%d";
            break;
        case stepkind::kMoveRightDown:
            format = "[X+]:%d,[Y+]:%d";
            break;
        default:
            // The text users of the earlier program know; kept letter for letter.
            return "[X]:eeror,[Y]:eeror";
    }
    std::array<char, 48> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, static_cast<int>(step.p0),
                  static_cast<int>(step.p1));
    return buffer.data();
}
}  // namespace

std::string delayText(std::uint16_t delay, const LanguageTextTable& texts) {
    return std::to_string(delay) + texts.text(TextSection::Other, kMillisecondsText);
}

std::string stepText(const MacroAction& step, const StepTextSources& sources) {
    const LanguageTextTable& texts = sources.texts;
    switch (step.key) {
        case macrokey::kNone:
            return texts.text(TextSection::Other, kNoKeyText);
        case macrokey::kMove:
            return moveText(step);
        case macrokey::kSensitivity:
            if (step.kind == stepkind::kSetSensitivity)
                return "[DPI]:" + std::to_string(macrotext::sensitivityDpi(step.p0)) + " ";
            if (step.kind == stepkind::kRestoreSensitivity)
                return texts.text(TextSection::Other, kRestoreSensitivityText);
            return "[DPI]:Error";
        case macrokey::kLighting:
            if (step.kind >= stepkind::kLightingFirst && step.kind <= stepkind::kLightingLast)
                return texts.text(TextSection::Other, kLightingText) + std::to_string(step.p0 + 1);
            return texts.text(TextSection::Other, kLightingText) +
                   texts.text(TextSection::Other, kUnknownLightingText);
        default:
            return sources.keys.name(sources.language, step.key, KeyMode::MacroSteps,
                                     texts.text(TextSection::DevMac, kLeftButtonText),
                                     texts.text(TextSection::DevMac, kMiddleButtonText),
                                     texts.text(TextSection::DevMac, kRightButtonText));
    }
}

ListIcon stepIcon(const MacroAction& step) {
    switch (step.key) {
        case macrokey::kNone:
            return ListIcon::Delay;
        case macrokey::kMove:
            return ListIcon::Move;
        case macrokey::kSensitivity:
            return ListIcon::Sensitivity;
        case macrokey::kLighting:
            return ListIcon::Lighting;
        default:
            break;
    }
    if (step.kind == stepkind::kPress)
        return ListIcon::Press;
    if (step.kind == stepkind::kRelease)
        return ListIcon::Release;
    return ListIcon::Delay;
}

std::vector<ListLine> stepLines(const MacroRecord& macro, const StepTextSources& sources) {
    std::vector<ListLine> lines;
    const auto steps = macro.validSteps();
    lines.reserve(steps.size() * 2);
    for (const MacroAction& step : steps) {
        lines.push_back({stepText(step, sources), stepIcon(step), 0, false});
        lines.push_back({delayText(step.delay, sources.texts), ListIcon::Delay, 1, false});
    }
    return lines;
}

}  // namespace karvo
