// The macro choice beside a macro group; see mac_sel_menu_dlg.h.
#include "ui/dialogs/mac_sel_menu_dlg.h"

#include "app/window_messages.h"
#include "ui/dialogs/button_function.h"

namespace karvo {

MacSelMenuDlg::MacSelMenuDlg(PopupMenus& owner, int group, MenuLook look, std::vector<MenuRow> rows)
    : MenuWindow(std::move(look), std::move(rows)), owner_(owner), group_(group) {
    setKeepHotOutside(true);
}

std::unique_ptr<MacSelMenuDlg> MacSelMenuDlg::create(PopupMenus& owner, int group) {
    std::vector<MenuRow> rows;
    owner.env().macros.withGroups([&](MacroGroup& groups) {
        if (group < 0 || static_cast<std::size_t>(group) >= groups.groupCount())
            return;
        for (const std::string& name : groups.macroNames(static_cast<std::size_t>(group)))
            rows.push_back({name, {}, {}, {}});
    });
    // The macro pictures have no mask: the normal picture gives the size.
    MenuLook look =
        owner.look("Macro_menu_normal.jpg", "Macro_menu_normal.jpg", "Macro_menu_over.jpg",
                   "Macro_menu_down.jpg", 15, std::min(static_cast<int>(rows.size()), 14));
    look.align = RowTextAlign::Left;
    look.textX = 12;
    return std::unique_ptr<MacSelMenuDlg>(
        new MacSelMenuDlg(owner, group, std::move(look), std::move(rows)));
}

void MacSelMenuDlg::released(int row) {
    // Only a macro the group has: the row count was read when the menu opened, and the
    // group may not have changed since, as the menus are modal to the window.
    if (row == NO_ITEM || row < 1 || row > rowCount())
        return;
    MenuEnvironment& env = owner_.env();
    const int keyNum = env.keyNum ? env.keyNum() : kButtonSlots;
    const std::int32_t code = button_function::macroCode(group_ + 1, row);
    const int slot = owner_.editedSlot();
    env.settings.edit([&](Settings& s) { button_function::assign(s, slot, code, keyNum); });
    env.queue.post({msg::WM_REPAINT, 0, 0});
    owner_.finish(true);
}

}  // namespace karvo
