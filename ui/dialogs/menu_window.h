// What every skinned pop-up menu shares: a column of rows of one height cut from a picture set,
// the hot row under the cursor and the pressed flag, the paint (base picture, the hot row from
// the over or down picture, row pictures, colour fills and texts), and the hit-test of rows.
// CMenuDlg, CSubMenuDlg and MacSelMenuDlg add what a release does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs/menu_kind.h"
#include "ui/skin/canvas.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

struct MenuRow {
    std::string text;
    // A row with pictures of its own (the language menu) draws them instead of the menu's.
    std::string normalPicture;
    std::string overPicture;
    std::optional<ColourRef> fill;  // a colour swatch filling the row (lighting step colours)
    // What screen readers call a row whose text the pictures carry (languages, profiles).
    std::string name = {};
};

struct MenuLook {
    ImageStateSet pictures;  // full paths; `normal` may be the mask itself
    std::int32_t width = 0;  // picture pixels
    std::int32_t rowHeight = 0;
    int visibleRows = 0;  // rows shown; those below are cut off
    RowTextAlign align = RowTextAlign::None;
    std::int32_t textX = 0;
    int scale = 1;
};

class MenuWindow : public SkinnedWindow {
  public:
    MenuWindow(MenuLook look, std::vector<MenuRow> rows);

    // The window's size in window pixels: the visible rows only, so those below are cut off.
    TextSize size() const;
    // The row at a window point: 1 to visibleRows (at most 14), or NO_ITEM. Row i spans
    // 0, (i - 1) x h x s to W x s, i x h x s.
    int rowAt(std::int32_t x, std::int32_t y) const;
    // The band of row `row` in window pixels.
    SkinRect rowRect(int row) const;

    int hotRow() const { return hot_; }
    bool pressed() const { return pressed_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<MenuRow>& rows() const { return rows_; }
    const MenuLook& look() const { return look_; }

    bool onMouseMove(std::int32_t x, std::int32_t y) override;
    bool onLeftDown(std::int32_t x, std::int32_t y) override;
    bool onLeftUp(std::int32_t x, std::int32_t y) override;
    bool onMouseLeave(bool) override { return false; }
    void paint(Canvas& canvas) override;

    // The keyboard: Down and Tab (Up and Shift+Tab) make the next (previous) row hot,
    // wrapping, Home and End the first and last; Enter and Space release on the hot row. A hot
    // row that opens a sub-menu opens it, as under the cursor. Escape belongs to the host.
    bool onKey(NavigationKey key) override;
    // Every shown row as a menu item named by its text (or its name), the hot row focused.
    std::vector<AccessibleEntry> accessibleEntries() const override;
    int focusedEntry() const override { return hot_ == NO_ITEM ? -1 : hot_; }
    bool activate(int row) override;
    // No row is hot any more (the keyboard went back to the menu that opened this one).
    void clearHot();

  protected:
    // A release on `row` (1-based; NO_ITEM off the rows).
    virtual void released(int row) = 0;
    // The hot row changed to `row` (never called with NO_ITEM when keepHotOutside is set).
    virtual void hotChanged(int) {}
    // A sub-menu keeps its last hot row while the cursor is off its rows.
    void setKeepHotOutside(bool keep) { keepHotOutside_ = keep; }
    std::vector<MenuRow>& mutableRows() { return rows_; }

  private:
    MenuLook look_;
    std::vector<MenuRow> rows_;
    int hot_ = NO_ITEM;
    bool pressed_ = false;
    bool keepHotOutside_ = false;
};

}  // namespace karvo
