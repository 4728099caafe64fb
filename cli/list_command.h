// ListCommand: `karvoctl list WHAT`, the names the other commands take: functions, effects,
// keys (with their caps in the configured keyboard language), macro groups, macros and gun
// presets. Each line starts with the name to type; --json gives the same as an array.
#pragma once

#include <span>
#include <string_view>

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

class ListCommand {
  public:
    static int run(Session& session, Arguments& args);
    // What `list` lists.
    static std::span<const std::string_view> kinds();
};

}  // namespace karvo::cli
