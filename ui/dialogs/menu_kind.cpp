// The menu kind table; see menu_kind.h.
#include "ui/dialogs/menu_kind.h"

#include <array>

namespace karvo {

namespace {
using A = RowTextAlign;
constexpr std::array<MenuKindInfo, kMenuKinds> kKinds = {{
    {MenuKind::Profile, "Profile_mask.jpg", "Profile_normal.jpg", "Profile_over.jpg",
     "Profile_down.jpg", 4, A::None, 0},
    {MenuKind::ButtonFunction, "menu1_mask.jpg", "menu1_normal.jpg", "menu1_over.jpg",
     "menu1_down.jpg", 15, A::Left, 16},
    {MenuKind::MacroGroup, "menu_mask.jpg", "menu_mask.jpg", "menu_over.jpg", "menu_down.jpg", 15,
     A::Left, 5},
    {MenuKind::More, "more_mask.jpg", "more_mask.jpg", "more_over.jpg", "more_down.jpg", 3, A::Left,
     48},
    {MenuKind::LightingMode, "led_menu_mask.jpg", "led_menu_normal.jpg", "led_menu_over.jpg",
     "led_menu_down.jpg", 15, A::Centred, 0},
    {MenuKind::LightingValue, "menu_mask.jpg", "menu_normal.jpg", "menu_over.jpg", "menu_down.jpg",
     15, A::Left, 2},
    {MenuKind::StepEffect, "menu_mask.jpg", "menu_normal.jpg", "menu_over.jpg", "menu_down.jpg", 15,
     A::Centred, 0},
    {MenuKind::StepColour, "menu_mask.jpg", "menu_normal.jpg", "menu_over.jpg", "menu_down.jpg", 15,
     A::None, 0},
    {MenuKind::StepCount, "menu_mask.jpg", "menu_mask.jpg", "menu_over.jpg", "menu_down.jpg", 15,
     A::None, 0},
    {MenuKind::GunMacro, "menu2_mask.jpg", "menu2_normal.jpg", "menu2_over.jpg", "menu2_down.jpg",
     15, A::Centred, 0},
    {MenuKind::Language, "menu2_mask.jpg", "menu2_mask.jpg", "menu2_over.jpg", "menu2_down.jpg", 15,
     A::None, 0},
    {MenuKind::MacroStep, "MacMenu/MacG_mask.jpg", "MacMenu/MacG_normal.jpg",
     "MacMenu/MacG_over.jpg", "MacMenu/MacG_down.jpg", 15, A::Centred, 0},
    {MenuKind::MacroMenu, "MacMenu/MacR_mask.jpg", "MacMenu/MacR_normal.jpg",
     "MacMenu/MacR_over.jpg", "MacMenu/MacR_down.jpg", 15, A::Centred, 0},
    {MenuKind::KeyValue, "MacMenu/MacR_mask2.jpg", "MacMenu/MacR_normal2.jpg",
     "MacMenu/MacR_over2.jpg", "MacMenu/MacR_down2.jpg", 15, A::Centred, 0},
    {MenuKind::Insert, "MacMenu/Insert_mask.jpg", "MacMenu/Insert_normal.jpg",
     "MacMenu/Insert_over.jpg", "MacMenu/Insert_down.jpg", 15, A::Centred, 0},
}};
}  // namespace

const MenuKindInfo& menuKindInfo(MenuKind kind) {
    const int k = static_cast<int>(kind);
    return kKinds[static_cast<std::size_t>(k >= 0 && k < kMenuKinds ? k : 1)];
}

}  // namespace karvo
