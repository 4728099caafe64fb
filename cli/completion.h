// Completion: shell completion of karvoctl for bash, zsh and fish. `karvoctl completion SHELL`
// writes the script (the build installs all three); the scripts ask `karvoctl __complete` for
// the words that may come next, which are read from the help table (commands, their
// sub-commands and options) and from the configuration (function and effect names, macro
// groups, macros, presets, keys), so completion never lags behind the commands.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

class Completion {
  public:
    static constexpr std::string_view kCompleteCommand = "__complete";

    // completion bash|zsh|fish
    static int script(Session& session, Arguments& args);
    // __complete INDEX -- WORDS...: the candidates for word INDEX of WORDS (the words after
    // the program name), one a line, not yet filtered by what has been typed of it.
    static int complete(Session& session, Arguments& args);

    static std::string bashScript();
    static std::string zshScript();
    static std::string fishScript();

    // The candidates; `session` gives the names that come from the configuration (none when
    // it cannot be read).
    static std::vector<std::string> candidates(Session& session,
                                               const std::vector<std::string>& words,
                                               std::size_t index);
};

}  // namespace karvo::cli
