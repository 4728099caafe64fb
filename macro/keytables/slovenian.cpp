// The Slovenian key set (language 22): the Slovenian QWERTZ layout (Y and Z swapped; Š, Đ, Ž,
// Č, Ć on the punctuation keys) with Slovenian key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {28, "Z"},
    {29, "Y"},
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
    {40, "Vna\u0161alka"},
    {41, "Esc"},
    {42, "Vra\u010dalka"},
    {43, "Tab"},
    {44, "Preslednica"},
    {45, "'?"},
    {46, "+*"},
    {47, "\u0160"},
    {48, "\u0110"},
    {49, "\u017d"},
    {51, "\u010c"},
    {52, "\u0106"},
    {53, "\u00b8\u00a8"},
    {54, ",;"},
    {55, ".:"},
    {56, "-_"},
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
    {224, "Levi Ctrl"},
    {225, "Levi Shift"},
    {226, "Alt"},
    {227, "Levi Win"},
    {228, "Desni Ctrl"},
    {229, "Desni Shift"},
    {230, "Alt Gr"},
    {231, "Desni Win"},
};

constexpr KeyPosition kPositions[] = {
    {28, 90},  {29, 89},  {45, 191}, {46, 187}, {47, 219}, {48, 221},
    {49, 220}, {51, 186}, {52, 222}, {53, 192}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kSlovenian{"Slovenian", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
