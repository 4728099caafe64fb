// The kinds of the skinned pop-up menu and what each is drawn from: its pictures (names in the
// skin folder), how many rows its mask picture is divided into, and the look of its row texts.
// The menu code and the tests read the same table.
#pragma once

#include <string_view>

namespace karvo {

enum class MenuKind {
    Profile = 0,
    ButtonFunction = 1,
    MacroGroup = 2,
    More = 3,
    LightingMode = 4,
    LightingValue = 5,
    StepEffect = 6,
    StepColour = 7,
    StepCount = 8,
    GunMacro = 9,
    Language = 10,
    MacroStep = 11,
    MacroMenu = 12,
    KeyValue = 13,
    Insert = 14,
};
inline constexpr int kMenuKinds = 15;

// How a menu's row texts are placed: none (the picture carries them), left-aligned at a fixed
// x, or centred in the row.
enum class RowTextAlign { None, Left, Centred };

struct MenuKindInfo {
    MenuKind kind;
    std::string_view mask;    // its width is the menu's, its height / divisor the row height
    std::string_view normal;  // the base picture (the mask itself for some kinds)
    std::string_view over;
    std::string_view down;
    int divisor;  // rows in the mask picture
    RowTextAlign align;
    int textX;  // for RowTextAlign::Left
};

const MenuKindInfo& menuKindInfo(MenuKind kind);

// The most rows any pop-up menu tests for the cursor: rows 1 to 14.
inline constexpr int kMenuHitRows = 14;

}  // namespace karvo
