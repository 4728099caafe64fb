// The macro page's editor as the main window sees it (the MacroEditor seam): the record entry,
// the insert menu, the gun preset dialog, the menus' picks and the recorded keys go to the
// edit commands; the pop-ups, the gun dialog and the file dialogs open through the platform.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/macro_edit_commands.h"
#include "app/window_seams.h"
#include "platform/file_dialog.h"
#include "platform/message_queue.h"
#include "ui/dialogs/modal_runner.h"
#include "ui/dialogs/popup_menus.h"

namespace karvo {

class MacroPageEditor final : public MacroEditor {
  public:
    struct Parts {
        MacroEditCommands::Parts commands;
        // The window's current pop-up menus.
        std::function<MenuOpener&()> menus;
        // Runs the gun preset dialog (modal); nothing when the program has none.
        std::function<void()> gunPresets;
        // The page's widgets follow the controls after a change.
        std::function<void()> refresh;
        // The key capture dialog showing a step's key name; the virtual key picked, or nothing.
        std::function<std::optional<int>(const std::string& name)> pickKey;
        // The skinned pop-ups themselves, once the program has them (null before): the list
        // and step menus show only the items that apply. Without them `menus` opens the
        // whole menu.
        std::function<PopupMenus*()> popups;
    };

    explicit MacroPageEditor(Parts parts);

    MacroEditCommands& commands() { return commands_; }

    // A file dialog for the edit commands, from a choice: its filter "All Files(*.x)|*.x||"
    // becomes the dialog's "All Files(*.x)"; a saved name without an extension gets the
    // default one.
    static ChooseFile fileChooser(FileDialog& dialog);

    // Opens a pop-up the commands asked for at a screen point, showing its items.
    void openMenu(const MacroEditCommands::MenuRequest& request, std::int32_t x, std::int32_t y);

    // MacroEditor.
    bool recording() const override { return commands_.recording(); }
    void toggleRecording() override;
    void openInsertMenu(const MenuRequest& request) override;
    void openGunPresets() override;
    void onMenuPick(int menu, int row) override;
    void onKeyCaptured() override;
    void onRecordedKey(std::uint32_t message, int virtualKey) override;
    void onRowSelect(int list, int row) override;

  private:
    void refresh();

    Parts parts_;
    MacroEditCommands commands_;
};

}  // namespace karvo
