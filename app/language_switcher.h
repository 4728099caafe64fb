// Switching the user-interface language while the program runs: the open macro is saved, the
// choice is stored ([Init] VER_SEL), and everything read from the language folder is read
// again from the new one: texts, the six layout files, the macro groups and gun presets, the
// window title, the fonts, and the pictures and child controls of the window.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "app/program_state.h"
#include "app/startup_platform.h"
#include "app/window_seams.h"
#include "platform/notifier.h"
#include "ui/dialogs/warning_dlg.h"

namespace karvo {

class LanguageSwitcher final : public LanguageSwitch {
  public:
    struct Parts {
        ProgramState& state;
        StartupPlatform& platform;
        Notifier& notifier;
        WarningDlg* warning = nullptr;  // takes the new texts and layout
        // The window's part, after the state has changed: its pictures, the macro page's
        // controls and paint region, a repaint.
        std::function<void()> afterSwitch;
        // The language at a position (from 0) of the language menu; nothing past its end.
        std::function<std::optional<int>(int position)> languageAt;
    };

    explicit LanguageSwitcher(Parts parts);

    // Switches to `language`. When the new folder lacks a file the program needs, TipText 4
    // names it and nothing changes: the program goes on in its language. True when switched.
    bool switchToLanguage(int language);

    // The window's seam: WM_MENU_CLOSED (1, position + 1) and WM_FONTS_CHANGED (1, 0).
    void switchTo(int position) override;
    void fontsChanged() override { refreshFonts(); }

    // Chooses and creates the fonts again for the current language (the embedded fonts are
    // registered once per run).
    void refreshFonts();

  private:
    Parts parts_;
};

}  // namespace karvo
