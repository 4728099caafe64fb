// Paths of the data tree, the command-line switch and the layout scale; see program_paths.h.
#include "app/program_paths.h"

#include <array>

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
    ProgramPaths p;
    p.programFolder = programFolder;
    p.skinFolder = programFolder / "skins";
    p.configFolder = p.skinFolder / "config";
    p.configFile = p.configFolder / "config.ini";
    p.maskImage = p.skinFolder / "main_mask.jpg";
    p.constMacroFile = p.configFolder / "constMacro.dat";
    p.setLanguage(languageIndex);
    return p;
}

void ProgramPaths::setLanguage(int languageIndex) {
    const std::string_view folder = languageFolderName(languageIndex);
    languageFolder = folder.empty() ? skinFolder : skinFolder / folder;
    macroFolder = languageFolder / "macro";
    macroResetFolder = languageFolder / "macroReset";
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
