// Keyboard focus of the skinned windows; see keyboard_focus.h.
#include "ui/skin/keyboard_focus.h"

#include <algorithm>

namespace karvo {

const AccessibleEntry* KeyboardFocus::find(const std::vector<AccessibleEntry>& entries) const {
    if (focused_ < 0)
        return nullptr;
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const AccessibleEntry& e) { return e.id == focused_; });
    return it == entries.end() ? nullptr : &*it;
}

bool KeyboardFocus::move(const std::vector<AccessibleEntry>& entries, bool forward) {
    std::vector<int> order;
    for (const AccessibleEntry& e : entries) {
        if (e.focusable)
            order.push_back(e.id);
    }
    if (order.empty())
        return false;
    const auto at = std::find(order.begin(), order.end(), focused_);
    const int n = static_cast<int>(order.size());
    int next = 0;
    if (at == order.end()) {
        next = forward ? 0 : n - 1;
    } else {
        const int i = static_cast<int>(at - order.begin());
        next = forward ? (i + 1) % n : (i + n - 1) % n;
    }
    const int before = focused_;
    focused_ = order[static_cast<std::size_t>(next)];
    return focused_ != before;
}

bool KeyboardFocus::click(SkinnedWindow& window, const SkinRect& r) {
    const std::int32_t x = r.x + r.width / 2;
    const std::int32_t y = r.y + r.height / 2;
    bool repaint = window.onMouseMove(x, y);
    repaint |= window.onLeftDown(x, y);
    repaint |= window.onLeftUp(x, y);
    return repaint;
}

bool KeyboardFocus::handle(SkinnedWindow& window, const std::vector<AccessibleEntry>& entries,
                           NavigationKey key, bool& repaint) {
    switch (key) {
        case NavigationKey::Tab:
        case NavigationKey::BackTab:
            repaint = move(entries, key == NavigationKey::Tab) || repaint;
            return true;
        case NavigationKey::Enter:
        case NavigationKey::Space:
            if (const AccessibleEntry* e = find(entries)) {
                const SkinRect rect = e->rect;  // the click may change the entries
                repaint = click(window, rect) || repaint;
            }
            return true;
        default:
            return false;
    }
}

void KeyboardFocus::paint(Canvas& canvas, const std::vector<AccessibleEntry>& entries,
                          int scale) const {
    if (const AccessibleEntry* e = find(entries); e && !e->rect.empty())
        paintRing(canvas, toPicture(e->rect, scale));
}

void KeyboardFocus::paintRing(Canvas& canvas, const SkinRect& r) {
    // Inside the entry, so an entry at the window's edge (the page tabs) keeps all four sides.
    constexpr std::int32_t w = 2;
    canvas.fillRect({r.x, r.y, r.width, w}, kRingColour);
    canvas.fillRect({r.x, r.y + r.height - w, r.width, w}, kRingColour);
    canvas.fillRect({r.x, r.y + w, w, r.height - 2 * w}, kRingColour);
    canvas.fillRect({r.x + r.width - w, r.y + w, w, r.height - 2 * w}, kRingColour);
}

}  // namespace karvo
