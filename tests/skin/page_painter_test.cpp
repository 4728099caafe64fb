// What the page painters copy, fill and draw for a given state, on the shipped skin.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "recording_canvas.h"
#include "skin_fixture.h"
#include "ui/skin/advanced_page_painter.h"
#include "ui/skin/header_painter.h"
#include "ui/skin/layout_index.h"
#include "ui/skin/lighting_page_painter.h"
#include "ui/skin/macro_page_painter.h"
#include "ui/skin/main_page_painter.h"
#include "ui/skin/slider_math.h"

namespace karvo {
namespace {

using testing::RecordingCanvas;
using testing::ShippedSkin;
namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace li = skin::lighting;

TEST(MainPagePainter, HoveringAHotspotShowsItOverAndItsLabelPressed) {
    ShippedSkin s;
    PageView v = s.view(Page::Main);
    v.hotMain = mw::kHotspotFirst + 2;
    RecordingCanvas c;
    EXPECT_EQ(MainPagePainter::paint(c, v), MainPagePainter::Badge::NotDrawn);
    EXPECT_EQ(c.copiesFrom("main_over.jpg"),
              std::vector<SkinRect>{s.at(s.skin.main(), mw::kHotspotFirst + 2)});
    EXPECT_EQ(c.copiesFrom("main_down.jpg"),
              std::vector<SkinRect>{s.at(s.skin.main(), mw::kLabelFirst + 2)});
}

TEST(MainPagePainter, HoveringALabelShowsItsHotspotPressed) {
    ShippedSkin s;
    PageView v = s.view(Page::Main);
    v.hotMain = mw::kLabelFirst + 4;
    RecordingCanvas c;
    MainPagePainter::paint(c, v);
    EXPECT_TRUE(c.copied("main_over.jpg", s.at(s.skin.main(), mw::kLabelFirst + 4)));
    EXPECT_TRUE(c.copied("main_down.jpg", s.at(s.skin.main(), mw::kHotspotFirst + 4)));
}

TEST(MainPagePainter, APressedHotspotIsCopiedFromTheDownPicture) {
    ShippedSkin s;
    PageView v = s.view(Page::Main);
    v.hotMain = mw::kHotspotFirst;
    v.pressed = true;
    RecordingCanvas c;
    MainPagePainter::paint(c, v);
    EXPECT_TRUE(c.copiesFrom("main_over.jpg").empty());
    EXPECT_TRUE(c.copied("main_down.jpg", s.at(s.skin.main(), mw::kHotspotFirst)));
}

TEST(MainPagePainter, AButtonRunningAMacroGetsTheBadgeAtItsFixedPoint) {
    ShippedSkin s;
    s.settings.profiles[0].buttons[3].function = 256 + 2;
    PageView v = s.view(Page::Main);
    v.hotMain = mw::kHotspotFirst + 3;
    RecordingCanvas c;
    EXPECT_EQ(MainPagePainter::paint(c, v), MainPagePainter::Badge::Drawn);
    const auto pictures = c.ofKind(RecordingCanvas::Op::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_TRUE(pictures[0].picture.ends_with("1_INI_EN/zhi.png"));
    EXPECT_EQ(pictures[0].rect.x, 378);
    EXPECT_EQ(pictures[0].rect.y, 535);
    c.ops.clear();
    c.missingPictures = true;
    EXPECT_EQ(MainPagePainter::paint(c, v), MainPagePainter::Badge::Missing);
}

TEST(MainPagePainter, TheLeftMacroEntriesHaveNoHoverLook) {
    ShippedSkin s;
    PageView v = s.view(Page::Main);
    v.hotMain = 52;  // within 50 .. 48 + 8
    RecordingCanvas c;
    MainPagePainter::paint(c, v);
    EXPECT_TRUE(c.ops.empty());
}

TEST(HeaderPainter, TheCurrentProfileAndPageTabsArePressed) {
    ShippedSkin s;
    s.settings.currentProfile = 2;
    PageView v = s.view(Page::Macro);
    RecordingCanvas c;
    HeaderPainter::paint(c, v);
    EXPECT_EQ(c.copiesFrom("mac_down.jpg"),
              (std::vector<SkinRect>{s.at(s.skin.main(), mw::kProfileFirst + 2),
                                     s.at(s.skin.main(), mw::kTabFirst + 2)}));
}

TEST(HeaderPainter, AHoveredSelectedTabIsCopiedOnlyOnce) {
    ShippedSkin s;
    PageView v = s.view(Page::Main);
    v.hotMain = mw::kTabFirst;
    RecordingCanvas c;
    HeaderPainter::paint(c, v);
    EXPECT_EQ(c.copiesFrom("main_down.jpg").size(), 2u);
    EXPECT_TRUE(c.copiesFrom("main_over.jpg").empty());
    v.hotMain = mw::kApply;
    c.ops.clear();
    HeaderPainter::paint(c, v);
    EXPECT_EQ(c.copiesFrom("main_over.jpg"),
              std::vector<SkinRect>{s.at(s.skin.main(), mw::kApply)});
}

// The fill copied from the down picture for a slider entry: a rectangle starting at the
// entry's left edge with its height.
SkinRect fillOf(const RecordingCanvas& c, const SkinRect& entry) {
    for (const SkinRect& r : c.copiesFrom("advanced_down.jpg")) {
        if (r.x == entry.x && r.y == entry.y && r.height == entry.height)
            return r;
    }
    return {};
}

TEST(AdvancedPagePainter, SliderWidthsFollowTheirValues) {
    ShippedSkin s;
    s.settings.shared.pointerSpeed = 11;
    s.settings.shared.wheelSpeed = 4;
    s.settings.shared.fireTime = 150;
    s.settings.shared.dpi[0].step = 16;
    RecordingCanvas c;
    AdvancedPagePainter::paint(c, s.view(Page::Advanced));
    const SkinLayout& t = s.skin.advanced();
    EXPECT_EQ(fillOf(c, s.at(t, adv::kPointerSpeed)).width, t.rect(adv::kPointerSpeed).width);
    EXPECT_EQ(fillOf(c, s.at(t, adv::kWheelSpeed)).width, 4 * t.rect(adv::kWheelSpeed).width / 11);
    EXPECT_EQ(fillOf(c, s.at(t, adv::kFireTime)).width, t.rect(adv::kFireTime).width / 2);
    EXPECT_EQ(fillOf(c, s.at(t, adv::kDpiSlider)).width,
              std::min(adv::kDpiSliderLength, t.rect(adv::kDpiSlider).width));
}

TEST(AdvancedPagePainter, TheKnobSitsAtTheEndOfEachFill) {
    ShippedSkin s;
    s.settings.shared.pointerSpeed = 0;
    RecordingCanvas c;
    AdvancedPagePainter::paint(c, s.view(Page::Advanced));
    const SkinRect speed = s.at(s.skin.advanced(), adv::kPointerSpeed);
    const SkinRect dpi = s.at(s.skin.advanced(), adv::kDpiSlider);
    const auto knobs = c.ofKind(RecordingCanvas::Op::Kind::Picture);
    const auto at = [&](int x, int y) {
        return std::any_of(knobs.begin(), knobs.end(), [&](const auto& k) {
            return k.picture.ends_with("moveRect.png") && k.rect.x == x && k.rect.y == y;
        });
    };
    EXPECT_TRUE(at(speed.x - 6, speed.y));
    EXPECT_TRUE(at(dpi.x + slider::dpiFillWidth(0, s.skin.dpiSlider().step, 1) - 5, dpi.y + 13));
}

TEST(AdvancedPagePainter, LevelsShowTheirColoursEnablesAndTheActiveOne) {
    ShippedSkin s;
    s.settings.shared.dpiLevel = 3;
    s.settings.shared.dpi[1].enabled = true;
    s.settings.shared.dpi[2].colour = {15, 0, 15};  // 15, 255, 15 on screen
    s.settings.shared.usbSpeed = 2;
    RecordingCanvas c;
    AdvancedPagePainter::paint(c, s.view(Page::Advanced));
    const SkinLayout& t = s.skin.advanced();
    EXPECT_TRUE(c.copied("advanced_down.jpg", s.at(t, adv::kDpiLevelFirst + 3)));
    EXPECT_TRUE(c.copied("advanced_down.jpg", s.at(t, adv::kDpiToggleFirst + 1)));
    EXPECT_FALSE(c.copied("advanced_down.jpg", s.at(t, adv::kDpiToggleFirst + 2)));
    EXPECT_TRUE(c.copied("advanced_down.jpg", s.at(t, adv::kRateFirst + 2)));
    EXPECT_TRUE(c.copied("advanced_down.jpg", s.at(t, adv::kRateLampFirst + 2)));
    const auto fills = c.ofKind(RecordingCanvas::Op::Kind::Fill);
    ASSERT_EQ(fills.size(), 6u);
    EXPECT_EQ(fills[2].rect, s.at(t, adv::kDpiColourFirst + 2));
    EXPECT_EQ(fills[2].colour, 0x0FFF0Fu);
}

TEST(AdvancedPagePainter, APressedSliderKeepsItsOverLookButAPressedButtonDoesNot) {
    ShippedSkin s;
    PageView v = s.view(Page::Advanced);
    v.pressed = true;
    v.hotAdvanced = adv::kFireTime;
    RecordingCanvas c;
    AdvancedPagePainter::paintHot(c, v);
    EXPECT_TRUE(c.copied("advanced_over.jpg", s.at(s.skin.advanced(), adv::kFireTime)));
    v.hotAdvanced = adv::kDpiLevelFirst;
    c.ops.clear();
    AdvancedPagePainter::paintHot(c, v);
    EXPECT_TRUE(c.copied("advanced_down.jpg", s.at(s.skin.advanced(), adv::kDpiLevelFirst)));
}

TEST(AdvancedPagePainter, ADamagedDpiStepNeverFillsPastTheSlider) {
    ShippedSkin s;
    s.settings.shared.dpi[0].step = 200;
    RecordingCanvas c;
    AdvancedPagePainter::paint(c, s.view(Page::Advanced));
    const SkinRect slider = s.at(s.skin.advanced(), adv::kDpiSlider);
    EXPECT_LE(fillOf(c, slider).width, slider.width);
}

std::set<int> coveredIn(const ShippedSkin& s, const RecordingCanvas& c) {
    std::set<int> entries;
    for (const SkinRect& r : c.copiesFrom("led_null.jpg")) {
        for (int i = 0; i < 103; ++i) {
            if (s.at(s.skin.lighting(), i) == r)
                entries.insert(i);
        }
    }
    return entries;
}

TEST(LightingPagePainter, EachEffectTypeCoversTheOptionsItDoesNotOffer) {
    const std::vector<std::pair<int, std::set<int>>> table = {{0, {72, 75, 74, 50, 71}},
                                                              {1, {74, 72, 50, 71}},
                                                              {2, {75, 74, 73, 50, 71}},
                                                              {3, {71}},
                                                              {4, {50, 71}},
                                                              {5, {50, 71}},
                                                              {6, {72, 74, 71, 75}},
                                                              {7, {72, 50, 49, 71, 75}},
                                                              {8, {72, 74, 71, 75}},
                                                              {9, {73, 72, 74, 71, 75}},
                                                              {10, {45, 72, 50, 49, 71, 75}},
                                                              {11, {72, 74, 71, 75}},
                                                              {12, {75, 74, 73, 72, 50}},
                                                              {13, {75, 74, 73, 72, 50, 71}},
                                                              {14, {}},
                                                              {200, {}}};
    for (const auto& [type, expected] : table) {
        ShippedSkin s;
        s.settings.shared.ledType = static_cast<std::uint8_t>(type);
        RecordingCanvas c;
        LightingPagePainter::paint(c, s.view(Page::Lighting));
        EXPECT_EQ(coveredIn(s, c), expected) << "LED_TYPE " << type;
    }
}

TEST(LightingPagePainter, WithTheLightsOffOnlyTheOffLookIsDrawn) {
    ShippedSkin s;
    s.settings.shared.modeLight = 1;
    RecordingCanvas c;
    LightingPagePainter::paint(c, s.view(Page::Lighting));
    EXPECT_EQ(c.copiesFrom("led_down.jpg"),
              std::vector<SkinRect>{s.at(s.skin.lighting(), li::kModeOff)});
    EXPECT_EQ(c.copiesFrom("new_down.jpg"),
              std::vector<SkinRect>{s.at(s.skin.lighting(), li::kOffArea)});
    EXPECT_TRUE(c.copiesFrom("led_null.jpg").empty());
}

TEST(LightingPagePainter, APressedHotEntryKeepsItsOverLook) {
    ShippedSkin s;
    PageView v = s.view(Page::Lighting);
    v.pressed = true;
    v.hotLighting = li::kSymmetry;
    RecordingCanvas c;
    LightingPagePainter::paintHot(c, v);
    EXPECT_TRUE(c.copiesFrom("led_down.jpg").empty());
    EXPECT_TRUE(c.copied("led_over.jpg", s.at(s.skin.lighting(), li::kSymmetry)));
}

TEST(LightingPagePainter, SlidersCycleAndReactionsFollowTheSettings) {
    ShippedSkin s;
    auto& sh = s.settings.shared;
    sh.ledType = 3;
    sh.ledCycleTime = 5;
    sh.ledBrightness = 0;
    sh.colourCycleMask = 0b0000101;
    sh.ledDirection = 1;
    for (auto& b : s.settings.profiles[0].buttons)
        b.ledReactEnable = 0;
    s.settings.profiles[0].buttons[6].ledReactEnable = 1;
    RecordingCanvas c;
    LightingPagePainter::paint(c, s.view(Page::Lighting));
    const SkinLayout& t = s.skin.lighting();
    const auto down = c.copiesFrom("led_down.jpg");
    const auto has = [&](const SkinRect& r) {
        return std::find(down.begin(), down.end(), r) != down.end();
    };
    EXPECT_TRUE(has(s.at(t, li::kSpeed)));       // 5 fills the whole speed slider
    EXPECT_TRUE(has(s.at(t, li::kBrightness)));  // 0 fills the whole brightness slider
    EXPECT_TRUE(has(s.at(t, li::kCycleToggleFirst + 0)));
    EXPECT_FALSE(has(s.at(t, li::kCycleToggleFirst + 1)));
    EXPECT_TRUE(has(s.at(t, li::kCycleToggleFirst + 2)));
    EXPECT_TRUE(has(s.at(t, li::kDirectionFirst + 1)));
    EXPECT_TRUE(has(s.at(t, li::kReactionFirst + 6)));
    EXPECT_FALSE(has(s.at(t, li::kReactionFirst + 5)));
    EXPECT_FALSE(has(s.at(t, li::kSymmetry)));
}

TEST(MacroPagePainter, PlaybackModeAndHostPlaybackShowPressed) {
    ShippedSkin s;
    s.settings.shared.softHardMac = 1;
    PageView v = s.view(Page::Macro);
    v.selectedMacroMode = 1;
    RecordingCanvas c;
    MacroPagePainter::paint(c, v);
    EXPECT_EQ(c.copiesFrom("mac_down.jpg"),
              (std::vector<SkinRect>{s.at(s.skin.macro(), skin::macro_page::kSoftwarePlayback),
                                     s.at(s.skin.macro(), skin::macro_page::kModeToggle)}));
}

}  // namespace
}  // namespace karvo
