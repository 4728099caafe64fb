// The macro page's editing commands; see macro_edit_commands.h.
#include "app/macro_edit_commands.h"

#include <algorithm>

#include "app/macro_step_text.h"
#include "services/language_text_index.h"

namespace karvo {

namespace {
int stepLine(std::size_t step) {
    return static_cast<int>(2 * step);
}

// f(MacroExchange&) over the library under its lock. Single macros never meet the check of the
// configuration folder's library files, which only group files need.
template <class F>
auto withExchange(MacroLibrary& library, Notifier& notifier, F&& f) {
    return library.withGroupsAndFile([&](MacroGroup& groups, const MacroFile& file) {
        MacroExchange exchange(file, notifier, groups, {});
        return f(exchange);
    });
}
}  // namespace

MacroEditCommands::MacroEditCommands(Parts parts)
    : parts_(std::move(parts)), editor_(parts_.notifier), recorder_(parts_.keys) {
    parts_.controls.setBeforeMacroLine([this] {
        edit_.reset();
        stopRecording();
    });
}

std::optional<std::size_t> MacroEditCommands::selectedStep() const {
    const int line = parts_.controls.stepList().selection();
    if (line < 0)
        return std::nullopt;
    return static_cast<std::size_t>(line / 2);
}

std::optional<MacroRecord> MacroEditCommands::currentCopy() const {
    const auto selected = parts_.controls.selectedMacro();
    if (!selected)
        return std::nullopt;
    // Plain copies, not a structured binding: lambdas may not capture those before C++20's
    // fix reached every compiler we build with.
    const auto group = selected->first;
    const auto macro = selected->second;
    return parts_.macros.withGroups([&](MacroGroup& groups) -> std::optional<MacroRecord> {
        if (groups.currentGroup() != group)
            return std::nullopt;
        const MacroRecord* r = groups.table().macro(static_cast<std::size_t>(macro));
        if (!r)
            return std::nullopt;
        return *r;
    });
}

bool MacroEditCommands::store(const MacroRecord& record) {
    const auto selected = recordingMacro_ ? recordingMacro_ : parts_.controls.selectedMacro();
    if (!selected)
        return false;
    const auto group = selected->first;
    const auto macro = selected->second;
    return parts_.macros.withGroups([&](MacroGroup& groups) {
        if (groups.currentGroup() != group)
            return false;
        MacroRecord* r = groups.table().macro(static_cast<std::size_t>(macro));
        if (!r)
            return false;
        const MacroRecord before = *r;
        *r = record;
        // Saved at once: the window and the command-line tool share the files, and an edit
        // that lives only in memory is lost with the program.
        if (groups.saveMacro(static_cast<std::size_t>(macro)))
            return true;
        *r = before;  // the table never holds what the file does not
        return false;
    });
}

template <class F>
bool MacroEditCommands::changeCurrent(F&& f) {
    std::optional<MacroRecord> record = currentCopy();
    if (!record)
        return false;
    if (!std::forward<F>(f)(*record))
        return false;
    return store(*record);
}

void MacroEditCommands::showCurrent(int line) {
    if (const auto record = currentCopy())
        parts_.controls.showSteps(*record, line);
}

std::optional<MacroEditCommands::MenuRequest> MacroEditCommands::onStepRightClick(int line) {
    edit_.reset();
    if (recording())
        return std::nullopt;
    const auto record = currentCopy();
    if (!record)
        return std::nullopt;
    const auto steps = record->validSteps();
    if (line < 0 || static_cast<std::size_t>(line) >= 2 * steps.size())
        return std::nullopt;
    parts_.controls.stepList().setSelection(line);
    const MacroAction& step = steps[static_cast<std::size_t>(line) / 2];
    const bool delayLine = line % 2 == 1;
    if (!delayLine && (step.key == macrokey::kNone || step.key == macrokey::kLighting))
        return std::nullopt;
    return MenuRequest{kStepMenu, {1, 2}};
}

std::optional<MacroEditCommands::MenuRequest> MacroEditCommands::insertMenu() const {
    if (recording() || !currentCopy())
        return std::nullopt;
    // 141 to 144 are the sub-menus: buttons before and after the step, moves, sensitivity.
    return MenuRequest{kStepEditMenu, {141, 142, 143, 144, 145, 146, 147}};
}

std::optional<MacroEditCommands::MenuRequest> MacroEditCommands::onMacroListRightClick(int line) {
    edit_.reset();
    stopRecording();
    const auto lines = parts_.macros.withGroups([](MacroGroup& groups) {
        return std::vector<MacroListLine>(groups.lines().begin(), groups.lines().end());
    });
    if (line >= 0 && static_cast<std::size_t>(line) < lines.size()) {
        const MacroListLine l = lines[static_cast<std::size_t>(line)];
        const int selected = parts_.controls.macroList().selection();
        if (!l.isGroup) {
            if (selected != line)
                parts_.controls.selectMacroLine(line);
            return MenuRequest{kMacroMenu, {1, 2, 3, 4}};
        }
        // Selecting a group line toggles its macros open or shut; a right click only points
        // at the group, so the second toggle puts the list back as it was.
        parts_.macros.withGroups([&](MacroGroup& groups) {
            groups.selectLine(static_cast<std::size_t>(line));
            groups.selectLine(static_cast<std::size_t>(line));
        });
        parts_.controls.reload();
    }
    if (lines.empty())
        return MenuRequest{kMacroListMenu, {1, 2, 4, 6, 9}};
    return MenuRequest{kMacroListMenu, {1, 2, 3, 4, 5, 6, 7, 9}};
}

void MacroEditCommands::onMenuPick(int menu, int item) {
    if (menu == kStepMenu || menu == kStepEditMenu) {
        if (recording())
            return;
        if (const auto command = stepCommandFor(menu, item))
            runStepCommand(*command);
        return;
    }
    if (menu != kMacroListMenu && menu != kMacroMenu)
        return;
    stopRecording();
    edit_.reset();
    const auto devmac = [&](int index) { return parts_.texts.text(TextSection::DevMac, index); };
    // Delete, rename and export need a line to act on; the menu shows them only then.
    const bool anyLine = !parts_.controls.macroList().lines().empty();
    if (menu == kMacroListMenu && !anyLine && (item == 3 || item == 5 || item == 7))
        return;
    bool changed = false;
    if (menu == kMacroListMenu) {
        switch (item) {
            case 1:
                changed = parts_.macros.withGroups([&](MacroGroup& groups) {
                    return groups.newGroup(devmac(text::devmac::kNewGroupName));
                });
                break;
            case 2:
                changed = parts_.macros.withGroups([&](MacroGroup& groups) {
                    return groups.newMacro(devmac(text::devmac::kNewMacroName));
                });
                break;
            case 3:
                changed = parts_.macros.withGroups([](MacroGroup& groups) {
                    return groups.groupCount() > 0 && groups.deleteGroup();
                });
                break;
            case 4:
                if (parts_.groupFile)
                    parts_.groupFile(kResetGroups);
                return;
            case 5:
                startMacroListEdit();
                return;
            case 6:
                if (parts_.groupFile)
                    parts_.groupFile(kImportGroupFile);
                return;
            case 7:
                if (parts_.groupFile)
                    parts_.groupFile(kExportGroupFile);
                return;
            case 9:
                importMacro();
                return;
            default:
                return;
        }
    } else {
        switch (item) {
            case 1:
                startMacroListEdit();
                return;
            case 2:
                changed = parts_.macros.withGroups([](MacroGroup& groups) {
                    return groups.currentMacro() != MacroGroup::kNone && groups.deleteMacro();
                });
                break;
            case 3:
                exportMacro();
                return;
            case 4:
                importMacro();
                return;
            default:
                return;
        }
    }
    if (changed)
        parts_.controls.reload();
}

void MacroEditCommands::runStepCommand(const StepCommand& command) {
    const std::optional<std::size_t> selected = selectedStep();
    switch (command.type) {
        case StepCommand::Type::InsertBefore:
        case StepCommand::Type::InsertAfter: {
            std::optional<std::size_t> inserted;
            changeCurrent([&](MacroRecord& record) {
                const std::size_t at = MacroStepEditor::insertIndex(record, selected, command.type);
                inserted = editor_.insert(record, at, command.key, command.kind);
                return inserted.has_value();
            });
            showCurrent(inserted ? stepLine(*inserted) : parts_.controls.stepList().selection());
            return;
        }
        case StepCommand::Type::Delete: {
            if (!selected)
                return;
            if (changeCurrent(
                    [&](MacroRecord& record) { return editor_.remove(record, *selected); }))
                showCurrent(std::max(parts_.controls.stepList().selection() - 2, 0));
            return;
        }
        case StepCommand::Type::Modify:
            modify();
            return;
    }
}

void MacroEditCommands::modify() {
    const int line = parts_.controls.stepList().selection();
    const auto record = currentCopy();
    if (line < 0 || !record)
        return;
    const auto steps = record->validSteps();
    const auto index = static_cast<std::size_t>(line / 2);
    if (index >= steps.size())
        return;
    const MacroAction& step = steps[index];
    const std::string& shown =
        parts_.controls.stepList().lines()[static_cast<std::size_t>(line)].text;
    if (line % 2 == 1 || step.key == macrokey::kMove || step.key == macrokey::kSensitivity) {
        edit_ = InPlaceEdit{false, line, shown};
        return;
    }
    if (step.key == macrokey::kLighting || step.key == macrokey::kNone)
        return;
    keyRequest_ = {index, shown};
}

void MacroEditCommands::startMacroListEdit() {
    const int line = parts_.controls.macroList().selection();
    if (line < 0 || static_cast<std::size_t>(line) >= parts_.controls.macroList().lines().size())
        return;
    edit_ = InPlaceEdit{true, line,
                        parts_.controls.macroList().lines()[static_cast<std::size_t>(line)].text};
}

void MacroEditCommands::finishEdit(std::string_view text) {
    if (!edit_)
        return;
    const InPlaceEdit edit = *edit_;
    edit_.reset();
    if (text == edit.text)
        return;
    if (edit.macroList) {
        parts_.macros.withGroups([&](MacroGroup& groups) {
            const auto lines = groups.lines();
            if (static_cast<std::size_t>(edit.line) >= lines.size())
                return;
            const MacroListLine l = lines[static_cast<std::size_t>(edit.line)];
            if (l.isGroup)
                groups.renameGroup(l.group, text);
            else if (static_cast<int>(l.group) == groups.currentGroup())
                groups.renameMacro(static_cast<std::size_t>(l.macro), text);
        });
        parts_.controls.reload();
        return;
    }
    const auto index = static_cast<std::size_t>(edit.line / 2);
    const std::string suffix = parts_.texts.text(TextSection::Other, text::other::kDelaySuffix);
    changeCurrent([&](MacroRecord& record) {
        if (edit.line % 2 == 1)
            return editor_.editDelay(record, index, text, suffix);
        return editor_.editParameters(record, index, text);
    });
    // A text that changed nothing puts the line back as it was.
    showCurrent(edit.line);
}

void MacroEditCommands::onKeyPicked(std::optional<int> virtualKey) {
    const auto request = keyRequest_;
    keyRequest_.reset();
    if (!request || !virtualKey || recording())
        return;
    const int device = parts_.keys.toDeviceCode(language_, *virtualKey, KeyMode::MacroSteps);
    if (device <= 0 || device > 255)
        return;
    if (changeCurrent([&](MacroRecord& record) {
            return editor_.changeKey(record, request->first, static_cast<std::uint8_t>(device));
        }))
        showCurrent(stepLine(request->first));
}

void MacroEditCommands::toggleRecording() {
    if (recording()) {
        stopRecording();
        return;
    }
    const bool anyGroup =
        parts_.macros.withGroups([](MacroGroup& g) { return g.groupCount() > 0; });
    if (!anyGroup) {
        parts_.notifier.tipText(text::tip::kNoMacroGroup);
        return;
    }
    const auto record = currentCopy();
    if (!record)
        return;
    edit_.reset();
    keyRequest_.reset();
    recordingMacro_ = parts_.controls.selectedMacro();
    recorder_.start(*record, language_);
    parts_.controls.showSteps(recorder_.macro(), CListBoxXI::kNone);
    parts_.controls.setRepeatEnabled(false);
    if (parts_.onRecording)
        parts_.onRecording(true);
}

void MacroEditCommands::stopRecording() {
    if (!recording())
        return;
    const MacroRecord record = recorder_.stop();
    if (parts_.onRecording)
        parts_.onRecording(false);
    store(record);
    recordingMacro_.reset();
    showCurrent(CListBoxXI::kNone);
    parts_.controls.setRepeatEnabled(true);
}

bool MacroEditCommands::onRecordKey(MacroRecorder::Event event, int virtualKey) {
    if (!recording())
        return false;
    const MacroRecorder::Outcome outcome =
        recorder_.onKey(event, virtualKey, parts_.timeOfDay ? parts_.timeOfDay() : msOfDayNow());
    if (outcome.recorded) {
        const int last = static_cast<int>(recorder_.macro().stepCount) - 1;
        parts_.controls.showSteps(recorder_.macro(), stepLine(static_cast<std::size_t>(last)));
    }
    if (outcome.limit)
        stopRecording();
    return true;
}

void MacroEditCommands::importMacro() {
    if (!parts_.chooseFile)
        return;
    if (!withExchange(parts_.macros, parts_.notifier,
                      [](MacroExchange& exchange) { return exchange.macroImportAllowed(); }))
        return;
    // The single-macro import starts wherever the dialog likes: such files come from anywhere.
    const auto chosen = parts_.chooseFile({false, std::string(kMacroFilter), "sdat", {}});
    if (!chosen)
        return;
    if (withExchange(parts_.macros, parts_.notifier,
                     [&](MacroExchange& exchange) { return exchange.importMacro(*chosen); }))
        parts_.controls.reload();
}

void MacroEditCommands::exportMacro() {
    if (!parts_.chooseFile || !currentCopy())
        return;
    const auto macroFolder =
        parts_.macros.withGroups([](MacroGroup& groups) { return groups.macroFolder(); });
    const auto chosen = parts_.chooseFile({true, std::string(kMacroFilter), "sdat", macroFolder});
    if (!chosen)
        return;
    withExchange(parts_.macros, parts_.notifier,
                 [&](MacroExchange& exchange) { return exchange.exportMacro(*chosen); });
}

}  // namespace karvo
