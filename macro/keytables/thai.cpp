// The Thai key set (language 10). Layout: the English one (the Kedmanee layout keeps the US
// virtual keys); only the names differ.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "\u0e40\u0e27\u0e49\u0e19\u0e27\u0e23\u0e23\u0e04"},
    {53, "~ \u0e40\u0e1b\u0e25\u0e35\u0e48\u0e22\u0e19\u0e20\u0e32\u0e29\u0e32"},
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
    {99, "Num ."},
    {224, "Ctrl \u0e0b\u0e49\u0e32\u0e22"},
    {225, "Shift \u0e0b\u0e49\u0e32\u0e22"},
    {226, "Alt \u0e0b\u0e49\u0e32\u0e22"},
    {227, "Win \u0e0b\u0e49\u0e32\u0e22"},
    {228, "Ctrl \u0e02\u0e27\u0e32"},
    {229, "Shift \u0e02\u0e27\u0e32"},
    {230, "Alt \u0e02\u0e27\u0e32"},
    {231, "Win \u0e02\u0e27\u0e32"},
};

}  // namespace

constinit const KeyTable kThai{"Thai", &kEnglish, kNames, {}};

}  // namespace karvo::keytables
