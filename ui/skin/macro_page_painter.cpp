// Macro page drawing.
#include "ui/skin/macro_page_painter.h"

#include "ui/skin/layout_index.h"

namespace karvo {

namespace mp = skin::macro_page;

void MacroPagePainter::paintHot(Canvas& canvas, const PageView& view) {
    if (view.hotMacro == NO_ITEM)
        return;
    const ImageStateSet& set = view.pictures.macro;
    view.copy(canvas, view.pressed ? set.down : set.over, view.skin.macro(), view.hotMacro);
}

void MacroPagePainter::paint(Canvas& canvas, const PageView& view) {
    const SkinLayout& table = view.skin.macro();
    const std::string& down = view.pictures.macro.down;
    if (view.settings.shared.softHardMac == 1)
        view.copy(canvas, down, table, mp::kSoftwarePlayback);
    if (!view.selectedMacroMode)
        return;
    switch (*view.selectedMacroMode) {
        case 2:
            view.copy(canvas, down, table, mp::kModeWhileHeld);
            break;
        case 1:
            view.copy(canvas, down, table, mp::kModeToggle);
            break;
        case 0:
            view.copy(canvas, down, table, mp::kModeCount);
            break;
        default:
            break;
    }
}

}  // namespace karvo
