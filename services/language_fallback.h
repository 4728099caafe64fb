// The language the program can work in. [Init] VER_SEL names a language folder under skins/;
// a value that names none (a hand edit, a file from another version) would leave the program
// without texts, layouts and macro folders, and a download without the assigned macros.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/notifier.h"

namespace karvo {

// The language index to use: `languageIndex` when its folder is under `skinFolder`, English
// (1) otherwise, with a notice that says so.
int usableLanguage(int languageIndex, const std::filesystem::path& skinFolder, Notifier& notifier);

// The languages whose texts are shipped under `skinFolder`, by index: what the window's language
// menu offers and what karvoctl lists.
std::vector<int> shippedLanguages(const std::filesystem::path& skinFolder);

// A language's short name, for typing: its folder name after "_INI_" in lower case ("en",
// "pobr"); empty for an index without a folder.
std::string languageCode(int languageIndex);

// The language a typed word names: its index ("1"), its short name ("en") or its folder name
// ("1_INI_EN"), in any case. Nothing for a word that names no language folder.
std::optional<int> languageByName(std::string_view word);

// The first file the program needs from a language folder (its texts, the window's layout
// files) that is not there, or an empty path when all are. A switch to a language that lacks
// one is refused before anything changes.
std::filesystem::path missingLanguageFile(const std::filesystem::path& languageFolder);

}  // namespace karvo
