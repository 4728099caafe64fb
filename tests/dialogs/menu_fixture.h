// The pop-up menus over the shipped English language folder of the build, with a pop-up host
// that records what is on screen and knows the menu pictures' sizes, for the menu tests.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "app/window_messages.h"
#include "services/language_text.h"
#include "services/macro_library.h"
#include "services/program_paths.h"
#include "tests/support/fake_window.h"
#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/csub_menu_dlg.h"
#include "ui/dialogs/mac_sel_menu_dlg.h"
#include "ui/dialogs/popup_menus.h"

namespace karvo::testing {

inline std::filesystem::path builtProgramFolder() {
    return std::filesystem::path(KARVO_DATA_OUT_DIR).parent_path();
}

class FakePopupHost final : public PopupHost {
  public:
    // The sizes the picture generator gives the menu pictures.
    TextSize pictureSize(const std::string& picture) override {
        static const std::map<std::string, TextSize> kSizes = {
            {"Profile_mask.jpg", {168, 144}},
            {"menu1_mask.jpg", {232, 480}},
            {"menu_mask.jpg", {208, 450}},
            {"menu2_mask.jpg", {240, 450}},
            {"more_mask.jpg", {264, 120}},
            {"led_menu_mask.jpg", {220, 450}},
            {"Macro_menu_normal.jpg", {220, 450}},
            {"MacMenu/MacG_mask.jpg", {220, 450}},
            {"MacMenu/MacR_mask.jpg", {200, 450}},
            {"MacMenu/MacR_mask2.jpg", {200, 450}},
            {"MacMenu/Insert_mask.jpg", {220, 480}},
            {"MacMenu/Insert2th_mask.jpg", {220, 450}},
            {"MacMenu/Insert3th_mask.jpg", {220, 450}},
        };
        for (const auto& [name, size] : kSizes) {
            if (picture.ends_with("/" + name) && missing.find(name) == std::string::npos)
                return size;
        }
        return {};
    }
    SkinRect workArea() override { return area; }
    void show(PopupLevel level, SkinnedWindow& window, const SkinRect& frame) override {
        shown[static_cast<std::size_t>(level)] = &window;
        frames[static_cast<std::size_t>(level)] = frame;
        ++shows;
    }
    void hide(PopupLevel level) override { shown[static_cast<std::size_t>(level)] = nullptr; }
    void repaint(PopupLevel) override {}
    void setCancelHandler(std::function<void()> handler) override { cancel = std::move(handler); }

    SkinnedWindow* at(PopupLevel level) const { return shown[static_cast<std::size_t>(level)]; }
    const SkinRect& frameOf(PopupLevel level) const {
        return frames[static_cast<std::size_t>(level)];
    }

    SkinRect area{0, 0, 1920, 1040};
    std::string missing;  // picture names that cannot be read
    std::array<SkinnedWindow*, kPopupLevels> shown{};
    std::array<SkinRect, kPopupLevels> frames{};
    int shows = 0;
    std::function<void()> cancel;
};

class MenuTest : public ::testing::Test {
  protected:
    explicit MenuTest(int scale = 1) {
        EXPECT_EQ(texts.load(paths.languageFolder, notifier), LanguageTextTable::Load::Loaded);
        EXPECT_EQ(skin.load(paths.languageFolder, scale, "Disabled", notifier),
                  MainSkin::Load::Loaded);
        macros.load(paths, 1);
        settings.edit([](Settings& s) {
            const int functions[] = {1, 2, 3, 4, 5, 13, 14, 19};
            for (int b = 0; b < 8; ++b)
                s.profiles[0].buttons[static_cast<std::size_t>(b)].function = functions[b];
        });
    }

    ButtonAssignment button(int slot, int profile = 0) const {
        return settings.read([&](const Settings& s) {
            return s.profiles[static_cast<std::size_t>(profile)]
                .buttons[static_cast<std::size_t>(slot)];
        });
    }
    // A point in the middle of row `row` of a menu window (window pixels).
    static std::pair<int, int> rowPoint(const MenuWindow& menu, int row) {
        const SkinRect r = menu.rowRect(row);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    static void hover(MenuWindow& menu, int row) {
        const auto [x, y] = rowPoint(menu, row);
        menu.onMouseMove(x, y);
    }
    static void click(MenuWindow& menu, int row) {
        const auto [x, y] = rowPoint(menu, row);
        menu.onMouseMove(x, y);
        menu.onLeftDown(x, y);
        menu.onLeftUp(x, y);
    }
    bool posted(std::uint32_t id, std::uintptr_t w, std::intptr_t l) const {
        for (const WindowMessage& m : queue.posted) {
            if (m == WindowMessage{id, w, l})
                return true;
        }
        return false;
    }

    ProgramPaths paths = ProgramPaths::build(builtProgramFolder(), 1);
    RecordingNotifier notifier;
    MacVkAndText keys;
    MacroLibrary macros{keys, notifier};
    LanguageTextTable texts;
    MainSkin skin;
    SettingsModel settings;
    RecordingQueue queue;
    FakePopupHost host;
    int keyNum = 8;
    PopupMenus menus{MenuEnvironment{settings, queue, texts, skin, macros, paths, host, notifier,
                                     [this] { return keyNum; }}};
};

}  // namespace karvo::testing
