// The shipped dialogs as screen readers see them: every control that acts has a name (its
// caption, or its control name where the picture carries the text), a role from its look, and
// captions, panels and level bars are left out.
#include "ui/skin/layout_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin_fixture.h"
#include "ui/skin/dialog_layout.h"

namespace karvo {
namespace {

const AccessibleEntry* withId(const std::vector<AccessibleEntry>& entries, int id) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const AccessibleEntry& e) { return e.id == id; });
    return it == entries.end() ? nullptr : &*it;
}

TEST(LayoutAccess, TheShippedDialogsNameEveryControlThatActs) {
    RecordingNotifier notifier;
    const auto folder = testing::builtSkinFolder() / "1_INI_EN";
    struct Case {
        LayoutFile file;
        std::size_t entries;  // controls that act or show a value
    };
    for (const Case& c : {Case{LayoutFile::Keyset, 3}, Case{LayoutFile::Shortcut, 10},
                          Case{LayoutFile::Sound, 5}, Case{LayoutFile::Gun, 6}}) {
        SCOPED_TRACE(static_cast<int>(c.file));
        const auto layout = DialogLayout::load(folder, c.file, 1, notifier);
        ASSERT_TRUE(layout.has_value());
        const std::vector<AccessibleEntry> entries = layoutEntries(c.file, layout->layout());
        EXPECT_EQ(entries.size(), c.entries);
        for (const AccessibleEntry& e : entries) {
            EXPECT_FALSE(e.name.empty()) << e.id;
            EXPECT_FALSE(e.rect.empty()) << e.name;
        }
    }
    EXPECT_TRUE(notifier.notices.empty());

    const auto shortcut = DialogLayout::load(folder, LayoutFile::Shortcut, 1, notifier);
    const auto entries = layoutEntries(LayoutFile::Shortcut, shortcut->layout());
    EXPECT_EQ(withId(entries, 2)->name, "Confirm");  // its caption
    EXPECT_EQ(withId(entries, 2)->role, AccessibleRole::Button);
    EXPECT_EQ(withId(entries, 5)->name, "Close");  // a symbol: the control's name
    EXPECT_EQ(withId(entries, 6)->role, AccessibleRole::CheckBox);
    EXPECT_EQ(withId(entries, 0)->role, AccessibleRole::StaticText);
    EXPECT_FALSE(withId(entries, 0)->focusable);
    EXPECT_EQ(withId(entries, 10), nullptr);  // the title is the window's, not an entry
    const auto sound = DialogLayout::load(folder, LayoutFile::Sound, 1, notifier);
    EXPECT_EQ(withId(layoutEntries(LayoutFile::Sound, sound->layout()), 13), nullptr);  // a bar
}

}  // namespace
}  // namespace karvo
