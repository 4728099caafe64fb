// The window's entries on the program's state.
#include "app/program_actions.h"

#include "app/blink_thread.h"
#include "app/lighting_animation.h"
#include "app/macro_page_controls.h"
#include "app/window_messages.h"
#include "macro/macro_exchange.h"
#include "services/language_text_index.h"

namespace karvo {

ProgramActions::~ProgramActions() {
    waitForApply();
}

void ProgramActions::waitForApply() {
    const std::lock_guard lock(workerLock_);
    if (worker_.joinable())
        worker_.join();
}

bool ProgramActions::writing() const {
    return running_ || parts_.state.downloader.busy();
}

// Apply writes only the blocks that changed since the last complete write; the full apply and
// a rewrite after a resume write all, since the mouse may have lost or changed its memory.
bool ProgramActions::startApply() {
    return startWrite(true, device::Downloader::Writes::Changed);
}

bool ProgramActions::startFullApply() {
    return startWrite(true, device::Downloader::Writes::All);
}

bool ProgramActions::startRewrite() {
    return startWrite(false, device::Downloader::Writes::All);
}

bool ProgramActions::startWrite(bool save, device::Downloader::Writes writes) {
    if (writing() || running_.exchange(true))
        return false;
    const std::lock_guard lock(workerLock_);
    if (worker_.joinable())
        worker_.join();  // the last one, which has ended
    worker_ = std::thread([this, save, writes] {
        MessageQueue& queue = parts_.queue;
        if (save)
            saveEverything();
        // The files are written whatever the mouse does next: an unplugged mouse ends the
        // write with its result and loses nothing that was set.
        const auto result = parts_.state.downloader.DownloadAll(
            [&queue](std::size_t written, std::size_t total) {
                queue.post({msg::WM_DOWNLOAD_PROGRESS, written, static_cast<std::intptr_t>(total)});
            },
            writes);
        running_ = false;
        queue.post({msg::WM_DOWNLOAD_DONE, static_cast<std::uintptr_t>(result), 0});
    });
    return true;
}

bool ProgramActions::saveEverything() {
    ProgramState& s = parts_.state;
    // The open macro first: the step list may hold an edit the file does not have yet.
    bool ok = s.macros.withGroups([](MacroGroup& groups) {
        const int macro = groups.currentMacro();
        return macro < 0 || groups.saveMacro(static_cast<std::size_t>(macro));
    });
    ok = s.store.saveAll(s.settings.snapshot()) && ok;
    return ok;
}

void ProgramActions::importConfig(const std::filesystem::path& file) {
    ProgramState& s = parts_.state;
    s.store.importConfig(file, s.description, s.settings);
}

void ProgramActions::exportConfig(const std::filesystem::path& file) {
    parts_.state.store.exportConfig(file);
}

void ProgramActions::resetAll() {
    if (parts_.state.store.resetAll(parts_.state.settings))
        parts_.notifier.tipText(text::tip::kResetDone);
}

std::filesystem::path ProgramActions::programFolder() const {
    return parts_.state.paths.programFolder;
}

std::optional<bool> ProgramActions::autostartEnabled() const {
    if (!parts_.autostart)
        return std::nullopt;
    return parts_.autostart->enabled();
}

std::string ProgramActions::setAutostart(bool on) {
    if (!parts_.autostart)
        return "There is no configuration folder ($XDG_CONFIG_HOME or $HOME) to keep the "
               "autostart entry in.";
    return on ? parts_.autostart->enable(parts_.windowProgram, parts_.programArguments)
              : parts_.autostart->disable();
}

void ProgramActions::macroGroupFile(int command) {
    ProgramState& s = parts_.state;
    if (command == 3) {
        s.macros.withGroups([](MacroGroup& groups) { groups.resetAll(); });
        refreshMacroPage();
        return;
    }
    if (!parts_.files)
        return;
    // Both dialogs start among the groups the program keeps, where exported files are found.
    FileDialogRequest request;
    request.filter = std::string(kGroupFileFilter);
    request.folder = s.macros.withGroups([](MacroGroup& g) { return g.macroFolder(); });
    if (command == 1) {
        const bool allowed = s.macros.withGroupsAndFile([&](MacroGroup& g, const MacroFile& f) {
            return MacroExchange(f, parts_.notifier, g, s.paths.configFolder).groupImportAllowed();
        });
        if (!allowed)
            return;
        const auto file = parts_.files->openFile(request);
        if (!file)
            return;
        s.macros.withGroupsAndFile([&](MacroGroup& g, const MacroFile& f) {
            return MacroExchange(f, parts_.notifier, g, s.paths.configFolder).importGroup(*file);
        });
    } else if (command == 2) {
        // Nothing to export: said before a dialog asks for a file name.
        if (s.macros.groupCount() <= 0) {
            parts_.notifier.tipText(MacroGroup::kTipFailed);
            return;
        }
        request.suggestedName = s.macros.withGroups([](MacroGroup& g) {
            return std::string(
                       g.groupName(static_cast<std::size_t>(std::max(0, g.currentGroup())))) +
                   ".dat";
        });
        auto file = parts_.files->saveFile(request);
        if (!file)
            return;
        if (!file->has_extension())
            file->replace_extension(".dat");
        s.macros.withGroupsAndFile([&](MacroGroup& g, const MacroFile& f) {
            return MacroExchange(f, parts_.notifier, g, s.paths.configFolder).exportGroup(*file);
        });
    }
    refreshMacroPage();
}

bool ProgramActions::macroGroupSelected() const {
    return parts_.state.macros.withGroups(
        [](MacroGroup& g) { return g.groupCount() > 0 && g.selectedGroup() != MacroGroup::kNone; });
}

bool ProgramActions::setPlaybackMode(int mode) {
    if (mode < 0 || mode > 2)
        return false;
    const bool stored = parts_.state.macros.withGroups([&](MacroGroup& groups) {
        MacroRecord* record = groups.currentRecord();
        if (!record)
            return false;
        const MacroRecord before = *record;
        record->setPlaybackMode(static_cast<PlaybackMode>(mode));
        if (groups.saveMacro(static_cast<std::size_t>(groups.currentMacro())))
            return true;
        *record = before;  // the table never holds what the file does not
        return false;
    });
    if (stored)
        refreshMacroPage();
    return stored;
}

void ProgramActions::refreshMacroPage() {
    if (parts_.macroPage)
        parts_.macroPage->reload();
}

void ProgramActions::startBlink() {
    if (parts_.blink)
        parts_.blink->start();
}

void ProgramActions::startLightingAnimation() {
    if (parts_.lighting)
        parts_.lighting->start();
}

}  // namespace karvo
