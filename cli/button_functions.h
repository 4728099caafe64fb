// ButtonFunctions: a button's function as karvoctl takes and prints it. A function is a
// number (the stored code), an identifier of Names ("left-click", "dpi-up"), "key COMBINATION"
// ("key ctrl+shift+a", the key combination of code 33), "macro GROUP/NAME" (a macro of the
// library) or "preset NAME" (a gun preset); names and numbers of groups, macros and presets
// both work. What show prints is what set takes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

struct FunctionChoice {
    std::int32_t code = 0;
    std::string combination;  // the stored form, for code 33
};

class ButtonFunctions {
  public:
    // Takes FUNCTION and, for key, macro and preset, its argument. A usage error names what
    // was wrong and where the names are listed.
    static FunctionChoice take(Session& session, Arguments& args);

    // The identifier form of a button's function: "left-click", "key ctrl+c",
    // "macro Office/Copy", "preset AKM"; the code in decimal when it has no name.
    static std::string identifier(Session& session, const ButtonAssignment& button);
    // The function's kind and its argument apart ("macro" and "Office/Copy").
    static std::pair<std::string, std::string> identifierParts(Session& session,
                                                               const ButtonAssignment& button);
    // What the window shows for it, in the configuration's language.
    static std::string displayName(Session& session, const ButtonAssignment& button);

    // "ctrl+shift+a" of a stored key combination, and the stored form of such a text in the
    // configuration's keyboard language.
    static std::string combinationText(Session& session, std::string_view stored);
    static std::string storedCombination(Session& session, std::string_view text);

    // Every "GROUP/NAME" of the library, and every preset name, for lists and completion.
    static std::vector<std::string> macroNames(Session& session);
    static std::vector<std::string> presetNames(Session& session);
};

}  // namespace karvo::cli
