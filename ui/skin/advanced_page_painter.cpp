// Advanced page drawing. Stored values come from files and the mouse, so every index taken
// from them is bounded before it names an entry.
#include "ui/skin/advanced_page_painter.h"

#include <algorithm>
#include <string>

#include "ui/skin/layout_index.h"
#include "ui/skin/slider_math.h"

namespace karvo {

namespace {
namespace adv = skin::advanced;

bool isSlider(int entry) {
    return entry == adv::kPointerSpeed || entry == adv::kWheelSpeed || entry == adv::kFireTime ||
           entry == adv::kDpiSlider;
}
}  // namespace

void drawSliderFill(Canvas& canvas, const PageView& view, const std::string& picture,
                    const SkinRect& entry, std::int32_t width, std::int32_t knobDx,
                    std::int32_t knobDy) {
    const SkinRect base = toPicture(entry, view.scale());
    if (base.empty())
        return;
    const std::int32_t w = std::clamp(width, 0, base.width);
    if (w > 0)
        canvas.copyRect(picture, {base.x, base.y, w, base.height});
    canvas.drawPicture(view.pictures.knob, base.x + w - knobDx, base.y + knobDy);
}

void AdvancedPagePainter::paintHot(Canvas& canvas, const PageView& view) {
    const int hot = view.hotAdvanced;
    if (hot == NO_ITEM)
        return;
    const ImageStateSet& set = view.pictures.advanced;
    const bool down = view.pressed && !isSlider(hot);
    view.copy(canvas, down ? set.down : set.over, view.skin.advanced(), hot);
}

void AdvancedPagePainter::paint(Canvas& canvas, const PageView& view) {
    const SkinLayout& table = view.skin.advanced();
    const std::string& down = view.pictures.advanced.down;
    const SharedSettings& s = view.settings.shared;
    const int scale = view.scale();

    const int level = std::clamp(s.dpiLevel, 0, adv::kDpiLevels - 1);
    view.copy(canvas, down, table, adv::kDpiLevelFirst + level);
    for (int k = 0; k < adv::kDpiLevels; ++k) {
        const DpiLevelSettings& dpi = s.dpi[static_cast<std::size_t>(k)];
        const SkinRect swatch = toPicture(table.rect(adv::kDpiColourFirst + k), scale);
        if (!swatch.empty())
            canvas.fillRect(swatch, screenColour(dpi.colour));
        if (dpi.enabled)
            view.copy(canvas, down, table, adv::kDpiToggleFirst + k);
    }

    const int v = std::min<int>(s.dpi[static_cast<std::size_t>(level)].step, 16);
    const float step = view.skin.dpiSlider().step;
    drawSliderFill(canvas, view, down, table.rect(adv::kDpiSlider),
                   slider::dpiFillWidth(v, step, scale), 5, 13);

    const auto plain = [&](int entry, int value, int steps) {
        const SkinRect& r = table.rect(entry);
        drawSliderFill(canvas, view, down, r, slider::fillWidth(value, r, steps, scale), 6, 0);
    };
    plain(adv::kPointerSpeed, s.pointerSpeed, 11);
    plain(adv::kWheelSpeed, s.wheelSpeed, 11);
    plain(adv::kFireTime, s.fireTime, 300);

    // The values the sliders stand for, readable: the DPI in its box, the others at the right
    // end of the line above their slider.
    if (view.activeDpi > 0) {
        drawCentredText(canvas, std::to_string(view.activeDpi) + " DPI",
                        toPicture(table.rect(adv::kDpiValue), scale), FontRole::Body, kWhite);
    }
    const auto value = [&](int entry, const std::string& text) {
        const SkinRect r = toPicture(table.rect(entry), scale);
        if (r.empty())
            return;
        const TextSize size = canvas.measureText(text, FontRole::Body);
        canvas.drawText(text, r.x + r.width - size.width, r.y - size.height - 6, FontRole::Body,
                        kWhite);
    };
    value(adv::kPointerSpeed, std::to_string(s.pointerSpeed));
    value(adv::kWheelSpeed, std::to_string(s.wheelSpeed));
    value(adv::kFireTime, std::to_string(s.fireTime) + " ms");

    const int rate = std::min<int>(s.usbSpeed, adv::kRateCount - 1);
    view.copy(canvas, down, table, adv::kRateFirst + rate);
    view.copy(canvas, down, table, adv::kRateLampFirst + rate);
}

}  // namespace karvo
