// WarningDlg: the one skinned dialog through which every notice of the window program is shown,
// a picture with a message and two buttons. It is the window's Notifier: a notice raised on the
// window thread is shown at once; one raised on another thread is queued and shown when the
// window thread handles WM_SHOW_NOTICES, since no other thread may open a window.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "platform/message_queue.h"
#include "platform/notifier.h"
#include "services/language_text.h"
#include "ui/dialogs/modal_runner.h"
#include "ui/skin/keyboard_focus.h"
#include "ui/skin/skin_layout.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

class WarningDlg final : public Notifier, public SkinnedWindow {
  public:
    // Where the main window is: placement mode 0 while it is on screen, 2 while it is hidden in
    // the tray; its top-left corner; and the desktop's rectangle.
    struct Placement {
        int mode = 0;
        std::int32_t mainLeft = 0;
        std::int32_t mainTop = 0;
        SkinRect desktop;
    };

    struct Pictures {
        std::string mask;    // warning_mask.jpg
        std::string normal;  // warning_normal.jpg
        std::string over;    // warning_over.jpg
    };

    WarningDlg(ModalRunner& runner, MessageQueue& queue, Pictures pictures);

    // The language texts, the LBWarning.ini layout and the layout scale; until they are set
    // (early in start-up) notices show a plain English line in the same dialog.
    void setSkin(const LanguageTextTable* texts, const SkinLayout* layout, int scale);
    void setPlacement(std::function<Placement()> placement) { placement_ = std::move(placement); }

    // Shows the message modally on the window thread; 1 when the first button was released,
    // 2 for the second, 0 when the dialog was ended from outside.
    int showWarning(const std::string& message);

    // The dialog's top-left corner for a dialog of `size` (already scaled): 330, 280 (times the
    // scale) from the main window's corner in mode 0, centred on the desktop in mode 2.
    static SkinRect frameFor(const Placement& placement, TextSize size, int scale);

    // Notifier: from any thread.
    void tipText(int index, std::string_view suffix = {}) override;
    void message(std::string_view text) override;
    // Shows the notices queued by other threads, oldest first (on WM_SHOW_NOTICES).
    void showQueued();

    // The program is ending: an open notice is ended (its showWarning returns 0) and no dialog
    // opens any more. Notices raised from now on, and those still queued, are written to the
    // standard error stream, so a worker's last word is not lost with the window.
    void close();
    bool closed() const;

    // SkinnedWindow: the dialog of the notice being shown.
    bool onMouseMove(std::int32_t x, std::int32_t y) override;
    bool onLeftDown(std::int32_t, std::int32_t) override { return false; }
    bool onLeftUp(std::int32_t x, std::int32_t y) override;
    bool onMouseLeave(bool) override { return false; }
    void paint(Canvas& canvas) override;
    std::optional<int> result() const override { return result_; }
    // The keyboard: Tab over the two buttons, Enter or Space on one releases it (with none
    // focused, the first), Escape closes the notice as the second does. Screen readers hear
    // the notice as the dialog's name.
    std::string accessibleName() const override { return message_; }
    std::vector<AccessibleEntry> accessibleEntries() const override;
    int focusedEntry() const override { return focus_.focused(); }
    bool onKey(NavigationKey key) override;
    bool activate(int id) override;

    int hot() const { return hot_; }
    bool showing() const { return showing_; }

  private:
    void notice(std::string text);
    SkinRect rect(int entry) const;

    ModalRunner& runner_;
    MessageQueue& queue_;
    Pictures pictures_;
    const LanguageTextTable* texts_ = nullptr;
    const SkinLayout* layout_ = nullptr;
    int scale_ = 1;
    std::function<Placement()> placement_;

    // The dialog being shown.
    std::string message_;
    int hot_ = 3;
    std::optional<int> result_;
    bool showing_ = false;
    KeyboardFocus focus_;

    mutable std::mutex queueLock_;
    std::deque<std::string> queued_;  // guarded by queueLock_
    bool closed_ = false;             // guarded by queueLock_
};

}  // namespace karvo
