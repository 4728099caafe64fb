// `karvoctl autostart [on|off]`: whether the window program starts minimised with the desktop
// session, through the user's XDG autostart entry.
#pragma once

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

class AutostartCommand {
  public:
    static int run(Session& session, Arguments& args);
};

}  // namespace karvo::cli
