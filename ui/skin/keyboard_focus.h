// The keyboard focus of a skinned window: which of its entries has it, Tab and Shift+Tab over
// the focusable ones in their order (wrapping), Enter and Space as a click on the focused
// entry's centre (so a key does exactly what the mouse does, guards included), and the ring
// that shows where the focus is.
#pragma once

#include <vector>

#include "ui/skin/accessible.h"
#include "ui/skin/canvas.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

class KeyboardFocus {
  public:
    // The focused entry's id, or -1.
    int focused() const { return focused_; }
    void clear() { focused_ = -1; }
    void set(int id) { focused_ = id; }

    // The focused entry among `entries`, or null when none has the focus or it is no longer
    // shown (the page changed).
    const AccessibleEntry* find(const std::vector<AccessibleEntry>& entries) const;

    // The next (or previous) focusable entry after the focused one, wrapping at the ends; from
    // no focus, the first (or last). False when there is none to go to.
    bool move(const std::vector<AccessibleEntry>& entries, bool forward);

    // Tab, Shift+Tab, Enter and Space for `window`, whose entries are `entries`; other keys
    // are not taken (false). Enter and Space press and release the left button at the centre
    // of the focused entry. `repaint` tells whether the window must be repainted.
    bool handle(SkinnedWindow& window, const std::vector<AccessibleEntry>& entries,
                NavigationKey key, bool& repaint);

    // A press and release of the left button at the centre of `rect` (window pixels).
    static bool click(SkinnedWindow& window, const SkinRect& rect);

    // The ring on the focused entry among `entries` (window pixels) of a window drawn at
    // `scale`; nothing without a focus.
    void paint(Canvas& canvas, const std::vector<AccessibleEntry>& entries, int scale) const;

    // The ring on `rect` (picture pixels): a 2-pixel frame along its inner edge.
    static void paintRing(Canvas& canvas, const SkinRect& rect);
    static constexpr ColourRef kRingColour = 0x00B4FF;  // amber, as COLORREF

  private:
    int focused_ = -1;
};

}  // namespace karvo
