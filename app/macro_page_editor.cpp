// The macro editor seam filled; see macro_page_editor.h.
#include "app/macro_page_editor.h"

#include "app/window_messages.h"

namespace karvo {

MacroPageEditor::MacroPageEditor(Parts parts)
    : parts_(std::move(parts)), commands_(parts_.commands) {}

ChooseFile MacroPageEditor::fileChooser(FileDialog& dialog) {
    return [&dialog](const FileChoice& choice) -> std::optional<std::filesystem::path> {
        FileDialogRequest request;
        request.filter = choice.filter.substr(0, choice.filter.find('|'));
        request.folder = choice.folder;
        if (!choice.save)
            return dialog.openFile(request);
        auto chosen = dialog.saveFile(request);
        if (chosen && !chosen->has_extension() && !choice.defaultExtension.empty())
            chosen->replace_extension("." + choice.defaultExtension);
        return chosen;
    };
}

void MacroPageEditor::refresh() {
    if (parts_.refresh)
        parts_.refresh();
}

void MacroPageEditor::openMenu(const MacroEditCommands::MenuRequest& request, std::int32_t x,
                               std::int32_t y) {
    if (PopupMenus* popups = parts_.popups ? parts_.popups() : nullptr) {
        MenuOptions options;
        options.items = request.items;
        popups->open(static_cast<MenuKind>(request.menu), x, y, std::move(options));
        return;
    }
    if (!parts_.menus)
        return;
    MenuRequest menu;
    menu.kind = request.menu;
    menu.table = LayoutFile::Mac;
    menu.x = x;
    menu.y = y;
    parts_.menus().open(menu);
}

void MacroPageEditor::toggleRecording() {
    commands_.toggleRecording();
    refresh();
}

void MacroPageEditor::openInsertMenu(const MenuRequest& request) {
    if (commands_.insertMenu() && parts_.menus)
        parts_.menus().open(request);
}

void MacroPageEditor::openGunPresets() {
    if (parts_.gunPresets)
        parts_.gunPresets();
}

void MacroPageEditor::onMenuPick(int menu, int row) {
    commands_.onMenuPick(menu, row);
    // Modify on a key step: the user picks the step's new key.
    if (const auto request = commands_.keyRequest()) {
        commands_.onKeyPicked(parts_.pickKey ? parts_.pickKey(request->second) : std::nullopt);
    }
    refresh();
}

void MacroPageEditor::onKeyCaptured() {
    refresh();
}

void MacroPageEditor::onRecordedKey(std::uint32_t message, int virtualKey) {
    using Ev = MacroRecorder::Event;
    Ev event = Ev::KeyDown;
    switch (message) {
        case msg::WM_KEYDOWN:
            event = Ev::KeyDown;
            break;
        case msg::WM_KEYUP:
            event = Ev::KeyUp;
            break;
        case msg::WM_SYSKEYDOWN:
            event = Ev::SysKeyDown;
            break;
        case msg::WM_SYSKEYUP:
            event = Ev::SysKeyUp;
            break;
        default:
            return;
    }
    if (commands_.onRecordKey(event, virtualKey))
        refresh();
}

void MacroPageEditor::onRowSelect(int, int) {
    refresh();
}

}  // namespace karvo
