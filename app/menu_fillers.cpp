// The menu seam's filler; see menu_fillers.h.
#include "app/menu_fillers.h"

#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/csub_menu_dlg.h"

namespace karvo {

namespace {
bool validKind(int kind) {
    return kind >= 0 && kind < kMenuKinds;
}

// Lighting entries 40 and 41 choose their value from a list of their own (brightness eight
// rows, speed six), not from the four rows of kind 5.
std::optional<int> lightingValues(const MenuRequest& request) {
    if (request.kind != menu_kind::kLightingValue || request.table != LayoutFile::Color)
        return std::nullopt;
    return PopupMenus::lightingValuesOf(request.entry);
}
}  // namespace

MenuSize PopupMenuOpener::size(const MenuRequest& request) {
    if (const auto type = lightingValues(request)) {
        const std::unique_ptr<CSubMenuDlg> probe = CSubMenuDlg::create(menus_, *type, -1);
        if (!probe)
            return {};
        const TextSize size = probe->size();
        return {size.width, size.height};
    }
    if (!validKind(request.kind))
        return {};
    MenuOptions options;
    options.slot = request.slot;
    options.texts = request.texts;
    const std::unique_ptr<CMenuDlg> probe =
        CMenuDlg::create(menus_, static_cast<MenuKind>(request.kind), std::move(options));
    if (!probe)
        return {};
    const TextSize size = probe->size();
    return {size.width, size.height};
}

bool PopupMenuOpener::open(const MenuRequest& request) {
    if (lightingValues(request))
        return menus_.openLightingValues(request.entry, request.x, request.y);
    if (!validKind(request.kind))
        return false;
    MenuOptions options;
    options.slot = request.slot;
    options.texts = request.texts;
    return menus_.open(static_cast<MenuKind>(request.kind), request.x, request.y,
                       std::move(options));
}

}  // namespace karvo
