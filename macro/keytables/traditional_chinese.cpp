// The Traditional Chinese key set (language 19). Layout: the English one (Taiwanese keyboards
// are US keyboards with Zhuyin caps); only the names differ.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "\u7a7a\u767d\u9375"},
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
    {84, "\u6578\u5b57 /"},
    {85, "\u6578\u5b57 *"},
    {86, "\u6578\u5b57 -"},
    {87, "\u6578\u5b57 +"},
    {89, "\u6578\u5b57 1"},
    {90, "\u6578\u5b57 2"},
    {91, "\u6578\u5b57 3"},
    {92, "\u6578\u5b57 4"},
    {93, "\u6578\u5b57 5"},
    {94, "\u6578\u5b57 6"},
    {95, "\u6578\u5b57 7"},
    {96, "\u6578\u5b57 8"},
    {97, "\u6578\u5b57 9"},
    {98, "\u6578\u5b57 0"},
    {99, "\u6578\u5b57 ."},
    {224, "\u5de6 Ctrl"},
    {225, "\u5de6 Shift"},
    {226, "\u5de6 Alt"},
    {227, "\u5de6 Win"},
    {228, "\u53f3 Ctrl"},
    {229, "\u53f3 Shift"},
    {230, "\u53f3 Alt"},
    {231, "\u53f3 Win"},
};

}  // namespace

constinit const KeyTable kTraditionalChinese{"Traditional Chinese", &kEnglish, kNames, {}};

}  // namespace karvo::keytables
