// Opening, stacking and closing the pop-up menus; see popup_menus.h.
#include "ui/dialogs/popup_menus.h"

#include <algorithm>
#include <filesystem>

#include "app/window_messages.h"
#include "services/language_fallback.h"
#include "services/language_text_index.h"
#include "ui/dialogs/button_function.h"
#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/csub_menu_dlg.h"
#include "ui/dialogs/mac_sel_menu_dlg.h"
#include "ui/skin/layout_index.h"

namespace karvo {

PopupMenus::PopupMenus(MenuEnvironment env) : env_(std::move(env)) {
    env_.host.setCancelHandler([this] { cancel(); });
}

PopupMenus::~PopupMenus() {
    env_.host.setCancelHandler({});
    closeAll();
}

std::string PopupMenus::picture(std::string_view name) const {
    return (env_.paths.skinFolder / std::filesystem::path(std::string(name))).string();
}

MenuLook PopupMenus::look(std::string_view mask, std::string_view normal, std::string_view over,
                          std::string_view down, int divisor, int visibleRows) const {
    MenuLook look;
    look.pictures = {picture(mask), picture(normal), picture(over), picture(down)};
    const TextSize size = env_.host.pictureSize(look.pictures.mask);
    look.width = size.width;
    look.rowHeight = divisor > 0 ? size.height / divisor : 0;
    look.visibleRows = visibleRows;
    look.scale = env_.skin.scale();
    return look;
}

SkinRect PopupMenus::fitted(SkinRect frame) const {
    const SkinRect area = env_.host.workArea();
    if (area.empty())
        return frame;
    frame.x = std::max(area.x, std::min(frame.x, area.x + area.width - frame.width));
    frame.y = std::max(area.y, std::min(frame.y, area.y + area.height - frame.height));
    return frame;
}

bool PopupMenus::open(MenuKind kind, std::int32_t x, std::int32_t y, MenuOptions options) {
    closeAll();
    retired_.clear();
    lightingMenu_ = false;
    if (kind == MenuKind::ButtonFunction)
        editedSlot_ = options.slot;
    menu_ = CMenuDlg::create(*this, kind, std::move(options));
    if (!menu_)
        return false;
    const TextSize size = menu_->size();
    frames_[0] = fitted({x, y, size.width, size.height});
    env_.host.show(PopupLevel::Menu, *menu_, frames_[0]);
    if (kind == MenuKind::Language &&
        static_cast<int>(offeredLanguages().size()) > menu_->rowCount()) {
        // The second column stands to the right, or to the left where the right has no room.
        const SkinRect area = env_.host.workArea();
        std::int32_t x2 = frames_[0].x + frames_[0].width;
        if (!area.empty() && x2 + frames_[0].width > area.x + area.width)
            x2 = frames_[0].x - frames_[0].width;
        openSubMenu(submenu::kMoreLanguages, menu_->rowCount(), x2, frames_[0].y);
    }
    return true;
}

bool PopupMenus::openButtonMenu(int slot, const SkinRect& entry) {
    const int keyNum = env_.keyNum ? env_.keyNum() : kButtonSlots;
    if (slot < 0 || slot >= keyNum)
        return false;
    const bool allowed = env_.settings.read([&](const Settings& s) {
        return button_function::anotherHasPrimaryClick(s, slot, keyNum);
    });
    if (!allowed) {
        env_.notifier.tipText(text::tip::kNotPossible);
        return false;
    }
    MenuOptions options;
    options.slot = slot;
    closeAll();
    // Below the entry, against its right edge; above it when the menu would leave the
    // working area.
    std::unique_ptr<CMenuDlg> probe = CMenuDlg::create(*this, MenuKind::ButtonFunction, {});
    const std::int32_t height = probe ? probe->size().height : 0;
    const SkinRect area = env_.host.workArea();
    std::int32_t y = entry.y + entry.height;
    if (!area.empty() && y + height > area.y + area.height)
        y = entry.y - height;
    return open(MenuKind::ButtonFunction, entry.x + entry.width, y, std::move(options));
}

bool PopupMenus::openLightingMenu(int entryIndex, const SkinRect& entry) {
    namespace li = skin::lighting;
    const std::int32_t x = entry.x + entry.width;
    const std::int32_t y = entry.y;
    bool opened = false;
    if (entryIndex == li::kEffectMenu) {
        opened = open(MenuKind::LightingMode, entry.x, entry.y + entry.height);
    } else if (entryIndex == li::kBrightness || entryIndex == li::kSpeed) {
        closeAll();
        retired_.clear();
        openSubMenu(entryIndex == li::kBrightness ? submenu::kBrightness : submenu::kSpeed, -1, x,
                    y);
        opened = subMenu_ != nullptr;
    } else if (entryIndex >= li::kReactionMenuFirst &&
               entryIndex < li::kReactionMenuFirst + kButtonSlots) {
        MenuOptions options;
        options.slot = entryIndex - li::kReactionMenuFirst;
        opened = open(MenuKind::LightingValue, x, y, std::move(options));
    }
    lightingMenu_ = opened;
    return opened;
}

bool PopupMenus::isLightingMenuOpen() const {
    return lightingMenu_ && isOpen();
}

bool PopupMenus::openLanguageMenu(const SkinRect& entry) {
    return open(MenuKind::Language, entry.x, entry.y + entry.height);
}

bool PopupMenus::openMoreMenu(const SkinRect& entry) {
    return open(MenuKind::More, entry.x, entry.y + entry.height);
}

void PopupMenus::openSubMenu(int type, int slot, std::int32_t x, std::int32_t y) {
    closeSubMenus();
    subMenu_ = CSubMenuDlg::create(*this, type, slot);
    if (!subMenu_)
        return;
    const TextSize size = subMenu_->size();
    if (type == submenu::kMacroGroups && menu_) {
        // Keep the whole list beside the menu: end it with the menu when it would run on.
        const std::int32_t bottom = frames_[0].y + frames_[0].height;
        if (y + size.height > bottom)
            y = std::max(frames_[0].y, bottom - size.height);
    }
    frames_[1] = fitted({x, y, size.width, size.height});
    env_.host.show(PopupLevel::SubMenu, *subMenu_, frames_[1]);
}

void PopupMenus::openMacroChoice(int group, std::int32_t x, std::int32_t y) {
    if (macroChoice_) {
        env_.host.hide(PopupLevel::MacroChoice);
        retired_.push_back(std::move(macroChoice_));
    }
    macroChoice_ = MacSelMenuDlg::create(*this, group);
    if (!macroChoice_ || macroChoice_->rowCount() == 0) {
        macroChoice_.reset();
        return;
    }
    const TextSize size = macroChoice_->size();
    frames_[2] = fitted({x, y, size.width, size.height});
    env_.host.show(PopupLevel::MacroChoice, *macroChoice_, frames_[2]);
}

void PopupMenus::closeSubMenus() {
    if (macroChoice_) {
        env_.host.hide(PopupLevel::MacroChoice);
        retired_.push_back(std::move(macroChoice_));
    }
    if (subMenu_) {
        env_.host.hide(PopupLevel::SubMenu);
        retired_.push_back(std::move(subMenu_));
    }
}

void PopupMenus::closeAll() {
    closeSubMenus();
    if (menu_) {
        env_.host.hide(PopupLevel::Menu);
        retired_.push_back(std::move(menu_));
    }
    lightingMenu_ = false;
}

void PopupMenus::finish(bool notify) {
    closeAll();
    if (notify)
        env_.queue.post({msg::WM_MENU_CLOSED, 0, 0});
}

void PopupMenus::cancel() {
    if (isOpen())
        finish(true);
}

bool PopupMenus::isOpen() const {
    return menu_ || subMenu_ || macroChoice_;
}

const std::vector<int>& PopupMenus::offeredLanguages() {
    if (!offeredRead_) {
        offeredRead_ = true;
        offered_ = shippedLanguages(env_.paths.skinFolder);
    }
    return offered_;
}

std::optional<int> PopupMenus::offeredLanguage(int row) {
    const std::vector<int>& offered = offeredLanguages();
    if (row < 1 || row > static_cast<int>(offered.size()))
        return std::nullopt;
    return offered[static_cast<std::size_t>(row - 1)];
}

}  // namespace karvo
