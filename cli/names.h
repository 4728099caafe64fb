// The names karvoctl takes and prints instead of codes: a stable English identifier for every
// fixed button function and every lighting effect. They never follow the configured language
// (scripts and JSON readers rely on them); the language's display text is shown beside them.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace karvo::cli {

struct NamedFunction {
    int code;
    std::string_view id;
};

class Names {
  public:
    // The fixed functions a button can be given by name, in the order the menus offer them.
    static std::span<const NamedFunction> functions();
    // The identifier of a fixed function code; empty for codes without one.
    static std::string_view functionId(int code);
    static std::optional<int> functionCode(std::string_view id);

    // The lighting effects, LED_TYPE 0 to 13 in order.
    static std::span<const std::string_view> effects();
    static std::optional<int> effectIndex(std::string_view id);
};

}  // namespace karvo::cli
