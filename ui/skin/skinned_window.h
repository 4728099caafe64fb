// What a back-end window needs of a skinned window's controller: mouse input in window pixels,
// a paint on a canvas, and, for a modal dialog, the result that ends it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/skin/accessible.h"
#include "ui/skin/canvas.h"
#include "ui/skin/paint_region.h"

namespace karvo {

class SkinnedWindow {
  public:
    virtual ~SkinnedWindow() = default;
    // Each returns true when the window must be repainted.
    virtual bool onMouseMove(std::int32_t x, std::int32_t y) = 0;
    virtual bool onLeftDown(std::int32_t x, std::int32_t y) = 0;
    virtual bool onLeftUp(std::int32_t x, std::int32_t y) = 0;
    virtual bool onMouseLeave(bool leftButtonHeld) = 0;
    // The right button released, and the key that asks for the window's system menu (with the
    // cursor's point). Dialogs have no system menu.
    virtual bool onRightUp(std::int32_t, std::int32_t) { return false; }
    virtual bool onSystemMenuKey(std::int32_t, std::int32_t) { return false; }
    virtual void paint(Canvas& canvas) = 0;
    // A modal dialog ends as soon as this holds a value; the main window never does.
    virtual std::optional<int> result() const { return std::nullopt; }
    // The window pixels the paint may cover, or null for all of them. Child controls are cut
    // out of it, so the window's picture never shows through where they sit.
    virtual const PaintRegion* paintRegion() const { return nullptr; }

    // Keyboard and assistive tools. The entries the window shows now, in focus order; the one
    // that has the keyboard focus (an id of those entries, or -1); a key; and an assistive
    // tool's press on an entry or its setting of a slider. Each returns true when the window
    // must be repainted. A window without entries ignores them all.
    virtual std::string accessibleName() const { return {}; }
    virtual std::vector<AccessibleEntry> accessibleEntries() const { return {}; }
    virtual int focusedEntry() const { return -1; }
    virtual bool onKey(NavigationKey) { return false; }
    virtual bool activate(int) { return false; }
    virtual bool setValue(int, int) { return false; }
};

}  // namespace karvo
