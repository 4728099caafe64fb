// The Persian key set (language 23). Layout: the English one (the standard Persian layout keeps
// the US virtual keys); only the names differ.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "\u0641\u0627\u0635\u0644\u0647"},
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
    {224, "Ctrl \u0686\u067e"},
    {225, "Shift \u0686\u067e"},
    {226, "Alt \u0686\u067e"},
    {227, "Win \u0686\u067e"},
    {228, "Ctrl \u0631\u0627\u0633\u062a"},
    {229, "Shift \u0631\u0627\u0633\u062a"},
    {230, "Alt \u0631\u0627\u0633\u062a"},
    {231, "Win \u0631\u0627\u0633\u062a"},
};

}  // namespace

constinit const KeyTable kPersian{"Persian", &kEnglish, kNames, {}};

}  // namespace karvo::keytables
