// HelpText: every word of karvoctl's help in one table: the usage line and summary of each
// command, its longer description, and the general usage. The --help output, the usage lines of
// errors and the tests that keep the man page in step all read this table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace karvo::cli {

struct CommandHelp {
    std::string_view name;
    std::string_view synopsis;  // what follows "karvoctl [OPTIONS] "
    std::string_view summary;   // one line for the command list
    std::string_view details;   // paragraphs for "karvoctl help COMMAND"
};

class HelpText {
  public:
    static std::span<const CommandHelp> commands();
    static const CommandHelp* find(std::string_view name);

    // The general help: usage, global options, commands, exit codes.
    static std::string general();
    // The help of one command: usage line and details.
    static std::string command(const CommandHelp& help);
    // "usage: karvoctl [OPTIONS] <synopsis>", or the general usage line for no command.
    static std::string usageLine(const CommandHelp* help);
};

}  // namespace karvo::cli
