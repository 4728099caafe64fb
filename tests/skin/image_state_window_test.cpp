// Hit-testing and the hover and press state of a skinned window.
#include "ui/skin/image_state_window.h"

#include <gtest/gtest.h>

#include "skin_fixture.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

SkinLayout twoOverlapping() {
    // Entry 0 at 10,10 30x20; entry 1 at 20,15 30x20 overlaps it; entry 2 is missing.
    SkinLayout layout(3);
    const_cast<SkinRect&>(layout.rect(0)) = {10, 10, 30, 20};
    const_cast<SkinRect&>(layout.rect(1)) = {20, 15, 30, 20};
    return layout;
}

TEST(ImageStateWindow, LeftAndTopEdgesAreInsideRightAndBottomAreNot) {
    const SkinLayout layout = twoOverlapping();
    EXPECT_EQ(ImageStateWindow::hitTest(layout, 10, 10, 2), 0);
    EXPECT_EQ(ImageStateWindow::hitTest(layout, 50, 20, 2), NO_ITEM);  // right edge of 1
    EXPECT_EQ(ImageStateWindow::hitTest(layout, 25, 35, 2), NO_ITEM);  // bottom edge of 1
}

TEST(ImageStateWindow, TheLowerIndexWinsWhereEntriesOverlap) {
    EXPECT_EQ(ImageStateWindow::hitTest(twoOverlapping(), 25, 20, 2), 0);
}

TEST(ImageStateWindow, EntriesPastTheLastIndexAreNeverHot) {
    EXPECT_EQ(ImageStateWindow::hitTest(twoOverlapping(), 45, 30, 0), NO_ITEM);
    EXPECT_EQ(ImageStateWindow::hitTest(twoOverlapping(), 45, 30, 1), 1);
}

TEST(ImageStateWindow, AMissingEntryIsNeverHotEvenAtTheOrigin) {
    SkinLayout layout(1);
    EXPECT_EQ(ImageStateWindow::hitTest(layout, 0, 0, 0), NO_ITEM);
}

TEST(ImageStateWindow, MovingWithinOneEntryAsksForNoRepaint) {
    ImageStateWindow w;
    const SkinLayout layout = twoOverlapping();
    EXPECT_TRUE(w.moveTo(layout, 12, 12, 2));
    EXPECT_FALSE(w.moveTo(layout, 14, 13, 2));
    EXPECT_TRUE(w.moveTo(layout, 100, 100, 2));
    EXPECT_EQ(w.hot(), NO_ITEM);
    EXPECT_EQ(w.previousHot(), 0);
}

TEST(ImageStateWindow, APressOnNothingSetsNoPressedFlag) {
    ImageStateWindow w;
    EXPECT_FALSE(w.press());
    EXPECT_FALSE(w.pressed());
    w.moveTo(twoOverlapping(), 12, 12, 2);
    EXPECT_TRUE(w.press());
    EXPECT_TRUE(w.pressed());
    w.release();
    EXPECT_FALSE(w.pressed());
}

TEST(ImageStateWindow, AtScaleTwoAnEntryIsCopiedFromHalfItsCoordinates) {
    EXPECT_EQ(toPicture({20, 40, 60, 40}, 2), (SkinRect{10, 20, 30, 20}));
}

TEST(ImageStateWindow, TheShippedMainTableAtScaleTwoHitsTheSameEntriesAtTwiceThePoint) {
    const testing::ShippedSkin one(1);
    const testing::ShippedSkin two(2);
    const SkinRect tab = one.skin.main().rect(skin::main_window::kTabFirst + 1);
    const int x = tab.x + tab.width / 2;
    const int y = tab.y + tab.height / 2;
    EXPECT_EQ(ImageStateWindow::hitTest(two.skin.main(), 2 * x, 2 * y, 79),
              skin::main_window::kTabFirst + 1);
}

}  // namespace
}  // namespace karvo
