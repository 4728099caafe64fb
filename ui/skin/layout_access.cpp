// Dialog entries for screen readers; see layout_access.h.
#include "ui/skin/layout_access.h"

#include <cctype>

#include "ui/skin/layout_index.h"

namespace karvo {

namespace {

std::optional<AccessibleRole> roleOf(skin::Look look) {
    using L = skin::Look;
    switch (look) {
        case L::Button:
        case L::AccentButton:
        case L::IconButton:
        case L::Swatch:
        case L::Hotspot:
            return AccessibleRole::Button;
        case L::Tab:
            return AccessibleRole::PageTab;
        case L::Segment:
            return AccessibleRole::RadioButton;
        case L::Toggle:
        case L::Switch:
            return AccessibleRole::CheckBox;
        case L::Slider:
            return AccessibleRole::Slider;
        case L::Dropdown:
            return AccessibleRole::ComboBox;
        case L::Link:
            return AccessibleRole::Link;
        case L::Field:
        case L::Callout:
            return AccessibleRole::StaticText;
        case L::Caption:
        case L::Indicator:
        case L::Panel:
        case L::Bar:
        case L::List:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::vector<AccessibleEntry> layoutEntries(LayoutFile file, const SkinLayout& layout) {
    std::vector<AccessibleEntry> out;
    for (const skin::WindowControls& window : skin::allWindowControls()) {
        if (window.file != file)
            continue;
        for (const skin::Control& c : window.controls) {
            const auto role = roleOf(c.look);
            const SkinRect rect = layout.rect(c.index);
            if (!role || rect.empty())
                continue;
            AccessibleEntry e;
            e.id = c.index;
            e.role = *role;
            e.rect = rect;
            e.name = layout.text(c.index);
            if (e.name.empty()) {
                e.name = std::string(c.name);
                e.name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(e.name[0])));
            }
            e.focusable = *role != AccessibleRole::StaticText;
            out.push_back(std::move(e));
        }
    }
    return out;
}

}  // namespace karvo
