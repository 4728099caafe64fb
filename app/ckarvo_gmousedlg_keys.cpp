// The main window's keyboard, its entries for screen readers and its "more" menu: Tab and
// Enter over the entries, the arrows on sliders, the focus ring, and the rows of the "more"
// menu (starting with the session, the full write).
#include <algorithm>

#include "app/ckarvo_gmousedlg.h"
#include "app/window_access.h"
#include "services/language_text_index.h"
#include "ui/skin/slider_math.h"

namespace karvo {

std::vector<std::string> CKarvo_GMouseDlg::moreMenuTexts() const {
    const auto otherText = [this](int index, std::string_view english) {
        return window_access::otherText(parts_.texts, index, english);
    };
    std::string start = otherText(text::other::kStartWithSession, "Start with the session");
    if (const std::optional<bool> on = actions_->autostartEnabled())
        start +=
            ": " + (*on ? otherText(text::other::kOn, "on") : otherText(text::other::kOff, "off"));
    return {start, otherText(text::other::kAbout, "About"),
            otherText(text::other::kWriteEverything, "Write everything to the mouse")};
}

void CKarvo_GMouseDlg::onMorePick(int row) {
    if (row == 1) {
        // Asked again at the choice: karvoctl may have switched it since the menu opened.
        const std::optional<bool> on = actions_->autostartEnabled();
        const std::string error = actions_->setAutostart(!on.value_or(false));
        if (!error.empty())
            parts_.warning.message(error);
    } else if (row == 3) {
        startApply(true);
    }
}

const SkinLayout& CKarvo_GMouseDlg::layout(LayoutFile table) const {
    switch (table) {
        case LayoutFile::Color:
            return parts_.skin.lighting();
        case LayoutFile::Advance:
            return parts_.skin.advanced();
        case LayoutFile::Mac:
            return parts_.skin.macro();
        default:
            return parts_.skin.main();
    }
}

void CKarvo_GMouseDlg::paintFocus(Canvas& canvas) const {
    const int id = focus_.focused();
    if (id < 0)
        return;
    const SkinRect r = layout(window_access::tableOf(id)).rect(window_access::entryOf(id));
    if (!r.empty())
        KeyboardFocus::paintRing(canvas, toPicture(r, parts_.skin.scale()));
}

std::vector<AccessibleEntry> CKarvo_GMouseDlg::accessibleEntries() const {
    const Settings settings = parts_.settings.snapshot();
    return window_access::entries(
        {parts_.skin, settings, page_, keyNum_, parts_.texts, selectedMacroMode_});
}

bool CKarvo_GMouseDlg::onKey(NavigationKey key) {
    if (shutDown_)
        return false;
    const std::vector<AccessibleEntry> entries = accessibleEntries();
    if (key == NavigationKey::Escape) {
        if (!menuOpen_)
            return false;
        menus_->close();
        menuOpen_ = false;
        openMenuKind_ = -1;
        return true;
    }
    const AccessibleEntry* focused = focus_.find(entries);
    if (focused && focused->role == AccessibleRole::Slider) {
        int step = focused->current;
        switch (key) {
            case NavigationKey::Left:
            case NavigationKey::Down:
                --step;
                break;
            case NavigationKey::Right:
            case NavigationKey::Up:
                ++step;
                break;
            case NavigationKey::Home:
                step = focused->minimum;
                break;
            case NavigationKey::End:
                step = focused->maximum;
                break;
            default:
                step = 0;
                break;
        }
        if (step != 0)
            return moveSlider(focused->id, step);
    }
    bool repaint = false;
    focus_.handle(*this, entries, key, repaint);
    return repaint;
}

bool CKarvo_GMouseDlg::activate(int id) {
    const std::vector<AccessibleEntry> entries = accessibleEntries();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const AccessibleEntry& e) { return e.id == id; });
    if (it == entries.end() || it->rect.empty())
        return false;
    return KeyboardFocus::click(*this, it->rect);
}

bool CKarvo_GMouseDlg::setValue(int id, int value) {
    return moveSlider(id, value);
}

bool CKarvo_GMouseDlg::moveSlider(int id, int step) {
    const LayoutFile table = window_access::tableOf(id);
    const int entry = window_access::entryOf(id);
    const auto steps = window_access::slider(
        table, entry, parts_.settings.read([](const Settings& all) { return all.shared; }));
    const bool onPage = (table == LayoutFile::Advance && page_ == Page::Advanced) ||
                        (table == LayoutFile::Color && page_ == Page::Lighting);
    if (!steps || !onPage)
        return false;
    step = std::clamp(step, 1, steps->steps);
    if (step == steps->current)
        return false;
    // A press on the slider starts its drag where the page allows it (the lighting sliders
    // only for some effects); the drag to the step then sets the value.
    const SkinRect r = layout(table).rect(entry);
    const std::int32_t y = r.y + r.height / 2;
    onLeftDown(r.x + r.width / 2, y);
    const std::int32_t x = slider::xOfStep(step, r, steps->steps);
    if (drag_ != Drag::None)
        onMouseMove(x, y);
    onLeftUp(x, y);
    parts_.host.invalidate();
    return true;
}

}  // namespace karvo
