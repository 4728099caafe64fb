// The Polish key set (language 14): the English table with Polish names. Polish Windows
// installs the "Polish (Programmers)" layout, which puts every key where the US layout has it.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {40, "Enter"},        {41, "Esc"},        {42, "Backspace"},    {43, "Tab"},
    {44, "Spacja"},       {57, "Caps Lock"},  {70, "Print Screen"}, {71, "Scroll Lock"},
    {72, "Pause"},        {73, "Insert"},     {74, "Home"},         {75, "Page Up"},
    {76, "Delete"},       {77, "End"},        {78, "Page Down"},    {83, "Num Lock"},
    {84, "Num /"},        {85, "Num *"},      {86, "Num -"},        {87, "Num +"},
    {89, "Num 1"},        {90, "Num 2"},      {91, "Num 3"},        {92, "Num 4"},
    {93, "Num 5"},        {94, "Num 6"},      {95, "Num 7"},        {96, "Num 8"},
    {97, "Num 9"},        {98, "Num 0"},      {99, "Num ."},        {224, "Lewy Ctrl"},
    {225, "Lewy Shift"},  {226, "Lewy Alt"},  {227, "Lewy Win"},    {228, "Prawy Ctrl"},
    {229, "Prawy Shift"}, {230, "Prawy Alt"}, {231, "Prawy Win"},
};

}  // namespace

constinit const KeyTable kPolish{"Polish", &kEnglish, kNames, {}};

}  // namespace karvo::keytables
