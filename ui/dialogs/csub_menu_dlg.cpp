// The sub-menus: their rows, the codes and values they store; see csub_menu_dlg.h.
#include "ui/dialogs/csub_menu_dlg.h"

#include "app/window_messages.h"
#include "services/language_text_index.h"
#include "ui/dialogs/button_function.h"
#include "ui/dialogs/language_names.h"

namespace karvo {

namespace {

struct SubMenuSource {
    std::string_view mask, normal, over, down;
};

SubMenuSource picturesOf(int type) {
    switch (type) {
        case submenu::kInsertButtonsBefore:
            return {"menu2_mask.jpg", "menu2_normal.jpg", "menu2_over.jpg", "menu2_down.jpg"};
        case submenu::kInsertButtonsAfter:
            return {"MacMenu/Insert2th_mask.jpg", "MacMenu/Insert2th_normal.jpg",
                    "MacMenu/Insert2th_over.jpg", "MacMenu/Insert2th_down.jpg"};
        case submenu::kInsertMoves:
            return {"MacMenu/Insert3th_mask.jpg", "MacMenu/Insert3th_normal.jpg",
                    "MacMenu/Insert3th_over.jpg", "MacMenu/Insert3th_down.jpg"};
        case submenu::kMoreLanguages:
            return {"menu2_mask.jpg", "menu2_mask.jpg", "menu2_over.jpg", "menu2_down.jpg"};
        case submenu::kInsertDpi:
            return {"MacMenu/MacR_mask2.jpg", "MacMenu/MacR_normal2.jpg", "MacMenu/MacR_over2.jpg",
                    "MacMenu/MacR_down2.jpg"};
        default:
            return {"menu_mask.jpg", "menu_normal.jpg", "menu_over.jpg", "menu_down.jpg"};
    }
}

// First value of WM_MENU_PICK (14, v) of each insert type, less one: 241-246, 247-252,
// 253-256, 257-258 follow each other through the four types.
int insertBase(int type) {
    switch (type) {
        case submenu::kInsertButtonsBefore:
            return 240;
        case submenu::kInsertButtonsAfter:
            return 246;
        case submenu::kInsertMoves:
            return 252;
        case submenu::kInsertDpi:
            return 256;
        default:
            return -1;
    }
}

}  // namespace

CSubMenuDlg::CSubMenuDlg(PopupMenus& owner, int type, int slot, MenuLook look,
                         std::vector<MenuRow> rows)
    : MenuWindow(std::move(look), std::move(rows)), owner_(owner), type_(type), slot_(slot) {
    setKeepHotOutside(true);
}

std::unique_ptr<CSubMenuDlg> CSubMenuDlg::create(PopupMenus& owner, int type, int slot) {
    MenuEnvironment& env = owner.env();
    const FunctionNames& functions = env.skin.functions();
    const auto fromTexts = [&](TextSection section, int first, int count) {
        std::vector<MenuRow> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back({env.texts.text(section, first + i), {}, {}, {}});
        return rows;
    };
    std::vector<MenuRow> rows;
    switch (type) {
        case submenu::kExtraFunctions:
            for (int r = 1; r <= functions.extraRowCount(); ++r) {
                const std::optional<int> code = functions.extraCodeAt(r);
                const auto it = code ? functions.extraFunctions().find(std::to_string(*code))
                                     : functions.extraFunctions().end();
                rows.push_back(
                    {it != functions.extraFunctions().end() ? it->second.name : "", {}, {}, {}});
            }
            break;
        case submenu::kMoreFunctions:
            for (int r = 1; r <= 10; ++r)
                rows.push_back({functions.name(22 + r), {}, {}, {}});
            break;
        case submenu::kProfileFunctions:
            for (int r = 1; r <= 4; ++r)
                rows.push_back({functions.name(18 + r), {}, {}, {}});
            break;
        case submenu::kMacroGroups:
            env.macros.withGroups([&](MacroGroup& groups) {
                for (const std::string& name : groups.groupNames())
                    rows.push_back({name, {}, {}, {}});
            });
            break;
        case submenu::kInsertButtonsBefore:
        case submenu::kInsertButtonsAfter:
            rows = fromTexts(TextSection::DevMac, text::devmac::kInsertButtonFirst,
                             text::devmac::kInsertButtonRows);
            break;
        case submenu::kInsertMoves:
            rows = fromTexts(TextSection::DevMac, text::devmac::kInsertMoveFirst,
                             text::devmac::kInsertMoveRows);
            break;
        case submenu::kInsertDpi:
            rows = fromTexts(TextSection::DevMac, text::devmac::kInsertDpiFirst,
                             text::devmac::kInsertDpiRows);
            break;
        case submenu::kBrightness:
            rows = fromTexts(TextSection::Led, text::led::kBrightnessFirst,
                             text::led::kBrightnessRows);
            break;
        case submenu::kSpeed:
            rows = fromTexts(TextSection::Led, text::led::kSpeedFirst, text::led::kSpeedRows);
            break;
        case submenu::kKeyLighting:
            rows = fromTexts(TextSection::Led, text::led::kReactionFirst, text::led::kReactions);
            break;
        case submenu::kMoreLanguages: {
            // `slot` is the number of languages the menu itself shows.
            const std::vector<int>& offered = owner.offeredLanguages();
            for (std::size_t i = static_cast<std::size_t>(std::max(slot, 0));
                 i < offered.size() && rows.size() < static_cast<std::size_t>(kMenuHitRows); ++i) {
                const auto folder =
                    env.paths.skinFolder / std::string(languageFolderName(offered[i]));
                rows.push_back({{},
                                (folder / "ver_normal.jpg").string(),
                                (folder / "ver_over.jpg").string(),
                                {},
                                nativeLanguageName(folder)});
            }
            break;
        }
        default:
            return nullptr;
    }
    const SubMenuSource p = picturesOf(type);
    MenuLook look = owner.look(p.mask, p.normal, p.over, p.down, 15,
                               std::min(static_cast<int>(rows.size()), kMenuHitRows));
    look.align = RowTextAlign::Left;
    look.textX = 12;
    return std::unique_ptr<CSubMenuDlg>(
        new CSubMenuDlg(owner, type, slot, std::move(look), std::move(rows)));
}

std::optional<std::int32_t> CSubMenuDlg::codeOf(int row) const {
    if (row < 1 || row > rowCount())
        return std::nullopt;
    switch (type_) {
        case submenu::kExtraFunctions:
            return owner_.env().skin.functions().extraCodeAt(row);
        case submenu::kMoreFunctions:
            return 22 + row;
        case submenu::kProfileFunctions:
            return 18 + row;
        default:
            return std::nullopt;
    }
}

std::optional<int> CSubMenuDlg::insertValueOf(int row) const {
    const int base = insertBase(type_);
    if (base < 0 || row < 1 || row > rowCount())
        return std::nullopt;
    return base + row;
}

void CSubMenuDlg::hotChanged(int row) {
    if (type_ != submenu::kMacroGroups)
        return;
    const SkinRect& frame = owner_.frame(PopupLevel::SubMenu);
    owner_.openMacroChoice(row - 1, frame.x + frame.width + 2 * look().scale,
                           frame.y + (row - 1) * look().rowHeight * look().scale);
}

void CSubMenuDlg::released(int row) {
    if (row == NO_ITEM || row < 1 || row > rowCount())
        return;
    MenuEnvironment& env = owner_.env();
    if (const auto code = codeOf(row)) {
        const int keyNum = env.keyNum ? env.keyNum() : kButtonSlots;
        env.settings.edit([&](Settings& s) { button_function::assign(s, slot_, *code, keyNum); });
        env.queue.post({msg::WM_REPAINT, 0, 0});
        owner_.finish(true);
        return;
    }
    if (const auto value = insertValueOf(row)) {
        env.queue.post({msg::WM_MENU_PICK, 14, *value});
        owner_.finish(true);
        return;
    }
    switch (type_) {
        case submenu::kMoreLanguages:
            // The position in the whole list follows the menu's own rows.
            env.queue.post({msg::WM_MENU_CLOSED, 1, slot_ + row});
            env.queue.post({msg::WM_FONTS_CHANGED, 1, 0});
            owner_.finish(false);
            return;
        case submenu::kBrightness:
            env.settings.edit([&](Settings& s) { s.shared.ledBrightness = 8 - row; });
            break;
        case submenu::kSpeed:
            env.settings.edit(
                [&](Settings& s) { s.shared.ledCycleTime = static_cast<std::uint8_t>(row - 1); });
            break;
        case submenu::kKeyLighting:
            env.settings.edit([&](Settings& s) {
                if (slot_ >= 0 && slot_ < kButtonSlots)
                    s.current().buttons[static_cast<std::size_t>(slot_)].ledReactType = row - 1;
            });
            break;
        default:
            return;  // a macro group row leads to its macros; its release does nothing
    }
    env.queue.post({msg::WM_REPAINT, 0, 0});
    owner_.finish(true);
}

}  // namespace karvo
