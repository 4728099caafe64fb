// Identifiers of functions and lighting effects; see names.h.
#include "cli/names.h"

#include <array>

namespace karvo::cli {
namespace {

// Codes 7 to 11 are the menu's own rows (sub-menus and the combination entry), 18 is handled
// by the program and 33 is the key combination, which takes its keys ("key ctrl+c").
constexpr NamedFunction kFunctions[] = {
    {0, "disabled"},
    {1, "left-click"},
    {2, "right-click"},
    {3, "middle-click"},
    {4, "back"},
    {5, "forward"},
    {6, "dpi-cycle"},
    {12, "fire-key"},
    {13, "double-click"},
    {14, "triple-click"},
    {15, "dpi-shift"},
    {16, "dpi-up"},
    {17, "dpi-down"},
    {19, "profile-cycle"},
    {20, "profile-next"},
    {21, "profile-previous"},
    {22, "profile-first"},
    {23, "play-pause"},
    {24, "stop"},
    {25, "previous-track"},
    {26, "next-track"},
    {27, "volume-up"},
    {28, "volume-down"},
    {29, "mute"},
    {30, "media-player"},
    {31, "mail"},
    {32, "calculator"},
    {30000, "lighting-cycle"},
    {30001, "lighting-toggle"},
    {30002, "polling-rate"},
    {30003, "special-4"},
    {30004, "special-5"},
};

constexpr std::array<std::string_view, 14> kEffects = {
    "spectrum", "colour-cycle", "static", "wave", "ripple", "flow",     "breathing",
    "marquee",  "flash",        "random", "scan", "neon",   "reactive", "keep-current",
};

}  // namespace

std::span<const NamedFunction> Names::functions() {
    return kFunctions;
}

std::string_view Names::functionId(int code) {
    for (const NamedFunction& f : kFunctions) {
        if (f.code == code)
            return f.id;
    }
    return {};
}

std::optional<int> Names::functionCode(std::string_view id) {
    for (const NamedFunction& f : kFunctions) {
        if (f.id == id)
            return f.code;
    }
    return std::nullopt;
}

std::span<const std::string_view> Names::effects() {
    return kEffects;
}

std::optional<int> Names::effectIndex(std::string_view id) {
    for (std::size_t i = 0; i < kEffects.size(); ++i) {
        if (kEffects[i] == id)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace karvo::cli
