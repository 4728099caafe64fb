// CDialogGun: the gun preset dialog. It shows one preset's weapon picture and name, three value
// boxes (shots per press, fire interval, recoil compensation), the two playback mode buttons, OK,
// cancel and the button that opens the button-function menu. It edits a copy of the preset; only
// OK (or the menu's apply) stores and saves it, so cancel leaves the preset file as it was.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_queue.h"
#include "platform/notifier.h"
#include "services/macro_library.h"
#include "ui/dialogs/dialog_edit_boxes.h"
#include "ui/dialogs/modal_runner.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/keyboard_focus.h"
#include "ui/skin/skin_layout.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

class PopupMenus;

class CDialogGun final : public SkinnedWindow, public DialogEditBoxes {
  public:
    static constexpr std::string_view kMissingPictureText = "枪械图片丢失，未能对应!";
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    struct Pictures {
        std::string mask;          // gun_mask.jpg
        std::string normal;        // gun_normal.jpg
        std::string over;          // gun_over.jpg
        std::string down;          // gun_down.jpg
        std::string weaponFolder;  // <skins>/Gun: the weapon pictures 1.jpg, 2.jpg ...
    };

    // A value box: what it shows and whether it takes input.
    struct Box {
        std::string text;
        bool enabled = true;
        bool operator==(const Box&) const = default;
    };

    struct Parts {
        MacroLibrary& macros;
        MessageQueue& queue;
        Notifier& notifier;
        // The dialog's menu button was pressed: the opener shows the preset menu (for example
        // through openPresetMenu) for the dialog, whose presetIndex() is the shown preset.
        std::function<void(CDialogGun& dialog)> openMenu;
    };

    // `layout` is skin_gun.ini with its [EDIT] boxes; `scale` the layout scale.
    CDialogGun(Parts parts, SkinLayout layout, std::array<SkinBox, 3> editBoxes, Pictures pictures,
               int scale);
    // Closes the preset menu it opened, whose choice would reach a dialog that is gone.
    ~CDialogGun() override;
    CDialogGun(const CDialogGun&) = delete;
    CDialogGun& operator=(const CDialogGun&) = delete;

    // Reads the dialog's layout and runs it modally on the first preset, centred on `over`
    // (screen pixels). 0 when it could not open (no layout file, no presets).
    static int run(Parts parts, ModalRunner& runner, const std::filesystem::path& skinFolder,
                   const std::filesystem::path& languageFolder, int scale, const SkinRect& over);

    // Shows preset `index` (the first when beyond the presets); false when there is none.
    bool open(std::size_t index);
    std::size_t presetIndex() const { return index_; }
    const MacroRecord& preset() const { return preset_; }

    // The value boxes: 0 shots per press, 1 fire interval, 2 compensation strength; where the
    // platform places its edit boxes, and the text the user typed into one.
    const std::array<Box, 3>& boxes() const { return boxes_; }
    const std::array<SkinBox, 3>& editBoxes() const { return editBoxes_; }
    void onBoxEdited(int box, std::string_view text);

    // The button-function menu's apply for preset `index`: shots and strength from the boxes,
    // saved at once.
    void applyFromMenu(std::size_t index);
    // Another preset was chosen in the dialog's menu: the shown one keeps what its boxes say
    // (the menu's apply), then the chosen one is shown.
    void onPresetChosen(std::size_t index);

    // The names of the presets, in order: the rows of the preset menu.
    std::vector<std::string> presetNames() const;
    // Where the dialog stands on the screen (set by run; tests place it themselves).
    void setFrame(const SkinRect& frame) { frame_ = frame; }
    const SkinRect& frame() const { return frame_; }
    // Opens the preset menu (menu kind 9) below the dialog's menu button, its rows the preset
    // names with the shown one as the current choice. A choice of another preset runs
    // onPresetChosen, then `changed` (the platform shows the dialog's new state). False when
    // no menu opened.
    bool openPresetMenu(PopupMenus& menus, std::function<void()> changed);

    // SkinnedWindow.
    bool onMouseMove(std::int32_t x, std::int32_t y) override;
    bool onLeftDown(std::int32_t x, std::int32_t y) override;
    bool onLeftUp(std::int32_t x, std::int32_t y) override;
    bool onMouseLeave(bool leftButtonHeld) override;
    void paint(Canvas& canvas) override;
    std::optional<int> result() const override { return result_; }
    // Its entries for screen readers, from its control table.
    std::vector<AccessibleEntry> accessibleEntries() const override;
    // Tab, Enter and Space over its entries; Escape cancels as its close box does.
    bool onKey(NavigationKey key) override;
    int focusedEntry() const override { return focus_.focused(); }

    // DialogEditBoxes.
    std::size_t editBoxCount() const override { return boxes_.size(); }
    SkinBox editBox(std::size_t box) const override { return editBoxes_.at(box); }
    std::string editText(std::size_t box) const override { return boxes_.at(box).text; }
    bool editEnabled(std::size_t box) const override { return boxes_.at(box).enabled; }
    void onEditText(std::size_t box, std::string_view text) override {
        onBoxEdited(static_cast<int>(box), text);
    }

    // The number a box's text stands for: its digits, 0 without any.
    static int boxValue(std::string_view text);

  private:
    void showBoxes();
    void finish(int result);
    std::string weaponPicture() const;

    Parts parts_;
    SkinLayout layout_;
    KeyboardFocus focus_;
    std::array<SkinBox, 3> editBoxes_;
    Pictures pictures_;
    int scale_ = 1;
    ImageStateWindow state_;
    std::size_t index_ = 0;
    std::size_t presetCount_ = 0;
    MacroRecord preset_;
    std::array<Box, 3> boxes_;
    std::optional<int> result_;
    bool pictureWarned_ = false;
    SkinRect frame_{};
    PopupMenus* openedMenus_ = nullptr;
};

}  // namespace karvo
