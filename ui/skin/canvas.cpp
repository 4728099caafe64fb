// Text placement shared by every skinned window: centred in an entry's rectangle.
#include "ui/skin/canvas.h"

namespace karvo {

void drawCentredText(Canvas& canvas, std::string_view text, const SkinRect& rect, FontRole role,
                     ColourRef colour, std::int32_t dx) {
    if (text.empty())
        return;
    const TextSize size = canvas.measureText(text, role);
    canvas.drawText(text, rect.x + (rect.width - size.width) / 2 + dx,
                    rect.y + (rect.height - size.height) / 2, role, colour);
}

}  // namespace karvo
