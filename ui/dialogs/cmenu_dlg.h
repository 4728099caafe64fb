// CMenuDlg: the skinned pop-up menu of every kind (profile, button function, macro group,
// "more", lighting, macro editor, language). The kind, chosen by the opener, selects the
// pictures, the rows and their texts, and what a release on a row does.
#pragma once

#include "ui/dialogs/menu_window.h"
#include "ui/dialogs/popup_menus.h"

namespace karvo {

class CMenuDlg final : public MenuWindow {
  public:
    static constexpr std::string_view kTitle = "MainMenuDlg";

    // Builds the menu of `kind` from the owner's environment; see PopupMenus::open.
    static std::unique_ptr<CMenuDlg> create(PopupMenus& owner, MenuKind kind, MenuOptions options);

    MenuKind kind() const { return kind_; }
    // The rows the kind acts on (the texts may be more than are shown).
    int itemCount() const { return items_; }

  protected:
    void released(int row) override;
    void hotChanged(int row) override;

  private:
    CMenuDlg(PopupMenus& owner, MenuKind kind, MenuOptions options, MenuLook look,
             std::vector<MenuRow> rows, int items);
    // The sub-menu a hot row opens: the button menu's rows 7, 8, 9, 11 and the insert menu's
    // rows 1-4; 0 for none.
    int subMenuOf(int row) const;
    void assign(std::int32_t code);

    PopupMenus& owner_;
    MenuKind kind_;
    MenuOptions options_;
    int items_;
};

}  // namespace karvo
