// The Hungarian key set (language 26): the Hungarian QWERTZ layout, where the key left of 1
// types 0, the key after 9 types Ö, and the punctuation keys carry the accented vowels.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {28, "Z"},
    {29, "Y"},
    {30, "1'"},
    {31, "2\""},
    {32, "3+"},
    {33, "4!"},
    {34, "5%"},
    {35, "6/"},
    {36, "7="},
    {37, "8("},
    {38, "9)"},
    {39, "\u00d6"},
    {53, "0\u00a7"},
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "Sz\u00f3k\u00f6z"},
    {45, "\u00dc"},
    {46, "\u00d3"},
    {47, "\u0150"},
    {48, "\u00da"},
    {49, "\u0170"},
    {51, "\u00c9"},
    {52, "\u00c1"},
    {54, ",?"},
    {55, ".:"},
    {56, "-_"},
    {100, "\u00cd"},
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
    {224, "Bal Ctrl"},
    {225, "Bal Shift"},
    {226, "Alt"},
    {227, "Bal Win"},
    {228, "Jobb Ctrl"},
    {229, "Jobb Shift"},
    {230, "Alt Gr"},
    {231, "Jobb Win"},
};

constexpr KeyPosition kPositions[] = {
    {28, 90},  {29, 89},  {53, 48},  {39, 192}, {45, 191}, {46, 187},  {47, 219},
    {48, 221}, {49, 220}, {51, 186}, {52, 222}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kHungarian{"Hungarian", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
