// The Swedish key set (language 16): the Swedish layout (Å, Ö, Ä on the punctuation keys)
// with Swedish key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {30, "1!"},
    {31, "2\""},
    {32, "3#"},
    {33, "4\u00a4"},
    {34, "5%"},
    {35, "6&"},
    {36, "7/"},
    {37, "8("},
    {38, "9)"},
    {39, "0="},
    {40, "Retur"},
    {41, "Esc"},
    {42, "Backsteg"},
    {43, "Tabb"},
    {44, "Mellanslag"},
    {45, "+?"},
    {46, "\u00b4`"},
    {47, "\u00c5"},
    {48, "\u00a8^"},
    {49, "'*"},
    {51, "\u00d6"},
    {52, "\u00c4"},
    {53, "\u00a7\u00bd"},
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
    {224, "V\u00e4nster Ctrl"},
    {225, "V\u00e4nster Skift"},
    {226, "Alt"},
    {227, "V\u00e4nster Win"},
    {228, "H\u00f6ger Ctrl"},
    {229, "H\u00f6ger Skift"},
    {230, "Alt Gr"},
    {231, "H\u00f6ger Win"},
};

constexpr KeyPosition kPositions[] = {
    {45, 187}, {46, 219}, {47, 221}, {48, 186}, {49, 191},
    {51, 192}, {52, 222}, {53, 220}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kSwedish{"Swedish", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
