// The macro page's controls: macro list selection, step lines, key marks and the repeat count.
#include "app/macro_page_controls.h"

#include <algorithm>

#include "app/macro_step_text.h"
#include "ui/skin/layout_index.h"
#include "ui/skin/page_text_painter.h"

namespace karvo {

namespace {
EditBoxModel disabledRepeat() {
    return {"1", false, true};
}
}  // namespace

MacroPageControls::MacroPageControls(Parts parts) : parts_(std::move(parts)) {
    macroList_.setOnSelect([this](int line) { onMacroLine(line); });
    repeat_ = disabledRepeat();
}

void MacroPageControls::setKeyNum(int keyNum) {
    keyNum_ = std::clamp(keyNum, 0, kButtonSlots);
    refreshKeys();
}

void MacroPageControls::setIconStrip(const std::string& picture) {
    macroList_.setIconStrip(picture);
    stepList_.setIconStrip(picture);
    keyList_.setIconStrip(picture);
}

void MacroPageControls::reload() {
    std::optional<CurrentMacro> current;
    parts_.macros.withGroups([&](MacroGroup& groups) {
        rebuildMacroList(groups);
        const int line = groups.selectedLine();
        macroList_.setSelection(line);
        if (line == MacroGroup::kNone)
            return;
        const MacroListLine& l = groups.lines()[static_cast<std::size_t>(line)];
        if (!l.isGroup && static_cast<int>(l.group) == groups.currentGroup())
            current = currentOf(groups);
    });
    show(current);
}

std::optional<MacroPageControls::CurrentMacro> MacroPageControls::currentOf(MacroGroup& groups) {
    const MacroRecord* record = groups.currentRecord();
    if (!record)
        return std::nullopt;
    return CurrentMacro{*record, groups.currentGroup(), groups.currentMacro()};
}

void MacroPageControls::rebuildMacroList(const MacroGroup& groups) {
    std::vector<ListLine> lines;
    lines.reserve(groups.lines().size());
    for (const MacroListLine& l : groups.lines()) {
        if (l.isGroup) {
            lines.push_back(
                {std::string(groups.groupName(l.group)),
                 groups.isExpanded(l.group) ? ListIcon::GroupExpanded : ListIcon::GroupCollapsed, 0,
                 false});
        } else {
            lines.push_back(
                {std::string(groups.macroName(l.group, static_cast<std::size_t>(l.macro))),
                 ListIcon::Macro, 1, false});
        }
    }
    macroList_.setLines(std::move(lines));
}

void MacroPageControls::onMacroLine(int line) {
    if (line < 0)
        return;
    if (beforeLine_)
        beforeLine_();
    std::optional<CurrentMacro> current;
    parts_.macros.withGroups([&](MacroGroup& groups) {
        if (!groups.selectLine(static_cast<std::size_t>(line)))
            return;
        const MacroListLine l = groups.lines()[static_cast<std::size_t>(line)];
        if (l.isGroup) {
            // Expanding or collapsing moves the lines below; the list is built again.
            rebuildMacroList(groups);
            macroList_.setSelection(groups.selectedLine());
            return;
        }
        current = currentOf(groups);
    });
    show(current);
}

void MacroPageControls::show(const std::optional<CurrentMacro>& current) {
    stepList_.setSelection(CListBoxXI::kNone);
    std::optional<int> mode;
    if (current) {
        const MacroRecord& record = current->record;
        selected_ = {current->group, current->macro};
        stepList_.setLines(stepLines(record, {parts_.texts, parts_.keys, language_}));
        name_ = {record.nameUtf8(), true, true};
        mode = static_cast<int>(record.playbackMode());
        if (record.playbackMode() == PlaybackMode::Repeat)
            repeat_ = {std::to_string(std::clamp<int>(record.repeatCount, kMinRepeat, kMaxRepeat)),
                       true, false};
        else
            repeat_ = disabledRepeat();
    } else {
        selected_.reset();
        stepList_.setLines({});
        name_ = {};
        repeat_ = disabledRepeat();
    }
    refreshKeys();
    if (parts_.onMacroMode)
        parts_.onMacroMode(mode);
}

void MacroPageControls::selectMacroLine(int line) {
    macroList_.setSelection(line);
    onMacroLine(line);
}

void MacroPageControls::showSteps(const MacroRecord& macro, int line) {
    stepList_.setLines(stepLines(macro, {parts_.texts, parts_.keys, language_}));
    stepList_.setSelection(line);
}

void MacroPageControls::setRepeatEnabled(bool enabled) {
    if (!enabled) {
        repeat_.enabled = false;
        repeat_.readOnly = true;
        return;
    }
    if (!selected_)
        return;
    // Plain copies: some compilers we build with cannot capture structured bindings.
    const int group = selected_->first;
    const int macro = selected_->second;
    const MacroRecord record = parts_.macros.withGroups([&](MacroGroup& groups) {
        const MacroRecord* r = groups.currentGroup() == group
                                   ? groups.table().macro(static_cast<std::size_t>(macro))
                                   : nullptr;
        return r ? *r : MacroRecord{};
    });
    if (record.playbackMode() == PlaybackMode::Repeat)
        repeat_ = {std::to_string(std::clamp<int>(record.repeatCount, kMinRepeat, kMaxRepeat)),
                   true, false};
    else
        repeat_ = disabledRepeat();
}

void MacroPageControls::refreshKeys() {
    const Settings settings = parts_.settings.snapshot();
    const SkinLayout& lighting = parts_.skin.lighting();
    std::vector<ListLine> lines;
    for (int n = 0; n < keyNum_; ++n) {
        const ButtonAssignment& button = settings.current().buttons[static_cast<std::size_t>(n)];
        // The lighting page names the buttons; beyond its names the number stands alone.
        std::string name = lighting.text(skin::lighting::kReactionFirst + n);
        if (name.empty())
            name = std::to_string(n + 1);
        const bool runsSelected =
            selected_ && button.function == macroFunction(selected_->first, selected_->second);
        lines.push_back(
            {name + ": " + PageTextPainter::functionLabel(button, parts_.skin.functions()),
             ListIcon::Button, 0, runsSelected});
    }
    keyList_.setLines(std::move(lines));
}

int MacroPageControls::clampRepeat(std::string_view typed) {
    long long value = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9')
            continue;
        value = std::min<long long>(value * 10 + (c - '0'), kMaxRepeat + 1);
    }
    return static_cast<int>(std::clamp<long long>(value, kMinRepeat, kMaxRepeat));
}

std::string MacroPageControls::onRepeatEdited(std::string_view typed) {
    if (!selected_ || !repeat_.enabled)
        return repeat_.text;
    if (typed.find_first_of("0123456789") == std::string_view::npos) {
        repeat_.text.clear();
        return repeat_.text;
    }
    const int count = clampRepeat(typed);
    // Plain copies: lambdas below cannot capture structured bindings with every compiler.
    const int group = selected_->first;
    const int macro = selected_->second;
    const bool stored = parts_.macros.withGroups([&](MacroGroup& groups) {
        if (groups.currentGroup() != group)
            return false;
        MacroRecord* record = groups.table().macro(static_cast<std::size_t>(macro));
        if (!record || record->playbackMode() != PlaybackMode::Repeat)
            return false;
        const std::uint16_t before = record->repeatCount;
        record->repeatCount = static_cast<std::uint16_t>(count);
        if (groups.saveMacro(static_cast<std::size_t>(macro)))
            return true;
        record->repeatCount = before;  // the table never holds what the file does not
        return false;
    });
    if (stored)
        repeat_.text = std::to_string(count);
    return repeat_.text;
}

void MacroPageControls::onRepeatFinished() {
    if (!repeat_.text.empty() || !selected_)
        return;
    const auto [group, macro] = *selected_;
    const MacroRecord record = parts_.macros.groupMacro(group, macro);
    repeat_.text = std::to_string(std::clamp<int>(record.repeatCount, kMinRepeat, kMaxRepeat));
}

}  // namespace karvo
