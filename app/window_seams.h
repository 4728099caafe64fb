// What the main window opens but does not draw itself: the skinned pop-up menus, the
// combination key dialog, the language switch and the macro editor of the macro page. The
// window decides when each opens and where (guards, placement, flags); a filler gives the
// dialog itself. Every interface has a do-nothing default, so the window works before its
// fillers exist, and the results come back as window messages through the queue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_queue.h"
#include "ui/skin/layout_files.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

// The kinds of the skinned pop-up menu.
namespace menu_kind {
inline constexpr int kProfile = 0;
inline constexpr int kButtonFunction = 1;
inline constexpr int kMacroGroup = 2;
inline constexpr int kMore = 3;
inline constexpr int kLightingMode = 4;
inline constexpr int kLightingValue = 5;
inline constexpr int kStepEffect = 6;
inline constexpr int kStepColour = 7;
inline constexpr int kStepCount = 8;
inline constexpr int kGunMacro = 9;
inline constexpr int kLanguage = 10;
inline constexpr int kMacroList = 11;
inline constexpr int kMacro = 12;
inline constexpr int kKeyValue = 13;
inline constexpr int kInsert = 14;
}  // namespace menu_kind

struct MenuSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// One menu the window asks for.
struct MenuRequest {
    int kind = 0;                         // menu_kind
    LayoutFile table = LayoutFile::Main;  // the layout of the entry that opens it
    int entry = -1;                       // that entry
    int slot = -1;                        // button slot (0-based) for button and per-key menus
    SkinRect entryOnScreen;               // the entry's rectangle in screen pixels
    std::int32_t x = 0;                   // the menu's top-left corner in screen pixels,
    std::int32_t y = 0;                   // computed by the window from size()
    bool above = false;                   // placed above the entry: below left the work area
    std::vector<std::string> texts = {};  // kind 3: the rows' texts, which the window words
};

// The pop-up menus (kinds above). The window calls size() first to place the menu, then
// open(). A menu reports through the queue: WM_MENU_PICK (kind, row) for kinds 11-14,
// WM_MENU_CLOSED (0, 0) when it closes after a choice that changed the settings itself (the
// window then clears its menu-open flag and repaints), WM_MENU_CLOSED (1, position + 1) and
// WM_FONTS_CHANGED (1, 0) for the language menu, WM_EDIT_COMBINATION (slot, 0) for row 10 of
// the button menu.
class MenuOpener {
  public:
    virtual ~MenuOpener() = default;
    // The size the menu of this request will have on screen; {0, 0} when unknown.
    virtual MenuSize size(const MenuRequest& request) {
        (void)request;
        return {};
    }
    // Shows the menu and returns at once; false when it could not open (the window then keeps
    // no menu-open flag).
    virtual bool open(const MenuRequest& request) {
        (void)request;
        return false;
    }
    // Closes the open menu and its sub-menu, if any (the pointer left a lighting entry, the
    // page changed, the window ends).
    virtual void close() {}
};

// The combination key dialog, opened on WM_EDIT_COMBINATION for button `slot` with its stored
// key text. On confirm it posts WM_COMBINATION_SET with wparam (slot << 8) | key code and the
// text in WindowMessage::text.
class CombinationOpener {
  public:
    virtual ~CombinationOpener() = default;
    virtual void open(int slot, const std::string& keyText, bool fromMenu) {
        (void)slot;
        (void)keyText;
        (void)fromMenu;
    }
};

// The language switch and the fonts that follow it.
class LanguageSwitch {
  public:
    virtual ~LanguageSwitch() = default;
    // WM_MENU_CLOSED (1, lparam): switch to the offered language at `position` (from 0).
    virtual void switchTo(int position) { (void)position; }
    // WM_FONTS_CHANGED (1, 0): choose and create the fonts again for the new language.
    virtual void fontsChanged() {}
};

// The macro page's editor and recorder. The window checks the guards it owns (a selected
// group, TipText 7; no recording for the top bar, TipText 9) and forwards the rest here.
class MacroEditor {
  public:
    virtual ~MacroEditor() = default;
    // True while a macro is being recorded: the top bar then refuses all but entries 0 and 1.
    virtual bool recording() const { return false; }
    // Entry 4: start or stop recording the selected macro.
    virtual void toggleRecording() {}
    // Entry 5: open the insert menu (kind 14) at the place the window computed.
    virtual void openInsertMenu(const MenuRequest& request) { (void)request; }
    // Entry 13: the gun preset dialog.
    virtual void openGunPresets() {}
    // WM_MENU_PICK for menus 11 to 14.
    virtual void onMenuPick(int menu, int row) {
        (void)menu;
        (void)row;
    }
    // WM_KEY_CAPTURED: store the captured key into the step being edited.
    virtual void onKeyCaptured() {}
    // Key events of the recording hook (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP).
    virtual void onRecordedKey(std::uint32_t message, int virtualKey) {
        (void)message;
        (void)virtualKey;
    }
    // WM_MACRO_ROW_SELECT for the step list (2) and the key list (3), after the window's own
    // handling; wparam the selected row.
    virtual void onRowSelect(int list, int row) {
        (void)list;
        (void)row;
    }
};

}  // namespace karvo
