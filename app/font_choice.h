// The program's fonts as decisions, without a font engine: the base size from the display's
// DPI, the six role sizes, and which face (or which font file) each language uses. The Qt
// front end registers and creates the fonts these functions name.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "services/language_text.h"

namespace karvo {

// Sizes of the six font roles, in tenths of a point.
using FontSizes = std::array<int, 6>;

// The base b from the display's logical pixels per inch: 96 dpi (scale 1.0) gives 87,
// 120 (1.25) 73, 144 (1.5) 63, 168 and 192 (1.75, 2.0) 53, any other 40.
int fontBase(int logicalDpi);

// The main set: b+5, b+5 (b+10 with a font file), b+30, b+40, b+50, and (b+5) x layout scale
// ((b+10) x layout scale with a font file).
FontSizes fontRoleSizes(int base, bool fromFontFile, int layoutScale);

// The four script sets registered with the embedded fonts: b+5, b+5, b+10, b+40, b+50,
// (b+5) x layout scale.
FontSizes scriptFontSizes(int base, int layoutScale);

// The faces of the script sets, in the order they are created.
inline constexpr std::array<std::string_view, 4> kScriptFaces = {"Roboto", "Cairo", "Arial",
                                                                 "微软雅黑"};

// The face of the main set when the language brings no font file: "微软雅黑" for Chinese (0)
// and Japanese (12), "Arial" for every other language.
std::string_view languageFace(int languageIndex);

// The script set for text of a language: Roboto for English (1), 微软雅黑 for Simplified and
// Traditional Chinese (0, 19) and Japanese (12), Cairo for Arabic (13), Arial for the rest.
std::string_view scriptFace(int languageIndex);

// The script a language is written in, for the languages whose letters a Latin face does not
// carry. The front end draws such a language in a face of the system that has the script.
enum class Script { Latin, Thai, Arabic, Korean, Japanese, SimplifiedChinese, TraditionalChinese };
// Thai (10), Korean (11), Japanese (12), Arabic (13) and Persian (23), Simplified (0) and
// Traditional (19) Chinese; Latin, Cyrillic and Greek for the rest.
Script scriptOf(int languageIndex);

// An embedded font: the resource number and the face it holds.
struct EmbeddedFont {
    int resource;
    std::string_view face;
};
inline constexpr std::array<EmbeddedFont, 2> kEmbeddedFonts = {{{190, "Roboto"}, {188, "Cairo"}}};

// What to do when fonts are chosen (at start and on a font refresh).
struct FontChoice {
    enum class Source {
        FontFile,  // register `fontFile` privately and use `face`
        System,    // use the system's `face`
    };
    Source source = Source::System;
    std::string face;
    std::string fontFile;  // relative to the skin folder, as the language file writes it
    // The script of the language: without a font file of its own the front end may need a
    // system face that carries it, as the named face may not exist on this system.
    Script script = Script::Latin;
    FontSizes sizes{};
    // True once per run, with an empty fontFlag: register the embedded fonts and create the
    // four script sets (scriptFontSizes).
    bool registerEmbedded = false;
};

// Chooses the fonts from the language's font keys. `embeddedDone` says whether the embedded
// fonts have been registered before in this run.
FontChoice chooseFonts(const FontKeys& keys, int languageIndex, int logicalDpi, int layoutScale,
                       bool embeddedDone);

}  // namespace karvo
