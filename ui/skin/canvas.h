// The drawing surface every skinned window paints on. Controllers issue these operations in
// picture coordinates (the layout's rectangles divided by the layout scale); the back-end
// executes them and stretches the finished canvas onto the window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/skin/skin_layout.h"

namespace karvo {

// A colour as the design keeps it (COLORREF): red in the low byte, then green, then blue.
using ColourRef = std::uint32_t;
inline constexpr ColourRef kWhite = 0xFFFFFF;

// The six fonts of the program (1 to 6), chosen at start and on a font refresh.
enum class FontRole { Small = 1, Body = 2, Large = 3, Larger = 4, Largest = 5, Scaled = 6 };

struct TextSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Starts a paint on a copy of the picture file `picture`; the canvas takes its size.
    // False when the picture cannot be read (the canvas is then blank, of the last size).
    virtual bool begin(const std::string& picture) = 0;

    // Copies `rect` of the picture file `picture` onto the same place of the canvas: the
    // pictures of one window are registered pixel for pixel, so no control has its own image.
    virtual void copyRect(const std::string& picture, const SkinRect& rect) = 0;

    virtual void fillRect(const SkinRect& rect, ColourRef colour) = 0;

    // Draws a picture with its transparency, its top-left corner at x, y. False when the
    // picture cannot be read.
    virtual bool drawPicture(const std::string& picture, std::int32_t x, std::int32_t y) = 0;
    // Draws the part `source` of a picture (an icon of a strip) with its transparency, its
    // top-left corner at x, y. False when the picture cannot be read.
    virtual bool drawPicturePart(const std::string& picture, const SkinRect& source, std::int32_t x,
                                 std::int32_t y) = 0;

    virtual TextSize measureText(std::string_view text, FontRole role) = 0;
    // Draws UTF-8 text with a transparent background, its top-left corner at x, y.
    virtual void drawText(std::string_view text, std::int32_t x, std::int32_t y, FontRole role,
                          ColourRef colour) = 0;

    // Ends the paint: the canvas is stretched by `scale` onto the window.
    virtual void finish(int scale) = 0;
};

// A layout rectangle (window pixels) in picture pixels: every coordinate divided by the
// layout scale, as the pictures are drawn at base size.
inline SkinRect toPicture(const SkinRect& r, int scale) {
    if (scale <= 1)
        return r;
    return {r.x / scale, r.y / scale, r.width / scale, r.height / scale};
}

// Draws `text` centred in `rect` (picture pixels): x = left + (width - text width) / 2,
// y = top + (height - text height) / 2, plus `dx` to the right.
void drawCentredText(Canvas& canvas, std::string_view text, const SkinRect& rect, FontRole role,
                     ColourRef colour, std::int32_t dx = 0);

// The lines `text` takes in `width` pixels: broken at spaces and at line feeds, a word wider
// than the width cut between characters.
std::vector<std::string> wrapText(Canvas& canvas, std::string_view text, std::int32_t width,
                                  FontRole role);
// Draws `text` wrapped to `rect`'s width, each line centred, the block centred vertically (or
// from the top when it is taller than the rectangle).
void drawWrappedText(Canvas& canvas, std::string_view text, const SkinRect& rect, FontRole role,
                     ColourRef colour, std::int32_t dx = 0);

}  // namespace karvo
