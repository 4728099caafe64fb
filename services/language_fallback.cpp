// The language fallback; see language_fallback.h.
#include "services/language_fallback.h"

#include <string>
#include <system_error>

#include "services/program_paths.h"

namespace karvo {

int usableLanguage(int languageIndex, const std::filesystem::path& skinFolder, Notifier& notifier) {
    constexpr int kEnglish = 1;
    const std::string_view folder = languageFolderName(languageIndex);
    std::error_code ec;
    if (!folder.empty() && std::filesystem::is_directory(skinFolder / folder, ec))
        return languageIndex;
    notifier.message("The language " + std::to_string(languageIndex) +
                     " of config.ini ([Init] VER_SEL) has no folder under " + skinFolder.string() +
                     "; English is used.");
    return kEnglish;
}

}  // namespace karvo
