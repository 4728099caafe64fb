// Lighting page drawing. While MODE_LIGHT is 1 (lights off) the page shows only its off look.
#include "ui/skin/lighting_page_painter.h"

#include <algorithm>
#include <array>
#include <vector>

#include "ui/skin/advanced_page_painter.h"
#include "ui/skin/layout_index.h"
#include "ui/skin/slider_math.h"

namespace karvo {

namespace {
namespace li = skin::lighting;

const std::array<std::vector<int>, 14> kCovers = {{
    {72, 75, 74, 50, 71},      // 0
    {74, 72, 50, 71},          // 1
    {75, 74, 73, 50, 71},      // 2
    {71},                      // 3
    {50, 71},                  // 4
    {50, 71},                  // 5
    {72, 74, 71, 75},          // 6
    {72, 50, 49, 71, 75},      // 7
    {72, 74, 71, 75},          // 8
    {73, 72, 74, 71, 75},      // 9
    {45, 72, 50, 49, 71, 75},  // 10
    {72, 74, 71, 75},          // 11
    {75, 74, 73, 72, 50},      // 12
    {75, 74, 73, 72, 50, 71},  // 13
}};
}  // namespace

std::span<const int> LightingPagePainter::coveredEntries(int ledType) {
    if (ledType < 0 || ledType >= static_cast<int>(kCovers.size()))
        return {};
    return kCovers[static_cast<std::size_t>(ledType)];
}

void LightingPagePainter::paintHot(Canvas& canvas, const PageView& view) {
    if (view.hotLighting != NO_ITEM)
        view.copy(canvas, view.pictures.lighting.over, view.skin.lighting(), view.hotLighting);
}

void LightingPagePainter::paint(Canvas& canvas, const PageView& view) {
    const SkinLayout& table = view.skin.lighting();
    const std::string& down = view.pictures.lighting.down;
    const SharedSettings& s = view.settings.shared;
    const int scale = view.scale();

    if (s.modeLight == 1) {
        view.copy(canvas, down, table, li::kModeOff);
        view.copy(canvas, view.pictures.lightsOff, table, li::kOffArea);
        return;
    }
    view.copy(canvas, down, table, li::kModeEffects);

    const SkinRect& speed = table.rect(li::kSpeed);
    drawSliderFill(canvas, view, down, speed,
                   slider::fillWidth(s.ledCycleTime + 1, speed, 6, scale), 6, 0);
    const SkinRect& bright = table.rect(li::kBrightness);
    drawSliderFill(canvas, view, down, bright,
                   slider::fillWidth(7 - std::clamp(s.ledBrightness, 0, 7), bright, 7, scale), 6,
                   0);

    if (s.ledSymmetry != 0)
        view.copy(canvas, down, table, li::kSymmetry);
    if (s.ledDirection >= 0 && s.ledDirection < li::kDirections)
        view.copy(canvas, down, table, li::kDirectionFirst + s.ledDirection);

    for (int i = 0; i < li::kUserColours; ++i) {
        if (s.colourInCycle(i))
            view.copy(canvas, down, table, li::kCycleToggleFirst + i);
    }
    const int keyNum = std::min(view.keyNum, kButtonSlots);
    for (int n = 0; n < keyNum; ++n) {
        if (view.settings.current().buttons[static_cast<std::size_t>(n)].ledReactEnable)
            view.copy(canvas, down, table, li::kReactionFirst + n);
    }
    if (s.ledUserColourEnable) {
        view.copy(canvas, down, table, li::kCustomColours);
        for (int i = 0; i < li::kUserColours; ++i) {
            const SkinRect r = toPicture(table.rect(li::kUserColourFirst + i), scale);
            if (!r.empty())
                canvas.fillRect(r, screenColour(s.userColour[static_cast<std::size_t>(i)]));
        }
    }
    for (const int entry : coveredEntries(s.ledType))
        view.copy(canvas, view.pictures.ledNull, table, entry);
    // The colour cycle's preview: the user colour the lighting animation stands on, as a band
    // across the middle of the preview area.
    if (s.ledType == 1) {
        const SkinRect area = toPicture(table.rect(li::kPreviewArea), scale);
        const int k = std::clamp(view.previewColour, 0, li::kUserColours - 1);
        if (!area.empty()) {
            canvas.fillRect({area.x + area.width / 8, area.y + area.height / 3,
                             area.width - area.width / 4, area.height / 3},
                            screenColour(s.userColour[static_cast<std::size_t>(k)]));
        }
    }
}

}  // namespace karvo
