// GlobalOptions: the options of every command (--data, --simulate, --report-log, --json,
// --help, --version), which may stand anywhere on the line, the command's name and the other
// words that follow it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karvo::cli {

struct GlobalOptions {
    std::optional<std::filesystem::path> dataFolder;  // --data DIR
    bool simulate = false;                            // --simulate[=STATEFILE]
    std::filesystem::path stateFile;                  // empty: the emulated memory is not kept
    std::filesystem::path reportLog;                  // --report-log FILE; empty: none
    bool json = false;
    bool help = false;               // -h, --help before the command
    bool version = false;            // -V, --version
    std::string command;             // empty when none was given
    std::vector<std::string> words;  // after the command

    // Takes the options from anywhere before a "--"; the first other word is the command, the
    // rest (the command's own options among them) its words. Throws a usage error for an
    // unknown option before the command, a missing or empty value, or a value given to an
    // option that takes none.
    static GlobalOptions parse(const std::vector<std::string>& args);
};

}  // namespace karvo::cli
