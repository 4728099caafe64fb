// The Belgian key set (language 20): the Belgian AZERTY layout with Dutch key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {4, "Q"},
    {20, "A"},
    {26, "Z"},
    {29, "W"},
    {51, "M"},
    {16, ",?"},
    {30, "&1"},
    {31, "\u00e92"},
    {32, "\"3"},
    {33, "'4"},
    {34, "(5"},
    {35, "\u00a76"},
    {36, "\u00e87"},
    {37, "!8"},
    {38, "\u00e79"},
    {39, "\u00e00"},
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "Spatie"},
    {45, ")\u00b0"},
    {46, "-_"},
    {47, "^\u00a8"},
    {48, "$*"},
    {49, "\u00b5\u00a3"},
    {52, "\u00f9%"},
    {53, "\u00b2\u00b3"},
    {54, ";."},
    {55, ":/"},
    {56, "=+"},
    {57, "Caps Lock"},
    {70, "Print Screen"},
    {71, "Scroll Lock"},
    {72, "Pauze"},
    {73, "Invoegen"},
    {74, "Home"},
    {75, "Pagina omhoog"},
    {76, "Verwijderen"},
    {77, "End"},
    {78, "Pagina omlaag"},
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
    {224, "Ctrl links"},
    {225, "Shift links"},
    {226, "Alt"},
    {227, "Win links"},
    {228, "Ctrl rechts"},
    {229, "Shift rechts"},
    {230, "Alt Gr"},
    {231, "Win rechts"},
};

constexpr KeyPosition kPositions[] = {
    {4, 81},   {20, 65},  {26, 90},  {29, 87},  {51, 77},   {16, 188},
    {45, 219}, {46, 189}, {47, 221}, {48, 186}, {49, 220},  {52, 192},
    {53, 222}, {54, 190}, {55, 191}, {56, 187}, {100, 226},
};

}  // namespace

constinit const KeyTable kBelgianDutch{"Belgian Dutch", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
