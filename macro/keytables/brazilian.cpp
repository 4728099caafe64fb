// The Brazilian Portuguese key set (language 18): the ABNT2 layout (Ç beside L, the extra /?
// key beside right Shift) with Brazilian key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {30, "1!"},
    {31, "2@"},
    {32, "3#"},
    {33, "4$"},
    {34, "5%"},
    {35, "6\u00a8"},
    {36, "7&"},
    {37, "8*"},
    {38, "9("},
    {39, "0)"},
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "Espa\u00e7o"},
    {45, "-_"},
    {46, "=+"},
    {47, "\u00b4`"},
    {48, "[{"},
    {49, "]}"},
    {51, "\u00c7"},
    {52, "~^"},
    {53, "'\""},
    {54, ",<"},
    {55, ".>"},
    {56, ";:"},
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
    {135, "/?"},
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
    {47, 219}, {48, 221}, {49, 220},  {51, 186},  {52, 222},
    {53, 192}, {56, 191}, {100, 226}, {135, 193},
};

}  // namespace

constinit const KeyTable kBrazilian{"Brazilian Portuguese", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
