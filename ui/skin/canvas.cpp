// Text placement shared by every skinned window: centred in an entry's rectangle.
#include "ui/skin/canvas.h"

#include <algorithm>

namespace karvo {

void drawCentredText(Canvas& canvas, std::string_view text, const SkinRect& rect, FontRole role,
                     ColourRef colour, std::int32_t dx) {
    if (text.empty())
        return;
    const TextSize size = canvas.measureText(text, role);
    canvas.drawText(text, rect.x + (rect.width - size.width) / 2 + dx,
                    rect.y + (rect.height - size.height) / 2, role, colour);
}

std::vector<std::string> wrapText(Canvas& canvas, std::string_view text, std::int32_t width,
                                  FontRole role) {
    std::vector<std::string> lines;
    std::string line;
    // A word wider than the area is cut between characters (UTF-8 sequences kept whole).
    auto breakLong = [&](std::string_view word) {
        std::string piece;
        for (std::size_t i = 0; i < word.size();) {
            std::size_t n = 1;
            while (i + n < word.size() && (static_cast<unsigned char>(word[i + n]) & 0xC0) == 0x80)
                ++n;
            const std::string next = piece + std::string(word.substr(i, n));
            if (!piece.empty() && canvas.measureText(next, role).width > width) {
                lines.push_back(piece);
                piece = std::string(word.substr(i, n));
            } else {
                piece = next;
            }
            i += n;
        }
        return piece;
    };
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t nl = text.find('\n', pos);
        const std::string_view para =
            text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        line.clear();
        std::size_t w = 0;
        while (w < para.size()) {
            const std::size_t start = para.find_first_not_of(' ', w);
            if (start == std::string_view::npos)
                break;
            const std::size_t end = std::min(para.find(' ', start), para.size());
            const std::string_view word = para.substr(start, end - start);
            const std::string candidate =
                line.empty() ? std::string(word) : line + " " + std::string(word);
            if (canvas.measureText(candidate, role).width <= width) {
                line = candidate;
            } else {
                if (!line.empty())
                    lines.push_back(line);
                line = canvas.measureText(word, role).width <= width ? std::string(word)
                                                                     : breakLong(word);
            }
            w = end;
        }
        lines.push_back(line);
        if (nl == std::string_view::npos)
            break;
        pos = nl + 1;
    }
    return lines;
}

void drawWrappedText(Canvas& canvas, std::string_view text, const SkinRect& rect, FontRole role,
                     ColourRef colour, std::int32_t dx) {
    if (text.empty())
        return;
    const std::vector<std::string> lines = wrapText(canvas, text, rect.width - 2 * dx, role);
    const std::int32_t lineHeight = canvas.measureText("Ag", role).height;
    const auto count = static_cast<std::int32_t>(lines.size());
    std::int32_t y = rect.y + (rect.height - count * lineHeight) / 2;
    // More lines than fit start at the top, so the beginning is never cut.
    y = std::max(y, rect.y);
    for (const std::string& line : lines) {
        const TextSize size = canvas.measureText(line, role);
        canvas.drawText(line, rect.x + (rect.width - size.width) / 2 + dx, y, role, colour);
        y += lineHeight;
    }
}

}  // namespace karvo
