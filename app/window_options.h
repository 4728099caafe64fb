// The command line of the window program: what it accepts, its help text, and the answer to a
// bad one. Read before Qt starts, so that --help and --version work without a display and a
// mistyped option ends with a message and exit code 2 instead of being ignored.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karvo {

struct WindowOptions {
    enum class Action {
        Run,      // open the window (or render the pages)
        Help,     // print the help text on stdout, exit 0
        Version,  // print the version on stdout, exit 0
        Refuse,   // print `error` and the usage line on stderr, exit 2
    };
    Action action = Action::Run;
    std::string error;

    bool simulate = false;    // --simulate
    std::string stateFile;    // --simulate=STATEFILE: the emulated mouse keeps its memory there
    std::string reportLog;    // --report-log FILE: every report to and from the mouse
    std::string renderPages;  // --render-pages DIR
    std::optional<std::filesystem::path> dataFolder;  // --data DIR
    // The whole command line, program path included, for the start-minimised switch (the
    // text after its last '-' starting with HIDE).
    std::string commandLine;

    // Reads argv. Options: --simulate[=STATEFILE], --report-log FILE, --data DIR (or --data=DIR),
    // --render-pages DIR (or =DIR), --help/-h, --version, and the switch -HIDE (any argument that
    // begins with
    // "-HIDE"). Anything else, an option without its value, or an empty value, is refused.
    static WindowOptions parse(const std::vector<std::string>& argv);

    static std::string usage();     // one line
    static std::string helpText();  // the whole --help text
};

// The program's version, as the build states it.
const char* programVersion();

}  // namespace karvo
