// Header drawing: one copy per entry at most, selected tabs winning over the hover look.
#include "ui/skin/header_painter.h"

#include "ui/skin/layout_index.h"

namespace karvo {

void HeaderPainter::paint(Canvas& canvas, const PageView& view) {
    namespace mw = skin::main_window;
    const SkinLayout& table = view.skin.main();
    const ImageStateSet& set = view.set();
    const int profileTab = mw::kProfileFirst + view.settings.currentProfile;
    const int pageTab = mw::kTabFirst + static_cast<int>(view.page);
    if (view.settings.currentProfile >= 0 && view.settings.currentProfile < mw::kProfileCount)
        view.copy(canvas, set.down, table, profileTab);
    view.copy(canvas, set.down, table, pageTab);

    const int hot = view.hotMain;
    if (hot == NO_ITEM || hot >= mw::kHeaderCount || hot == profileTab || hot == pageTab)
        return;
    view.copy(canvas, view.pressed ? set.down : set.over, table, hot);
}

}  // namespace karvo
