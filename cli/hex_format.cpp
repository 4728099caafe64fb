// Byte formatting; see hex_format.h.
#include "cli/hex_format.h"

#include <algorithm>
#include <cstdio>

namespace karvo::cli {

std::string HexFormat::bytes(std::span<const std::uint8_t> data) {
    std::string text;
    text.reserve(data.size() * 3);
    char digits[4];
    for (const std::uint8_t b : data) {
        std::snprintf(digits, sizeof digits, "%02x", b);
        if (!text.empty())
            text += ' ';
        text += digits;
    }
    return text;
}

std::string HexFormat::dump(std::size_t address, std::span<const std::uint8_t> data) {
    constexpr std::size_t kPerLine = 16;
    std::string text;
    char head[16];
    for (std::size_t at = 0; at < data.size(); at += kPerLine) {
        std::snprintf(head, sizeof head, "0x%04zx  ", address + at);
        text += head;
        text += bytes(data.subspan(at, std::min(kPerLine, data.size() - at)));
        text += '\n';
    }
    return text;
}

std::vector<AddressRange> HexFormat::merge(std::vector<AddressRange> ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const AddressRange& a, const AddressRange& b) { return a.begin < b.begin; });
    std::vector<AddressRange> merged;
    for (const AddressRange& r : ranges) {
        if (r.begin >= r.end)
            continue;
        if (!merged.empty() && r.begin <= merged.back().end)
            merged.back().end = std::max(merged.back().end, r.end);
        else
            merged.push_back(r);
    }
    return merged;
}

}  // namespace karvo::cli
