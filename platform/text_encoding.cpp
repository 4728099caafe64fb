// UTF-8, UTF-16 and Windows-1252 conversions; see text_encoding.h for the contracts.
#include "platform/text_encoding.h"

#include <array>
#include <cstdint>

namespace karvo::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

struct Decoded {
    char32_t cp;
    std::size_t length;  // bytes consumed, at least 1
    bool valid;          // a well-formed sequence (surrogate forms count as not well-formed)
};

// Decodes one sequence at the start of `s` (non-empty). Surrogate code points in three-byte
// form are decoded (for WTF-8) but flagged as not valid UTF-8.
Decoded decodeOne(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80)
        return {b0, 1, true};
    std::size_t need = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        need = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        need = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        need = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        return {kReplacement, 1, false};
    }
    if (s.size() <= need)
        return {kReplacement, 1, false};
    for (std::size_t i = 1; i <= need; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return {kReplacement, 1, false};
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF)
        return {kReplacement, 1, false};
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return {cp, need + 1, !surrogate};
}

// Windows-1252 bytes 0x80..0x9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        appendUtf8(out, u);
    }
    return out;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded d = decodeOne(utf8);
        utf8.remove_prefix(d.length);
        if (d.cp >= 0x10000) {
            const char32_t v = d.cp - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(d.cp));
        }
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const Decoded d = decodeOne(bytes);
        if (!d.valid)
            return false;
        bytes.remove_prefix(d.length);
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0) {
            appendUtf8(out, kCp1252High[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

bool utf8ToCp1252(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    bool lossless = true;
    while (!utf8.empty()) {
        const Decoded d = decodeOne(utf8);
        utf8.remove_prefix(d.length);
        char32_t cp = d.cp;
        int byte = -1;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            byte = static_cast<int>(cp);
        } else {
            for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
                if (kCp1252High[i] == cp)
                    byte = static_cast<int>(0x80 + i);
            }
        }
        if (byte < 0 || !d.valid) {
            lossless = false;
            byte = '?';
        }
        out.push_back(static_cast<char>(byte));
    }
    return lossless;
}

bool isAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::size_t utf16Length(std::string_view utf8) {
    std::size_t n = 0;
    while (!utf8.empty()) {
        const Decoded d = decodeOne(utf8);
        utf8.remove_prefix(d.length);
        n += d.cp >= 0x10000 ? 2 : 1;
    }
    return n;
}

std::string_view utf16Prefix(std::string_view utf8, std::size_t maxUnits) {
    std::size_t bytes = 0;
    std::size_t units = 0;
    while (bytes < utf8.size()) {
        const Decoded d = decodeOne(utf8.substr(bytes));
        const std::size_t w = d.cp >= 0x10000 ? 2 : 1;
        if (units + w > maxUnits)
            break;
        units += w;
        bytes += d.length;
    }
    return utf8.substr(0, bytes);
}

}  // namespace karvo::text
