// Dispatch of karvoctl's commands and its error handling; see karvoctl.h.
#include "cli/karvoctl.h"

#include <exception>

#include "cli/autostart_command.h"
#include "cli/cli_error.h"
#include "cli/device_commands.h"
#include "cli/help_text.h"
#include "cli/image_command.h"
#include "cli/macro_commands.h"
#include "cli/settings_commands.h"

namespace karvo::cli {
namespace {

using Command = int (*)(Session&, Arguments&);

struct Entry {
    std::string_view name;
    Command run;
};

constexpr Entry kDispatch[] = {
    {"devices", DeviceCommands::devices}, {"status", DeviceCommands::status},
    {"apply", DeviceCommands::apply},     {"image", ImageCommand::run},
    {"verify", DeviceCommands::verify},   {"read", DeviceCommands::read},
    {"show", SettingsCommands::show},     {"profile", SettingsCommands::profile},
    {"set", SettingsCommands::set},       {"macro", MacroCommands::run},
    {"config", SettingsCommands::config}, {"autostart", AutostartCommand::run},
};

Command find(std::string_view name) {
    for (const Entry& e : kDispatch) {
        if (e.name == name)
            return e.run;
    }
    return nullptr;
}

int usage(std::ostream& err, const std::string& message, const CommandHelp* help) {
    err << "karvoctl: " << message << '\n'
        << HelpText::usageLine(help) << "Try 'karvoctl help"
        << (help ? " " + std::string(help->name) : std::string()) << "' for more.\n";
    return kExitUsage;
}

int help(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    if (words.empty()) {
        out << HelpText::general();
        return kExitOk;
    }
    const CommandHelp* h = HelpText::find(words.front());
    if (h == nullptr || words.size() > 1)
        return usage(err, "no such command '" + words.front() + "'", nullptr);
    out << HelpText::command(*h);
    return kExitOk;
}

}  // namespace

int Karvoctl::run(const std::vector<std::string>& args, const Environment& environment,
                  std::ostream& out, std::ostream& err) {
    GlobalOptions options;
    try {
        options = GlobalOptions::parse(args);
    } catch (const CliError& e) {
        return usage(err, e.what(), nullptr);
    }
    if (options.version) {
        out << "karvoctl " << KARVO_VERSION << '\n';
        return kExitOk;
    }
    if (options.help || options.command == "help")
        return help(options.command == "help" ? options.words : std::vector<std::string>{}, out,
                    err);
    if (options.command.empty())
        return usage(err, "no command given", nullptr);
    const Command command = find(options.command);
    const CommandHelp* commandHelp = HelpText::find(options.command);
    if (command == nullptr)
        return usage(err, "unknown command '" + options.command + "'", nullptr);

    Arguments arguments(options.words);
    if (arguments.flag("--help") || arguments.flag("-h")) {
        out << HelpText::command(*commandHelp);
        return kExitOk;
    }
    int code = kExitOk;
    try {
        Session session(options, environment, out, err);
        try {
            code = command(session, arguments);
        } catch (const CliError& e) {
            if (e.exitCode() == kExitUsage) {
                session.finish();
                return usage(err, e.what(), commandHelp);
            }
            err << "karvoctl: " << e.what() << '\n';
            code = e.exitCode();
        }
        // A fault the emulated mouse saw, or a state file that could not be kept, fails a
        // command that otherwise went well.
        if (!session.finish() && code == kExitOk)
            code = kExitFailure;
    } catch (const CliError& e) {
        err << "karvoctl: " << e.what() << '\n';
        return e.exitCode();
    } catch (const std::exception& e) {
        err << "karvoctl: " << e.what() << '\n';
        return kExitFailure;
    }
    out.flush();
    if (!out) {
        err << "karvoctl: cannot write the output\n";
        return kExitFailure;
    }
    return code;
}

}  // namespace karvo::cli
