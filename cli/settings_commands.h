// SettingsCommands: the commands on the configuration file: show, profile, set and config.
// They read and write config.ini through the profile store, as the window does; the mouse
// takes a change at the next apply.
#pragma once

#include <string>

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

class SettingsCommands {
  public:
    static int show(Session& session, Arguments& args);
    static int profile(Session& session, Arguments& args);
    static int set(Session& session, Arguments& args);
    static int config(Session& session, Arguments& args);

    // What a button with function `code` does, in the configuration's language: the skin's
    // function name, the key combination, the gun preset's or the macro's name.
    static std::string functionLabel(Session& session, const ButtonAssignment& button);
};

}  // namespace karvo::cli
