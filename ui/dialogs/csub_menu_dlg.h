// CSubMenuDlg: the second pop-up beside a menu row (the button menu's function groups and macro
// groups, the macro editor's insert groups) or beside a lighting-page entry (brightness, speed,
// a button's lighting). Its hot row stays on the last row the cursor was over.
#pragma once

#include "ui/dialogs/menu_window.h"
#include "ui/dialogs/popup_menus.h"

namespace karvo {

class CSubMenuDlg final : public MenuWindow {
  public:
    static constexpr std::string_view kTitle = "SubMenuDlg";

    // `type` is one of submenu::k*; `slot` the button (button menu and per-button lighting).
    static std::unique_ptr<CSubMenuDlg> create(PopupMenus& owner, int type, int slot);

    int type() const { return type_; }
    // The function code row `row` stores (types 7, 8 and 11), or nothing.
    std::optional<std::int32_t> codeOf(int row) const;
    // The value WM_MENU_PICK (14, v) carries for row `row` of types 141-144, or nothing.
    std::optional<int> insertValueOf(int row) const;

  protected:
    void released(int row) override;
    void hotChanged(int row) override;

  private:
    CSubMenuDlg(PopupMenus& owner, int type, int slot, MenuLook look, std::vector<MenuRow> rows);

    PopupMenus& owner_;
    int type_;
    int slot_;
};

}  // namespace karvo
