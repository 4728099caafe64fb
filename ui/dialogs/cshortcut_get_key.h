// CShortcutGetKey: the combination key dialog of a button. The user toggles Ctrl, Shift, Alt
// and Win or holds them, presses a key, and confirms; the main window then stores the
// combination (WM_COMBINATION_SET) and the button plays it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "settings/settings_model.h"
#include "ui/dialogs/capture_parts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/image_state_window.h"

namespace karvo {

class CShortcutGetKey final : public SkinnedWindow {
  public:
    // Result of a cancel (entries 3 and 5).
    static constexpr int kCancelled = 8;
    static constexpr int kConfirmed = 1;
    static constexpr std::array<std::string_view, 4> kModifierNames = {"Ctrl", "Shift", "Alt",
                                                                       "Win"};
    static constexpr int kNoKey = 255;

    CShortcutGetKey(CaptureParts parts, SettingsModel& settings);

    // Shows the dialog for button `slot` of the current profile, centred in `desktop`, with the
    // button's stored combination, and runs it until it closes. `fromButtonMenu`: opened from
    // the button menu's combination row, so a confirmed combination also makes the button's
    // function the key combination. Returns the result (kConfirmed, kCancelled, 0).
    int run(int slot, bool fromButtonMenu, const SkinRect& desktop);

    // Fills the state from a stored combination, as the dialog opens.
    void prefill(std::int32_t function, std::string_view stored);
    // The text the confirm entry sends: the chosen modifiers in the order Ctrl, Shift, Alt, Win
    // and the key's name, joined by "&split&".
    std::string resultText() const;
    // What entry 0 shows: the modifiers joined by "+".
    std::string modifierText() const;

    bool modifier(int index) const { return modifiers_[static_cast<std::size_t>(index)]; }
    const std::string& keyName() const { return keyName_; }
    int keyCode() const { return keyCode_; }

    // Takes every key for capture; the base's navigation overload stays visible beside it.
    using SkinnedWindow::onKey;
    void onKey(const PhysicalKeyEvent& event);
    bool onMouseMove(std::int32_t x, std::int32_t y) override;
    bool onLeftDown(std::int32_t x, std::int32_t y) override;
    bool onLeftUp(std::int32_t x, std::int32_t y) override;
    bool onMouseLeave(bool) override { return false; }
    void paint(Canvas& canvas) override;
    std::optional<int> result() const override { return result_; }
    // Its entries for screen readers, from its control table.
    std::vector<AccessibleEntry> accessibleEntries() const override;

  private:
    void confirm();
    void clear();
    const SkinLayout& layout() const;

    CaptureParts parts_;
    SettingsModel& settings_;
    std::optional<DialogLayout> layout_;
    ImageStateWindow state_;
    std::array<bool, 4> modifiers_{};
    std::string keyName_;
    int keyCode_ = kNoKey;
    int slot_ = 0;
    bool fromButtonMenu_ = false;
    std::optional<int> result_;
};

}  // namespace karvo
