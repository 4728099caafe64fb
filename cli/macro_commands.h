// MacroCommands: `macro groups | list | show | export-group | import-group | export |
// import`, over the macro groups of the configuration's language. The group library and the
// import and export rules are the window's own (MacroGroup, MacroExchange); these commands
// only choose the group and macro the window's list selection would.
#pragma once

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

class MacroCommands {
  public:
    static int run(Session& session, Arguments& args);
};

}  // namespace karvo::cli
