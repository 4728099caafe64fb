// The pop-up menus and the combination dialog behind the main window's seams: the window asks
// for a menu of a kind at a place, or for the combination dialog of a button, and these give
// it the skinned menus (PopupMenus) and CShortcutGetKey.
#pragma once

#include <functional>

#include "app/window_seams.h"
#include "ui/dialogs/cshortcut_get_key.h"
#include "ui/dialogs/popup_menus.h"

namespace karvo {

class PopupMenuOpener final : public MenuOpener {
  public:
    explicit PopupMenuOpener(PopupMenus& menus) : menus_(menus) {}
    // The menu's window size, so the window can place it; the language menu's second column
    // stands to its right and is not counted.
    MenuSize size(const MenuRequest& request) override;
    // Opens the menu of the request's kind at its x, y; the request's slot is the button the
    // button menu edits, or the button whose lighting the lighting value menu sets.
    bool open(const MenuRequest& request) override;
    void close() override { menus_.closeAll(); }

  private:
    PopupMenus& menus_;
};

class CombinationDialogOpener final : public CombinationOpener {
  public:
    // `desktop` gives the rectangle the dialog is centred in.
    CombinationDialogOpener(CShortcutGetKey& dialog, std::function<SkinRect()> desktop)
        : dialog_(dialog), desktop_(std::move(desktop)) {}
    // The dialog reads the button's stored combination itself, from the settings.
    void open(int slot, const std::string&, bool fromMenu) override {
        dialog_.run(slot, fromMenu, desktop_ ? desktop_() : SkinRect{});
    }

  private:
    CShortcutGetKey& dialog_;
    std::function<SkinRect()> desktop_;
};

}  // namespace karvo
