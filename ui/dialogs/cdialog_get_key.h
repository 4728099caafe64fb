// CDialogGetKey: captures one key for a macro step. While it is open every key event goes to
// the main window as the key message with its virtual-key code (the macro editor keeps the
// last one) and reaches no other program; OK sends WM_KEY_CAPTURED, Cancel just closes.
#pragma once

#include <optional>
#include <string>

#include "ui/dialogs/capture_parts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/image_state_window.h"

namespace karvo {

class CDialogGetKey final : public SkinnedWindow {
  public:
    static constexpr int kOk = 1;
    static constexpr int kCancelled = 2;

    explicit CDialogGetKey(CaptureParts parts);

    // Shows the dialog with its top-left corner at x, y (screen pixels; the opener puts it
    // 330, 280 times the scale from the main window's corner) showing `currentName`, the
    // step's key, and runs it until it closes. Returns kOk, kCancelled or 0.
    int run(std::string currentName, std::int32_t x, std::int32_t y);

    // The name shown in the key field: the step's key, then the last key pressed.
    const std::string& keyName() const { return keyName_; }
    // The virtual-key code of the last key pressed, if any.
    std::optional<int> capturedKey() const { return captured_; }

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

    // For tests that drive the dialog without running it.
    void setLayout(std::optional<DialogLayout> layout) { layout_ = std::move(layout); }

  private:
    const SkinLayout& layout() const;

    CaptureParts parts_;
    std::optional<DialogLayout> layout_;
    ImageStateWindow state_;
    std::string keyName_;
    std::optional<int> captured_;
    std::optional<int> result_;
};

}  // namespace karvo
