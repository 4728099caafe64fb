// CListBoxXI: the owner-drawn list box of the macro page. It keeps the lines (text, icon kind,
// indent), the selection (none or one line), the first visible line, and answers clicks, the
// wheel and the arrow keys; it paints through the Canvas seam in its own pixels, so the
// platform widget only forwards input and shows what was drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/skin/canvas.h"

namespace karvo {

// The icon of a line: its cell in the icon strip (list_icons.png), left to right.
enum class ListIcon : int {
    Delay = 0,        // a delay line, or a step without a key
    Press = 1,        // key or button pressed
    Release = 2,      // key or button released
    Move = 3,         // cursor move
    Lighting = 4,     // lighting change
    Sensitivity = 5,  // DPI change
    GroupCollapsed = 6,
    GroupExpanded = 7,
    Macro = 8,
    Button = 9,  // a mouse button of the key list
};
inline constexpr int kListIconCount = 10;
inline constexpr int kListIconSize = 16;  // cells are square, side by side in one row

struct ListLine {
    std::string text;
    ListIcon icon = ListIcon::Delay;
    int indent = 0;       // levels; each moves icon and text one icon width to the right
    bool marked = false;  // drawn as selected without being the selection (the key list)
    bool operator==(const ListLine&) const = default;
};

class CListBoxXI {
  public:
    static constexpr ColourRef kBackground = 0x161616;
    static constexpr ColourRef kHighlight = 0x8A5A0B;  // the accent, dark (COLORREF)
    static constexpr ColourRef kText = kWhite;
    static constexpr int kNone = -1;
    static constexpr int kWheelLines = 3;  // lines scrolled per wheel notch

    // Called with the selected line after a click or an arrow key changed it.
    using SelectHandler = std::function<void(int line)>;

    void setSize(std::int32_t width, std::int32_t height);
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    // At least one pixel; the platform widget gives the font's height plus a margin.
    void setLineHeight(std::int32_t height);
    std::int32_t lineHeight() const { return lineHeight_; }
    void setIconStrip(std::string picture) { iconStrip_ = std::move(picture); }
    void setOnSelect(SelectHandler handler) { onSelect_ = std::move(handler); }

    // Replaces the lines; the selection is kept when it still names a line, the first visible
    // line is brought back within the list.
    void setLines(std::vector<ListLine> lines);
    const std::vector<ListLine>& lines() const { return lines_; }
    int selection() const { return selection_; }
    // Selects a line (kNone or anything outside the list: no selection) and scrolls it into
    // view; the handler is not called, as the caller made the choice.
    void setSelection(int line);
    int topLine() const { return top_; }

    // Lines that fit the height completely (at least 1).
    int visibleLines() const;
    // The line under a y of the list box, or kNone below the last line or outside.
    int lineAt(std::int32_t y) const;

    // Each returns true when the list must be repainted.
    bool onLeftDown(std::int32_t x, std::int32_t y);
    // `notches` > 0 scrolls towards the first line, as a wheel turned away from the user.
    bool onWheel(int notches);
    enum class Key { Up, Down };
    bool onKey(Key key);

    // Background, highlighted lines, icons and texts, in the list box's own pixels.
    void paint(Canvas& canvas) const;

  private:
    void scrollTo(int top);
    void ensureVisible(int line);
    bool choose(int line);

    std::vector<ListLine> lines_;
    int selection_ = kNone;
    int top_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t lineHeight_ = 20;
    std::string iconStrip_;
    SelectHandler onSelect_;
};

}  // namespace karvo
