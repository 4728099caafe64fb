// Reading window and dialog layouts; see skin_layout.h.
#include "ui/skin/skin_layout.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "ui/skin/layout_value.h"

namespace karvo {
namespace {

// Values are read into the 260-character buffer of the layout files.
constexpr std::size_t kValueBuffer = 260;

std::int32_t scaled(std::string_view piece, int scale) {
    return layoutNumber(piece) * scale;
}

std::int32_t clampedSum(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The layout scale is 1 or 2; anything else would come from a fault in the caller, and a
// scale of 0 or a huge one would erase or overflow every rectangle.
int sane(int scale) {
    return std::clamp(scale, 1, 2);
}

SkinEntry entryFrom(const std::array<std::string, 6>& p, int scale) {
    SkinEntry e;
    e.rect = {scaled(p[1], scale), scaled(p[2], scale), scaled(p[3], scale), scaled(p[4], scale)};
    e.text = p[5];
    return e;
}

}  // namespace

const SkinEntry& SkinLayout::entry(int index) const {
    static const SkinEntry kNone;
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
        return kNone;
    return entries_[static_cast<std::size_t>(index)];
}

std::string SkinLayout::takeText(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
        return {};
    return std::exchange(entries_[static_cast<std::size_t>(index)].text, {});
}

SkinLayout SkinLayout::read(const ini::IniSnapshot& file, std::string_view section,
                            std::size_t count, int scale) {
    scale = sane(scale);
    SkinLayout layout(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string value = file.get(section, std::to_string(i), "", kValueBuffer);
        layout.entries_[i] = entryFrom(splitLayoutValue(value), scale);
    }
    return layout;
}

SkinLayout SkinLayout::readDialog(const ini::IniSnapshot& file, std::string_view section,
                                  std::size_t count, int scale, Notifier& notifier) {
    scale = sane(scale);
    SkinLayout layout(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string value = file.get(section, std::to_string(i), "", kValueBuffer);
        const DialogPieces d = splitDialogValue(value);
        if (d.tooManyCommas)
            notifier.message(kDialogValueErrorText);
        std::array<std::string, 6> p;
        std::copy_n(d.pieces.begin(), 6, p.begin());
        layout.entries_[i] = entryFrom(p, scale);
    }
    return layout;
}

SkinBox SkinLayout::readBox(const ini::IniSnapshot& file, std::string_view section,
                            std::string_view key, int scale) {
    scale = sane(scale);
    const LayoutPieces p = splitLayoutValue(file.get(section, key, "", kValueBuffer));
    const std::int32_t x = scaled(p[1], scale);
    const std::int32_t y = scaled(p[2], scale);
    return {x, y, clampedSum(x, scaled(p[3], scale)), clampedSum(y, scaled(p[4], scale))};
}

}  // namespace karvo
