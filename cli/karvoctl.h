// Karvoctl: the whole command-line tool as one call: parse the options, run the command, turn
// every error into its message and exit code. main() and the tests call it the same way, the
// tests with their own streams, data folder and clock.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/session.h"

namespace karvo::cli {

class Karvoctl {
  public:
    // Runs `args` (without the program name) and returns the exit code: 0 success, 1 failure,
    // 2 bad usage. Nothing escapes as an exception.
    static int run(const std::vector<std::string>& args, const Environment& environment,
                   std::ostream& out, std::ostream& err);
};

}  // namespace karvo::cli
