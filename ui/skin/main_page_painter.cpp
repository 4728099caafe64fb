// Main page drawing. The hotspot of button n is entry 20 + n, its label 35 + n; hovering one
// shows the other pressed, so the user sees which label belongs to which button.
#include "ui/skin/main_page_painter.h"

#include "ui/skin/layout_index.h"

namespace karvo {

namespace {
namespace mw = skin::main_window;

// Entries 50 .. 48 + KeyNum carry no hover look of their own.
bool silent(int hot, int keyNum) {
    return hot >= 50 && hot <= 48 + keyNum;
}

bool runsMacro(const ButtonAssignment& b) {
    return b.function >= 256;
}
}  // namespace

MainPagePainter::Badge MainPagePainter::paint(Canvas& canvas, const PageView& view) {
    const int hot = view.hotMain;
    if (hot == NO_ITEM || hot < mw::kHeaderCount || silent(hot, view.keyNum))
        return Badge::NotNeeded;
    const SkinLayout& table = view.skin.main();
    const ImageStateSet& set = view.pictures.main;
    view.copy(canvas, view.pressed ? set.down : set.over, table, hot);

    const int keyNum = std::min(view.keyNum, kButtonSlots);
    if (hot >= mw::kLabelFirst && hot < mw::kLabelFirst + keyNum) {
        view.copy(canvas, set.down, table, hot - mw::kLabelFirst + mw::kHotspotFirst);
        return Badge::NotNeeded;
    }
    if (hot < mw::kHotspotFirst || hot >= mw::kHotspotFirst + keyNum)
        return Badge::NotNeeded;

    const int slot = hot - mw::kHotspotFirst;
    view.copy(canvas, set.down, table, mw::kLabelFirst + slot);
    const ButtonAssignment& button =
        view.settings.current().buttons[static_cast<std::size_t>(slot)];
    if (!runsMacro(button))
        return Badge::NotDrawn;
    return canvas.drawPicture(view.pictures.macroBadge, mw::kMacroBadgeX, mw::kMacroBadgeY)
               ? Badge::Drawn
               : Badge::Missing;
}

}  // namespace karvo
