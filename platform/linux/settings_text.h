// Numbers as the desktops' settings tools print and take them: always with a '.' whatever the
// locale, surrounding white space ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace karvo::settings_text {

// The number at the start of `text` after white space, with nothing but white space after it.
std::optional<double> parseDouble(std::string_view text);
std::optional<int> parseInt(std::string_view text);
// Up to six decimals, trailing zeros dropped ("0.333333", "-1", "0.5").
std::string formatDouble(double value);

}  // namespace karvo::settings_text
