// What a skinned window tells assistive tools and the keyboard about its entries: each entry's
// role, name, value and state, and the keys every skinned window understands. Screen readers
// see the skinned entries through these (the pictures themselves carry no text), and the
// keyboard focus moves over the same list.
#pragma once

#include <optional>
#include <string>

#include "ui/skin/skin_layout.h"

namespace karvo {

// The keys of keyboard use: Tab and Shift+Tab move the focus, Enter and Space act on the
// focused entry, the arrows move a focused slider (or the hot row of a menu), Escape closes.
enum class NavigationKey { Tab, BackTab, Enter, Space, Left, Right, Up, Down, Home, End, Escape };

enum class AccessibleRole {
    Button,
    PageTab,
    RadioButton,
    CheckBox,
    Slider,
    Link,
    ComboBox,  // a button that opens a pop-up menu of choices
    MenuItem,
    StaticText,
};

struct AccessibleEntry {
    int id = -1;  // the layout entry (menus: the row), stable while the window shows it
    AccessibleRole role = AccessibleRole::Button;
    std::string name = {};
    std::string value;            // a slider's step, a choice's current value
    SkinRect rect;                // window pixels
    std::optional<bool> checked;  // tabs, choices and check boxes
    int minimum = 0;              // sliders: the steps
    int maximum = 0;
    int current = 0;
    bool focusable = true;  // reached with Tab
    bool operator==(const AccessibleEntry&) const = default;
};

}  // namespace karvo
