// Parsing of the window program's command line; see window_options.h.
#include "app/window_options.h"

#include <string_view>

#ifndef KARVO_VERSION
#define KARVO_VERSION "unknown"
#endif

namespace karvo {

const char* programVersion() {
    return KARVO_VERSION;
}

std::string WindowOptions::usage() {
    return "usage: karvo-gmouse [--simulate[=STATEFILE]] [--report-log FILE] [--data DIR]\n"
           "                    [--render-pages DIR] [-HIDE]";
}

std::string WindowOptions::helpText() {
    return usage() +
           "\n"
           "The configuration program of the Karvo G7 Pro mouse: its skinned window.\n"
           "\n"
           "  --simulate           run on the emulated mouse instead of a real one; the\n"
           "                       desktop's pointer and wheel settings are left alone\n"
           "  --simulate=STATEFILE the emulated mouse keeps its memory in STATEFILE\n"
           "  --report-log FILE    append every report to and from the mouse to FILE\n"
           "  --data DIR           use the program folder DIR (it holds skins/) for every\n"
           "                       file, read and written in place\n"
           "  --render-pages DIR   draw the four pages into DIR/*.png and end\n"
           "  -HIDE                start minimised (the last argument)\n"
           "  -h, --help           this text\n"
           "  --version            the program version\n"
           "\n"
           "Settings live in $XDG_CONFIG_HOME/karvo-gmouse (~/.config/karvo-gmouse) when the\n"
           "program is installed, and in skins/ beside the program otherwise.\n"
           "karvoctl(1) changes the same settings from a terminal.\n";
}

WindowOptions WindowOptions::parse(const std::vector<std::string>& argv) {
    WindowOptions o;
    auto refuse = [&o](std::string why) {
        o.action = Action::Refuse;
        o.error = std::move(why);
        return o;
    };
    for (std::size_t i = 0; i < argv.size(); ++i)
        o.commandLine += (i ? " " : "") + argv[i];

    for (std::size_t i = 1; i < argv.size(); ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.action = Action::Help;
            return o;
        }
        if (arg == "--version") {
            o.action = Action::Version;
            return o;
        }
        if (arg == "--simulate") {
            o.simulate = true;
            continue;
        }
        if (arg.starts_with("--simulate=")) {
            o.simulate = true;
            o.stateFile = arg.substr(std::string_view("--simulate=").size());
            if (o.stateFile.empty())
                return refuse("--simulate= needs a file");
            continue;
        }
        if (arg.starts_with("-HIDE"))
            continue;  // read from the whole command line by the start-up sequence
        bool matched = false;
        for (const std::string_view name : {"--data", "--render-pages", "--report-log"}) {
            std::string value;
            if (arg == name) {
                if (i + 1 >= argv.size())
                    return refuse(std::string(name) + " needs a value");
                value = argv[++i];
            } else if (arg.starts_with(name) && arg.size() > name.size() &&
                       arg[name.size()] == '=') {
                value = arg.substr(name.size() + 1);
            } else {
                continue;
            }
            if (value.empty())
                return refuse(std::string(name) + " needs a value");
            matched = true;
            if (name == "--data")
                o.dataFolder = value;
            else if (name == "--report-log")
                o.reportLog = value;
            else
                o.renderPages = value;
        }
        if (matched)
            continue;
        if (arg.starts_with("-"))
            return refuse("unknown option '" + std::string(arg) + "'");
        return refuse("unexpected argument '" + std::string(arg) + "'");
    }
    return o;
}

}  // namespace karvo
