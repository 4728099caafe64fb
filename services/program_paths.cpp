// Paths of the data tree in both layouts, the command-line switch and the layout scale; see
// program_paths.h.
#include "services/program_paths.h"

#include <array>
#include <cstdlib>
#include <system_error>

namespace karvo {
namespace {

constexpr std::array<std::string_view, 27> kLanguageFolders = {
    "0_INI_CN",    "1_INI_EN",  "2_INI_FR",    "3_INI_BILI",
    "4_INI_DE",    "5_INI_SP",  "6_INI_IT",    "7_INI_RU",
    "8_INI_TU",    "9_INI_PO",  "10_INI_TH",   "11_INI_KR",
    "12_INI_JP",   "13_INI_AR", "14_INI_PL",   "15_INI_CZ",
    "16_INI_SE",   "17_INI_NL", "18_INI_POBR", "19_INI_CNTW",
    "20_INI_NLBE", "21_INI_DA", "22_INI_SL",   "23_INI_FA",
    "24_INI_UA",   "",          "26_INI_HUN"};

}  // namespace

std::string_view languageFolderName(int languageIndex) {
    if (languageIndex < 0 || languageIndex >= static_cast<int>(kLanguageFolders.size())) {
        return {};
    }
    return kLanguageFolders[static_cast<std::size_t>(languageIndex)];
}

ProgramPaths ProgramPaths::build(const std::filesystem::path& programFolder, int languageIndex) {
    ProgramPaths p = installed(programFolder / "skins", programFolder / "skins", languageIndex);
    p.programFolder = programFolder;
    return p;
}

ProgramPaths ProgramPaths::installed(const std::filesystem::path& dataFolder,
                                     const std::filesystem::path& userFolder, int languageIndex) {
    ProgramPaths p;
    p.programFolder = dataFolder;
    p.skinFolder = dataFolder;
    p.userFolder = userFolder;
    p.configFolder = p.userFolder / "config";
    p.configFile = p.configFolder / "config.ini";
    p.maskImage = p.skinFolder / "main_mask.jpg";
    p.constMacroFile = p.configFolder / "constMacro.dat";
    p.setLanguage(languageIndex);
    return p;
}

void ProgramPaths::setLanguage(int languageIndex) {
    const std::string_view folder = languageFolderName(languageIndex);
    languageFolder = folder.empty() ? skinFolder : skinFolder / folder;
    userLanguageFolder = folder.empty() ? userFolder : userFolder / folder;
    macroFolder = userLanguageFolder / "macro";
    macroResetFolder = languageFolder / "macroReset";
}

PathEnvironment PathEnvironment::ofProcess(const std::filesystem::path& executableFolder,
                                           std::optional<std::filesystem::path> dataFolder) {
    PathEnvironment e;
    e.executableFolder = executableFolder;
    e.dataFolder = std::move(dataFolder);
    if (const char* v = std::getenv("XDG_CONFIG_HOME"))
        e.xdgConfigHome = v;
    if (const char* v = std::getenv("HOME"))
        e.home = v;
    return e;
}

std::optional<std::filesystem::path> PathEnvironment::configHome() const {
    const std::filesystem::path xdg = xdgConfigHome;
    if (xdg.is_absolute())
        return xdg.lexically_normal();
    const std::filesystem::path h = home;
    if (h.is_absolute())
        return (h / ".config").lexically_normal();
    return std::nullopt;
}

ProgramLocation locateProgram(const PathEnvironment& environment, int languageIndex) {
    namespace fs = std::filesystem;
    ProgramLocation location;
    if (environment.dataFolder) {
        location.paths = ProgramPaths::build(*environment.dataFolder, languageIndex);
        return location;
    }
    std::error_code ec;
    const fs::path& exe = environment.executableFolder;
    const fs::path shared = (exe.parent_path() / "share" / kProgramDirName).lexically_normal();
    if (fs::is_directory(exe / "skins", ec) || !fs::is_directory(shared, ec)) {
        location.paths = ProgramPaths::build(exe, languageIndex);
        return location;
    }
    const std::optional<fs::path> home = environment.configHome();
    if (!home) {
        location.error =
            "neither $XDG_CONFIG_HOME nor $HOME names an absolute folder, so there is no place "
            "for your settings (or run with --data DIR on a folder that holds skins/)";
        return location;
    }
    location.paths = ProgramPaths::installed(shared, *home / kProgramDirName, languageIndex);
    return location;
}

bool startsHidden(std::string_view commandLine) {
    const std::size_t dash = commandLine.rfind('-');
    if (dash == std::string_view::npos)
        return false;
    return commandLine.substr(dash + 1, 4) == "HIDE";
}

int layoutScale(int screenWidth) {
    return screenWidth > 2879 ? 2 : 1;
}

}  // namespace karvo
