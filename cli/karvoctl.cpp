// Dispatch of karvoctl's commands and its error handling; see karvoctl.h.
#include "cli/karvoctl.h"

#include <exception>
#include <sstream>

#include "cli/autostart_command.h"
#include "cli/cli_error.h"
#include "cli/completion.h"
#include "cli/device_commands.h"
#include "cli/help_text.h"
#include "cli/image_command.h"
#include "cli/json_writer.h"
#include "cli/list_command.h"
#include "cli/macro_commands.h"
#include "cli/press_command.h"
#include "cli/settings_commands.h"

namespace karvo::cli {
namespace {

using Command = int (*)(Session&, Arguments&);

struct Entry {
    std::string_view name;
    Command run;
};

constexpr Entry kDispatch[] = {
    {"devices", DeviceCommands::devices},
    {"status", DeviceCommands::status},
    {"apply", DeviceCommands::apply},
    {"image", ImageCommand::run},
    {"verify", DeviceCommands::verify},
    {"read", DeviceCommands::read},
    {"show", SettingsCommands::show},
    {"profile", SettingsCommands::profile},
    {"set", SettingsCommands::set},
    {"list", ListCommand::run},
    {"macro", MacroCommands::run},
    {"config", SettingsCommands::config},
    {"press", PressCommand::run},
    {"completion", Completion::script},
    {Completion::kCompleteCommand, Completion::complete},
    {"autostart", AutostartCommand::run},
};

Command find(std::string_view name) {
    for (const Entry& e : kDispatch) {
        if (e.name == name)
            return e.run;
    }
    return nullptr;
}

// How a run ended when it did not go well: the sentence, and for bad usage the usage line.
struct Outcome {
    int code = kExitOk;
    std::string message;
    bool usage = false;
    const CommandHelp* help = nullptr;
};

Outcome usage(const std::string& message, const CommandHelp* help) {
    return {kExitUsage, message, true, help};
}

Outcome help(const std::vector<std::string>& words, std::ostream& out) {
    if (words.empty()) {
        out << HelpText::general();
        return {};
    }
    const CommandHelp* h = HelpText::find(words.front());
    if (h == nullptr || words.size() > 1)
        return usage("no such command '" + words.front() + "'", nullptr);
    out << HelpText::command(*h);
    return {};
}

Outcome execute(const GlobalOptions& options, const Environment& environment, std::ostream& out,
                std::ostream& err) {
    if (options.version) {
        out << "karvoctl " << KARVO_VERSION << '\n';
        return {};
    }
    if (options.command == "help")
        return help(options.words, out);
    if (options.help) {
        // --help anywhere: the command's help when there is a command.
        if (options.command.empty())
            return help({}, out);
        return help({options.command}, out);
    }
    if (options.command.empty())
        return usage("no command given", nullptr);
    const Command command = find(options.command);
    const CommandHelp* commandHelp = HelpText::find(options.command);
    if (command == nullptr)
        return usage("unknown command '" + options.command + "'", nullptr);

    Arguments arguments(options.words);
    Outcome outcome;
    try {
        Session session(options, environment, out, err);
        try {
            outcome.code = command(session, arguments);
        } catch (const CliError& e) {
            session.finish();
            if (e.exitCode() == kExitUsage)
                return usage(e.what(), commandHelp);
            return {e.exitCode(), e.what()};
        }
        // A fault the emulated mouse saw, or a state file that could not be kept, fails a
        // command that otherwise went well.
        if (!session.finish() && outcome.code == kExitOk)
            outcome.code = kExitFailure;
    } catch (const CliError& e) {
        return {e.exitCode(), e.what()};
    } catch (const std::exception& e) {
        return {kExitFailure, e.what()};
    }
    out.flush();
    if (!out)
        return {kExitFailure, "cannot write the output"};
    return outcome;
}

void reportText(const Outcome& o, std::ostream& err) {
    if (o.message.empty())
        return;
    err << "karvoctl: " << o.message << '\n';
    if (o.usage) {
        err << HelpText::usageLine(o.help) << "Try 'karvoctl help"
            << (o.help ? " " + std::string(o.help->name) : std::string()) << "' for more.\n";
    }
}

// With --json, what would have gone to stderr becomes one JSON object: the error (when the
// command failed) with its exit code, and every notice line, without the program's prefix.
void reportJson(const Outcome& o, const std::string& notices, std::ostream& err) {
    std::vector<std::string> lines;
    std::istringstream in(notices);
    for (std::string line; std::getline(in, line);) {
        constexpr std::string_view kPrefix = "karvoctl: ";
        if (line.starts_with(kPrefix))
            line.erase(0, kPrefix.size());
        if (!line.empty())
            lines.push_back(line);
    }
    if (o.message.empty() && lines.empty())
        return;
    JsonWriter json(err);
    json.beginObject();
    if (!o.message.empty()) {
        json.key("error").beginObject().key("message").value(o.message);
        json.key("exitCode").value(o.code).key("kind").value(o.usage ? "usage" : "failure");
        if (o.usage) {
            std::string line = HelpText::usageLine(o.help);
            while (!line.empty() && line.back() == '\n')
                line.pop_back();
            json.key("usage").value(line);
        }
        json.endObject();
    }
    json.key("notices").beginArray();
    for (const std::string& line : lines)
        json.value(line);
    json.endArray().endObject();
}

// Whether --json is on the line, for an error found before the options are understood.
bool asksForJson(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--")
            return false;
        if (a == "--json")
            return true;
    }
    return false;
}

}  // namespace

int Karvoctl::run(const std::vector<std::string>& args, const Environment& environment,
                  std::ostream& out, std::ostream& err) {
    GlobalOptions options;
    Outcome outcome;
    bool json = asksForJson(args);
    try {
        options = GlobalOptions::parse(args);
        json = options.json;
    } catch (const CliError& e) {
        outcome = usage(e.what(), nullptr);
    }
    std::ostringstream captured;
    if (outcome.message.empty()) {
        Environment quiet = environment;
        if (json)
            quiet.stderrIsTerminal = false;  // no progress bar inside the JSON report
        outcome = execute(options, quiet, out, json ? captured : err);
    }
    if (json)
        reportJson(outcome, captured.str(), err);
    else
        reportText(outcome, err);
    return outcome.code;
}

}  // namespace karvo::cli
