// Font sizes and faces; see font_choice.h.
#include "app/font_choice.h"

#include <algorithm>

#include "platform/private_profile.h"

namespace karvo {

int fontBase(int logicalDpi) {
    switch (logicalDpi) {
        case 96:
            return 87;
        case 120:
            return 73;
        case 144:
            return 63;
        case 168:
        case 192:
            return 53;
        default:
            return 40;
    }
}

FontSizes fontRoleSizes(int base, bool fromFontFile, int layoutScale) {
    const int second = fromFontFile ? base + 10 : base + 5;
    return {base + 5, second, base + 30, base + 40, base + 50, second * layoutScale};
}

FontSizes scriptFontSizes(int base, int layoutScale) {
    return {base + 5, base + 5, base + 10, base + 40, base + 50, (base + 5) * layoutScale};
}

std::string_view languageFace(int languageIndex) {
    return languageIndex == 0 || languageIndex == 12 ? "微软雅黑" : "Arial";
}

std::string_view scriptFace(int languageIndex) {
    switch (languageIndex) {
        case 1:
            return "Roboto";
        case 0:
        case 12:
        case 19:
            return "微软雅黑";
        case 13:
            return "Cairo";
        default:
            return "Arial";
    }
}

Script scriptOf(int languageIndex) {
    switch (languageIndex) {
        case 0:
            return Script::SimplifiedChinese;
        case 10:
            return Script::Thai;
        case 11:
            return Script::Korean;
        case 12:
            return Script::Japanese;
        case 13:
        case 23:
            return Script::Arabic;
        case 19:
            return Script::TraditionalChinese;
        default:
            return Script::Latin;
    }
}

FontChoice chooseFonts(const FontKeys& keys, int languageIndex, int logicalDpi, int layoutScale,
                       bool embeddedDone) {
    layoutScale = std::clamp(layoutScale, 1, 2);
    const int base = fontBase(logicalDpi);
    FontChoice choice;
    choice.script = scriptOf(languageIndex);
    if (ini::toInt(keys.flag) != 0) {
        choice.source = FontChoice::Source::FontFile;
        choice.fontFile = keys.file;
        choice.face = keys.face;
        choice.sizes = fontRoleSizes(base, true, layoutScale);
        return choice;
    }
    // Without a font file the main set always gets the language's face; the embedded fonts
    // come on top of it, once per run.
    choice.registerEmbedded = keys.flag.empty() && !embeddedDone;
    choice.face = std::string(languageFace(languageIndex));
    choice.sizes = fontRoleSizes(base, false, layoutScale);
    return choice;
}

}  // namespace karvo
