// The language fallback; see language_fallback.h.
#include "services/language_fallback.h"

#include <string>
#include <system_error>

#include "platform/text_encoding.h"
#include "services/language_text.h"
#include "services/program_paths.h"
#include "ui/skin/layout_files.h"

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

namespace {

constexpr int kLastLanguageIndex = 26;
constexpr std::string_view kCodeSeparator = "_INI_";

}  // namespace

std::vector<int> shippedLanguages(const std::filesystem::path& skinFolder) {
    std::vector<int> languages;
    std::error_code ec;
    for (int language = 0; language <= kLastLanguageIndex; ++language) {
        const std::string_view name = languageFolderName(language);
        if (!name.empty() &&
            std::filesystem::is_regular_file(
                skinFolder / std::string(name) / std::string(LanguageTextTable::kFileName), ec))
            languages.push_back(language);
    }
    return languages;
}

std::string languageCode(int languageIndex) {
    const std::string_view folder = languageFolderName(languageIndex);
    const std::size_t at = folder.find(kCodeSeparator);
    return at == std::string_view::npos
               ? std::string()
               : text::asciiLower(folder.substr(at + kCodeSeparator.size()));
}

std::optional<int> languageByName(std::string_view word) {
    const std::string typed = text::asciiLower(word);
    if (typed.empty())
        return std::nullopt;
    for (int language = 0; language <= kLastLanguageIndex; ++language) {
        const std::string_view folder = languageFolderName(language);
        if (folder.empty())
            continue;
        if (typed == std::to_string(language) || typed == languageCode(language) ||
            typed == text::asciiLower(folder))
            return language;
    }
    return std::nullopt;
}

std::filesystem::path missingLanguageFile(const std::filesystem::path& languageFolder) {
    std::error_code ec;
    const auto texts = languageFolder / std::string(LanguageTextTable::kFileName);
    if (!std::filesystem::is_regular_file(texts, ec))
        return texts;
    for (const LayoutFile file : kMainWindowFiles) {
        const auto path = languageFolder / std::string(layoutFileInfo(file).fileName);
        if (!std::filesystem::is_regular_file(path, ec))
            return path;
    }
    return {};
}

}  // namespace karvo
