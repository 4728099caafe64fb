// The gun preset dialog; see dialog_gun.h.
#include "ui/dialogs/dialog_gun.h"

#include <algorithm>
#include <filesystem>

#include "app/window_messages.h"
#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/popup_menus.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/layout_access.h"
#include "ui/skin/layout_index.h"

namespace karvo {

namespace gl = skin::gun;

CDialogGun::CDialogGun(Parts parts, SkinLayout layout, std::array<SkinBox, 3> editBoxes,
                       Pictures pictures, int scale)
    : parts_(std::move(parts)),
      layout_(std::move(layout)),
      editBoxes_(editBoxes),
      pictures_(std::move(pictures)),
      scale_(std::max(scale, 1)) {}

CDialogGun::~CDialogGun() {
    if (openedMenus_ && openedMenus_->menu() && openedMenus_->menu()->kind() == MenuKind::GunMacro)
        openedMenus_->closeAll();
}

int CDialogGun::run(Parts parts, ModalRunner& runner, const std::filesystem::path& skinFolder,
                    const std::filesystem::path& languageFolder, int scale, const SkinRect& over) {
    const auto layout = DialogLayout::load(languageFolder, LayoutFile::Gun, scale, parts.notifier);
    if (!layout)
        return 0;
    const auto picture = [&](const char* name) { return (skinFolder / name).string(); };
    CDialogGun dialog(std::move(parts), layout->layout(), layout->editFields(),
                      {picture("gun_mask.jpg"), picture("gun_normal.jpg"), picture("gun_over.jpg"),
                       picture("gun_down.jpg"), (skinFolder / "Gun").string()},
                      scale);
    if (!dialog.open(0))
        return 0;
    const TextSize size = runner.pictureSize(dialog.pictures_.normal);
    const std::int32_t width = size.width * std::max(scale, 1);
    const std::int32_t height = size.height * std::max(scale, 1);
    const SkinRect frame{over.x + (over.width - width) / 2, over.y + (over.height - height) / 2,
                         width, height};
    dialog.setFrame(frame);
    return runner.run(dialog, frame);
}

bool CDialogGun::open(std::size_t index) {
    result_.reset();
    const auto copy = parts_.macros.withPresets([&](GunPresets& presets) {
        presetCount_ = presets.count();
        if (presetCount_ == 0)
            return std::optional<MacroRecord>();
        if (index >= presetCount_)
            index = 0;
        return std::optional<MacroRecord>(*presets.preset(index));
    });
    if (!copy)
        return false;
    index_ = index;
    preset_ = *copy;
    showBoxes();
    // Told once per dialog, not at every paint: the notice is a dialog of its own.
    std::error_code error;
    if (!std::filesystem::exists(weaponPicture(), error) && !pictureWarned_) {
        pictureWarned_ = true;
        parts_.notifier.message(kMissingPictureText);
    }
    return true;
}

void CDialogGun::showBoxes() {
    boxes_[gl::kEditRepeat] = {std::to_string(GunPresets::repeatBoxValue(preset_)),
                               GunPresets::repeatBoxEnabled(preset_)};
    boxes_[gl::kEditInterval] = {std::to_string(preset_.steps[0].delay), true};
    const int strength = preset_.extraA != 0 ? GunPresets::clampStrength(preset_.extraB)
                                             : GunPresets::kDefaultStrength;
    boxes_[gl::kEditStrength] = {std::to_string(strength), true};
}

int CDialogGun::boxValue(std::string_view text) {
    long long value = 0;
    for (const char c : text)
        if (c >= '0' && c <= '9')
            value = std::min<long long>(value * 10 + (c - '0'), 1'000'000);
    return static_cast<int>(value);
}

void CDialogGun::onBoxEdited(int box, std::string_view text) {
    if (box < 0 || box >= static_cast<int>(boxes_.size()) ||
        !boxes_[static_cast<std::size_t>(box)].enabled)
        return;
    boxes_[static_cast<std::size_t>(box)].text = std::string(text);
}

void CDialogGun::applyFromMenu(std::size_t index) {
    const int repeat = boxValue(boxes_[gl::kEditRepeat].text);
    const int strength = boxValue(boxes_[gl::kEditStrength].text);
    parts_.macros.withPresets([&](GunPresets& presets) {
        MacroRecord* stored = presets.preset(index);
        if (stored && index == index_) {
            const MacroRecord before = *stored;
            stored->mode = preset_.mode;
            if (!presets.applyFromMenu(index, repeat, strength))
                *stored = before;
            return;
        }
        presets.applyFromMenu(index, repeat, strength);
    });
    if (index == index_)
        open(index_);
}

void CDialogGun::onPresetChosen(std::size_t index) {
    if (index == index_)
        return;
    applyFromMenu(index_);
    open(index);
}

std::vector<std::string> CDialogGun::presetNames() const {
    return parts_.macros.withPresets([](GunPresets& presets) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < presets.count(); ++i)
            names.push_back(presets.preset(i) ? presets.preset(i)->nameUtf8() : std::string());
        return names;
    });
}

bool CDialogGun::openPresetMenu(PopupMenus& menus, std::function<void()> changed) {
    MenuOptions options;
    options.texts = presetNames();
    if (options.texts.empty())
        return false;
    options.rows = static_cast<int>(options.texts.size());
    options.currentChoice = static_cast<int>(index_);
    options.onChoice = [this, changed = std::move(changed)](int chosen, int) {
        if (chosen < 0)
            return;
        onPresetChosen(static_cast<std::size_t>(chosen));
        if (changed)
            changed();
    };
    // Below the menu button, on the screen.
    const SkinRect button = toPicture(layout_.rect(gl::kMenu), scale_);
    const bool opened = menus.open(MenuKind::GunMacro, frame_.x + button.x,
                                   frame_.y + button.y + button.height, std::move(options));
    if (opened)
        openedMenus_ = &menus;
    return opened;
}

void CDialogGun::finish(int result) {
    result_ = result;
    parts_.queue.post({msg::WM_GUN_DIALOG_DONE, static_cast<std::uintptr_t>(result), 0});
}

bool CDialogGun::onMouseMove(std::int32_t x, std::int32_t y) {
    return state_.moveTo(layout_, x, y, static_cast<int>(layout_.size()) - 1);
}

bool CDialogGun::onLeftDown(std::int32_t x, std::int32_t y) {
    state_.moveTo(layout_, x, y, static_cast<int>(layout_.size()) - 1);
    return state_.press();
}

bool CDialogGun::onLeftUp(std::int32_t x, std::int32_t y) {
    const bool wasPressed = state_.pressed();
    const int pressedOn = state_.hot();
    state_.release();
    state_.moveTo(layout_, x, y, static_cast<int>(layout_.size()) - 1);
    if (!wasPressed || state_.hot() != pressedOn)
        return true;
    switch (pressedOn) {
        case gl::kPicture:
            // A click on the weapon shows the next preset: the dialog's way through the list.
            if (presetCount_ > 1)
                open((index_ + 1) % presetCount_);
            break;
        case gl::kModeCount:
            GunPresets::setMode0(preset_);
            showBoxes();
            break;
        case gl::kModeHeld:
            GunPresets::setMode2(preset_);
            showBoxes();
            break;
        case gl::kOk: {
            const int repeat = boxValue(boxes_[gl::kEditRepeat].text);
            const int interval = boxValue(boxes_[gl::kEditInterval].text);
            const int strength = boxValue(boxes_[gl::kEditStrength].text);
            parts_.macros.withPresets([&](GunPresets& presets) {
                MacroRecord* stored = presets.preset(index_);
                if (!stored)
                    return;
                const MacroRecord before = *stored;
                stored->mode = preset_.mode;
                stored->repeatCount = preset_.repeatCount;
                if (!presets.applyOk(index_, repeat, interval, strength))
                    *stored = before;
            });
            finish(kOk);
            break;
        }
        case gl::kCancel:
        case gl::kClose:
            finish(kCancel);
            break;
        case gl::kMenu:
            if (parts_.openMenu)
                parts_.openMenu(*this);
            break;
        default:
            break;
    }
    return true;
}

bool CDialogGun::onMouseLeave(bool) {
    return state_.moveTo(layout_, -1, -1, static_cast<int>(layout_.size()) - 1);
}

std::string CDialogGun::weaponPicture() const {
    return pictures_.weaponFolder + "/" + std::to_string(index_ + 1) + ".jpg";
}

void CDialogGun::paint(Canvas& canvas) {
    canvas.begin(pictures_.normal);
    const int hot = state_.hot();
    // The mode buttons show the preset's mode from the down picture.
    const int modeEntry = (preset_.mode & 0x03) == 2
                              ? gl::kModeHeld
                              : ((preset_.mode & 0x03) == 0 ? gl::kModeCount : -1);
    if (modeEntry >= 0)
        ImageStateWindow::copyEntry(canvas, pictures_.down, layout_, modeEntry, scale_);
    if (hot != NO_ITEM && hot != modeEntry && hot != gl::kPicture)
        ImageStateWindow::copyEntry(canvas, state_.pressed() ? pictures_.down : pictures_.over,
                                    layout_, hot, scale_);
    const SkinRect picture = toPicture(layout_.rect(gl::kPicture), scale_);
    canvas.drawPicture(weaponPicture(), picture.x, picture.y);
    drawCentredText(canvas, preset_.nameUtf8(), toPicture(layout_.rect(gl::kName), scale_),
                    FontRole::Large, kWhite);
    for (const int caption : {gl::kModeCount, gl::kModeHeld, gl::kOk, gl::kCancel, gl::kMenu})
        drawCentredText(canvas, layout_.text(caption), toPicture(layout_.rect(caption), scale_),
                        FontRole::Body, kWhite);
    for (const int caption :
         {gl::kCaptionRepeat, gl::kCaptionInterval, gl::kCaptionStrength, gl::kTitle}) {
        const SkinRect r = toPicture(layout_.rect(caption), scale_);
        canvas.drawText(layout_.text(caption), r.x, r.y,
                        caption == gl::kTitle ? FontRole::Larger : FontRole::Body, kWhite);
    }
    focus_.paint(canvas, accessibleEntries(), scale_);
    canvas.finish(scale_);
}

bool CDialogGun::onKey(NavigationKey key) {
    if (key == NavigationKey::Escape) {
        finish(kCancel);
        return true;
    }
    bool repaint = false;
    focus_.handle(*this, accessibleEntries(), key, repaint);
    return repaint;
}

std::vector<AccessibleEntry> CDialogGun::accessibleEntries() const {
    return layoutEntries(LayoutFile::Gun, layout_);
}

}  // namespace karvo
