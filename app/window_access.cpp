// The main window's entries for the keyboard and screen readers; see window_access.h.
#include "app/window_access.h"

#include <algorithm>

#include "services/language_text_index.h"
#include "ui/skin/layout_index.h"
#include "ui/skin/page_text_painter.h"

namespace karvo::window_access {

namespace {
namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace mp = skin::macro_page;
namespace li = skin::lighting;
using R = AccessibleRole;

constexpr int kTableStride = 1000;

// Builds the entries of one table, skipping those the layout does not place.
class Builder {
  public:
    Builder(const Input& in, LayoutFile table, const SkinLayout& layout)
        : in_(in), table_(table), layout_(layout) {}

    AccessibleEntry& add(int entry, R role, std::string name) {
        AccessibleEntry e;
        e.id = idOf(table_, entry);
        e.role = role;
        e.name = std::move(name);
        e.rect = layout_.rect(entry);
        out_.push_back(std::move(e));
        if (out_.back().rect.empty())
            out_.back().focusable = false;
        return out_.back();
    }
    // The entry's own caption.
    AccessibleEntry& captioned(int entry, R role) { return add(entry, role, caption(entry)); }
    AccessibleEntry& choice(int entry, R role, bool checked) {
        AccessibleEntry& e = captioned(entry, role);
        e.checked = checked;
        return e;
    }
    AccessibleEntry& sliderEntry(int entry, std::string name) {
        AccessibleEntry& e = add(entry, R::Slider, std::move(name));
        if (const auto s = slider(table_, entry, in_.settings.shared)) {
            e.minimum = 1;
            e.maximum = s->steps;
            e.current = s->current;
            e.value = std::to_string(s->current);
        }
        return e;
    }
    std::string caption(int entry) const { return layout_.text(entry); }
    std::vector<AccessibleEntry> take() { return std::move(out_); }

  private:
    const Input& in_;
    LayoutFile table_;
    const SkinLayout& layout_;
    std::vector<AccessibleEntry> out_;
};

std::string numbered(std::string name, int n) {
    return name + " " + std::to_string(n);
}

void header(const Input& in, std::vector<AccessibleEntry>& out) {
    Builder b(in, LayoutFile::Main, in.skin.main());
    const auto other = [&](int index, std::string_view english) {
        return otherText(in.texts, index, english);
    };
    for (int t = 0; t < mw::kTabCount; ++t)
        b.choice(mw::kTabFirst + t, R::PageTab, static_cast<int>(in.page) == t);
    b.add(mw::kLanguage, R::ComboBox, other(text::other::kLanguage, "Language"));
    b.add(mw::kMore, R::ComboBox, other(text::other::kMore, "More"));
    b.add(mw::kMinimiseToTray, R::Button,
          other(text::other::kMinimiseToTray, "Minimise to the tray"));
    b.add(mw::kMinimise, R::Button, other(text::other::kMinimise, "Minimise"));
    b.add(mw::kClose, R::Button, other(text::other::kClose, "Close"));
    for (int p = 0; p < mw::kProfileCount; ++p)
        b.choice(mw::kProfileFirst + p, R::RadioButton, in.settings.currentProfile == p);
    b.captioned(mw::kImport, R::Button);
    b.captioned(mw::kExport, R::Button);
    b.captioned(mw::kResetAll, R::Button);
    b.captioned(mw::kApply, R::Button);
    for (AccessibleEntry& e : b.take())
        out.push_back(std::move(e));
}

// "Button n" as the lighting page names the mouse's buttons.
std::string buttonName(const Input& in, int slot) {
    const std::string& name = in.skin.lighting().text(li::kReactionFirst + slot);
    return name.empty() ? numbered("Button", slot + 1) : name;
}

void mainPage(const Input& in, std::vector<AccessibleEntry>& out) {
    Builder b(in, LayoutFile::Main, in.skin.main());
    const SharedSettings& s = in.settings.shared;
    const ProfileSettings& profile = in.settings.current();
    for (int slot = 0; slot < in.keyNum; ++slot) {
        AccessibleEntry& e = b.add(mw::kHotspotFirst + slot, R::ComboBox, buttonName(in, slot));
        e.value = PageTextPainter::functionLabel(profile.buttons[static_cast<std::size_t>(slot)],
                                                 in.skin.functions());
    }
    b.choice(mw::kWheelStatusFirst, R::RadioButton, s.wheelStatus == 0);
    b.choice(mw::kWheelStatusFirst + 1, R::RadioButton, s.wheelStatus == 1);
    b.captioned(mw::kLightingMode, R::ComboBox);
    for (int k = 0; k < kDpiLevels; ++k)
        b.choice(mw::kDpiToggleFirst + k, R::CheckBox, s.dpi[static_cast<std::size_t>(k)].enabled);
    for (AccessibleEntry& e : b.take())
        out.push_back(std::move(e));
}

void advancedPage(const Input& in, std::vector<AccessibleEntry>& out) {
    Builder b(in, LayoutFile::Advance, in.skin.advanced());
    const SharedSettings& s = in.settings.shared;
    const std::string colour = otherText(in.texts, text::other::kColour, "Colour");
    for (int k = 0; k < adv::kDpiLevels; ++k) {
        const std::string level = b.caption(adv::kDpiLevelFirst + k);
        b.add(adv::kDpiToggleFirst + k, R::CheckBox, level).checked =
            s.dpi[static_cast<std::size_t>(k)].enabled;
        b.choice(adv::kDpiLevelFirst + k, R::RadioButton, s.dpiLevel == k);
        b.add(adv::kDpiColourFirst + k, R::Button, colour + " (" + level + ")");
    }
    b.sliderEntry(adv::kDpiSlider, b.caption(adv::kCaptionFirst + 1));
    b.sliderEntry(adv::kPointerSpeed, b.caption(adv::kCaptionFirst + 2));
    b.sliderEntry(adv::kWheelSpeed, b.caption(adv::kCaptionFirst + 3));
    b.sliderEntry(adv::kFireTime, b.caption(adv::kCaptionFirst + 4));
    // The mouse runs at one polling rate whatever is chosen, so no choice claims to be on.
    for (int r = 0; r < adv::kRateCount; ++r)
        b.captioned(adv::kRateFirst + r, R::RadioButton);
    b.add(adv::kUserColour, R::Button, b.caption(adv::kCaptionFirst + 6));
    for (AccessibleEntry& e : b.take())
        out.push_back(std::move(e));
}

void macroPage(const Input& in, std::vector<AccessibleEntry>& out) {
    Builder b(in, LayoutFile::Mac, in.skin.macro());
    b.captioned(mp::kRecord, R::Button);
    b.captioned(mp::kInsert, R::ComboBox);
    const auto mode = [&](int entry, int value) {
        AccessibleEntry& e = b.captioned(entry, R::RadioButton);
        e.checked = in.selectedMacroMode == value;
    };
    mode(mp::kModeWhileHeld, 2);
    mode(mp::kModeToggle, 1);
    mode(mp::kModeCount, 0);
    b.captioned(mp::kGunPresets, R::Button);
    b.choice(mp::kSoftwarePlayback, R::CheckBox, in.settings.shared.softHardMac != 0);
    for (AccessibleEntry& e : b.take())
        out.push_back(std::move(e));
}

void lightingPage(const Input& in, std::vector<AccessibleEntry>& out) {
    Builder b(in, LayoutFile::Color, in.skin.lighting());
    const SharedSettings& s = in.settings.shared;
    const ProfileSettings& profile = in.settings.current();
    const auto led = [&](int index) {
        return in.texts ? in.texts->text(TextSection::Led, index) : std::string();
    };
    b.choice(li::kModeEffects, R::RadioButton, s.modeLight == 0);
    b.choice(li::kModeOff, R::RadioButton, s.modeLight == 1);
    b.captioned(li::kEffectMenu, R::ComboBox).value =
        led(text::led::kEffectFirst + std::min<int>(s.ledType, text::led::kEffects - 1));
    const std::string colour = otherText(in.texts, text::other::kColour, "Colour");
    const std::string inCycle =
        otherText(in.texts, text::other::kInColourCycle, "In the colour cycle");
    for (int c = 0; c < li::kUserColours; ++c) {
        b.add(li::kUserColourFirst + c, R::Button, numbered(colour, c + 1));
        b.add(li::kCycleToggleFirst + c, R::CheckBox,
              inCycle + " (" + numbered(colour, c + 1) + ")")
            .checked = s.colourInCycle(c);
    }
    // Brightness and speed open their lists of values, as a click does.
    b.add(li::kBrightness, R::ComboBox, b.caption(li::kCaptionFirst + 3)).value =
        std::to_string(s.ledBrightness);
    b.add(li::kSpeed, R::ComboBox, b.caption(li::kCaptionFirst + 4)).value =
        std::to_string(s.ledCycleTime);
    b.choice(li::kSymmetry, R::CheckBox, s.ledSymmetry != 0);
    for (int d = 0; d < li::kDirections; ++d)
        b.choice(li::kDirectionFirst + d, R::RadioButton, s.ledDirection == d);
    b.captioned(li::kSoundLighting, R::Button);
    for (int slot = 0; slot < in.keyNum; ++slot) {
        const auto& button = profile.buttons[static_cast<std::size_t>(slot)];
        b.choice(li::kReactionFirst + slot, R::CheckBox, button.ledReactEnable != 0);
        b.add(li::kReactionMenuFirst + slot, R::ComboBox, buttonName(in, slot)).value =
            led(text::led::kReactionFirst + std::clamp(button.ledReactType, 0, 3));
    }
    for (AccessibleEntry& e : b.take())
        out.push_back(std::move(e));
}

}  // namespace

int idOf(LayoutFile table, int entry) {
    return static_cast<int>(table) * kTableStride + entry;
}

LayoutFile tableOf(int id) {
    return static_cast<LayoutFile>(id / kTableStride);
}

int entryOf(int id) {
    return id % kTableStride;
}

std::string otherText(const LanguageTextTable* texts, int index, std::string_view english) {
    const std::string text = texts ? texts->text(TextSection::Other, index) : std::string();
    return text.empty() ? std::string(english) : text;
}

std::vector<AccessibleEntry> entries(const Input& in) {
    std::vector<AccessibleEntry> out;
    header(in, out);
    switch (in.page) {
        case Page::Main:
            mainPage(in, out);
            break;
        case Page::Advanced:
            advancedPage(in, out);
            break;
        case Page::Macro:
            macroPage(in, out);
            break;
        case Page::Lighting:
            lightingPage(in, out);
            break;
    }
    Builder b(in, LayoutFile::Main, in.skin.main());
    b.add(mw::kWebsite, R::Link, otherText(in.texts, text::other::kWebPage, "Web page")).value =
        in.skin.main().text(mw::kWebsite);
    for (AccessibleEntry& e : b.take())
        out.push_back(std::move(e));
    return out;
}

std::optional<SliderSteps> slider(LayoutFile table, int entry, const SharedSettings& s) {
    const auto clamped = [](int steps, int value) {
        return SliderSteps{steps, std::clamp(value, 1, steps)};
    };
    if (table == LayoutFile::Advance) {
        switch (entry) {
            case adv::kDpiSlider: {
                const int level = std::clamp(s.dpiLevel, 0, kDpiLevels - 1);
                return clamped(17, s.dpi[static_cast<std::size_t>(level)].step + 1);
            }
            case adv::kPointerSpeed:
                return clamped(11, s.pointerSpeed);
            case adv::kWheelSpeed:
                return clamped(11, s.wheelSpeed);
            case adv::kFireTime:
                return clamped(300, s.fireTime);
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace karvo::window_access
