// The names of the functions a mouse button can be given, read from [FUN_STRING] of the main
// window's layout file: the name table by function code, and the ordered list of optional
// functions that the "more functions" sub-menu shows, numbered 1, 2, 3 ... without gaps.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/private_profile.h"

namespace karvo {

struct ExtraFunction {
    std::string name;
    int ordinal = 0;  // row of the sub-menu; entry "0" has ordinal 0
    bool operator==(const ExtraFunction&) const = default;
};

class FunctionNames {
  public:
    static constexpr int kTableSize = 48;

    // Reads [FUN_STRING]. `disabledName` (language text UniqueName_Other 1) replaces the name
    // of function 0 in the table; the optional list keeps the file's own name for it.
    static FunctionNames read(const ini::IniSnapshot& file, std::string_view disabledName);

    // FunctionNameTable[code] for codes 0 to 47; empty for any other code.
    const std::string& name(int code) const;

    // ExtraFunctionList: key (the function code in decimal) -> name and ordinal.
    const std::map<std::string, ExtraFunction>& extraFunctions() const { return extra_; }

    // The function code of the optional function on sub-menu row `ordinal`.
    std::optional<int> extraCodeAt(int ordinal) const;
    // The number of sub-menu rows: the optional functions with an ordinal of 1 or more.
    int extraRowCount() const;

  private:
    std::array<std::string, kTableSize> table_;
    std::map<std::string, ExtraFunction> extra_;
};

}  // namespace karvo
