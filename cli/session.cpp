// The parts of one karvoctl run; see session.h.
#include "cli/session.h"

#include <system_error>

#include "cli/cli_error.h"
#include "services/language_fallback.h"
#include "services/language_text_index.h"
#include "services/user_files.h"

namespace karvo::cli {

namespace fs = std::filesystem;

Session::Session(const GlobalOptions& options, const Environment& environment, std::ostream& out,
                 std::ostream& err)
    : options_(options), environment_(environment), out_(out), err_(err), notifier_(err, texts_) {}

Session::~Session() {
    finish();
}

PathEnvironment Session::pathEnvironment() const {
    PathEnvironment where;
    where.executableFolder = environment_.programFolder;
    where.dataFolder = options_.dataFolder;
    where.xdgConfigHome = environment_.xdgConfigHome;
    where.home = environment_.home;
    return where;
}

const ProgramPaths& Session::paths() {
    if (paths_)
        return *paths_;
    const ProgramLocation location = locateProgram(pathEnvironment(), 1);
    if (!location.paths)
        throw CliError::failure(location.error);
    ProgramPaths paths = *location.paths;
    // The installed layout's first run, from the tool or the window, copies the user's files.
    for (const std::string& problem : UserFiles::provide(paths).problems)
        err_ << "karvoctl: " << problem << '\n';
    std::error_code ec;
    if (!fs::is_regular_file(paths.configFile, ec)) {
        throw CliError::failure("no configuration in " + paths.userFolder.string() + ": " +
                                paths.configFile.string() +
                                " is missing (--data names the folder that holds skins/)");
    }
    // The language decides the texts, the layout files and the macro folders.
    language_ = usableLanguage(ProfileStore(paths.configFolder, keys_, notifier_).readLanguage(),
                               paths.skinFolder, notifier_);
    paths.setLanguage(language_);
    paths_ = paths;
    // A language folder without its texts still lets every command work; notices and names
    // then fall back to numbers, so its own complaint is not shown.
    RecordingNotifier quiet;
    texts_.load(paths_->languageFolder, quiet);
    return *paths_;
}

int Session::language() {
    paths();
    return language_;
}

const LanguageTextTable& Session::texts() {
    paths();
    return texts_;
}

const DeviceDescription& Session::description() {
    if (!description_)
        description_ = DeviceDescription::read(paths().configFile, notifier_);
    return *description_;
}

const DpiSteps& Session::dpiSteps() {
    if (!dpiSteps_)
        dpiSteps_ = DpiSteps::read(paths().configFile);
    return *dpiSteps_;
}

ProfileStore& Session::store() {
    if (!store_)
        store_ = std::make_unique<ProfileStore>(paths().configFolder, keys_, notifier_);
    return *store_;
}

SettingsModel& Session::settings() {
    if (settings_)
        return *settings_;
    auto model = std::make_unique<SettingsModel>();
    const int current = store().readCurrentProfile();
    const int lang = language();
    model->edit([&](Settings& s) {
        s.currentProfile = current;
        s.language = lang;
    });
    for (int p = 0; p < kProfiles; ++p) {
        if (!store().loadProfile(*model, p, ProfileStore::Source::Config))
            throw CliError::failure("cannot read the configuration " + paths().configFile.string());
    }
    settings_ = std::move(model);
    return *settings_;
}

void Session::saveSettings() {
    if (!store().saveAll(settings().snapshot()))
        throw CliError::failure("cannot write the configuration " + paths().configFile.string());
}

MacroLibrary& Session::macros() {
    if (!macros_) {
        macros_ = std::make_unique<MacroLibrary>(keys_, notifier_);
        macros_->load(paths(), language());
    }
    return *macros_;
}

const MainSkin& Session::skin() {
    if (!skin_) {
        auto skin = std::make_unique<MainSkin>();
        const std::string& disabled =
            texts().text(TextSection::Other, text::other::kDisabledFunction);
        if (skin->load(paths().languageFolder, 1, disabled, notifier_) != MainSkin::Load::Loaded)
            throw CliError::failure("the layout files of " + paths().languageFolder.string() +
                                    " are missing");
        skin_ = std::move(skin);
    }
    return *skin_;
}

DeviceConnection& Session::device() {
    if (!device_) {
        DeviceConnection::Options o;
        o.simulate = options_.simulate;
        o.stateFile = options_.stateFile;
        o.reportLog = options_.reportLog;
        device_ = std::make_unique<DeviceConnection>(clock(), o);
    }
    return *device_;
}

DeviceConnection& Session::mouse() {
    DeviceConnection& connection = device();
    if (!connection.discover(description().devString)) {
        const std::string& why = connection.discovery().message();
        throw CliError::failure(why.empty() ? "no " + description().productNameEn +
                                                  " found (is it plugged in? 'karvoctl devices' "
                                                  "lists what is there)"
                                            : why);
    }
    return connection;
}

bool Session::finish() {
    return device_ ? device_->finish(err_) : true;
}

}  // namespace karvo::cli
