// The Portuguese key set (language 9): the Portuguese layout (Ç beside L) with Portuguese key
// names.
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
    {36, "7/"},
    {37, "8("},
    {38, "9)"},
    {39, "0="},
    {40, "Enter"},
    {41, "Esc"},
    {42, "Retrocesso"},
    {43, "Tab"},
    {44, "Espa\u00e7o"},
    {45, "'?"},
    {46, "\u00ab\u00bb"},
    {47, "+*"},
    {48, "\u00b4`"},
    {49, "~^"},
    {51, "\u00c7"},
    {52, "\u00ba\u00aa"},
    {53, "\\|"},
    {54, ",;"},
    {55, ".:"},
    {56, "-_"},
    {57, "Caps Lock"},
    {70, "Print Screen"},
    {71, "Scroll Lock"},
    {72, "Pausa"},
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
    {99, "Num ."},
    {100, "<>"},
    {224, "Ctrl esquerdo"},
    {225, "Shift esquerdo"},
    {226, "Alt"},
    {227, "Win esquerdo"},
    {228, "Ctrl direito"},
    {229, "Shift direito"},
    {230, "Alt Gr"},
    {231, "Win direito"},
};

constexpr KeyPosition kPositions[] = {
    {45, 219}, {46, 221}, {47, 187}, {48, 186}, {49, 191},
    {51, 192}, {52, 222}, {53, 220}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kPortuguese{"Portuguese", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
