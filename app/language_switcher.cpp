// The run-time language switch; see language_switcher.h.
#include "app/language_switcher.h"

#include "services/language_fallback.h"
#include "services/language_text_index.h"
#include "settings/combination.h"

namespace karvo {

LanguageSwitcher::LanguageSwitcher(Parts parts) : parts_(std::move(parts)) {}

void LanguageSwitcher::switchTo(int position) {
    if (!parts_.languageAt)
        return;
    if (const std::optional<int> language = parts_.languageAt(position))
        switchToLanguage(*language);
}

bool LanguageSwitcher::switchToLanguage(int language) {
    ProgramState& s = parts_.state;
    // The loaders of the start-up end the program on a missing file; here the user only
    // chose a language, so a folder that is not complete is refused before anything changes.
    ProgramPaths next = s.paths;
    next.setLanguage(language);
    if (const auto missing = missingLanguageFile(next.languageFolder); !missing.empty()) {
        parts_.notifier.tipText(text::tip::kMissingFile, missing.string());
        return false;
    }

    // The open macro is written before its folder changes.
    s.macros.withGroups([](MacroGroup& groups) {
        if (groups.currentMacro() >= 0)
            groups.saveMacro(static_cast<std::size_t>(groups.currentMacro()));
    });

    s.language = language;
    s.store.saveLanguage(language);
    s.paths = next;
    s.texts.load(s.paths.languageFolder, parts_.notifier);
    // The combinations' key sequences follow the language's keyboard layout.
    s.settings.edit([&](Settings& all) {
        all.language = language;
        combination::regenerateCopies(all, s.keys);
    });
    s.skin.load(s.paths.languageFolder, s.layoutScale,
                s.texts.text(TextSection::Other, text::other::kDisabledFunction), parts_.notifier);
    s.macros.load(s.paths, language);
    parts_.platform.setWindowTitle(s.description.productName(language));
    if (parts_.warning)
        parts_.warning->setSkin(&s.texts, &s.skin.warning(), s.layoutScale);
    if (parts_.afterSwitch)
        parts_.afterSwitch();
    return true;
}

void LanguageSwitcher::refreshFonts() {
    ProgramState& s = parts_.state;
    const FontChoice fonts =
        chooseFonts(s.texts.fontKeys(), s.language, parts_.platform.logicalDpi(), s.layoutScale,
                    s.embeddedFontsDone);
    if (!parts_.platform.applyFonts(fonts, s.paths.skinFolder))
        parts_.notifier.tipText(text::tip::kFileFailed);
    s.embeddedFontsDone = s.embeddedFontsDone || fonts.registerEmbedded;
}

}  // namespace karvo
