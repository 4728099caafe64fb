// The work behind the window's entries that reaches files, the mouse and the program's
// threads. The controller decides when (guards, flags, the page shown); this does it. The
// program gives ProgramActions; the controller tests give a recording fake.
#pragma once

#include <filesystem>

namespace karvo {

class WindowActions {
  public:
    virtual ~WindowActions() = default;

    // Apply: the open macro, [Init] CurConfig and all four profiles saved, then the mouse
    // written, all on a worker; progress and the end come back as WM_DOWNLOAD_PROGRESS and
    // WM_DOWNLOAD_DONE. False, and nothing started, while a write to the mouse runs.
    virtual bool startApply() { return false; }
    // The mouse written again from the settings in memory (after a resume), on a worker.
    virtual bool startRewrite() { return false; }
    // A write to the mouse is running.
    virtual bool writing() const { return false; }

    // The configuration file: import from, export to, reset from the reset copy. Each tells
    // the user its result itself.
    virtual void importConfig(const std::filesystem::path& file) { (void)file; }
    virtual void exportConfig(const std::filesystem::path& file) { (void)file; }
    virtual void resetAll() {}
    // The program folder, where the file dialogs start.
    virtual std::filesystem::path programFolder() const { return {}; }

    // Macro groups: 1 import a group file, 2 export the current group, 3 reset all groups.
    virtual void macroGroupFile(int command) { (void)command; }
    // A macro group (or one of its macros) is selected on the macro page.
    virtual bool macroGroupSelected() const { return false; }
    // Sets the playback mode (0 count, 1 toggle, 2 while held) of the selected macro and
    // saves it; false without a selected macro.
    virtual bool setPlaybackMode(int mode) {
        (void)mode;
        return false;
    }
    // The macro page's lists shown again from the library (after a macro step changed).
    virtual void refreshMacroPage() {}

    // The threads of the pages: the main page's blink and the lighting preview.
    virtual void startBlink() {}
    virtual void startLightingAnimation() {}
};

}  // namespace karvo
