// Hit-testing and hover/press state of a skinned window.
#include "ui/skin/image_state_window.h"

#include <algorithm>

namespace karvo {

int ImageStateWindow::hitTest(const SkinLayout& layout, std::int32_t x, std::int32_t y, int last) {
    const int end = std::min(last, static_cast<int>(layout.size()) - 1);
    for (int i = 0; i <= end; ++i) {
        if (layout.rect(i).contains(x, y))
            return i;
    }
    return NO_ITEM;
}

bool ImageStateWindow::moveTo(const SkinLayout& layout, std::int32_t x, std::int32_t y, int last) {
    const int now = hitTest(layout, x, y, last);
    previous_ = hot_;
    hot_ = now;
    return now != previous_;
}

bool ImageStateWindow::press() {
    if (hot_ == NO_ITEM)
        return false;
    pressed_ = true;
    return true;
}

void ImageStateWindow::copyEntry(Canvas& canvas, const std::string& picture,
                                 const SkinLayout& layout, int index, int scale) {
    const SkinRect r = toPicture(layout.rect(index), scale);
    if (!r.empty())
        canvas.copyRect(picture, r);
}

}  // namespace karvo
