// The main window from the keyboard and as screen readers see it, through the controller: the
// entries' order, names, roles and states; Tab, Enter and Space; the arrows on a slider; the
// ring; Escape on an open menu.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/window_access.h"
#include "recording_canvas.h"
#include "ui/skin/layout_index.h"
#include "window_fixture.h"

namespace karvo {
namespace {

namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace li = skin::lighting;
using Fixture = testing::WindowFixture;
using window_access::idOf;

const AccessibleEntry* named(const std::vector<AccessibleEntry>& entries, std::string_view name) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const AccessibleEntry& e) { return e.name == name; });
    return it == entries.end() ? nullptr : &*it;
}

const AccessibleEntry* withId(const std::vector<AccessibleEntry>& entries, int id) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const AccessibleEntry& e) { return e.id == id; });
    return it == entries.end() ? nullptr : &*it;
}

// Tabs until `id` has the focus; false when a whole round does not reach it.
bool tabTo(Fixture& f, int id) {
    for (int i = 0; i < 200; ++i) {
        if (f.dlg.focusedEntry() == id)
            return true;
        f.dlg.onKey(NavigationKey::Tab);
    }
    return false;
}

TEST(WindowKeyboard, EveryEntryOfEveryPageHasANameAndTheSymbolsTheirLabels) {
    Fixture f;
    for (const Page page : {Page::Main, Page::Advanced, Page::Macro, Page::Lighting}) {
        SCOPED_TRACE(static_cast<int>(page));
        f.dlg.showPage(page);
        const std::vector<AccessibleEntry> entries = f.dlg.accessibleEntries();
        ASSERT_GT(entries.size(), 20u);
        std::vector<int> ids;
        for (const AccessibleEntry& e : entries) {
            EXPECT_FALSE(e.name.empty()) << "entry " << e.id;
            EXPECT_FALSE(e.rect.empty()) << e.name;
            ids.push_back(e.id);
        }
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "an id twice";
        // The header comes first on every page, the web page last.
        EXPECT_EQ(entries.front().name, "Buttons");
        EXPECT_EQ(entries.front().role, AccessibleRole::PageTab);
        EXPECT_EQ(entries.front().checked, std::optional<bool>(page == Page::Main));
        EXPECT_EQ(entries.back().role, AccessibleRole::Link);
        for (const char* symbol : {"Minimise", "Close", "Language", "More", "Apply"})
            EXPECT_NE(named(entries, symbol), nullptr) << symbol;
    }
}

TEST(WindowKeyboard, EntriesTellTheSettingsTheyShow) {
    Fixture f;
    f.settings.edit([](Settings& s) {
        s.currentProfile = 2;
        s.shared.dpi[3].enabled = false;
        s.shared.pointerSpeed = 4;
        s.current().buttons[1].function = 3;
    });
    auto entries = f.dlg.accessibleEntries();
    EXPECT_EQ(withId(entries, idOf(LayoutFile::Main, mw::kProfileFirst + 2))->checked, true);
    EXPECT_EQ(withId(entries, idOf(LayoutFile::Main, mw::kProfileFirst))->checked, false);
    EXPECT_EQ(withId(entries, idOf(LayoutFile::Main, mw::kDpiToggleFirst + 3))->checked, false);
    const AccessibleEntry* button2 = withId(entries, idOf(LayoutFile::Main, mw::kHotspotFirst + 1));
    ASSERT_NE(button2, nullptr);
    EXPECT_EQ(button2->name, "Button 2");
    EXPECT_EQ(button2->value, "Middle click");
    EXPECT_EQ(button2->role, AccessibleRole::ComboBox);

    f.dlg.showPage(Page::Advanced);
    entries = f.dlg.accessibleEntries();
    const AccessibleEntry* speed = named(entries, "Pointer speed");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->role, AccessibleRole::Slider);
    EXPECT_EQ(speed->current, 4);
    EXPECT_EQ(speed->maximum, 11);
    EXPECT_EQ(speed->value, "4");
    EXPECT_EQ(named(entries, "Colour (Level 2)")->role, AccessibleRole::Button);
}

TEST(WindowKeyboard, TabMovesTheRingAndEnterActsAsAClickOnTheEntry) {
    Fixture f;
    EXPECT_EQ(f.dlg.focusedEntry(), -1);
    EXPECT_TRUE(f.dlg.onKey(NavigationKey::Tab));
    EXPECT_EQ(f.dlg.focusedEntry(), idOf(LayoutFile::Main, mw::kTabFirst));
    // The ring is drawn around the focused entry.
    testing::RecordingCanvas canvas;
    f.dlg.paint(canvas);
    const SkinRect tab = f.shipped.at(f.shipped.skin.main(), mw::kTabFirst);
    bool ring = false;
    for (const auto& op : canvas.ofKind(testing::RecordingCanvas::Op::Kind::Fill))
        ring |= op.colour == KeyboardFocus::kRingColour &&
                op.rect == SkinRect{tab.x, tab.y, tab.width, 2};
    EXPECT_TRUE(ring);

    // Enter on the lighting tab shows that page; the tab keeps the focus.
    const int lightingTab = idOf(LayoutFile::Main, mw::kTabFirst + 3);
    ASSERT_TRUE(tabTo(f, lightingTab));
    f.dlg.onKey(NavigationKey::Enter);
    EXPECT_EQ(f.dlg.page(), Page::Lighting);
    EXPECT_EQ(f.dlg.focusedEntry(), lightingTab);
    EXPECT_EQ(f.actions.calls.back(), "lighting");

    // Space on a profile makes it current, as its release does.
    ASSERT_TRUE(tabTo(f, idOf(LayoutFile::Main, mw::kProfileFirst + 3)));
    f.dlg.onKey(NavigationKey::Space);
    EXPECT_EQ(f.settings.snapshot().currentProfile, 3);

    // A page's own entries are reached after the header, and their focus goes with the page.
    const int mirror = idOf(LayoutFile::Color, li::kSymmetry);
    ASSERT_TRUE(tabTo(f, mirror));
    const int before = f.shared().ledSymmetry;
    f.dlg.onKey(NavigationKey::Enter);
    EXPECT_NE(f.shared().ledSymmetry, before);
    f.dlg.showPage(Page::Main);
    EXPECT_EQ(f.dlg.focusedEntry(), -1);
}

TEST(WindowKeyboard, TheArrowsMoveAFocusedSliderOneStepWithinItsRange) {
    Fixture f;
    f.dlg.showPage(Page::Advanced);
    f.settings.edit([](Settings& s) {
        s.shared.pointerSpeed = 5;
        s.shared.fireTime = 9;
        s.shared.dpiLevel = 1;
        s.shared.dpi[1].step = 3;
    });
    ASSERT_TRUE(tabTo(f, idOf(LayoutFile::Advance, adv::kPointerSpeed)));
    EXPECT_TRUE(f.dlg.onKey(NavigationKey::Right));
    EXPECT_EQ(f.shared().pointerSpeed, 6);
    f.dlg.onKey(NavigationKey::Down);
    f.dlg.onKey(NavigationKey::Left);
    EXPECT_EQ(f.shared().pointerSpeed, 4);
    f.dlg.onKey(NavigationKey::End);
    EXPECT_EQ(f.shared().pointerSpeed, 11);
    EXPECT_FALSE(f.dlg.onKey(NavigationKey::Right));  // already at the end
    f.dlg.onKey(NavigationKey::Home);
    EXPECT_EQ(f.shared().pointerSpeed, 1);
    EXPECT_EQ(f.dlg.drag(), CKarvo_GMouseDlg::Drag::None);

    // The fire time keeps its floor of 8 from the keyboard too.
    ASSERT_TRUE(tabTo(f, idOf(LayoutFile::Advance, adv::kFireTime)));
    f.dlg.onKey(NavigationKey::Left);
    EXPECT_EQ(f.shared().fireTime, 8);
    f.dlg.onKey(NavigationKey::Left);
    EXPECT_EQ(f.shared().fireTime, 8);

    // The DPI slider moves the active level's step.
    ASSERT_TRUE(tabTo(f, idOf(LayoutFile::Advance, adv::kDpiSlider)));
    f.dlg.onKey(NavigationKey::Up);
    EXPECT_EQ(f.shared().dpi[1].step, 4);
    EXPECT_EQ(f.shared().dpi[0].step, f.shipped.settings.shared.dpi[0].step);
}

TEST(WindowKeyboard, LightingValuesOpenTheirListsFromTheKeysAsFromTheMouse) {
    Fixture f;
    f.dlg.showPage(Page::Lighting);
    f.settings.edit([](Settings& s) {
        s.shared.ledType = 9;  // no speed for this effect
        s.shared.ledCycleTime = 2;
        s.shared.ledBrightness = 3;
    });
    ASSERT_TRUE(tabTo(f, idOf(LayoutFile::Color, li::kSpeed)));
    // Arrows do not change a value that is chosen from a list.
    f.dlg.onKey(NavigationKey::Right);
    EXPECT_EQ(f.shared().ledCycleTime, 2);
    // Enter acts as a click: refused while the effect has no speed, the list once it has.
    const std::size_t before = f.menus.opened.size();
    f.dlg.onKey(NavigationKey::Enter);
    EXPECT_EQ(f.menus.opened.size(), before);
    f.settings.edit([](Settings& s) { s.shared.ledType = 3; });
    f.dlg.onKey(NavigationKey::Enter);
    ASSERT_EQ(f.menus.opened.size(), before + 1);
    EXPECT_EQ(f.menus.opened.back().kind, menu_kind::kLightingValue);
    EXPECT_EQ(f.shared().ledCycleTime, 2);
}

TEST(WindowKeyboard, EscapeClosesAnOpenMenuAndAnAssistivePressActsOnTheEntry) {
    Fixture f;
    EXPECT_FALSE(f.dlg.onKey(NavigationKey::Escape));  // nothing open
    ASSERT_TRUE(f.dlg.activate(idOf(LayoutFile::Main, mw::kMore)));
    ASSERT_TRUE(f.dlg.menuOpen());
    EXPECT_EQ(f.menus.opened.back().kind, menu_kind::kMore);
    EXPECT_TRUE(f.dlg.onKey(NavigationKey::Escape));
    EXPECT_FALSE(f.dlg.menuOpen());
    EXPECT_EQ(f.menus.closed, 1);
    // A slider set by a screen reader, and an entry of another page, which is not shown.
    EXPECT_FALSE(f.dlg.setValue(idOf(LayoutFile::Advance, adv::kWheelSpeed), 3));
    f.dlg.showPage(Page::Advanced);
    EXPECT_TRUE(f.dlg.setValue(idOf(LayoutFile::Advance, adv::kWheelSpeed), 3));
    EXPECT_EQ(f.shared().wheelSpeed, 3);
    EXPECT_FALSE(f.dlg.activate(idOf(LayoutFile::Color, li::kSymmetry)));
}

}  // namespace
}  // namespace karvo
