// The German key set (language 4): the QWERTZ layout, where Y and Z swap places and the
// punctuation keys carry the German umlauts, with the names printed on German keyboards.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {28, "Z"},
    {29, "Y"},
    {30, "1!"},
    {31, "2\""},
    {32, "3\u00a7"},
    {33, "4$"},
    {34, "5%"},
    {35, "6&"},
    {36, "7/"},
    {37, "8("},
    {38, "9)"},
    {39, "0="},
    {40, "Eingabe"},
    {41, "Esc"},
    {42, "R\u00fccktaste"},
    {43, "Tab"},
    {44, "Leertaste"},
    {45, "\u00df?"},
    {46, "\u00b4`"},
    {47, "\u00dc"},
    {48, "+*"},
    {49, "#'"},
    {51, "\u00d6"},
    {52, "\u00c4"},
    {53, "^\u00b0"},
    {54, ",;"},
    {55, ".:"},
    {56, "-_"},
    {57, "Feststell"},
    {70, "Druck"},
    {71, "Rollen"},
    {72, "Pause"},
    {73, "Einf"},
    {74, "Pos1"},
    {75, "Bild auf"},
    {76, "Entf"},
    {77, "Ende"},
    {78, "Bild ab"},
    {83, "Num"},
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
    {101, "Men\u00fc"},
    {224, "Strg links"},
    {225, "Umschalt links"},
    {226, "Alt"},
    {227, "Win links"},
    {228, "Strg rechts"},
    {229, "Umschalt rechts"},
    {230, "Alt Gr"},
    {231, "Win rechts"},
};

// Exactly the moved keys; the ISO key left of Y (100) is deliberately not listed, as before.
constexpr KeyPosition kPositions[] = {
    {28, 90},  {29, 89},  {45, 219}, {46, 221}, {47, 186}, {48, 187}, {49, 191},
    {51, 192}, {52, 222}, {53, 220}, {54, 188}, {55, 190}, {56, 189},
};

}  // namespace

constinit const KeyTable kGerman{"German", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
