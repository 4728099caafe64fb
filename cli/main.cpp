// Entry point of karvoctl, the command-line tool of the Karvo G7 Pro: hands the arguments,
// the real streams, the system clock and the executable's folder to Karvoctl::run.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/karvoctl.h"
#include "platform/process.h"
#include "platform/system_clock.h"
#include "services/program_paths.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    karvo::SystemClock clock;
    karvo::cli::Environment environment;
    environment.programFolder = karvo::process::executableFolder(argc > 0 ? argv[0] : nullptr);
    environment.clock = &clock;
    const karvo::PathEnvironment process = karvo::PathEnvironment::ofProcess({}, std::nullopt);
    environment.xdgConfigHome = process.xdgConfigHome;
    environment.home = process.home;
    if (const char* dirs = std::getenv("XDG_CONFIG_DIRS"))
        environment.xdgConfigDirs = dirs;
    environment.stderrIsTerminal = isatty(STDERR_FILENO) == 1;
    return karvo::cli::Karvoctl::run(args, environment, std::cout, std::cerr);
}
