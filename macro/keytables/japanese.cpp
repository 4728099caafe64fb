// The Japanese key set (language 12): the JIS 106/109 layout (@ and [ where US has [ and ],
// : beside ;, the ろ, ¥ and IME keys) with Japanese key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {30, "1!"},
    {31, "2\""},
    {32, "3#"},
    {33, "4$"},
    {34, "5%"},
    {35, "6&"},
    {36, "7'"},
    {37, "8("},
    {38, "9)"},
    {39, "0"},
    {40, "Enter"},
    {41, "Esc"},
    {42, "BackSpace"},
    {43, "Tab"},
    {44, "\u30b9\u30da\u30fc\u30b9"},
    {45, "-="},
    {46, "^~"},
    {47, "@`"},
    {48, "[{"},
    {49, "]}"},
    {51, ";+"},
    {52, ":*"},
    {53, "\u534a\u89d2/\u5168\u89d2"},
    {54, ",<"},
    {55, ".>"},
    {56, "/?"},
    {57, "\u82f1\u6570"},
    {70, "PrintScreen"},
    {71, "ScrollLock"},
    {72, "Pause"},
    {73, "Insert"},
    {74, "Home"},
    {75, "PageUp"},
    {76, "Delete"},
    {77, "End"},
    {78, "PageDown"},
    {83, "NumLock"},
    {84, "\u30c6\u30f3\u30ad\u30fc /"},
    {85, "\u30c6\u30f3\u30ad\u30fc *"},
    {86, "\u30c6\u30f3\u30ad\u30fc -"},
    {87, "\u30c6\u30f3\u30ad\u30fc +"},
    {89, "\u30c6\u30f3\u30ad\u30fc 1"},
    {90, "\u30c6\u30f3\u30ad\u30fc 2"},
    {91, "\u30c6\u30f3\u30ad\u30fc 3"},
    {92, "\u30c6\u30f3\u30ad\u30fc 4"},
    {93, "\u30c6\u30f3\u30ad\u30fc 5"},
    {94, "\u30c6\u30f3\u30ad\u30fc 6"},
    {95, "\u30c6\u30f3\u30ad\u30fc 7"},
    {96, "\u30c6\u30f3\u30ad\u30fc 8"},
    {97, "\u30c6\u30f3\u30ad\u30fc 9"},
    {98, "\u30c6\u30f3\u30ad\u30fc 0"},
    {99, "\u30c6\u30f3\u30ad\u30fc ."},
    {135, "\\_"},
    {136, "\u30ab\u30bf\u30ab\u30ca/\u3072\u3089\u304c\u306a"},
    {137, "\u00a5|"},
    {138, "\u5909\u63db"},
    {139, "\u7121\u5909\u63db"},
    {224, "\u5de6Ctrl"},
    {225, "\u5de6Shift"},
    {226, "\u5de6Alt"},
    {227, "\u5de6Win"},
    {228, "\u53f3Ctrl"},
    {229, "\u53f3Shift"},
    {230, "\u53f3Alt"},
    {231, "\u53f3Win"},
};

// The Japanese driver reports 英数, カタカナ/ひらがな and 半角/全角 with the virtual keys 240 to
// 244, which this program's files use for the mouse buttons; those keys take the IME virtual
// keys that carry the same meaning instead (VK_CAPITAL, VK_KANA, VK_KANJI).
constexpr KeyPosition kPositions[] = {
    {45, 189}, {46, 222},  {47, 192}, {48, 219},  {49, 221}, {51, 187}, {52, 186},
    {53, 25},  {135, 226}, {136, 21}, {137, 220}, {138, 28}, {139, 29},
};

}  // namespace

constinit const KeyTable kJapanese{"Japanese", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
