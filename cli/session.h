// Session: what one run of karvoctl works with, each part made when a command first asks for
// it: the data folder's paths, the language texts, the device description, the profile store
// and the settings, the macro library, the skin's function names and the mouse connection.
// Commands share it instead of each wiring the core again.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/console_notifier.h"
#include "cli/device_connection.h"
#include "cli/global_options.h"
#include "macro/mac_vk_and_text.h"
#include "platform/clock.h"
#include "services/language_text.h"
#include "services/macro_library.h"
#include "services/program_paths.h"
#include "settings/device_description.h"
#include "settings/dpi_steps.h"
#include "settings/profile_store.h"
#include "settings/settings_model.h"
#include "ui/skin/main_skin.h"

namespace karvo::cli {

// What the tool takes from the process it runs in; tests pass their own.
struct Environment {
    std::filesystem::path programFolder;  // used when --data is not given
    std::string xdgConfigHome;            // $XDG_CONFIG_HOME and $HOME: where the user's
    std::string home;                     // files of the installed layout are
    std::string xdgConfigDirs;            // $XDG_CONFIG_DIRS, for the autostart entry
    Clock* clock = nullptr;               // the protocol's pauses; the system clock in use
    bool stderrIsTerminal = false;        // progress bars only on a terminal
};

class Session {
  public:
    Session(const GlobalOptions& options, const Environment& environment, std::ostream& out,
            std::ostream& err);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }
    bool json() const { return options_.json; }
    bool terminal() const { return environment_.stderrIsTerminal; }
    Clock& clock() { return *environment_.clock; }
    ConsoleNotifier& notifier() { return notifier_; }
    const MacVkAndText& keys() const { return keys_; }

    // The data folder's paths in the configuration's language. A failure when the folder has
    // no configuration file, since nothing can be done without it.
    const ProgramPaths& paths();
    // What the layout is chosen from: the executable's folder, --data and the variables.
    PathEnvironment pathEnvironment() const;
    const GlobalOptions& options() const { return options_; }
    const Environment& environment() const { return environment_; }
    int language();
    const LanguageTextTable& texts();
    const DeviceDescription& description();
    // The DPI of each sensitivity step of the mouse model.
    const DpiSteps& dpiSteps();
    ProfileStore& store();

    // The four profiles, the shared settings and the current profile as the configuration
    // file holds them, read on first use.
    SettingsModel& settings();
    // Writes all four profiles and the current profile back, as the apply button's save does.
    void saveSettings();

    // The macro groups, gun presets and built-in macros of the language, read on first use.
    MacroLibrary& macros();
    // The main window's skin, for the function names of the buttons.
    const MainSkin& skin();

    // The mouse connection, opened on first use (no report is sent until a command asks).
    DeviceConnection& device();
    // Discovers the mouse; a failure with the discovery's reason when it is not there.
    DeviceConnection& mouse();

    // Closes the connection; false when the emulated mouse saw a protocol error or its state
    // could not be saved (reported on err).
    bool finish();

  private:
    const GlobalOptions& options_;
    const Environment& environment_;
    std::ostream& out_;
    std::ostream& err_;
    LanguageTextTable texts_;
    ConsoleNotifier notifier_;
    MacVkAndText keys_;

    std::optional<ProgramPaths> paths_;
    int language_ = 1;
    std::optional<DeviceDescription> description_;
    std::optional<DpiSteps> dpiSteps_;
    std::unique_ptr<ProfileStore> store_;
    std::unique_ptr<SettingsModel> settings_;
    std::unique_ptr<MacroLibrary> macros_;
    std::unique_ptr<MainSkin> skin_;
    std::unique_ptr<DeviceConnection> device_;
};

}  // namespace karvo::cli
