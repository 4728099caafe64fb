// The language the program can work in. [Init] VER_SEL names a language folder under skins/;
// a value that names none (a hand edit, a file from another version) would leave the program
// without texts, layouts and macro folders, and a download without the assigned macros.
#pragma once

#include <filesystem>

#include "platform/notifier.h"

namespace karvo {

// The language index to use: `languageIndex` when its folder is under `skinFolder`, English
// (1) otherwise, with a notice that says so.
int usableLanguage(int languageIndex, const std::filesystem::path& skinFolder, Notifier& notifier);

}  // namespace karvo
