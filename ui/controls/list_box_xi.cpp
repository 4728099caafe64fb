// Selection, scrolling and drawing of the owner-drawn list box.
#include "ui/controls/list_box_xi.h"

#include <algorithm>

namespace karvo {

namespace {
constexpr std::int32_t kMargin = 4;  // left of the first icon, and between icon and text
}

void CListBoxXI::setSize(std::int32_t width, std::int32_t height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    scrollTo(top_);
}

void CListBoxXI::setLineHeight(std::int32_t height) {
    lineHeight_ = std::max(1, height);
    scrollTo(top_);
}

void CListBoxXI::setLines(std::vector<ListLine> lines) {
    lines_ = std::move(lines);
    if (selection_ >= static_cast<int>(lines_.size()))
        selection_ = kNone;
    scrollTo(top_);
}

void CListBoxXI::setSelection(int line) {
    selection_ = line >= 0 && line < static_cast<int>(lines_.size()) ? line : kNone;
    if (selection_ != kNone)
        ensureVisible(selection_);
}

int CListBoxXI::visibleLines() const {
    return std::max(1, height_ / lineHeight_);
}

void CListBoxXI::scrollTo(int top) {
    const int last = std::max(0, static_cast<int>(lines_.size()) - visibleLines());
    top_ = std::clamp(top, 0, last);
}

void CListBoxXI::ensureVisible(int line) {
    if (line < top_)
        scrollTo(line);
    else if (line >= top_ + visibleLines())
        scrollTo(line - visibleLines() + 1);
}

int CListBoxXI::lineAt(std::int32_t y) const {
    if (y < 0 || y >= height_)
        return kNone;
    const long long line = static_cast<long long>(top_) + y / lineHeight_;
    return line < static_cast<long long>(lines_.size()) ? static_cast<int>(line) : kNone;
}

bool CListBoxXI::choose(int line) {
    selection_ = line;
    ensureVisible(line);
    if (onSelect_)
        onSelect_(line);
    return true;
}

bool CListBoxXI::onLeftDown(std::int32_t x, std::int32_t y) {
    if (x < 0 || x >= width_)
        return false;
    const int line = lineAt(y);
    if (line == kNone)
        return false;
    return choose(line);
}

bool CListBoxXI::onWheel(int notches) {
    const int before = top_;
    // Far turns are cut before multiplying, so no count of notches overflows.
    const int lines = std::clamp(notches, -10000, 10000) * kWheelLines;
    scrollTo(top_ - lines);
    return top_ != before;
}

bool CListBoxXI::onKey(Key key) {
    if (lines_.empty())
        return false;
    const int last = static_cast<int>(lines_.size()) - 1;
    int next = selection_;
    if (selection_ == kNone)
        next = key == Key::Down ? 0 : last;
    else if (key == Key::Down)
        next = std::min(selection_ + 1, last);
    else
        next = std::max(selection_ - 1, 0);
    if (next == selection_)
        return false;
    return choose(next);
}

void CListBoxXI::paint(Canvas& canvas) const {
    canvas.fillRect({0, 0, width_, height_}, kBackground);
    const int end = std::min(static_cast<int>(lines_.size()), top_ + visibleLines() + 1);
    for (int i = top_; i < end; ++i) {
        const ListLine& line = lines_[static_cast<std::size_t>(i)];
        const std::int32_t y = (i - top_) * lineHeight_;
        if (i == selection_ || line.marked)
            canvas.fillRect({0, y, width_, lineHeight_}, kHighlight);
        const std::int32_t x = kMargin + std::clamp(line.indent, 0, 16) * kListIconSize;
        const int cell = std::clamp(static_cast<int>(line.icon), 0, kListIconCount - 1);
        if (!iconStrip_.empty()) {
            canvas.drawPicturePart(iconStrip_,
                                   {cell * kListIconSize, 0, kListIconSize, kListIconSize}, x,
                                   y + (lineHeight_ - kListIconSize) / 2);
        }
        const TextSize size = canvas.measureText(line.text, FontRole::Body);
        canvas.drawText(line.text, x + kListIconSize + kMargin, y + (lineHeight_ - size.height) / 2,
                        FontRole::Body, kText);
    }
}

}  // namespace karvo
