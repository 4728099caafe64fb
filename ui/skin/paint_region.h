// A set of window pixels as disjoint rectangles: what a page may paint. The macro page's region
// is the whole window with its child controls cut out, so the page's picture never lands on a
// list box or an edit box.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/skin/main_skin.h"
#include "ui/skin/skin_layout.h"

namespace karvo {

class PaintRegion {
  public:
    PaintRegion() = default;
    // The whole rectangle; an empty rectangle gives an empty region.
    explicit PaintRegion(const SkinRect& whole);

    // Removes every pixel of `cut`. Pieces already removed stay removed, whatever overlaps, as
    // a cut never adds anything back.
    void subtract(const SkinRect& cut);

    bool contains(std::int32_t x, std::int32_t y) const;
    bool empty() const { return rects_.empty(); }
    // Pairwise disjoint and never empty.
    const std::vector<SkinRect>& rects() const { return rects_; }

  private:
    std::vector<SkinRect> rects_;
};

// A corner box as the x, y, width, height rectangle it covers (empty when inverted).
SkinRect toRect(const SkinBox& box);

// The macro page's region: `width` x `height` window pixels less the three edit boxes and the
// three list boxes of the skin.
PaintRegion macroPageRegion(std::int32_t width, std::int32_t height, const MainSkin& skin);

}  // namespace karvo
