// The pop-up menu of every kind: its rows and what a release on each does; see cmenu_dlg.h.
#include "ui/dialogs/cmenu_dlg.h"

#include <array>

#include "app/window_messages.h"
#include "services/language_text_index.h"
#include "ui/dialogs/button_function.h"
#include "ui/dialogs/language_names.h"

namespace karvo {

namespace {

std::vector<MenuRow> textRows(const LanguageTextTable& texts, TextSection section, int first,
                              int count) {
    std::vector<MenuRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({texts.text(section, first + i), {}, {}, {}});
    return rows;
}

// The lighting step effects a row stores in byte 4 of the step's record.
constexpr std::array<std::uint8_t, 6> kStepEffects = {1, 2, 3, 6, 7, 9};
constexpr std::uint8_t kOtherStepEffect = 7;

}  // namespace

CMenuDlg::CMenuDlg(PopupMenus& owner, MenuKind kind, MenuOptions options, MenuLook look,
                   std::vector<MenuRow> rows, int items)
    : MenuWindow(std::move(look), std::move(rows)),
      owner_(owner),
      kind_(kind),
      options_(std::move(options)),
      items_(items) {}

std::unique_ptr<CMenuDlg> CMenuDlg::create(PopupMenus& owner, MenuKind kind, MenuOptions options) {
    MenuEnvironment& env = owner.env();
    const LanguageTextTable& texts = env.texts;
    const MenuKindInfo& info = menuKindInfo(kind);
    std::vector<MenuRow> rows;
    int items = 0;
    int visible = 0;
    const auto optionRows = [&](int own) { return options.rows > 0 ? options.rows : own; };
    // Only the items the opener lists, in its order; their numbers stay what a release picks.
    const auto chosenItems = [&](std::vector<MenuRow> all) {
        if (options.items.empty())
            return all;
        std::vector<MenuRow> shown;
        std::vector<int> kept;
        for (const int item : options.items) {
            if (item >= 1 && item <= static_cast<int>(all.size())) {
                shown.push_back(all[static_cast<std::size_t>(item - 1)]);
                kept.push_back(item);
            }
        }
        options.items = std::move(kept);
        options.rows = static_cast<int>(shown.size());
        return shown;
    };
    switch (kind) {
        case MenuKind::Profile:
            items = visible = 4;
            for (int p = 0; p < 4; ++p)
                rows.push_back({{}, {}, {}, {}, env.skin.main().text(10 + p)});
            break;
        case MenuKind::ButtonFunction:
            // Rows 12 and 13 of the picture are cut off.
            items = visible = 11;
            for (int r = 1; r <= items; ++r)
                rows.push_back({env.skin.functions().name(r), {}, {}, {}});
            break;
        case MenuKind::MacroGroup:
            env.macros.withGroups([&](MacroGroup& groups) {
                for (const std::string& name : groups.groupNames())
                    rows.push_back({name, {}, {}, {}});
            });
            items = visible = static_cast<int>(rows.size());
            break;
        case MenuKind::More:
            // The window words the rows (the first shows whether the program starts with the
            // session); a menu opened without them shows the pictures' symbols alone.
            for (const std::string& text : options.texts)
                rows.push_back({text, {}, {}, {}});
            items = visible = 3;
            rows.resize(3);
            break;
        case MenuKind::LightingMode:
            // The mouse offers all fourteen effects.
            rows = textRows(texts, TextSection::Led, text::led::kEffectFirst, text::led::kEffects);
            items = visible = text::led::kEffects;
            break;
        case MenuKind::LightingValue:
            rows =
                textRows(texts, TextSection::Led, text::led::kReactionFirst, text::led::kReactions);
            items = visible = text::led::kReactions;
            break;
        case MenuKind::StepEffect:
            rows = textRows(texts, TextSection::Led, text::led::kStepEffectFirst,
                            text::led::kStepEffects);
            items = kMenuHitRows;
            visible = 5;
            break;
        case MenuKind::StepColour: {
            const Settings now = env.settings.snapshot();
            for (int r = 1; r <= kUserColours; ++r) {
                // Colour table entry r + 5: the r-th user colour.
                MenuRow row;
                row.fill = screenColour(now.shared.userColour[static_cast<std::size_t>(r - 1)]);
                const std::string& colour = texts.text(TextSection::Other, text::other::kColour);
                row.name =
                    (colour.empty() ? std::string("Colour") : colour) + " " + std::to_string(r);
                rows.push_back(row);
            }
            items = visible = kUserColours;
            break;
        }
        case MenuKind::StepCount:
            items = visible = 5;
            for (int r = 1; r <= 5; ++r)
                rows.push_back({{}, {}, {}, {}, std::to_string(r)});
            break;
        case MenuKind::GunMacro:
            for (const std::string& name : options.texts)
                rows.push_back({name, {}, {}, {}});
            items = visible = optionRows(static_cast<int>(rows.size()));
            break;
        case MenuKind::Language: {
            // More languages than the menu's rows: the rest stand beside it (PopupMenus).
            const std::vector<int>& offered = owner.offeredLanguages();
            const std::size_t shown = offered.size() > static_cast<std::size_t>(kMenuHitRows)
                                          ? static_cast<std::size_t>(PopupMenus::kLanguageRows)
                                          : offered.size();
            for (std::size_t i = 0; i < shown; ++i) {
                const int language = offered[i];
                const auto folder =
                    env.paths.skinFolder / std::string(languageFolderName(language));
                rows.push_back({{},
                                (folder / "ver_normal.jpg").string(),
                                (folder / "ver_over.jpg").string(),
                                {},
                                nativeLanguageName(folder)});
            }
            items = static_cast<int>(rows.size());
            visible = items == 0 ? 2 : items;
            break;
        }
        case MenuKind::MacroStep:
            rows = chosenItems(textRows(texts, TextSection::DevMac, text::devmac::kGroupMenuFirst,
                                        text::devmac::kGroupMenuRows));
            items = visible = optionRows(static_cast<int>(rows.size()));
            break;
        case MenuKind::MacroMenu:
        case MenuKind::KeyValue: {
            const bool macro = kind == MenuKind::MacroMenu;
            if (owner.env().host.pictureSize(owner.picture(info.mask)).width == 0) {
                env.notifier.message(macro ? "找不到 MacR_mask.jpg" : "找不到 MacR_mask2.jpg");
                return nullptr;
            }
            rows = chosenItems(
                macro ? textRows(texts, TextSection::DevMac, text::devmac::kMacroMenuFirst,
                                 text::devmac::kMacroMenuRows)
                      : textRows(texts, TextSection::DevMac, text::devmac::kKeyMenuFirst,
                                 text::devmac::kKeyMenuRows));
            items = visible = optionRows(static_cast<int>(rows.size()));
            break;
        }
        case MenuKind::Insert:
            rows = textRows(texts, TextSection::DevMac, text::devmac::kInsertMenuFirst,
                            text::devmac::kInsertMenuRows);
            items = visible = optionRows(text::devmac::kInsertMenuRows);
            break;
    }
    MenuLook look = owner.look(info.mask, info.normal, info.over, info.down, info.divisor, visible);
    look.align = info.align;
    look.textX = info.textX;
    return std::unique_ptr<CMenuDlg>(
        new CMenuDlg(owner, kind, std::move(options), std::move(look), std::move(rows), items));
}

int CMenuDlg::subMenuOf(int row) const {
    if (kind_ == MenuKind::ButtonFunction) {
        switch (row) {
            case 7:
                return submenu::kExtraFunctions;
            case 8:
                return submenu::kMoreFunctions;
            case 9:
                return submenu::kMacroGroups;
            case 11:
                return submenu::kProfileFunctions;
            default:
                return 0;
        }
    }
    if (kind_ == MenuKind::Insert && row >= 1 && row <= 4)
        return submenu::kInsertButtonsBefore + row - 1;
    return 0;
}

void CMenuDlg::hotChanged(int row) {
    if (kind_ == MenuKind::Language)
        return;  // its second column stays beside it
    const int type = subMenuOf(row);
    if (type == 0) {
        owner_.closeSubMenus();
        return;
    }
    const SkinRect& frame = owner_.frame(PopupLevel::Menu);
    const std::int32_t h = look().rowHeight * look().scale;
    // The button menu's sub-menus open a fixed number of rows below the menu's top; the
    // macro groups are placed by their own count, the insert menu's beside their row.
    int rowsDown = row - 1;
    if (kind_ == MenuKind::ButtonFunction) {
        switch (type) {
            case submenu::kExtraFunctions:
                rowsDown = 4;
                break;
            case submenu::kMoreFunctions:
                rowsDown = 1;
                break;
            case submenu::kProfileFunctions:
                rowsDown = 9;
                break;
            default:
                rowsDown = 8;
                break;
        }
    }
    owner_.openSubMenu(type, options_.slot, frame.x + frame.width + 2 * look().scale,
                       frame.y + rowsDown * h);
}

void CMenuDlg::assign(std::int32_t code) {
    MenuEnvironment& env = owner_.env();
    const int keyNum = env.keyNum ? env.keyNum() : kButtonSlots;
    env.settings.edit(
        [&](Settings& s) { button_function::assign(s, options_.slot, code, keyNum); });
    env.queue.post({msg::WM_REPAINT, 0, 0});
}

void CMenuDlg::released(int row) {
    // A release off the rows, or on a row the kind does not have, is ignored.
    if (row == NO_ITEM || row < 1 || row > items_)
        return;
    MenuEnvironment& env = owner_.env();
    MessageQueue& queue = env.queue;
    const auto setLed = [&](int index, std::uint8_t value) {
        if (options_.setLedByte)
            options_.setLedByte(index, value);
    };
    switch (kind_) {
        case MenuKind::Profile:
            env.settings.edit([&](Settings& s) { s.currentProfile = row - 1; });
            owner_.finish(true);
            return;
        case MenuKind::ButtonFunction:
            if (row <= 6) {
                assign(row);
                owner_.finish(true);
            } else if (row == 10) {
                // The slot, and 1: the dialog comes from this row, so a combination it
                // confirms makes the button's function the key combination.
                owner_.finish(true);
                queue.post(
                    {msg::WM_EDIT_COMBINATION, static_cast<std::uintptr_t>(options_.slot), 1});
            }
            return;  // rows 7, 8, 9 and 11 only open their sub-menus
        case MenuKind::MacroGroup:
        case MenuKind::GunMacro:
            if (options_.onChoice && row != options_.currentChoice + 1)
                options_.onChoice(row - 1, options_.currentChoice);
            owner_.finish(true);
            return;
        case MenuKind::More:
            // Row 2 is the About box; the window acts on the others (start with the session,
            // write everything to the mouse).
            if (row == 2)
                queue.post({msg::WM_SYSCOMMAND, msg::IDM_ABOUTBOX, 0});
            else
                queue.post({msg::WM_MENU_PICK, static_cast<std::uintptr_t>(kind_), row});
            owner_.finish(true);
            return;
        case MenuKind::LightingMode:
            env.settings.edit([&](Settings& s) {
                s.shared.ledType = static_cast<std::uint8_t>(row - 1);
                s.shared.ledDirection = 0;
            });
            queue.post({msg::WM_REPAINT, 0, 0});
            owner_.finish(true);
            return;
        case MenuKind::LightingValue:
            env.settings.edit([&](Settings& s) {
                if (options_.slot >= 0 && options_.slot < kButtonSlots)
                    s.current().buttons[static_cast<std::size_t>(options_.slot)].ledReactType =
                        row - 1;
            });
            queue.post({msg::WM_REPAINT, 0, 0});
            owner_.finish(true);
            return;
        case MenuKind::StepEffect:
            setLed(4, row <= static_cast<int>(kStepEffects.size())
                          ? kStepEffects[static_cast<std::size_t>(row - 1)]
                          : kOtherStepEffect);
            queue.post({msg::WM_MACRO_GROUP_SHOW_1, static_cast<std::uintptr_t>(row - 1), 0});
            owner_.finish(true);
            return;
        case MenuKind::StepColour:
            setLed(5, static_cast<std::uint8_t>(row));
            queue.post({msg::WM_MACRO_GROUP_SHOW_2, static_cast<std::uintptr_t>(row), 0});
            owner_.finish(true);
            return;
        case MenuKind::StepCount:
            setLed(0, static_cast<std::uint8_t>(row));
            queue.post({msg::WM_MACRO_GROUP_SHOW_3, static_cast<std::uintptr_t>(row), 0});
            owner_.finish(true);
            return;
        case MenuKind::Language:
            // WM_MENU_CLOSED (1, r) is the switch itself; it also clears the menu flag.
            queue.post({msg::WM_MENU_CLOSED, 1, row});
            queue.post({msg::WM_FONTS_CHANGED, 1, 0});
            owner_.finish(false);
            return;
        case MenuKind::MacroStep:
        case MenuKind::MacroMenu:
        case MenuKind::KeyValue: {
            const auto shown = static_cast<std::size_t>(row - 1);
            const int item = shown < options_.items.size() ? options_.items[shown] : row;
            queue.post({msg::WM_MENU_PICK, static_cast<std::uintptr_t>(kind_), item});
            owner_.finish(true);
            return;
        }
        case MenuKind::Insert:
            if (row >= 5) {
                queue.post({msg::WM_MENU_PICK, 14, 140 + row});
                owner_.finish(true);
            }
            return;
    }
}

}  // namespace karvo
