// The French key set (language 2): the AZERTY layout (A and Q, Z and W swapped, M beside L,
// the digit row shifted) with the names printed on French keyboards.
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
    {35, "-6"},
    {36, "\u00e87"},
    {37, "_8"},
    {38, "\u00e79"},
    {39, "\u00e00"},
    {40, "Entr\u00e9e"},
    {41, "\u00c9chap"},
    {42, "Retour"},
    {43, "Tab"},
    {44, "Espace"},
    {45, ")\u00b0"},
    {46, "=+"},
    {47, "^\u00a8"},
    {48, "$\u00a3"},
    {49, "*\u00b5"},
    {52, "\u00f9%"},
    {53, "\u00b2"},
    {54, ";."},
    {55, ":/"},
    {56, "!\u00a7"},
    {57, "Verr Maj"},
    {70, "Impr \u00e9cran"},
    {71, "Arr\u00eat d\u00e9fil"},
    {72, "Pause"},
    {73, "Inser"},
    {74, "Origine"},
    {75, "Page Haut"},
    {76, "Suppr"},
    {77, "Fin"},
    {78, "Page Bas"},
    {83, "Verr Num"},
    {84, "Pav\u00e9 /"},
    {85, "Pav\u00e9 *"},
    {86, "Pav\u00e9 -"},
    {87, "Pav\u00e9 +"},
    {89, "Pav\u00e9 1"},
    {90, "Pav\u00e9 2"},
    {91, "Pav\u00e9 3"},
    {92, "Pav\u00e9 4"},
    {93, "Pav\u00e9 5"},
    {94, "Pav\u00e9 6"},
    {95, "Pav\u00e9 7"},
    {96, "Pav\u00e9 8"},
    {97, "Pav\u00e9 9"},
    {98, "Pav\u00e9 0"},
    {99, "Pav\u00e9 ."},
    {100, "<>"},
    {224, "Ctrl gauche"},
    {225, "Maj gauche"},
    {226, "Alt"},
    {227, "Win gauche"},
    {228, "Ctrl droite"},
    {229, "Maj droite"},
    {230, "Alt Gr"},
    {231, "Win droite"},
};

constexpr KeyPosition kPositions[] = {
    {4, 81},   {20, 65},  {26, 90},  {29, 87},  {51, 77},   {16, 188},
    {45, 219}, {46, 187}, {47, 221}, {48, 186}, {49, 220},  {52, 192},
    {53, 222}, {54, 190}, {55, 191}, {56, 223}, {100, 226},
};

}  // namespace

constinit const KeyTable kFrench{"French", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
