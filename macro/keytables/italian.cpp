// The Italian key set (language 6): the Italian layout (accented vowels on the punctuation
// keys) with Italian key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {30, "1!"},
    {31, "2\""},
    {32, "3\u00a3"},
    {33, "4$"},
    {34, "5%"},
    {35, "6&"},
    {36, "7/"},
    {37, "8("},
    {38, "9)"},
    {39, "0="},
    {40, "Invio"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "Spazio"},
    {45, "'?"},
    {46, "\u00ec^"},
    {47, "\u00e8\u00e9"},
    {48, "+*"},
    {49, "\u00f9\u00a7"},
    {51, "\u00f2\u00e7"},
    {52, "\u00e0\u00b0"},
    {53, "\\|"},
    {54, ",;"},
    {55, ".:"},
    {56, "-_"},
    {57, "Bloc Maiusc"},
    {70, "Stamp"},
    {71, "Bloc Scorr"},
    {72, "Pausa"},
    {73, "Ins"},
    {74, "Home"},
    {75, "Pag Su"},
    {76, "Canc"},
    {77, "Fine"},
    {78, "Pag Gi\u00f9"},
    {83, "Bloc Num"},
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
    {224, "Ctrl sinistro"},
    {225, "Maiusc sinistro"},
    {226, "Alt"},
    {227, "Win sinistro"},
    {228, "Ctrl destro"},
    {229, "Maiusc destro"},
    {230, "Alt Gr"},
    {231, "Win destro"},
};

constexpr KeyPosition kPositions[] = {
    {45, 219}, {46, 221}, {47, 186}, {48, 187}, {49, 191},
    {51, 192}, {52, 222}, {53, 220}, {56, 189}, {100, 226},
};

}  // namespace

constinit const KeyTable kItalian{"Italian", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
