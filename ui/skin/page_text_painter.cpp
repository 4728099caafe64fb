// Page texts, white on the pictures, centred in their entries (picture pixels).
#include "ui/skin/page_text_painter.h"

#include <algorithm>

#include "settings/combination.h"
#include "ui/skin/layout_index.h"

namespace karvo {

namespace {
// The arrow at the right end of a list box, which its text stays clear of (layout pixels).
constexpr int kArrowWidth = 28;

// Every entry of first..last that has a text shows it; the label entries of the main page show
// the buttons' functions instead (`skipFrom`..`skipTo` are left to the caller).
void drawEntryTexts(Canvas& canvas, const PageView& view, const SkinLayout& table, int first,
                    int last, int skipFrom = -1, int skipTo = -1) {
    const int end = std::min(last, static_cast<int>(table.size()) - 1);
    for (int i = first; i <= end; ++i) {
        if (i >= skipFrom && i <= skipTo)
            continue;
        drawCentredText(canvas, table.text(i), toPicture(table.rect(i), view.scale()),
                        FontRole::Body, kWhite);
    }
}
}  // namespace

std::string PageTextPainter::functionLabel(const ButtonAssignment& button,
                                           const FunctionNames& names) {
    if (button.function == kFunctionCombination)
        return combination::displayText(button.combination);
    if (button.function >= 256)
        return "Macro " + std::to_string(button.function / 256) + "-" +
               std::to_string(button.function % 256 + 1);
    return names.name(button.function);
}

void PageTextPainter::paint(Canvas& canvas, const PageView& view) {
    namespace mw = skin::main_window;
    // Entry 19 holds the web address, which is opened, never drawn.
    drawEntryTexts(canvas, view, view.skin.main(), 0, mw::kWebsite - 1);
    switch (view.page) {
        case Page::Main: {
            const int keyNum = std::min(view.keyNum, kButtonSlots);
            drawEntryTexts(canvas, view, view.skin.main(), mw::kHeaderCount, 79, mw::kLabelFirst,
                           mw::kLabelFirst + keyNum - 1);
            for (int n = 0; n < keyNum; ++n) {
                const auto& button = view.settings.current().buttons[static_cast<std::size_t>(n)];
                drawCentredText(canvas, functionLabel(button, view.skin.functions()),
                                toPicture(view.skin.main().rect(mw::kLabelFirst + n), view.scale()),
                                FontRole::Body, kWhite);
            }
            break;
        }
        case Page::Advanced:
            drawEntryTexts(canvas, view, view.skin.advanced(), 0, 137);
            break;
        case Page::Macro:
            drawEntryTexts(canvas, view, view.skin.macro(), 0, 19);
            break;
        case Page::Lighting: {
            namespace li = skin::lighting;
            const SkinLayout& table = view.skin.lighting();
            // The effect box says which effect is chosen, as a list box does; without the
            // language's name for it, the box keeps its caption.
            const int skip = view.effectName.empty() ? -1 : li::kEffectMenu;
            drawEntryTexts(canvas, view, table, 0, 102, skip, skip);
            if (!view.effectName.empty()) {
                drawCentredText(canvas, view.effectName,
                                toPicture(table.rect(li::kEffectMenu), view.scale()),
                                FontRole::Body, kWhite);
            }
            const int slots = std::min<int>(static_cast<int>(view.reactionNames.size()),
                                            std::min(view.keyNum, kButtonSlots));
            for (int n = 0; n < slots; ++n) {
                SkinRect box = table.rect(li::kReactionMenuFirst + n);
                box.width = std::max(0, box.width - kArrowWidth);  // left of the box's arrow
                drawCentredText(canvas, view.reactionNames[static_cast<std::size_t>(n)],
                                toPicture(box, view.scale()), FontRole::Body, kWhite);
            }
            break;
        }
    }
}

}  // namespace karvo
