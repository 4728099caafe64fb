// The Danish key set (language 21): the Danish layout (Å, Æ, Ø on the punctuation keys) with
// Danish key names.
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
    {40, "Enter"},
    {41, "Esc"},
    {42, "Tilbage"},
    {43, "Tab"},
    {44, "Mellemrum"},
    {45, "+?"},
    {46, "\u00b4`"},
    {47, "\u00c5"},
    {48, "\u00a8^"},
    {49, "'*"},
    {51, "\u00c6"},
    {52, "\u00d8"},
    {53, "\u00bd\u00a7"},
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
    {84, "Tastatur /"},
    {85, "Tastatur *"},
    {86, "Tastatur -"},
    {87, "Tastatur +"},
    {89, "Tastatur 1"},
    {90, "Tastatur 2"},
    {91, "Tastatur 3"},
    {92, "Tastatur 4"},
    {93, "Tastatur 5"},
    {94, "Tastatur 6"},
    {95, "Tastatur 7"},
    {96, "Tastatur 8"},
    {97, "Tastatur 9"},
    {98, "Tastatur 0"},
    {99, "Tastatur ,"},
    {100, "<>"},
    {224, "Venstre Ctrl"},
    {225, "Venstre Skift"},
    {226, "Alt"},
    {227, "Venstre Win"},
    {228, "H\u00f8jre Ctrl"},
    {229, "H\u00f8jre Skift"},
    {230, "Alt Gr"},
    {231, "H\u00f8jre Win"},
};

constexpr KeyPosition kPositions[] = {
    {45, 187}, {46, 219}, {47, 221}, {48, 186}, {49, 191},
    {51, 192}, {52, 222}, {53, 220}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kDanish{"Danish", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
