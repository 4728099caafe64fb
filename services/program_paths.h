// Where the program finds its files. Every path of the data tree is built here, for both
// layouts the program knows:
//  - portable: the data tree ("skins/") beside the executable, read and written in place (a
//    build folder, an unpacked folder, or any folder named with --data);
//  - installed: the shipped tree read-only under <prefix>/share/karvo-gmouse, and the files a
//    user changes (the configuration, the macro groups, the gun presets) under
//    $XDG_CONFIG_HOME/karvo-gmouse, in the same layout, names and formats.
// The window and karvoctl both locate their files through locateProgram.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace karvo {

// The folder name of a language index ("1_INI_EN"), or empty for an index that has no folder
// (25, and everything above 26 or below 0): its files are then looked up in the skin folder.
std::string_view languageFolderName(int languageIndex);

// The name of the program's folders under share/ and under the user's configuration folder.
inline constexpr std::string_view kProgramDirName = "karvo-gmouse";

struct ProgramPaths {
    std::filesystem::path programFolder;
    std::filesystem::path skinFolder;          // the shipped tree: pictures, language folders
    std::filesystem::path userFolder;          // the user's writable tree (the skin folder
                                               // itself in the portable layout)
    std::filesystem::path configFolder;        // <user>/config
    std::filesystem::path configFile;          // <user>/config/config.ini
    std::filesystem::path maskImage;           // <skins>/main_mask.jpg
    std::filesystem::path constMacroFile;      // <user>/config/constMacro.dat
    std::filesystem::path languageFolder;      // <skins>/<language folder>: texts, layouts
    std::filesystem::path userLanguageFolder;  // <user>/<language folder>: gun presets
    std::filesystem::path macroFolder;         // <user language folder>/macro
    std::filesystem::path macroResetFolder;    // <language folder>/macroReset

    // The portable layout: everything under <programFolder>/skins.
    static ProgramPaths build(const std::filesystem::path& programFolder, int languageIndex);
    // The installed layout: `dataFolder` holds the shipped tree (what "skins/" holds in the
    // portable layout), `userFolder` the user's copies of the files the program writes.
    static ProgramPaths installed(const std::filesystem::path& dataFolder,
                                  const std::filesystem::path& userFolder, int languageIndex);

    bool isInstalled() const { return userFolder != skinFolder; }

    // A language change moves the language folders and the two macro folders.
    void setLanguage(int languageIndex);
};

// What the choice of layout depends on, taken from the process (or given by a test).
struct PathEnvironment {
    std::filesystem::path executableFolder;
    std::optional<std::filesystem::path> dataFolder;  // --data DIR: a portable program folder
    std::string xdgConfigHome;                        // $XDG_CONFIG_HOME
    std::string home;                                 // $HOME

    // The two variables of this process, beside the given folders.
    static PathEnvironment ofProcess(const std::filesystem::path& executableFolder,
                                     std::optional<std::filesystem::path> dataFolder);

    // The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path (the
    // XDG rules say a relative one is to be ignored), else $HOME/.config; nothing when neither
    // is usable.
    std::optional<std::filesystem::path> configHome() const;
};

struct ProgramLocation {
    std::optional<ProgramPaths> paths;  // nothing when the layout cannot be used
    std::string error;                  // why, for the user
};

// Chooses the layout: --data DIR wins (portable, DIR holds skins/); then skins/ beside the
// executable (portable); then ../share/karvo-gmouse beside the executable's folder
// (installed, user files in <config home>/karvo-gmouse). Without either the portable paths are
// returned, so that the caller's own check names the missing file. Nothing is created here.
ProgramLocation locateProgram(const PathEnvironment& environment, int languageIndex);

// The start-minimised switch: the text after the last '-' of the whole command line starts
// with "HIDE" (case-sensitive). So "... -HIDE" and "... -HIDEOUT" match; "-hide" and
// "-HIDDEN" do not, nor does "-HIDE -x", whose last '-' is another.
bool startsHidden(std::string_view commandLine);

// Skin coordinates and the window double on screens 2880 pixels wide and wider.
int layoutScale(int screenWidth);

}  // namespace karvo
