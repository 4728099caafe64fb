// The paint region: the whole rectangle less its cuts, at the exact edges of each cut, with
// overlapping, repeated, empty and out-of-range cuts, and the macro page's region of the
// shipped skin.
#include "ui/skin/paint_region.h"

#include <gtest/gtest.h>

#include <climits>

#include "skin_fixture.h"

namespace karvo {
namespace {

// Every pixel of `area` counted, so a test can tell a region with a hole from one without.
long long pixelsIn(const PaintRegion& region, const SkinRect& area) {
    long long n = 0;
    for (std::int32_t y = area.y; y < area.y + area.height; ++y) {
        for (std::int32_t x = area.x; x < area.x + area.width; ++x)
            n += region.contains(x, y) ? 1 : 0;
    }
    return n;
}

bool disjoint(const PaintRegion& region) {
    const auto& r = region.rects();
    for (std::size_t i = 0; i < r.size(); ++i) {
        for (std::size_t j = i + 1; j < r.size(); ++j) {
            const bool apart = r[i].x + r[i].width <= r[j].x || r[j].x + r[j].width <= r[i].x ||
                               r[i].y + r[i].height <= r[j].y || r[j].y + r[j].height <= r[i].y;
            if (!apart)
                return false;
        }
    }
    return true;
}

TEST(PaintRegion, ACutRemovesExactlyItsPixels) {
    PaintRegion region({0, 0, 100, 80});
    region.subtract({20, 10, 30, 40});
    EXPECT_FALSE(region.contains(20, 10));  // top-left corner of the cut
    EXPECT_FALSE(region.contains(49, 49));  // bottom-right pixel of the cut
    EXPECT_TRUE(region.contains(19, 10));   // just left
    EXPECT_TRUE(region.contains(50, 10));   // just right
    EXPECT_TRUE(region.contains(20, 9));    // just above
    EXPECT_TRUE(region.contains(20, 50));   // just below
    EXPECT_FALSE(region.contains(100, 0));  // outside the whole
    EXPECT_FALSE(region.contains(-1, 0));
    EXPECT_EQ(pixelsIn(region, {0, 0, 100, 80}), 100 * 80 - 30 * 40);
    EXPECT_TRUE(disjoint(region));
}

TEST(PaintRegion, OverlappingAndRepeatedCutsStayCut) {
    PaintRegion region({0, 0, 60, 60});
    region.subtract({10, 10, 20, 20});
    region.subtract({20, 20, 20, 20});  // overlaps the first in 20..29
    region.subtract({10, 10, 20, 20});  // the same cut again adds nothing back
    EXPECT_FALSE(region.contains(25, 25));
    EXPECT_FALSE(region.contains(15, 15));
    EXPECT_FALSE(region.contains(35, 35));
    EXPECT_TRUE(region.contains(35, 15));
    EXPECT_EQ(pixelsIn(region, {0, 0, 60, 60}), 60 * 60 - (400 + 400 - 100));
    EXPECT_TRUE(disjoint(region));
}

TEST(PaintRegion, CutsAtTheEdgeOrBeyondAreClippedAndEmptyOnesChangeNothing) {
    PaintRegion region({0, 0, 50, 50});
    region.subtract({40, -10, 30, 30});   // over the top-right corner
    region.subtract({5, 5, 0, 10});       // empty
    region.subtract({5, 5, 10, -3});      // inverted
    region.subtract({200, 200, 10, 10});  // far away
    EXPECT_TRUE(region.contains(5, 5));
    EXPECT_FALSE(region.contains(45, 0));
    EXPECT_TRUE(region.contains(45, 20));
    EXPECT_EQ(pixelsIn(region, {0, 0, 50, 50}), 50 * 50 - 10 * 20);

    PaintRegion all({0, 0, 50, 50});
    all.subtract({INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX});  // edges beyond the int range
    all.subtract({-10, -10, 100, 100});
    EXPECT_TRUE(all.empty());
    EXPECT_TRUE(PaintRegion({0, 0, 0, 10}).empty());
}

TEST(PaintRegion, AnInvertedBoxBecomesAnEmptyRectangle) {
    EXPECT_EQ(toRect(SkinBox{10, 20, 40, 60}), (SkinRect{10, 20, 30, 40}));
    EXPECT_TRUE(toRect(SkinBox{40, 20, 10, 60}).empty());
    EXPECT_TRUE(toRect(SkinBox{10, 60, 40, 20}).empty());
}

TEST(PaintRegion, TheMacroPageLeavesOutEveryEditAndListBox) {
    testing::ShippedSkin shipped;
    const MainSkin& skin = shipped.skin;
    const PaintRegion region = macroPageRegion(1100, 700, skin);
    long long cut = 0;
    std::vector<SkinRect> boxes;
    for (const SkinBox& b : skin.editFields())
        boxes.push_back(toRect(b));
    for (const SkinBox& b : skin.macroDisplays())
        boxes.push_back(toRect(b));
    for (const SkinRect& r : boxes) {
        ASSERT_FALSE(r.empty());
        EXPECT_FALSE(region.contains(r.x, r.y));
        EXPECT_FALSE(region.contains(r.x + r.width - 1, r.y + r.height - 1));
        EXPECT_EQ(pixelsIn(region, r), 0);
        cut += static_cast<long long>(r.width) * r.height;
    }
    // The shipped boxes do not overlap, so the region keeps everything else.
    EXPECT_EQ(pixelsIn(region, {0, 0, 1100, 700}), 1100LL * 700 - cut);
    EXPECT_TRUE(disjoint(region));
}

}  // namespace
}  // namespace karvo
