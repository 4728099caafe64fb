// Native language names; see language_names.h.
#include "ui/dialogs/language_names.h"

#include "services/language_text.h"
#include "services/language_text_index.h"

namespace karvo {

std::string nativeLanguageName(const std::filesystem::path& languageFolder) {
    // A folder the menu offers has its texts; should one have gone meanwhile, the row stays
    // unnamed rather than raising a notice from a screen reader's question.
    RecordingNotifier quiet;
    LanguageTextTable texts;
    if (texts.load(languageFolder, quiet) != LanguageTextTable::Load::Loaded)
        return {};
    return texts.text(TextSection::Other, text::other::kLanguageName);
}

}  // namespace karvo
