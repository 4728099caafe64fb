// Keyboard and screen-reader glue of the skinned windows: Qt's keys as the core's navigation
// keys, and an accessible interface for every widget that shows a skinned controller, whose
// children are the controller's entries (QAccessibleInterface objects without a QObject of
// their own). The controller decides names, roles, states and what a press does.
#pragma once

#include <optional>

#include "ui/skin/skinned_window.h"

class QKeyEvent;
class QWidget;

namespace karvo::qt {

// A widget that shows a skinned controller: what the accessibility factory looks for.
class SkinnedSurface {
  public:
    virtual ~SkinnedSurface() = default;
    virtual SkinnedWindow* skinnedController() const = 0;
    // A rectangle of the controller's window pixels in the widget's own pixels (they differ
    // when the window is shown scaled down).
    virtual SkinRect toShown(const SkinRect& r) const { return r; }
};

// The navigation key of a key press (Tab, Shift+Tab, Return, Enter, Space, the arrows, Home,
// End, Escape), or nothing for any other key or a key with Ctrl or Alt.
std::optional<NavigationKey> navigationKey(const QKeyEvent& event);

// Installs, once, the factory that gives each SkinnedSurface widget its accessible interface.
void installSkinAccessibility();

// Tells assistive tools that the keyboard focus of `widget` (a SkinnedSurface) moved to its
// controller's focused entry. Nothing when no tool listens.
void announceFocus(QWidget* widget);

}  // namespace karvo::qt
