// The warning dialog: placement, hover of its two buttons, release to close, and its paint.
#include "ui/dialogs/warning_dlg.h"

#include <iostream>
#include <utility>

#include "app/window_messages.h"
#include "services/language_text_index.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/layout_index.h"

namespace karvo {

namespace {
namespace wl = skin::warning;
constexpr int kNothingHot = 3;
}  // namespace

WarningDlg::WarningDlg(ModalRunner& runner, MessageQueue& queue, Pictures pictures)
    : runner_(runner), queue_(queue), pictures_(std::move(pictures)) {}

void WarningDlg::setSkin(const LanguageTextTable* texts, const SkinLayout* layout, int scale) {
    texts_ = texts;
    layout_ = layout;
    scale_ = scale < 1 ? 1 : scale;
}

SkinRect WarningDlg::frameFor(const Placement& placement, TextSize size, int scale) {
    if (placement.mode == 2) {
        const SkinRect& d = placement.desktop;
        return {d.x + (d.width - size.width) / 2, d.y + (d.height - size.height) / 2, size.width,
                size.height};
    }
    return {placement.mainLeft + 330 * scale, placement.mainTop + 280 * scale, size.width,
            size.height};
}

int WarningDlg::showWarning(const std::string& message) {
    // A notice raised while one is shown (from the dialog's own paint, say) waits its turn;
    // once the program is ending, notice() writes it out instead.
    if (showing_ || closed()) {
        notice(message);
        return 0;
    }
    const TextSize base = runner_.pictureSize(pictures_.mask);
    const TextSize size{base.width * scale_, base.height * scale_};
    const Placement where = placement_ ? placement_() : Placement{};
    message_ = message;
    hot_ = kNothingHot;
    result_.reset();
    focus_.clear();
    showing_ = true;
    const int r = runner_.run(*this, frameFor(where, size, scale_));
    showing_ = false;
    return r;
}

void WarningDlg::tipText(int index, std::string_view suffix) {
    std::string text;
    if (texts_)
        text = texts_->text(TextSection::TipText, index);
    if (text.empty())
        text = "Notice " + std::to_string(index) + (suffix.empty() ? "" : ": ");
    notice(text + std::string(suffix));
}

void WarningDlg::message(std::string_view text) {
    notice(std::string(text));
}

void WarningDlg::notice(std::string text) {
    const bool showNow = queue_.onWindowThread() && !showing_;
    bool first = false;
    {
        const std::lock_guard lock(queueLock_);
        if (closed_) {
            std::cerr << text << '\n';
            return;
        }
        if (!showNow) {
            first = queued_.empty();
            queued_.push_back(std::move(text));
        }
    }
    if (showNow)
        showWarning(text);
    else if (first)
        queue_.post({msg::WM_SHOW_NOTICES, 0, 0});
}

void WarningDlg::showQueued() {
    for (;;) {
        std::string next;
        {
            const std::lock_guard lock(queueLock_);
            if (queued_.empty() || showing_ || closed_)
                return;
            next = std::move(queued_.front());
            queued_.pop_front();
        }
        showWarning(next);
    }
}

void WarningDlg::close() {
    std::deque<std::string> left;
    {
        const std::lock_guard lock(queueLock_);
        if (closed_)
            return;
        closed_ = true;
        left.swap(queued_);
    }
    for (const std::string& text : left)
        std::cerr << text << '\n';
    if (showing_)
        runner_.endAll();
}

bool WarningDlg::closed() const {
    const std::lock_guard lock(queueLock_);
    return closed_;
}

SkinRect WarningDlg::rect(int entry) const {
    return layout_ ? layout_->rect(entry) : SkinRect{};
}

bool WarningDlg::onMouseMove(std::int32_t x, std::int32_t y) {
    int now = NO_ITEM;
    if (rect(wl::kFirstButton).contains(x, y))
        now = 1;
    else if (rect(wl::kSecondButton).contains(x, y))
        now = 2;
    const bool changed = now != hot_;
    hot_ = now;
    return changed;
}

bool WarningDlg::onLeftUp(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    if (hot_ == 1 || hot_ == 2)
        result_ = hot_;
    return false;
}

std::vector<AccessibleEntry> WarningDlg::accessibleEntries() const {
    std::vector<AccessibleEntry> out;
    AccessibleEntry text;
    text.id = wl::kMessage;
    text.role = AccessibleRole::StaticText;
    text.name = message_;
    text.rect = rect(wl::kMessage);
    text.focusable = false;
    out.push_back(text);
    const auto button = [&](int entry, std::string_view fallback) {
        AccessibleEntry e;
        e.id = entry;
        e.name =
            layout_ && !layout_->text(entry).empty() ? layout_->text(entry) : std::string(fallback);
        e.rect = rect(entry);
        e.focusable = !e.rect.empty();
        out.push_back(e);
    };
    const std::string& close =
        texts_ ? texts_->text(TextSection::Other, text::other::kClose) : std::string();
    button(wl::kFirstButton, "OK");
    button(wl::kSecondButton, close.empty() ? std::string_view("Close") : close);
    return out;
}

bool WarningDlg::activate(int id) {
    if (id != wl::kFirstButton && id != wl::kSecondButton)
        return false;
    result_ = id == wl::kFirstButton ? 1 : 2;
    return true;
}

bool WarningDlg::onKey(NavigationKey key) {
    switch (key) {
        case NavigationKey::Escape:
            return activate(wl::kSecondButton);
        case NavigationKey::Enter:
        case NavigationKey::Space:
            return activate(focus_.focused() >= 0 ? focus_.focused() : wl::kFirstButton);
        case NavigationKey::Tab:
        case NavigationKey::BackTab:
            return focus_.move(accessibleEntries(), key == NavigationKey::Tab);
        default:
            return false;
    }
}

void WarningDlg::paint(Canvas& canvas) {
    canvas.begin(pictures_.normal);
    if (hot_ == 1 || hot_ == 2) {
        const SkinRect r =
            toPicture(rect(hot_ == 1 ? wl::kFirstButton : wl::kSecondButton), scale_);
        if (!r.empty())
            canvas.copyRect(pictures_.over, r);
    }
    SkinRect area = toPicture(rect(wl::kMessage), scale_);
    if (area.empty()) {
        const TextSize size = runner_.pictureSize(pictures_.normal);
        area = {0, 0, size.width, size.height};
    }
    drawWrappedText(canvas, message_, area, FontRole::Body, kWhite, 2);
    if (focus_.focused() >= 0) {
        const SkinRect ring = toPicture(rect(focus_.focused()), scale_);
        if (!ring.empty())
            KeyboardFocus::paintRing(canvas, ring);
    }
    for (const int entry : {wl::kFirstButton, wl::kSecondButton}) {
        if (layout_ && !layout_->text(entry).empty())
            drawCentredText(canvas, layout_->text(entry), toPicture(rect(entry), scale_),
                            FontRole::Body, kWhite, 0);
    }
    canvas.finish(scale_);
}

}  // namespace karvo
