// Loading LanguageText.ini; see language_text.h.
#include "services/language_text.h"

#include "platform/private_profile.h"
#include "ui/skin/layout_value.h"
#include "ui/skin/skin_layout.h"

namespace karvo {
namespace {

constexpr std::size_t kValueBuffer = 260;

}  // namespace

std::string_view sectionName(TextSection section) {
    switch (section) {
        case TextSection::TipText:
            return "TipText";
        case TextSection::MouseKey:
            return "UniqueName_MouseKey";
        case TextSection::DevMac:
            return "UniqueName_DevMac";
        case TextSection::Led:
            return "UniqueName_LED";
        case TextSection::Other:
            return "UniqueName_Other";
        case TextSection::ShortCut:
            return "UniqueName_ShortCut";
    }
    return {};
}

LanguageTextTable::Load LanguageTextTable::load(const std::filesystem::path& languageFolder,
                                                Notifier& notifier) {
    const ini::IniSnapshot file(languageFolder / kFileName);
    if (!file.exists()) {
        notifier.message(kMissingFileText);
        notifier.tipText(4);
        return Load::MissingFile;
    }
    for (std::size_t s = 0; s < kTextSections.size(); ++s) {
        const std::string_view section = sectionName(kTextSections[s]);
        for (int k = 0; k < kTextsPerSection; ++k) {
            const std::string value = file.get(section, std::to_string(k), "", kValueBuffer);
            texts_[s][static_cast<std::size_t>(k)] = splitLayoutValue(value)[1];
        }
    }
    const std::string_view keys = sectionName(TextSection::MouseKey);
    fontKeys_ = {file.get(keys, "fontFlag", "", kValueBuffer),
                 file.get(keys, "font", "", kValueBuffer),
                 file.get(keys, "fontName", "", kValueBuffer)};
    return Load::Loaded;
}

const std::string& LanguageTextTable::text(TextSection section, int index) const {
    static const std::string kNone;
    const auto s = static_cast<std::size_t>(section);
    if (s >= texts_.size() || index < 0 || index >= kTextsPerSection)
        return kNone;
    return texts_[s][static_cast<std::size_t>(index)];
}

}  // namespace karvo
