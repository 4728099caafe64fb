// GlobalOptions: the options that come before the command (--data, --simulate, --report-log,
// --json, --help, --version), the command's name and the words that follow it.
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
    bool version = false;            // --version
    std::string command;             // empty when none was given
    std::vector<std::string> words;  // after the command

    // Reads the options up to the first word that is not one; that word is the command.
    // Throws a usage error for an unknown option, a missing or empty value, or a value given
    // to an option that takes none.
    static GlobalOptions parse(const std::vector<std::string>& args);
};

}  // namespace karvo::cli
