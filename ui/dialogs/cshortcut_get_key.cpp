// The combination key dialog; see cshortcut_get_key.h.
#include "ui/dialogs/cshortcut_get_key.h"

#include "app/window_messages.h"
#include "services/language_text_index.h"
#include "settings/combination.h"
#include "ui/dialogs/button_function.h"
#include "ui/dialogs/captured_keys.h"
#include "ui/skin/layout_access.h"
#include "ui/skin/layout_index.h"

namespace karvo {

namespace {
namespace sc = skin::shortcut;
constexpr int kLastEntry = 13;
constexpr ColourRef kChosen = 0xFFBC07;
constexpr ColourRef kNoModifierColour = 0x626262;
constexpr ColourRef kNoKeyColour = 0x484848;

std::vector<std::string_view> split(std::string_view text) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t at = text.find(combination::kSeparator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return pieces;
        text.remove_prefix(at + combination::kSeparator.size());
    }
}
}  // namespace

std::string englishKeyName(const MacVkAndText& keys, int virtualKey) {
    constexpr int kEnglish = 1;
    const int device = keys.toDeviceCode(kEnglish, virtualKey, KeyMode::MacroSteps);
    if (device < 0 || device > 255)
        return "NULL";
    return keys.name(kEnglish, static_cast<std::uint8_t>(device), KeyMode::MacroSteps, "", "", "");
}

CShortcutGetKey::CShortcutGetKey(CaptureParts parts, SettingsModel& settings)
    : parts_(std::move(parts)), settings_(settings) {}

const SkinLayout& CShortcutGetKey::layout() const {
    static const SkinLayout kEmpty;
    return layout_ ? layout_->layout() : kEmpty;
}

void CShortcutGetKey::clear() {
    modifiers_ = {};
    keyName_.clear();
    keyCode_ = kNoKey;
}

void CShortcutGetKey::prefill(std::int32_t function, std::string_view stored) {
    clear();
    if (function != kFunctionCombination)
        return;
    const std::vector<std::string_view> pieces = split(stored);
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
        const std::string_view name = pieces[i];
        const std::string_view value = pieces[i + 1];
        for (std::size_t m = 0; m < kModifierNames.size(); ++m) {
            if (name == kModifierNames[m] && !value.empty())
                modifiers_[m] = true;
        }
    }
    // The last pair is the key: its name, and its code read as a number.
    if (pieces.size() >= 2) {
        const std::string_view name = pieces[pieces.size() - 2];
        const std::string_view value = pieces.back();
        keyName_ = std::string(name);
        int code = 0;
        bool digits = !value.empty();
        for (const char c : value) {
            digits = digits && c >= '0' && c <= '9' && code < 1000;
            code = digits ? code * 10 + (c - '0') : code;
        }
        keyCode_ = name.empty() || !digits || code > 255 ? kNoKey : code;
        if (keyCode_ == kNoKey)
            keyName_.clear();
    }
}

std::string CShortcutGetKey::resultText() const {
    std::string out;
    const auto add = [&out](std::string_view piece) {
        if (!out.empty())
            out += combination::kSeparator;
        out += piece;
    };
    for (std::size_t m = 0; m < kModifierNames.size(); ++m) {
        if (modifiers_[m])
            add(kModifierNames[m]);
    }
    if (keyCode_ != kNoKey && !keyName_.empty())
        add(keyName_);
    return out;
}

std::string CShortcutGetKey::modifierText() const {
    std::string out;
    for (std::size_t m = 0; m < kModifierNames.size(); ++m) {
        if (!modifiers_[m])
            continue;
        if (!out.empty())
            out += '+';
        out += kModifierNames[m];
    }
    return out;
}

int CShortcutGetKey::run(int slot, bool fromButtonMenu, const SkinRect& desktop) {
    layout_ = DialogLayout::load(parts_.languageFolder(), LayoutFile::Shortcut, parts_.scale,
                                 parts_.notifier);
    if (!layout_)
        return 0;
    slot_ = std::clamp(slot, 0, kButtonSlots - 1);
    fromButtonMenu_ = fromButtonMenu;
    const ButtonAssignment b = settings_.read(
        [&](const Settings& s) { return s.current().buttons[static_cast<std::size_t>(slot_)]; });
    prefill(b.function, b.combination);
    result_.reset();
    state_.setHot(NO_ITEM);

    const std::string normal = (parts_.skinFolder / "combinationKey_normal.jpg").string();
    const TextSize base = parts_.runner.pictureSize(normal);
    const TextSize size{base.width * parts_.scale, base.height * parts_.scale};
    const SkinRect frame{desktop.x + (desktop.width - size.width) / 2,
                         desktop.y + (desktop.height - size.height) / 2, size.width, size.height};
    const KeyCaptureScope capture(parts_.capture, [this](const PhysicalKeyEvent& e) { onKey(e); });
    return parts_.runner.run(*this, frame);
}

void CShortcutGetKey::onKey(const PhysicalKeyEvent& event) {
    const captured_keys::KeyMessage m =
        captured_keys::translate(parts_.keys, parts_.language ? parts_.language() : 1, event);
    if (!event.down || m.virtualKey == 0)
        return;
    using namespace captured_keys;
    if (isCtrl(m.virtualKey))
        modifiers_[0] = true;
    else if (isShift(m.virtualKey))
        modifiers_[1] = true;
    else if (isAlt(m.virtualKey))
        modifiers_[2] = true;
    else if (isWin(m.virtualKey))
        modifiers_[3] = true;
    else {
        keyName_ = englishKeyName(parts_.keys, m.virtualKey);
        keyCode_ = m.virtualKey;
    }
}

bool CShortcutGetKey::onMouseMove(std::int32_t x, std::int32_t y) {
    return state_.moveTo(layout(), x, y, kLastEntry);
}

bool CShortcutGetKey::onLeftDown(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    state_.press();
    switch (state_.hot()) {
        case sc::kConfirm:
            confirm();
            break;
        case sc::kCancel:
        case sc::kClose:
            result_ = kCancelled;
            break;
        case sc::kClear:
            clear();
            break;
        case sc::kModifierFirst:
        case sc::kModifierFirst + 1:
        case sc::kModifierFirst + 2:
        case sc::kModifierFirst + 3: {
            const auto m = static_cast<std::size_t>(state_.hot() - sc::kModifierFirst);
            modifiers_[m] = !modifiers_[m];
            break;
        }
        case NO_ITEM:
        case sc::kTitle:
        case sc::kCaptionModifiers:
        case sc::kCaptionKey:
        case sc::kHint:
            // The dialog has no title bar: its background and its texts stand in for one.
            parts_.runner.startSystemMove();
            break;
        default:
            break;
    }
    return true;
}

bool CShortcutGetKey::onLeftUp(std::int32_t x, std::int32_t y) {
    onMouseMove(x, y);
    state_.release();
    return true;
}

void CShortcutGetKey::confirm() {
    const std::string text = resultText();
    if (!text.empty()) {
        if (fromButtonMenu_) {
            settings_.edit([&](Settings& s) {
                button_function::assign(s, slot_, kFunctionCombination, kButtonSlots);
            });
        }
        const auto word = static_cast<std::uintptr_t>((slot_ << 8) | (keyCode_ & 0xFF));
        parts_.queue.post({msg::WM_COMBINATION_SET, word, 0, text});
    }
    result_ = kConfirmed;
}

void CShortcutGetKey::paint(Canvas& canvas) {
    const int s = parts_.scale;
    const std::string folder = parts_.skinFolder.string() + "/";
    canvas.begin(folder + "combinationKey_normal.jpg");
    const SkinLayout& l = layout();
    for (int m = 0; m < 4; ++m) {
        if (modifiers_[static_cast<std::size_t>(m)])
            ImageStateWindow::copyEntry(canvas, folder + "combinationKey_down.jpg", l,
                                        sc::kModifierFirst + m, s);
    }
    const int hot = state_.hot();
    const bool lit = hot >= sc::kModifierFirst && hot < sc::kModifierFirst + 4 &&
                     modifiers_[static_cast<std::size_t>(hot - sc::kModifierFirst)];
    if (hot != NO_ITEM && !lit)
        ImageStateWindow::copyEntry(
            canvas,
            folder + (state_.pressed() ? "combinationKey_down.jpg" : "combinationKey_over.jpg"), l,
            hot, s);
    const std::string mods = modifierText();
    drawCentredText(
        canvas,
        mods.empty() ? parts_.texts.text(TextSection::ShortCut, text::shortcut::kNoModifier) : mods,
        toPicture(l.rect(sc::kModifiers), s), FontRole::Body,
        mods.empty() ? kNoModifierColour : kChosen);
    const bool key = keyCode_ != kNoKey && !keyName_.empty();
    drawCentredText(
        canvas, key ? keyName_ : parts_.texts.text(TextSection::ShortCut, text::shortcut::kNoKey),
        toPicture(l.rect(sc::kKeyName), s), FontRole::Body, key ? kChosen : kNoKeyColour);
    for (int e = sc::kConfirm; e <= kLastEntry; ++e)
        drawCentredText(canvas, l.text(e), toPicture(l.rect(e), s), FontRole::Body, kWhite);
    canvas.finish(s);
}

std::vector<AccessibleEntry> CShortcutGetKey::accessibleEntries() const {
    return layoutEntries(LayoutFile::Shortcut, layout());
}

}  // namespace karvo
