// The slider under the cursor and the filled width of a slider.
#include "ui/skin/slider_math.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

namespace karvo {
namespace {

// Every step of every slider of the shipped layouts, at scales 1 and 2: the point a key moves
// the slider to reads back as that step, and all but the last lie inside the slider.
TEST(SliderMath, TheKeyboardsPointOfEachStepReadsBackAsThatStep) {
    struct Slider {
        SkinRect rect;
        int steps;
    };
    for (const int scale : {1, 2}) {
        const std::vector<Slider> sliders = {
            {{684 * scale, 162 * scale, 360 * scale, 12 * scale}, 11},   // pointer speed
            {{684 * scale, 306 * scale, 360 * scale, 12 * scale}, 300},  // fire time
            {{172 * scale, 500 * scale, 303 * scale, 38 * scale}, 17},   // DPI value
            {{220 * scale, 370 * scale, 440 * scale, 12 * scale}, 7},    // brightness
            {{220 * scale, 436 * scale, 440 * scale, 12 * scale}, 6},    // speed
        };
        for (const Slider& s : sliders) {
            for (int step = 1; step <= s.steps; ++step) {
                SCOPED_TRACE(std::to_string(s.steps) + " steps, step " + std::to_string(step));
                const std::int32_t x = slider::xOfStep(step, s.rect, s.steps);
                EXPECT_EQ(slider::stepAt(x, s.rect, s.steps), step);
                if (step < s.steps) {
                    EXPECT_TRUE(s.rect.contains(x, s.rect.y));
                }
            }
            // Outside the range the ends are taken.
            EXPECT_EQ(slider::stepAt(slider::xOfStep(0, s.rect, s.steps), s.rect, s.steps), 1);
            EXPECT_EQ(
                slider::stepAt(slider::xOfStep(s.steps + 5, s.rect, s.steps), s.rect, s.steps),
                s.steps);
        }
    }
}

}  // namespace
}  // namespace karvo
