// Rows, hit-testing and paint of the pop-up menus; see menu_window.h.
#include "ui/dialogs/menu_window.h"

#include <algorithm>

namespace karvo {

MenuWindow::MenuWindow(MenuLook look, std::vector<MenuRow> rows)
    : look_(std::move(look)), rows_(std::move(rows)) {
    look_.scale = std::max(1, look_.scale);
    look_.visibleRows = std::clamp(look_.visibleRows, 0, kMenuHitRows);
}

TextSize MenuWindow::size() const {
    const int s = look_.scale;
    return {look_.width * s, look_.visibleRows * look_.rowHeight * s};
}

SkinRect MenuWindow::rowRect(int row) const {
    if (row < 1 || row > look_.visibleRows)
        return {};
    const int s = look_.scale;
    return {0, (row - 1) * look_.rowHeight * s, look_.width * s, look_.rowHeight * s};
}

int MenuWindow::rowAt(std::int32_t x, std::int32_t y) const {
    for (int row = 1; row <= look_.visibleRows; ++row) {
        if (rowRect(row).contains(x, y))
            return row;
    }
    return NO_ITEM;
}

bool MenuWindow::onMouseMove(std::int32_t x, std::int32_t y) {
    const int now = rowAt(x, y);
    if (now == hot_ || (now == NO_ITEM && keepHotOutside_))
        return false;
    hot_ = now;
    if (now != NO_ITEM)
        hotChanged(now);
    return true;
}

bool MenuWindow::onLeftDown(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    pressed_ = hot_ != NO_ITEM;
    return pressed_;
}

bool MenuWindow::onLeftUp(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    pressed_ = false;
    const int row = rowAt(x, y);
    released(row);
    return true;
}

bool MenuWindow::onKey(NavigationKey key) {
    const int rows = look_.visibleRows;
    if (rows <= 0)
        return false;
    int next = hot_;
    switch (key) {
        case NavigationKey::Down:
        case NavigationKey::Tab:
            next = hot_ == NO_ITEM || hot_ >= rows ? 1 : hot_ + 1;
            break;
        case NavigationKey::Up:
        case NavigationKey::BackTab:
            next = hot_ == NO_ITEM || hot_ <= 1 ? rows : hot_ - 1;
            break;
        case NavigationKey::Home:
            next = 1;
            break;
        case NavigationKey::End:
            next = rows;
            break;
        case NavigationKey::Enter:
        case NavigationKey::Space:
            if (hot_ == NO_ITEM)
                return false;
            released(hot_);
            return true;
        default:
            return false;
    }
    if (next == hot_)
        return false;
    hot_ = next;
    hotChanged(next);
    return true;
}

bool MenuWindow::activate(int row) {
    if (row < 1 || row > look_.visibleRows)
        return false;
    released(row);
    return true;
}

void MenuWindow::clearHot() {
    hot_ = NO_ITEM;
    pressed_ = false;
}

std::vector<AccessibleEntry> MenuWindow::accessibleEntries() const {
    std::vector<AccessibleEntry> out;
    for (int row = 1; row <= look_.visibleRows; ++row) {
        AccessibleEntry e;
        e.id = row;
        e.role = AccessibleRole::MenuItem;
        if (row <= rowCount()) {
            const MenuRow& r = rows_[static_cast<std::size_t>(row - 1)];
            e.name = r.text.empty() ? r.name : r.text;
        }
        e.rect = rowRect(row);
        out.push_back(std::move(e));
    }
    return out;
}

void MenuWindow::paint(Canvas& canvas) {
    const int s = look_.scale;
    const auto pictureRect = [&](int row) {
        const SkinRect r = rowRect(row);
        return SkinRect{r.x / s, r.y / s, look_.width, look_.rowHeight};
    };
    canvas.begin(look_.pictures.normal);
    const int shown = std::min(rowCount(), look_.visibleRows);
    for (int row = 1; row <= shown; ++row) {
        const MenuRow& r = rows_[static_cast<std::size_t>(row - 1)];
        const SkinRect band = pictureRect(row);
        if (!r.normalPicture.empty()) {
            const bool lit = row == hot_ && !r.overPicture.empty();
            canvas.drawPicture(lit ? r.overPicture : r.normalPicture, band.x, band.y);
        }
        if (r.fill)
            canvas.fillRect({band.x, band.y, band.width, band.height - 1}, *r.fill);
    }
    if (hot_ != NO_ITEM && hot_ <= look_.visibleRows &&
        (hot_ > shown || rows_[static_cast<std::size_t>(hot_ - 1)].normalPicture.empty()))
        canvas.copyRect(pressed_ ? look_.pictures.down : look_.pictures.over, pictureRect(hot_));
    for (int row = 1; row <= shown; ++row) {
        const std::string& text = rows_[static_cast<std::size_t>(row - 1)].text;
        if (text.empty() || look_.align == RowTextAlign::None)
            continue;
        const SkinRect band = pictureRect(row);
        const TextSize t = canvas.measureText(text, FontRole::Small);
        const std::int32_t x = look_.align == RowTextAlign::Left
                                   ? band.x + look_.textX
                                   : band.x + (look_.width - t.width) / 2;
        canvas.drawText(text, x, band.y + (look_.rowHeight - t.height) / 2, FontRole::Small,
                        kWhite);
    }
    canvas.finish(s);
}

}  // namespace karvo
