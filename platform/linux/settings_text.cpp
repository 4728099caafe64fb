// Locale-independent numbers for the settings tools; see settings_text.h.
#include "platform/linux/settings_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace karvo::settings_text {
namespace {

std::string_view trim(std::string_view t) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!t.empty() && space(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && space(t.back()))
        t.remove_suffix(1);
    return t;
}

template <typename T>
std::optional<T> parse(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> parseDouble(std::string_view text) {
    const auto v = parse<double>(text);
    if (v && !std::isfinite(*v))
        return std::nullopt;
    return v;
}

std::optional<int> parseInt(std::string_view text) {
    return parse<int>(text);
}

std::string formatDouble(double value) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (ec != std::errc())
        return "0";
    // Trailing zeros and a bare point go; the text is cut in the buffer, then copied once.
    char* last = end;
    if (std::find(buffer, end, '.') != end) {
        while (last > buffer && last[-1] == '0')
            --last;
        if (last > buffer && last[-1] == '.')
            --last;
    }
    const std::string_view text(buffer, static_cast<std::size_t>(last - buffer));
    return text == "-0" ? std::string("0") : std::string(text);
}

}  // namespace karvo::settings_text
