// The slider under the cursor and the filled width of a slider.
#include "ui/skin/slider_math.h"

#include <gtest/gtest.h>

namespace karvo {
namespace {

const SkinRect kSlider{100, 0, 170, 10};  // 17 steps of 10 pixels

TEST(SliderMath, TheLeftEdgeGivesTheFirstStep) {
    EXPECT_EQ(slider::stepAt(100, kSlider, 17), 1);
}

TEST(SliderMath, ACursorLeftOfTheSliderGivesTheFirstStep) {
    EXPECT_EQ(slider::stepAt(40, kSlider, 17), 1);
}

TEST(SliderMath, FifteenPixelsInGivesTheSecondStep) {
    EXPECT_EQ(slider::stepAt(115, kSlider, 17), 2);
}

TEST(SliderMath, NearTheRightEndGivesTheLastStep) {
    EXPECT_EQ(slider::stepAt(266, kSlider, 17), 17);
    EXPECT_EQ(slider::stepAt(900, kSlider, 17), 17);
}

TEST(SliderMath, AFillIsTheWholeEntryFromTheStepCountOn) {
    EXPECT_EQ(slider::fillWidth(11, {0, 0, 220, 8}, 11, 1), 220);
    EXPECT_EQ(slider::fillWidth(40, {0, 0, 220, 8}, 11, 1), 220);
    EXPECT_EQ(slider::fillWidth(5, {0, 0, 220, 8}, 11, 1), 100);
    EXPECT_EQ(slider::fillWidth(5, {0, 0, 440, 16}, 11, 2), 100);
    EXPECT_EQ(slider::fillWidth(-3, {0, 0, 220, 8}, 11, 1), 0);
}

TEST(SliderMath, TheDpiSliderFillsSeventeenStepsAtItsLastValue) {
    const float step = 303.0f / 17.0f;
    EXPECT_EQ(slider::dpiFillWidth(16, step, 1), 303);
    EXPECT_EQ(slider::dpiFillWidth(0, step, 1), 17);
    EXPECT_EQ(slider::dpiFillWidth(16, 606.0f / 17.0f, 2), 303);
}

}  // namespace
}  // namespace karvo
