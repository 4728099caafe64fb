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

    // "#rrggbb" of stored colour levels, the form `set` takes.
    static std::string colourText(const ColourLevels& levels);
};

}  // namespace karvo::cli
