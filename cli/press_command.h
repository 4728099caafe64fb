// PressCommand: `press`, a button press on the emulated mouse, so scripts and tests can drive
// what the firmware does on its own (DPI and profile keys) and what it reports to the host.
#pragma once

#include "cli/arguments.h"
#include "cli/session.h"

namespace karvo::cli {

class PressCommand {
  public:
    // press BUTTON [--hold MS]: BUTTON 1 to the mouse's button count, as `show` numbers them.
    static int run(Session& session, Arguments& args);
};

}  // namespace karvo::cli
