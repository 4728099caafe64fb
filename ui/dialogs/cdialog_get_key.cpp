// The key capture dialog; see cdialog_get_key.h.
#include "ui/dialogs/cdialog_get_key.h"

#include "app/window_messages.h"
#include "ui/dialogs/captured_keys.h"
#include "ui/skin/layout_access.h"
#include "ui/skin/layout_index.h"

namespace karvo {

namespace {
namespace ks = skin::keyset;
constexpr int kLastEntry = 3;
}  // namespace

CDialogGetKey::CDialogGetKey(CaptureParts parts) : parts_(std::move(parts)) {}

const SkinLayout& CDialogGetKey::layout() const {
    static const SkinLayout kEmpty;
    return layout_ ? layout_->layout() : kEmpty;
}

int CDialogGetKey::run(std::string currentName, std::int32_t x, std::int32_t y) {
    layout_ = DialogLayout::load(parts_.languageFolder(), LayoutFile::Keyset, parts_.scale,
                                 parts_.notifier);
    if (!layout_)
        return 0;
    keyName_ = std::move(currentName);
    captured_.reset();
    result_.reset();
    state_.setHot(NO_ITEM);
    const TextSize size{360 * parts_.scale, 200 * parts_.scale};
    // The hook lives exactly as long as the dialog, however the dialog ends.
    const KeyCaptureScope capture(parts_.capture, [this](const PhysicalKeyEvent& e) { onKey(e); });
    return parts_.runner.run(*this, {x, y, size.width, size.height});
}

void CDialogGetKey::onKey(const PhysicalKeyEvent& event) {
    const captured_keys::KeyMessage m =
        captured_keys::translate(parts_.keys, parts_.language ? parts_.language() : 1, event);
    if (m.virtualKey == 0)
        return;
    parts_.queue.post({m.message, static_cast<std::uintptr_t>(m.virtualKey), 0});
    if (event.down) {
        captured_ = m.virtualKey;
        keyName_ = englishKeyName(parts_.keys, m.virtualKey);
    }
}

bool CDialogGetKey::onMouseMove(std::int32_t x, std::int32_t y) {
    return state_.moveTo(layout(), x, y, kLastEntry);
}

bool CDialogGetKey::onLeftDown(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    state_.press();
    if (state_.hot() == ks::kOk) {
        parts_.queue.post({msg::WM_KEY_CAPTURED, 0, 0});
        result_ = kOk;
    } else if (state_.hot() == ks::kCancel) {
        result_ = kCancelled;
    }
    return true;
}

bool CDialogGetKey::onLeftUp(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    state_.release();
    return true;
}

void CDialogGetKey::paint(Canvas& canvas) {
    const int s = parts_.scale;
    const std::string folder = parts_.skinFolder.string() + "/";
    canvas.begin(folder + "keyset_normal.jpg");
    const SkinLayout& l = layout();
    if (state_.hot() != NO_ITEM)
        ImageStateWindow::copyEntry(
            canvas, folder + (state_.pressed() ? "keyset_down.jpg" : "keyset_over.jpg"), l,
            state_.hot(), s);
    for (int e = 0; e <= kLastEntry; ++e) {
        const std::string& text = e == ks::kKeyName ? keyName_ : l.text(e);
        drawCentredText(canvas, text, toPicture(l.rect(e), s),
                        e == ks::kKeyName ? FontRole::Large : FontRole::Body, kWhite);
    }
    canvas.finish(s);
}

std::vector<AccessibleEntry> CDialogGetKey::accessibleEntries() const {
    return layoutEntries(LayoutFile::Keyset, layout());
}

}  // namespace karvo
