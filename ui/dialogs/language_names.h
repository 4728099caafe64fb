// The name a language calls itself, as its own folder's texts give it ([UniqueName_Other] 21,
// the text the language menu's pictures show), for screen readers.
#pragma once

#include <filesystem>
#include <string>

namespace karvo {

// Empty when the folder has no readable LanguageText.ini; nothing is shown to the user.
std::string nativeLanguageName(const std::filesystem::path& languageFolder);

}  // namespace karvo
