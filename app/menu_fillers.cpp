// The menu seam's filler; see menu_fillers.h.
#include "app/menu_fillers.h"

#include "ui/dialogs/cmenu_dlg.h"

namespace karvo {

namespace {
bool validKind(int kind) {
    return kind >= 0 && kind < kMenuKinds;
}
}  // namespace

MenuSize PopupMenuOpener::size(const MenuRequest& request) {
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
    if (!validKind(request.kind))
        return false;
    MenuOptions options;
    options.slot = request.slot;
    options.texts = request.texts;
    return menus_.open(static_cast<MenuKind>(request.kind), request.x, request.y,
                       std::move(options));
}

}  // namespace karvo
