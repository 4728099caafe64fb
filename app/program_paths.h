// Where the program finds its files. Every path of the data tree is built here, from the
// program folder (the executable's folder) and the language index, so that another layout
// (read-only data under an install prefix, say) changes this file alone.
#pragma once

#include <filesystem>
#include <string_view>

namespace karvo {

// The folder name of a language index ("1_INI_EN"), or empty for an index that has no folder
// (25, and everything above 26 or below 0): its files are then looked up in the skin folder.
std::string_view languageFolderName(int languageIndex);

struct ProgramPaths {
    std::filesystem::path programFolder;
    std::filesystem::path skinFolder;        // <program>/skins: pictures, language folders
    std::filesystem::path configFolder;      // <skins>/config
    std::filesystem::path configFile;        // <skins>/config/config.ini
    std::filesystem::path maskImage;         // <skins>/main_mask.jpg
    std::filesystem::path constMacroFile;    // <skins>/config/constMacro.dat
    std::filesystem::path languageFolder;    // <skins>/<language folder>
    std::filesystem::path macroFolder;       // <language folder>/macro
    std::filesystem::path macroResetFolder;  // <language folder>/macroReset

    static ProgramPaths build(const std::filesystem::path& programFolder, int languageIndex);

    // A language change moves the language folder and the two macro folders.
    void setLanguage(int languageIndex);
};

// The start-minimised switch: the text after the last '-' of the whole command line starts
// with "HIDE" (case-sensitive). So "... -HIDE" and "... -HIDEOUT" match; "-hide" and
// "-HIDDEN" do not, nor does "-HIDE -x", whose last '-' is another.
bool startsHidden(std::string_view commandLine);

// Skin coordinates and the window double on screens 2880 pixels wide and wider.
int layoutScale(int screenWidth);

}  // namespace karvo
