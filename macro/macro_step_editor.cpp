// Step editing; see macro_step_editor.h.
#include "macro/macro_step_editor.h"

#include <algorithm>
#include <array>

namespace karvo {

namespace {

using Type = StepCommand::Type;

bool isLightingKey(std::uint8_t key) {
    return key == macrokey::kLighting || key == macrokey::kReserved251;
}

// Raises or lowers the counter of a key's kind; keys without a counter of their own have none.
void adjustCounter(MacroRecord& macro, std::uint8_t key, int delta) {
    const auto bump = [delta](auto& counter) {
        using T = std::remove_reference_t<decltype(counter)>;
        const int next = static_cast<int>(counter) + delta;
        counter = static_cast<T>(std::max(next, 0));
    };
    switch (key) {
        case macrokey::kMove:
            bump(macro.moveCount);
            break;
        case macrokey::kReserved247:
            bump(macro.kind247Count);
            break;
        case macrokey::kSensitivity:
            bump(macro.sensitivityCount);
            break;
        case macrokey::kLighting:
            bump(macro.lightingCount);
            break;
        case macrokey::kReserved250:
            bump(macro.kind250Count);
            break;
        case macrokey::kReserved251:
            bump(macro.kind251Count);
            break;
        default:
            break;
    }
}

std::array<LedEffectRecord, MacroRecord::kLightingRecords>& recordsOf(MacroRecord& macro,
                                                                      std::uint8_t key) {
    return key == macrokey::kLighting ? macro.lighting : macro.second;
}

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

struct Item {
    int item;
    StepCommand command;
};

constexpr StepCommand insert(Type where, std::uint8_t key, std::uint8_t kind) {
    return {where, key, kind};
}

// The insert menu: its sub-menus hold the before and after inserts of the three buttons, the
// four cursor directions and the two sensitivity commands.
constexpr std::array<Item, 21> kEditMenu = {{
    {145, insert(Type::InsertAfter, macrokey::kLighting, stepkind::kLightingFirst)},
    {146, insert(Type::InsertAfter, macrokey::kNone, stepkind::kWait)},
    {147, {Type::Delete, 0, 0}},
    {241, insert(Type::InsertBefore, macrokey::kMouseLeft, stepkind::kPress)},
    {242, insert(Type::InsertBefore, macrokey::kMouseLeft, stepkind::kRelease)},
    {243, insert(Type::InsertBefore, macrokey::kMouseMiddle, stepkind::kPress)},
    {244, insert(Type::InsertBefore, macrokey::kMouseMiddle, stepkind::kRelease)},
    {245, insert(Type::InsertBefore, macrokey::kMouseRight, stepkind::kPress)},
    {246, insert(Type::InsertBefore, macrokey::kMouseRight, stepkind::kRelease)},
    {247, insert(Type::InsertAfter, macrokey::kMouseLeft, stepkind::kPress)},
    {248, insert(Type::InsertAfter, macrokey::kMouseLeft, stepkind::kRelease)},
    {249, insert(Type::InsertAfter, macrokey::kMouseMiddle, stepkind::kPress)},
    {250, insert(Type::InsertAfter, macrokey::kMouseMiddle, stepkind::kRelease)},
    {251, insert(Type::InsertAfter, macrokey::kMouseRight, stepkind::kPress)},
    {252, insert(Type::InsertAfter, macrokey::kMouseRight, stepkind::kRelease)},
    {253, insert(Type::InsertAfter, macrokey::kMove, stepkind::kMoveLeftUp)},
    {254, insert(Type::InsertAfter, macrokey::kMove, stepkind::kMoveLeftDown)},
    {255, insert(Type::InsertAfter, macrokey::kMove, stepkind::kMoveRightUp)},
    {256, insert(Type::InsertAfter, macrokey::kMove, stepkind::kMoveRightDown)},
    {257, insert(Type::InsertAfter, macrokey::kSensitivity, stepkind::kSetSensitivity)},
    {258, insert(Type::InsertAfter, macrokey::kSensitivity, stepkind::kRestoreSensitivity)},
}};

}  // namespace

std::optional<StepCommand> stepCommandFor(int menu, int item) {
    if (menu == kStepMenu) {
        if (item == 1)
            return StepCommand{Type::Modify, 0, 0};
        if (item == 2)
            return StepCommand{Type::Delete, 0, 0};
        return std::nullopt;
    }
    if (menu != kStepEditMenu)
        return std::nullopt;
    for (const Item& i : kEditMenu)
        if (i.item == item)
            return i.command;
    return std::nullopt;
}

std::size_t MacroStepEditor::insertIndex(const MacroRecord& macro,
                                         std::optional<std::size_t> selected,
                                         StepCommand::Type where) {
    const std::size_t count = macro.validSteps().size();
    if (count == 0)
        return 0;
    if (!selected)
        return count;
    const std::size_t index = where == Type::InsertAfter ? *selected + 1 : *selected;
    return std::min(index, count);
}

std::optional<std::size_t> MacroStepEditor::insert(MacroRecord& macro, std::size_t index,
                                                   std::uint8_t key, std::uint8_t kind) {
    macro.clampCounters();
    const std::size_t count = macro.stepCount;
    if (count >= MacroRecord::kMaxSteps) {
        notifier_.tipText(kTipStepLimit);
        return std::nullopt;
    }
    if (key >= macrokey::kMove && macro.countFor(key) >= MacroRecord::limitFor(key)) {
        notifier_.tipText(kTipKindLimit);
        return std::nullopt;
    }
    index = std::min(index, count);
    auto& steps = macro.steps;
    std::move_backward(steps.begin() + static_cast<std::ptrdiff_t>(index),
                       steps.begin() + static_cast<std::ptrdiff_t>(count),
                       steps.begin() + static_cast<std::ptrdiff_t>(count + 1));
    MacroAction step;
    step.key = key;
    step.kind = kind;
    step.delay = kNewDelay;
    switch (key) {
        case macrokey::kMove:
            step.p1 = kNewMoveY;
            break;
        case macrokey::kReserved247:
            step.p0 = 1;
            break;
        case macrokey::kSensitivity:
            step.p0 = kDefaultLevel;
            break;
        case macrokey::kReserved250:
            step.p0 = 387;
            break;
        default:
            break;
    }
    if (isLightingKey(key)) {
        // Numbered after the nearest lighting step of the same table before it; the later ones
        // and their records move up one slot to make room.
        std::uint16_t number = 0;
        for (std::size_t i = index; i-- > 0;) {
            if (steps[i].key == key) {
                number = static_cast<std::uint16_t>(steps[i].p0 + 1);
                break;
            }
        }
        number = std::min<std::uint16_t>(number, MacroRecord::kLightingRecords - 1);
        auto& records = recordsOf(macro, key);
        std::move_backward(records.begin() + number, records.end() - 1, records.end());
        LedEffectRecord fresh;
        if (key == macrokey::kLighting)
            fresh = LedEffectRecord::forNewStep();
        else
            fresh.bytes[0] = 1;
        records[number] = fresh;
        for (std::size_t i = index + 1; i <= count; ++i)
            if (steps[i].key == key && steps[i].p0 >= number &&
                steps[i].p0 + 1u < MacroRecord::kLightingRecords)
                ++steps[i].p0;
        step.p0 = number;
    }
    steps[index] = step;
    macro.stepCount = static_cast<std::uint16_t>(count + 1);
    adjustCounter(macro, key, +1);
    return index;
}

bool MacroStepEditor::remove(MacroRecord& macro, std::size_t index) {
    macro.clampCounters();
    const std::size_t count = macro.stepCount;
    if (index >= count)
        return false;
    auto& steps = macro.steps;
    const MacroAction gone = steps[index];
    adjustCounter(macro, gone.key, -1);
    if (isLightingKey(gone.key) && gone.p0 < MacroRecord::kLightingRecords) {
        auto& records = recordsOf(macro, gone.key);
        std::move(records.begin() + gone.p0 + 1, records.end(), records.begin() + gone.p0);
        records.back() = LedEffectRecord{};
        for (std::size_t i = index + 1; i < count; ++i)
            if (steps[i].key == gone.key && steps[i].p0 > gone.p0)
                --steps[i].p0;
    }
    std::move(steps.begin() + static_cast<std::ptrdiff_t>(index + 1),
              steps.begin() + static_cast<std::ptrdiff_t>(count),
              steps.begin() + static_cast<std::ptrdiff_t>(index));
    steps[count - 1] = MacroAction{};
    macro.stepCount = static_cast<std::uint16_t>(count - 1);
    return true;
}

std::optional<std::uint32_t> MacroStepEditor::parseDigits(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<std::uint32_t>(value * 10 + static_cast<std::uint32_t>(c - '0'),
                                        1'000'000'000);
    }
    return value;
}

std::optional<std::uint16_t> MacroStepEditor::levelForDpi(std::uint32_t dpi) {
    struct Level {
        std::uint32_t dpi;
        std::uint16_t level;
    };
    static constexpr std::array<Level, 12> kLevels = {{{200, 1},
                                                       {400, 2},
                                                       {600, 3},
                                                       {800, 4},
                                                       {1000, 5},
                                                       {1200, 6},
                                                       {1600, 7},
                                                       {2000, 9},
                                                       {2400, 11},
                                                       {3200, 13},
                                                       {4000, 14},
                                                       {4800, 15}}};
    for (const Level& l : kLevels)
        if (l.dpi == dpi)
            return l.level;
    return std::nullopt;
}

bool MacroStepEditor::editDelay(MacroRecord& macro, std::size_t index, std::string_view text,
                                std::string_view suffix) {
    if (index >= macro.validSteps().size())
        return false;
    auto value = parseDigits(text);
    if (!value && !suffix.empty()) {
        const std::size_t at = text.find(suffix);
        if (at != std::string_view::npos)
            value = parseDigits(text.substr(0, at));
    }
    if (!value)
        return false;
    if (*value > kMaxDelay) {
        notifier_.tipText(kTipDelayCut);
        value = kMaxDelay;
    }
    macro.steps[index].delay = static_cast<std::uint16_t>(*value);
    return true;
}

bool MacroStepEditor::editParameters(MacroRecord& macro, std::size_t index, std::string_view text) {
    if (index >= macro.validSteps().size())
        return false;
    MacroAction& step = macro.steps[index];
    if (step.key == macrokey::kMove)
        return editMove(step, text);
    if (step.key == macrokey::kSensitivity && step.kind == stepkind::kSetSensitivity)
        return editSensitivity(step, text);
    return false;
}

bool MacroStepEditor::editMove(MacroAction& step, std::string_view text) {
    const std::size_t colon1 = text.find(':');
    if (colon1 == std::string_view::npos)
        return false;
    const std::size_t comma = text.find(',', colon1 + 1);
    if (comma == std::string_view::npos)
        return false;
    const std::size_t colon2 = text.find(':', comma + 1);
    if (colon2 == std::string_view::npos)
        return false;
    auto x = parseDigits(trimSpaces(text.substr(colon1 + 1, comma - colon1 - 1)));
    auto y = parseDigits(trimSpaces(text.substr(colon2 + 1)));
    if (!x || !y)
        return false;
    if (*x > kMaxMove) {
        notifier_.tipText(kTipMoveCut, "[X]");
        x = kMaxMove;
    }
    if (*y > kMaxMove) {
        notifier_.tipText(kTipMoveCut, "[Y]");
        y = kMaxMove;
    }
    step.p0 = static_cast<std::uint16_t>(*x);
    step.p1 = static_cast<std::uint16_t>(*y);
    return true;
}

bool MacroStepEditor::editSensitivity(MacroAction& step, std::string_view text) {
    const std::size_t colon = text.find(':');
    std::optional<std::uint16_t> level;
    if (colon != std::string_view::npos)
        if (const auto dpi = parseDigits(trimSpaces(text.substr(colon + 1))))
            level = levelForDpi(*dpi);
    if (!level) {
        notifier_.message(kCpiChoices);
        level = kDefaultLevel;
    }
    step.p0 = *level;
    return true;
}

bool MacroStepEditor::changeKey(MacroRecord& macro, std::size_t index, std::uint8_t key) {
    if (index >= macro.validSteps().size())
        return false;
    MacroAction& step = macro.steps[index];
    const auto takesKey = [](std::uint8_t k) {
        return (k >= 1 && k < macrokey::kMouse240) ||
               (k >= macrokey::kMouseLeft && k <= macrokey::kMouseRight);
    };
    if (!takesKey(step.key) || !takesKey(key))
        return false;
    if (step.kind != stepkind::kPress && step.kind != stepkind::kRelease)
        return false;
    step.key = key;
    return true;
}

}  // namespace karvo
