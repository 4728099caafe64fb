// PopupMenus: the one place that opens, stacks and closes the skinned pop-up menus. At most one
// menu (CMenuDlg), one sub-menu (CSubMenuDlg) and one macro choice (MacSelMenuDlg) exist at a
// time; opening a menu closes the one before. The window's entries open menus through the
// open* calls; a menu that ends tells the main window with WM_MENU_CLOSED.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs/menu_environment.h"
#include "ui/dialogs/menu_kind.h"
#include "ui/dialogs/menu_window.h"

namespace karvo {

class CMenuDlg;
class CSubMenuDlg;
class MacSelMenuDlg;

// What an opener may tell a menu beyond its kind.
struct MenuOptions {
    int slot = -1;  // kind 1: the button being edited; kind 5: the button whose lighting it sets
    int rows = 0;   // kinds 9 and 11-14: the rows the opener shows (0: the kind's own count)
    // Kinds 11-13: the items shown, in this order (1-based texts of the kind; empty: rows 1 to
    // `rows`); releasing row r picks item items[r - 1]. Items outside the kind's texts are
    // left out.
    std::vector<int> items;
    std::vector<std::string> texts;  // kind 9: the macro names; others: the kind's own texts
    // Kinds 6, 7, 8: writes byte `index` of the selected lighting step's record.
    std::function<void(int index, std::uint8_t value)> setLedByte;
    // Kind 2: the group chosen (0-based) and the one before; kind 9: the choice and the one
    // before. The opener makes it current.
    std::function<void(int chosen, int before)> onChoice;
    int currentChoice = -1;  // kinds 2 and 9
};

// The sub-menus: of the button menu's rows 7, 8, 9, 11; of the macro editor's insert menu
// (141-144); and of the lighting page's entries 40, 41 and the per-button entries (61).
namespace submenu {
inline constexpr int kExtraFunctions = 7;
inline constexpr int kMoreFunctions = 8;  // codes 23-32
inline constexpr int kMacroGroups = 9;
inline constexpr int kProfileFunctions = 11;  // codes 19-22
inline constexpr int kInsertButtonsBefore = 141;
inline constexpr int kInsertButtonsAfter = 142;
inline constexpr int kInsertMoves = 143;
inline constexpr int kInsertDpi = 144;
inline constexpr int kBrightness = 40;
inline constexpr int kSpeed = 41;
inline constexpr int kKeyLighting = 61;
// The languages the language menu has no room for, beside it.
inline constexpr int kMoreLanguages = 10;
}  // namespace submenu

class PopupMenus {
  public:
    explicit PopupMenus(MenuEnvironment env);
    ~PopupMenus();
    PopupMenus(const PopupMenus&) = delete;
    PopupMenus& operator=(const PopupMenus&) = delete;

    // Opens a menu of `kind` with its top-left corner at `at` (screen pixels), closing any menu
    // that is open. False when nothing opened (kinds 12 and 13 without their mask picture).
    bool open(MenuKind kind, std::int32_t x, std::int32_t y, MenuOptions options = {});

    // The button-function menu for `slot`, placed against the right edge of the slot's entry
    // (screen pixels) below it, or above it when it would leave the working area. Refused
    // with TipText 6 when no other of the mouse's buttons has the primary click.
    bool openButtonMenu(int slot, const SkinRect& entry);
    // The lighting page's menus: 35 the effect menu (kind 4), 40 and 41 the brightness and
    // speed sub-menus, 61 + slot the button's lighting menu (kind 5); each beside its entry.
    bool openLightingMenu(int entryIndex, const SkinRect& entry);
    // The value menu of lighting entry 40 (brightness) or 41 (speed) with its top-left corner
    // at x, y (screen pixels), closing any menu that is open; false for other entries.
    bool openLightingValues(int entryIndex, std::int32_t x, std::int32_t y);
    // The sub-menu type of lighting entry 40 or 41, or nothing.
    static std::optional<int> lightingValuesOf(int entryIndex);
    bool isLightingMenuOpen() const;
    // The language menu (kind 10) and the "more" menu (kind 3), below their header entries.
    bool openLanguageMenu(const SkinRect& entry);
    bool openMoreMenu(const SkinRect& entry);

    // A stand-alone sub-menu (the lighting page's) or the sub-menu of the open menu's row.
    void openSubMenu(int type, int slot, std::int32_t x, std::int32_t y);
    // The macros of group `group` (0-based) beside the macro group sub-menu's row.
    void openMacroChoice(int group, std::int32_t x, std::int32_t y);

    // A key while the pop-ups are shown. The deepest level with a hot row has the keyboard
    // (with none, the menu): Up, Down, Tab, Home, End move its hot row, Enter and Space choose
    // it; Right (and Enter on a row that opened a sub-menu) goes into the level it opened, Left
    // back out. True when something changed.
    bool onKey(NavigationKey key);

    // Escape or a click outside: everything closes and the main window hears WM_MENU_CLOSED
    // (0, 0).
    void cancel();
    // Closes every pop-up without a word to the main window.
    void closeAll();
    // Closes every pop-up after a choice; `notify`: post WM_MENU_CLOSED (0, 0) as well.
    void finish(bool notify);
    void closeSubMenus();

    bool isOpen() const;
    CMenuDlg* menu() { return menu_.get(); }
    CSubMenuDlg* subMenu() { return subMenu_.get(); }
    MacSelMenuDlg* macroChoice() { return macroChoice_.get(); }
    // The button the open (or last) button menu edits, for the combination dialog.
    int editedSlot() const { return editedSlot_; }

    // The languages the language menu offers, in order: every language whose folder holds
    // its texts. Position r (1-based) is language offeredLanguages()[r - 1]. The menu shows
    // the first kLanguageRows; the rest stand in a second column beside it.
    const std::vector<int>& offeredLanguages();
    std::optional<int> offeredLanguage(int row);

    static constexpr int kLanguageRows = 13;

    MenuEnvironment& env() { return env_; }
    // The skin folder path of a picture name ("menu_over.jpg", "MacMenu/MacG_down.jpg").
    std::string picture(std::string_view name) const;
    // The look of a menu drawn from these pictures (names in the skin folder; `mask` sets the
    // width and, divided by `divisor`, the row height) showing `visibleRows` rows in
    MenuLook look(std::string_view mask, std::string_view normal, std::string_view over,
                  std::string_view down, int divisor, int visibleRows) const;
    // The window-pixel frame of the pop-up of `level` (for placing the next level).
    const SkinRect& frame(PopupLevel level) const { return frames_[static_cast<int>(level)]; }

  private:
    SkinRect fitted(SkinRect frame) const;

    MenuEnvironment env_;
    std::unique_ptr<CMenuDlg> menu_;
    std::unique_ptr<CSubMenuDlg> subMenu_;
    std::unique_ptr<MacSelMenuDlg> macroChoice_;
    // Windows closed while one of their own handlers runs are kept until the next open.
    std::vector<std::unique_ptr<MenuWindow>> retired_;
    SkinRect frames_[kPopupLevels]{};
    int editedSlot_ = -1;
    bool lightingMenu_ = false;
    std::vector<int> offered_;
    bool offeredRead_ = false;
};

}  // namespace karvo
