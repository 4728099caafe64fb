// The Korean key set (language 11): the US layout plus the 한/영 and 한자 keys of Korean
// keyboards, with Korean key names.
#include "macro/keytables/key_table.h"

namespace karvo::keytables {
namespace {

constexpr KeyName kNames[] = {
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "\uc2a4\ud398\uc774\uc2a4"},
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
    {84, "\uc22b\uc790 /"},
    {85, "\uc22b\uc790 *"},
    {86, "\uc22b\uc790 -"},
    {87, "\uc22b\uc790 +"},
    {89, "\uc22b\uc790 1"},
    {90, "\uc22b\uc790 2"},
    {91, "\uc22b\uc790 3"},
    {92, "\uc22b\uc790 4"},
    {93, "\uc22b\uc790 5"},
    {94, "\uc22b\uc790 6"},
    {95, "\uc22b\uc790 7"},
    {96, "\uc22b\uc790 8"},
    {97, "\uc22b\uc790 9"},
    {98, "\uc22b\uc790 0"},
    {99, "\uc22b\uc790 ."},
    {144, "\ud55c/\uc601"},
    {145, "\ud55c\uc790"},
    {224, "\uc67c\ucabd Ctrl"},
    {225, "\uc67c\ucabd Shift"},
    {226, "\uc67c\ucabd Alt"},
    {227, "\uc67c\ucabd Win"},
    {228, "\uc624\ub978\ucabd Ctrl"},
    {229, "\uc624\ub978\ucabd Shift"},
    {230, "\uc624\ub978\ucabd Alt"},
    {231, "\uc624\ub978\ucabd Win"},
};

constexpr KeyPosition kPositions[] = {
    {144, 21},
    {145, 25},
};

}  // namespace

constinit const KeyTable kKorean{"Korean", &kEnglish, kNames, kPositions};

}  // namespace karvo::keytables
