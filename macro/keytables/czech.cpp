// The Czech key set (language 15): the Czech QWERTZ layout (Y and Z swapped, accented letters
// on the digit row's shifted side) with Czech key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {28, "Z"},
    {29, "Y"},
    {30, "+1"},
    {31, "\u011b2"},
    {32, "\u01613"},
    {33, "\u010d4"},
    {34, "\u01595"},
    {35, "\u017e6"},
    {36, "\u00fd7"},
    {37, "\u00e18"},
    {38, "\u00ed9"},
    {39, "\u00e90"},
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "Mezern\u00edk"},
    {45, "=%"},
    {46, "\u00b4\u02c7"},
    {47, "\u00fa/"},
    {48, ")("},
    {49, "\u00a8'"},
    {51, "\u016f\""},
    {52, "\u00a7!"},
    {53, ";\u00b0"},
    {54, ",?"},
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
    {100, "\\|"},
    {224, "Lev\u00fd Ctrl"},
    {225, "Lev\u00fd Shift"},
    {226, "Alt"},
    {227, "Lev\u00fd Win"},
    {228, "Prav\u00fd Ctrl"},
    {229, "Prav\u00fd Shift"},
    {230, "Alt Gr"},
    {231, "Prav\u00fd Win"},
};

constexpr KeyPosition kPositions[] = {
    {28, 90},  {29, 89},  {45, 187}, {46, 191}, {47, 219}, {48, 221},
    {49, 220}, {51, 186}, {52, 222}, {53, 192}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kCzech{"Czech", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
