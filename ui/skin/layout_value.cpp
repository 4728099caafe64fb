// Cutting layout values into pieces; see layout_value.h for the two rule sets.
#include "ui/skin/layout_value.h"

#include <algorithm>
#include <vector>

#include "platform/private_profile.h"

namespace karvo {
namespace {

constexpr std::int32_t kCoordinateLimit = 1'000'000;

std::vector<std::string_view> splitAtCommas(std::string_view value) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = value.find(',', start);
        if (comma == std::string_view::npos) {
            parts.push_back(value.substr(start));
            return parts;
        }
        parts.push_back(value.substr(start, comma - start));
        start = comma + 1;
    }
}

}  // namespace

LayoutPieces splitLayoutValue(std::string_view value) {
    LayoutPieces pieces;
    const auto parts = splitAtCommas(value);
    const std::size_t commas = parts.size() - 1;
    if (commas >= 5) {
        for (std::size_t i = 0; i < pieces.size(); ++i)
            pieces[i] = std::string(parts[i]);
    } else if (commas == 1 || commas == 2) {
        for (std::size_t i = 0; i < parts.size(); ++i)
            pieces[i] = std::string(parts[i]);
    } else {
        pieces[0] = std::string(value);
    }
    return pieces;
}

DialogPieces splitDialogValue(std::string_view value) {
    DialogPieces result;
    const auto parts = splitAtCommas(value);
    const std::size_t commas = parts.size() - 1;
    result.tooManyCommas = commas > 6;
    if (commas == 0) {
        result.pieces[0] = std::string(value);
        return result;
    }
    // Piece i exists only when a comma closes it; the text after the last comma belongs to no
    // piece below 6.
    for (std::size_t i = 0; i < 6 && i < commas; ++i)
        result.pieces[i] = std::string(parts[i]);
    if (commas < 6) {
        result.pieces[6] = std::string(value);
    } else {
        std::size_t start = 0;
        for (int i = 0; i < 6; ++i)
            start = value.find(',', start) + 1;
        result.pieces[6] = std::string(value.substr(start));
    }
    return result;
}

std::int32_t layoutNumber(std::string_view piece) {
    return std::clamp(ini::toInt(piece), -kCoordinateLimit, kCoordinateLimit);
}

}  // namespace karvo
