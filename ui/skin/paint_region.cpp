// Rectangle subtraction for the paint region.
#include "ui/skin/paint_region.h"

#include <algorithm>

namespace karvo {

namespace {
// Edges as 64-bit numbers, so x + width of a rectangle at the end of the range cannot wrap.
struct Edges {
    std::int64_t left, top, right, bottom;
    explicit Edges(const SkinRect& r)
        : left(r.x),
          top(r.y),
          right(std::int64_t{r.x} + r.width),
          bottom(std::int64_t{r.y} + r.height) {}
};

void keep(std::vector<SkinRect>& out, std::int64_t left, std::int64_t top, std::int64_t right,
          std::int64_t bottom) {
    if (right <= left || bottom <= top)
        return;
    out.push_back({static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                   static_cast<std::int32_t>(right - left),
                   static_cast<std::int32_t>(bottom - top)});
}
}  // namespace

PaintRegion::PaintRegion(const SkinRect& whole) {
    if (!whole.empty())
        rects_.push_back(whole);
}

void PaintRegion::subtract(const SkinRect& cut) {
    if (cut.empty())
        return;
    const Edges c(cut);
    std::vector<SkinRect> next;
    next.reserve(rects_.size() + 4);
    for (const SkinRect& r : rects_) {
        const Edges e(r);
        if (c.right <= e.left || c.left >= e.right || c.bottom <= e.top || c.top >= e.bottom) {
            next.push_back(r);
            continue;
        }
        // Full-width bands above and below the cut, then the parts left and right of it in
        // the band the cut spans: four disjoint pieces at most.
        const std::int64_t bandTop = std::max(e.top, c.top);
        const std::int64_t bandBottom = std::min(e.bottom, c.bottom);
        keep(next, e.left, e.top, e.right, bandTop);
        keep(next, e.left, bandBottom, e.right, e.bottom);
        keep(next, e.left, bandTop, std::max(e.left, c.left), bandBottom);
        keep(next, std::min(e.right, c.right), bandTop, e.right, bandBottom);
    }
    rects_ = std::move(next);
}

bool PaintRegion::contains(std::int32_t x, std::int32_t y) const {
    return std::any_of(rects_.begin(), rects_.end(),
                       [&](const SkinRect& r) { return r.contains(x, y); });
}

SkinRect toRect(const SkinBox& box) {
    const std::int64_t width = std::int64_t{box.right} - box.left;
    const std::int64_t height = std::int64_t{box.bottom} - box.top;
    if (width <= 0 || height <= 0)
        return {box.left, box.top, 0, 0};
    return {box.left, box.top, static_cast<std::int32_t>(std::min<std::int64_t>(width, INT32_MAX)),
            static_cast<std::int32_t>(std::min<std::int64_t>(height, INT32_MAX))};
}

PaintRegion macroPageRegion(std::int32_t width, std::int32_t height, const MainSkin& skin) {
    PaintRegion region({0, 0, width, height});
    for (const SkinBox& box : skin.editFields())
        region.subtract(toRect(box));
    for (const SkinBox& box : skin.macroDisplays())
        region.subtract(toRect(box));
    return region;
}

}  // namespace karvo
