// The autostart command; see autostart_command.h.
#include "cli/autostart_command.h"

#include "cli/cli_error.h"
#include "cli/json_writer.h"
#include "services/autostart.h"

namespace karvo::cli {

int AutostartCommand::run(Session& session, Arguments& args) {
    const auto choice = args.nextOptional("on|off");
    args.finish();
    const PathEnvironment where = session.pathEnvironment();
    const auto home = where.configHome();
    if (!home)
        throw CliError::failure("neither $XDG_CONFIG_HOME nor $HOME names an absolute folder");
    const Autostart autostart(*home, Autostart::splitDirs(session.environment().xdgConfigDirs));

    if (choice && *choice != "on" && *choice != "off")
        throw CliError::usage("bad argument '" + *choice + "': expected on or off");
    if (choice == "on") {
        // The window program is installed beside this tool; --data goes with it.
        const std::filesystem::path program = where.executableFolder / "karvo-gmouse";
        std::error_code ec;
        if (!std::filesystem::is_regular_file(program, ec))
            throw CliError::failure("the window program is not at " + program.string());
        std::vector<std::string> arguments;
        if (where.dataFolder) {
            arguments = {
                "--data",
                std::filesystem::absolute(*where.dataFolder, ec).lexically_normal().string()};
        }
        if (const std::string error = autostart.enable(program, arguments); !error.empty())
            throw CliError::failure(error);
    } else if (choice == "off") {
        if (const std::string error = autostart.disable(); !error.empty())
            throw CliError::failure(error);
    }

    const bool on = autostart.enabled();
    if (session.json()) {
        JsonWriter json(session.out());
        json.beginObject()
            .key("autostart")
            .value(on)
            .key("entry")
            .value(autostart.userEntry().string())
            .endObject();
    } else {
        session.out() << "autostart: " << (on ? "on" : "off") << " ("
                      << autostart.userEntry().string() << ")\n";
    }
    return kExitOk;
}

}  // namespace karvo::cli
