// MacSelMenuDlg: the macros of one macro group, beside the group's row in the button menu's
// macro sub-menu. Choosing macro c of group g gives the button being edited the code
// g x 256 + c - 1 (both 1-based) and closes every menu.
#pragma once

#include "ui/dialogs/menu_window.h"
#include "ui/dialogs/popup_menus.h"

namespace karvo {

class MacSelMenuDlg final : public MenuWindow {
  public:
    // `group` is 0-based.
    static std::unique_ptr<MacSelMenuDlg> create(PopupMenus& owner, int group);
    int group() const { return group_; }

  protected:
    void released(int row) override;

  private:
    MacSelMenuDlg(PopupMenus& owner, int group, MenuLook look, std::vector<MenuRow> rows);

    PopupMenus& owner_;
    int group_;
};

}  // namespace karvo
