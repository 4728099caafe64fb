// The Turkish key set (language 8): the Turkish Q layout (Ğ, Ü, Ş, İ, Ö, Ç on the punctuation
// keys, dotless I on the I key) with Turkish key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {30, "1!"},
    {31, "2'"},
    {32, "3^"},
    {33, "4+"},
    {34, "5%"},
    {35, "6&"},
    {36, "7/"},
    {37, "8("},
    {38, "9)"},
    {39, "0="},
    {40, "Enter"},
    {41, "Esc"},
    {42, "Geri"},
    {43, "Sekme"},
    {44, "Bo\u015fluk"},
    {45, "*?"},
    {46, "-_"},
    {47, "\u011e"},
    {48, "\u00dc"},
    {49, ",;"},
    {51, "\u015e"},
    {52, "\u0130"},
    {53, "\"\u00e9"},
    {54, "\u00d6"},
    {55, "\u00c7"},
    {56, ".:"},
    {57, "Caps Lock"},
    {70, "Print Screen"},
    {71, "Scroll Lock"},
    {72, "Pause"},
    {73, "Insert"},
    {74, "Home"},
    {75, "Page Up"},
    {76, "Delete"},
    {77, "End"},
    {78, "Page Down"},
    {83, "Num Lock"},
    {84, "Num /"},
    {85, "Num *"},
    {86, "Num -"},
    {87, "Num +"},
    {89, "Num 1"},
    {90, "Num 2"},
    {91, "Num 3"},
    {92, "Num 4"},
    {93, "Num 5"},
    {94, "Num 6"},
    {95, "Num 7"},
    {96, "Num 8"},
    {97, "Num 9"},
    {98, "Num 0"},
    {99, "Num ,"},
    {100, "<>"},
    {224, "Sol Ctrl"},
    {225, "Sol Shift"},
    {226, "Alt"},
    {227, "Sol Win"},
    {228, "Sa\u011f Ctrl"},
    {229, "Sa\u011f Shift"},
    {230, "Alt Gr"},
    {231, "Sa\u011f Win"},
};

constexpr KeyPosition kPositions[] = {
    {45, 223}, {46, 189}, {47, 219}, {48, 221}, {49, 188}, {51, 186},
    {52, 222}, {53, 192}, {54, 191}, {55, 220}, {56, 190}, {100, 226},
};

}  // namespace

constinit const KeyTable kTurkish{"Turkish", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
