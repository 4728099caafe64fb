// A window shown smaller than its layout: the factor that fits a screen, and hit-testing in
// the shown pixels: every shown pixel of every entry of the shipped pages maps back into that
// entry, and the pixels beside it do not.
#include "ui/skin/view_fit.h"

#include <gtest/gtest.h>

#include "skin_fixture.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

TEST(ViewFit, TheFactorFitsTheFreeAreaAndNeverEnlarges) {
    EXPECT_DOUBLE_EQ(ViewFit::toFit({1100, 700}, {1920, 1040}).factor, 1.0);
    EXPECT_DOUBLE_EQ(ViewFit::toFit({1100, 700}, {1100, 700}).factor, 1.0);
    EXPECT_DOUBLE_EQ(ViewFit::toFit({1100, 700}, {880, 1000}).factor, 0.8);  // width limits
    EXPECT_DOUBLE_EQ(ViewFit::toFit({1100, 700}, {1280, 560}).factor, 0.8);  // height limits
    EXPECT_DOUBLE_EQ(ViewFit::toFit({2200, 1400}, {1280, 700}).factor, 0.5);
    EXPECT_FALSE(ViewFit::toFit({1100, 700}, {}).scaled());  // unknown: as it is
    EXPECT_DOUBLE_EQ(ViewFit::toFit({1100, 700}, {10, 10}).factor, 0.25);
    const ViewFit fit{0.8};
    EXPECT_EQ(fit.shown({1100, 700}).width, 880);
    EXPECT_EQ(fit.shown({1100, 700}).height, 560);
    EXPECT_EQ(fit.toShown({0, 0, 1100, 700}), (SkinRect{0, 0, 880, 560}));
}

TEST(ViewFit, EveryShownPixelOfAnEntryHitsThatEntryAtEveryFactor) {
    const testing::ShippedSkin shipped;
    const SkinLayout* layouts[] = {&shipped.skin.main(), &shipped.skin.advanced(),
                                   &shipped.skin.macro(), &shipped.skin.lighting()};
    for (const double factor : {1.0, 0.9, 0.8, 0.727, 0.6, 0.5}) {
        const ViewFit fit{factor};
        for (const SkinLayout* layout : layouts) {
            for (int entry = 0; entry < 140; ++entry) {
                const SkinRect r = layout->rect(entry);
                if (r.empty())
                    continue;
                SCOPED_TRACE("factor " + std::to_string(factor) + " entry " +
                             std::to_string(entry));
                const SkinRect s = fit.toShown(r);
                ASSERT_GT(s.width, 0);
                ASSERT_GT(s.height, 0);
                // The corners and the centre of the shown entry fall inside the entry.
                for (const auto& [x, y] : {std::pair{s.x, s.y},
                                           {s.x + s.width - 1, s.y},
                                           {s.x, s.y + s.height - 1},
                                           {s.x + s.width - 1, s.y + s.height - 1},
                                           {s.x + s.width / 2, s.y + s.height / 2}})
                    EXPECT_TRUE(r.contains(fit.toWindow(x), fit.toWindow(y)));
                // The shown pixels just outside fall outside it.
                EXPECT_FALSE(r.contains(fit.toWindow(s.x - 1), fit.toWindow(s.y)));
                EXPECT_FALSE(r.contains(fit.toWindow(s.x + s.width), fit.toWindow(s.y)));
                EXPECT_FALSE(r.contains(fit.toWindow(s.x), fit.toWindow(s.y + s.height)));
            }
        }
    }
}

}  // namespace
}  // namespace karvo
