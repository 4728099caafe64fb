// The Dutch key set (languages 17 and 3): the English table with Dutch names. Dutch Windows
// installs the US-International layout, which puts every key where the US layout has it.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {40, "Enter"},        {41, "Esc"},           {42, "Backspace"},     {43, "Tab"},
    {44, "Spatie"},       {57, "Caps Lock"},     {70, "Print Screen"},  {71, "Scroll Lock"},
    {72, "Pauze"},        {73, "Invoegen"},      {74, "Home"},          {75, "Pagina omhoog"},
    {76, "Verwijderen"},  {77, "End"},           {78, "Pagina omlaag"}, {83, "Num Lock"},
    {84, "Num /"},        {85, "Num *"},         {86, "Num -"},         {87, "Num +"},
    {89, "Num 1"},        {90, "Num 2"},         {91, "Num 3"},         {92, "Num 4"},
    {93, "Num 5"},        {94, "Num 6"},         {95, "Num 7"},         {96, "Num 8"},
    {97, "Num 9"},        {98, "Num 0"},         {99, "Num ."},         {101, "Toepassing"},
    {224, "Ctrl links"},  {225, "Shift links"},  {226, "Alt links"},    {227, "Win links"},
    {228, "Ctrl rechts"}, {229, "Shift rechts"}, {230, "Alt rechts"},   {231, "Win rechts"},
};

}  // namespace

constinit const KeyTable kDutch{"Dutch", &kEnglish, kNames, {}};

}  // namespace karvo::keytables
