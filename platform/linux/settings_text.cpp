// Locale-independent numbers for the settings tools; see settings_text.h.
#include "platform/linux/settings_text.h"

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
    std::string s(buffer, ec == std::errc() ? end : buffer);
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (!s.empty() && s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    return s;
}

}  // namespace karvo::settings_text
