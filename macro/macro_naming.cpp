// Unique names and safe group names; see macro_naming.h.
#include "macro/macro_naming.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "platform/text_encoding.h"

namespace karvo::naming {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool contains(std::span<const std::string> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The blanks the private-profile reader trims from a value, which a name therefore cannot
// begin or end with and still read back the same.
bool isIniBlank(char16_t u) {
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\v' || u == u'\f' || u == u'\r' ||
           u == 0x1A;
}

bool isControl(char16_t u) {
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

bool isForbiddenInFileName(char16_t u) {
    return u == u'<' || u == u'>' || u == u':' || u == u'"' || u == u'/' || u == u'\\' ||
           u == u'|' || u == u'?' || u == u'*';
}

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

void trimBlanks(std::u16string& s) {
    while (!s.empty() && isIniBlank(s.back()))
        s.pop_back();
    const auto first = std::find_if_not(s.begin(), s.end(), isIniBlank);
    s.erase(s.begin(), first);
}

// Trims what the group list reader would trim and what file systems drop from a name's end,
// and cuts the name to what the list reads back; repeats until nothing changes, as each step
// can expose what another one removes.
void settle(std::u16string& s) {
    for (std::u16string before; before != s;) {
        before = s;
        trimBlanks(s);
        while (s.size() >= 2 && s.front() == u'\'' && s.back() == u'\'') {
            s = s.substr(1, s.size() - 2);
            trimBlanks(s);
        }
        while (!s.empty() && (s.back() == u'.' || isIniBlank(s.back())))
            s.pop_back();
        if (s.size() > kGroupNameUnits) {
            s.resize(kGroupNameUnits);
            if (isHighSurrogate(s.back()))
                s.pop_back();
        }
    }
}

// The length of the device name that begins the name when Windows would take the file for a
// device (CON, CON.txt, com1.dat), else 0.
std::size_t reservedDeviceNameLength(const std::u16string& name) {
    static constexpr std::array<std::string_view, 22> kReserved = {
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    std::string base;
    for (const char16_t u : name) {
        if (u == u'.' || u == u' ')
            break;
        if (u >= 0x80)
            return 0;
        base.push_back(static_cast<char>(u >= u'a' && u <= u'z' ? u - (u'a' - u'A') : u));
    }
    return std::find(kReserved.begin(), kReserved.end(), base) != kReserved.end() ? base.size() : 0;
}

}  // namespace

std::string uniqueName(std::string_view proposed, std::span<const std::string> existing,
                       std::size_t maxUnits) {
    const std::string_view name = text::utf16Prefix(proposed, maxUnits);
    if (!contains(existing, name))
        return std::string(name);

    std::string_view stem = name;
    if (stem.size() >= 2 && isDigit(stem[stem.size() - 1]) && isDigit(stem[stem.size() - 2]))
        stem.remove_suffix(2);
    stem = text::utf16Prefix(stem, maxUnits >= 2 ? maxUnits - 2 : 0);

    int highest = 1;
    for (const std::string& e : existing) {
        if (e.size() == stem.size() + 2 && e.starts_with(stem) && isDigit(e[stem.size()]) &&
            isDigit(e[stem.size() + 1])) {
            highest = std::max(highest, (e[stem.size()] - '0') * 10 + (e[stem.size() + 1] - '0'));
        }
    }
    const auto withCounter = [&](int n) {
        char digits[12];
        std::snprintf(digits, sizeof digits, "%02d", n);
        return std::string(stem) + digits;
    };
    if (highest < 99 && !contains(existing, withCounter(highest + 1)))
        return withCounter(highest + 1);
    // At most 12 names exist, so a free counter is always found.
    for (int n = 2; n <= 99; ++n) {
        if (!contains(existing, withCounter(n)))
            return withCounter(n);
    }
    return withCounter(highest + 1);
}

std::optional<std::string> cleanGroupName(std::string_view typed) {
    const std::u16string units = text::utf8ToUtf16(typed);
    std::u16string s;
    s.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (isHighSurrogate(u)) {
            if (i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
                s.push_back(u);
                s.push_back(units[++i]);
            }
            continue;
        }
        if (isLowSurrogate(u) || isControl(u))
            continue;
        s.push_back(isForbiddenInFileName(u) ? u'_' : u);
    }

    settle(s);
    if (s.empty())
        return std::nullopt;
    if (const std::size_t base = reservedDeviceNameLength(s); base != 0) {
        s.insert(base, 1, u'_');
        settle(s);
    }
    return text::utf16ToUtf8(s);
}

bool isSafeGroupName(std::string_view name) {
    const auto cleaned = cleanGroupName(name);
    return cleaned && *cleaned == name;
}

std::string cleanMacroName(std::string_view typed) {
    std::u16string s;
    for (const char16_t u : text::utf8ToUtf16(typed)) {
        if (!isControl(u))
            s.push_back(u);
    }
    s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), [](char16_t u) { return u == u' '; }));
    return text::utf16ToUtf8(s);
}

std::string groupNameOfFile(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    for (std::size_t i = 0; i + 4 <= name.size(); ++i) {
        if (name[i] == '.' && (name[i + 1] | 0x20) == 'd' && (name[i + 2] | 0x20) == 'a' &&
            (name[i + 3] | 0x20) == 't') {
            return name.substr(0, i);
        }
    }
    return name;
}

}  // namespace karvo::naming
