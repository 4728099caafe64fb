// The texts of the user's language: six sections of 50 texts from LanguageText.ini of the
// language folder, and the font keys the same file carries. Notices, menu rows and captions
// are named by section and index (TipText 4, UniqueName_DevMac 34 ...).
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/notifier.h"

namespace karvo {

enum class TextSection { TipText, MouseKey, DevMac, Led, Other, ShortCut };

inline constexpr std::array<TextSection, 6> kTextSections = {
    TextSection::TipText, TextSection::MouseKey, TextSection::DevMac,
    TextSection::Led,     TextSection::Other,    TextSection::ShortCut};

// The INI section name of a text section ("TipText", "UniqueName_MouseKey" ...).
std::string_view sectionName(TextSection section);

// Font keys of [UniqueName_MouseKey].
struct FontKeys {
    std::string flag;  // fontFlag as written (decimal); empty when missing
    std::string file;  // font: a file path relative to the skin folder, beginning with '\'
    std::string face;  // fontName: the face inside that file
    bool operator==(const FontKeys&) const = default;
};

class LanguageTextTable {
  public:
    static constexpr int kTextsPerSection = 50;
    static constexpr std::string_view kFileName = "LanguageText.ini";

    enum class Load {
        Loaded,
        // LanguageText.ini is missing: "找不到配置文件" and TipText 4 have been shown, the
        // table is unchanged, and the program ends.
        MissingFile,
    };

    // Reads <languageFolder>/LanguageText.ini: keys 0 to 49 of each section, each text the
    // piece 1 of the layout value syntax (the text after the first comma, so "4,Missing
    // file" gives "Missing file" and a value without a comma gives nothing). The font keys
    // are read with it.
    Load load(const std::filesystem::path& languageFolder, Notifier& notifier);

    // The text at `index` of `section`; empty for a missing key or an index outside 0-49.
    const std::string& text(TextSection section, int index) const;
    const FontKeys& fontKeys() const { return fontKeys_; }

  private:
    std::array<std::array<std::string, kTextsPerSection>, kTextSections.size()> texts_;
    FontKeys fontKeys_;
};

}  // namespace karvo
