// The Spanish key set (language 5): the Spanish layout (Ñ beside L, Ç at the backslash key)
// with Spanish key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {30, "1!"},
    {31, "2\""},
    {32, "3\u00b7"},
    {33, "4$"},
    {34, "5%"},
    {35, "6&"},
    {36, "7/"},
    {37, "8("},
    {38, "9)"},
    {39, "0="},
    {40, "Intro"},
    {41, "Esc"},
    {42, "Retroceso"},
    {43, "Tab"},
    {44, "Espacio"},
    {45, "'?"},
    {46, "\u00a1\u00bf"},
    {47, "`^"},
    {48, "+*"},
    {49, "\u00c7"},
    {51, "\u00d1"},
    {52, "\u00b4\u00a8"},
    {53, "\u00ba\u00aa"},
    {54, ",;"},
    {55, ".:"},
    {56, "-_"},
    {57, "Bloq May\u00fas"},
    {70, "Impr Pant"},
    {71, "Bloq Despl"},
    {72, "Pausa"},
    {73, "Insert"},
    {74, "Inicio"},
    {75, "Re P\u00e1g"},
    {76, "Supr"},
    {77, "Fin"},
    {78, "Av P\u00e1g"},
    {83, "Bloq Num"},
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
    {224, "Ctrl izq"},
    {225, "May\u00fas izq"},
    {226, "Alt"},
    {227, "Win izq"},
    {228, "Ctrl der"},
    {229, "May\u00fas der"},
    {230, "Alt Gr"},
    {231, "Win der"},
};

constexpr KeyPosition kPositions[] = {
    {45, 219}, {46, 221}, {47, 186}, {48, 187}, {49, 191},
    {51, 192}, {52, 222}, {53, 220}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kSpanish{"Spanish", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
