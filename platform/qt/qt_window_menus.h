// The main window's menus and capture dialogs on Qt, in one object for the window program:
// the pop-up windows and the keyboard capture, the menus, the combination and key dialogs, and
// the language switch, with the fillers of the window's seams.
#pragma once

#include <functional>

#include "app/language_switcher.h"
#include "app/menu_fillers.h"
#include "app/program_state.h"
#include "platform/qt/qt_key_capture.h"
#include "platform/qt/qt_popup_host.h"
#include "ui/dialogs/cdialog_get_key.h"
#include "ui/dialogs/cshortcut_get_key.h"
#include "ui/dialogs/popup_menus.h"

namespace karvo::qt {

class QtWindowMenus {
  public:
    struct Parts {
        ProgramState& state;
        MessageQueue& queue;
        ModalRunner& runner;
        WarningDlg& warning;
        StartupPlatform& platform;
        PictureCache& pictures;
        const QtFonts& fonts;
        // The window's part of a language switch (pictures, child controls, repaint).
        std::function<void()> afterLanguageSwitch;
    };

    // After start-up: the layout scale and the paths are known.
    explicit QtWindowMenus(Parts parts);

    MenuOpener& opener() { return opener_; }
    CombinationOpener& combination() { return combinationOpener_; }
    LanguageSwitch& languages() { return languages_; }
    PopupMenus& menus() { return menus_; }
    CDialogGetKey& keyDialog() { return keyDialog_; }
    KeyCapture& capture() { return capture_; }
    // The pop-up windows, for tests and screenshots.
    QtPopupHost& popups() { return host_; }
    // While a pop-up has the mouse, moves outside it still reach the main window's controller
    // (a lighting pop-up closes when the pointer leaves the entries that open one).
    void followPointerOutside(QWidget* window, SkinnedWindow& controller);

  private:
    CaptureParts captureParts();

    Parts parts_;
    QtPopupHost host_;
    QtKeyCapture capture_;
    PopupMenus menus_;
    PopupMenuOpener opener_;
    CShortcutGetKey shortcut_;
    CombinationDialogOpener combinationOpener_;
    CDialogGetKey keyDialog_;
    LanguageSwitcher languages_;
};

}  // namespace karvo::qt
