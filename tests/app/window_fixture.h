// The main window controller on a recording window, with fake dialogs, a fake menu opener and
// recording actions, for the tests of its entries, its more menu and its keyboard.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/ckarvo_gmousedlg.h"
#include "fake_window.h"
#include "skin_fixture.h"

namespace karvo::testing {

class FakeMenus final : public MenuOpener {
  public:
    MenuSize size(const MenuRequest&) override { return menuSize; }
    bool open(const MenuRequest& r) override {
        opened.push_back(r);
        return opens;
    }
    void close() override { ++closed; }
    MenuSize menuSize{120, 200};
    bool opens = true;
    std::vector<MenuRequest> opened;
    int closed = 0;
};

class FakeActions final : public WindowActions {
  public:
    bool startApply() override {
        calls.push_back("apply");
        return true;
    }
    bool startFullApply() override {
        calls.push_back("full apply");
        return true;
    }
    bool startRewrite() override {
        calls.push_back("rewrite");
        return true;
    }
    std::optional<bool> autostartEnabled() const override { return autostart; }
    std::string setAutostart(bool on) override {
        calls.push_back(on ? "autostart on" : "autostart off");
        if (autostartError.empty())
            autostart = on;
        return autostartError;
    }
    std::optional<bool> autostart = false;
    std::string autostartError;
    bool writing() const override { return busy; }
    void importConfig(const std::filesystem::path& f) override {
        calls.push_back("import " + f.string());
    }
    void exportConfig(const std::filesystem::path& f) override {
        calls.push_back("export " + f.string());
    }
    void resetAll() override { calls.push_back("reset"); }
    void macroGroupFile(int c) override { calls.push_back("group file " + std::to_string(c)); }
    bool macroGroupSelected() const override { return grouped; }
    bool setPlaybackMode(int mode) override {
        calls.push_back("mode " + std::to_string(mode));
        return true;
    }
    void refreshMacroPage() override { calls.push_back("refresh"); }
    void startBlink() override { calls.push_back("blink"); }
    void startLightingAnimation() override { calls.push_back("lighting"); }
    bool busy = false;
    bool grouped = true;
    std::vector<std::string> calls;
};

class FakeEditor final : public MacroEditor {
  public:
    bool recording() const override { return isRecording; }
    void toggleRecording() override { calls.push_back("record"); }
    void openInsertMenu(const MenuRequest& r) override {
        calls.push_back("insert");
        insertAt = r;
    }
    void openGunPresets() override { calls.push_back("gun"); }
    void onMenuPick(int menu, int row) override {
        calls.push_back("pick " + std::to_string(menu) + " " + std::to_string(row));
    }
    void onKeyCaptured() override { calls.push_back("captured"); }
    void onRecordedKey(std::uint32_t m, int vk) override {
        calls.push_back("key " + std::to_string(m) + " " + std::to_string(vk));
    }
    void onRowSelect(int list, int row) override {
        calls.push_back("row " + std::to_string(list) + " " + std::to_string(row));
    }
    bool isRecording = false;
    std::vector<std::string> calls;
    MenuRequest insertAt;
};

using FakeFiles = ScriptedFiles;

class FakeColours final : public ColourDialog {
  public:
    std::optional<RgbColour> choose(RgbColour initial) override {
        offered.push_back(initial);
        return answer;
    }
    std::optional<RgbColour> answer;
    std::vector<RgbColour> offered;
};

class RecordingLanguage final : public LanguageSwitch {
  public:
    void switchTo(int p) override { switched.push_back(p); }
    void fontsChanged() override { ++fonts; }
    std::vector<int> switched;
    int fonts = 0;
};

class RecordingCombination final : public CombinationOpener {
  public:
    void open(int slot, const std::string& text, bool fromMenu) override {
        opened.push_back({slot, text, fromMenu});
    }
    struct Call {
        int slot;
        std::string text;
        bool fromMenu;
    };
    std::vector<Call> opened;
};

// The notices shown: the scripted runner records every dialog run, the warning its text.
struct WindowFixture {
    WindowFixture() {
        settings.edit([&](Settings& s) {
            s = shipped.settings;
            for (int k = 0; k < kDpiLevels; ++k)
                s.shared.dpi[static_cast<std::size_t>(k)].enabled = true;
            s.shared.colourCycleMask = 0x7F;
            s.shared.ledType = 3;
        });
        dlg.setMenuOpener(&menus);
        dlg.setActions(&actions);
        dlg.setMacroEditor(&editor);
        dlg.setFileDialog(&files);
        dlg.setColourDialog(&colours);
        dlg.setLanguageSwitch(&language);
        dlg.setCombinationOpener(&combination);
        window.frameRect = {100, 50, 1100, 700};
    }
    static std::pair<int, int> centre(const SkinLayout& t, int i) {
        const SkinRect& r = t.rect(i);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    // A move to the entry's centre, a press and a release there.
    void click(const SkinLayout& t, int i) { KeyboardFocus::click(dlg, t.rect(i)); }
    void clickMain(int i) { click(shipped.skin.main(), i); }
    void clickAdvanced(int i) {
        dlg.showPage(Page::Advanced);
        click(shipped.skin.advanced(), i);
    }
    void clickLighting(int i) {
        dlg.showPage(Page::Lighting);
        click(shipped.skin.lighting(), i);
    }
    void clickMacro(int i) {
        dlg.showPage(Page::Macro);
        click(shipped.skin.macro(), i);
    }
    // The notices shown so far (the warning dialog runs once per notice).
    std::size_t notices() const { return runner.frames.size(); }
    SharedSettings shared() const { return settings.snapshot().shared; }

    ShippedSkin shipped;
    SettingsModel settings;
    FakeWindow window;
    RecordingQueue queue;
    ScriptedRunner runner;
    WarningDlg warning{runner, queue, {}};
    MacVkAndText keys;
    FakeMenus menus;
    FakeActions actions;
    FakeEditor editor;
    FakeFiles files;
    FakeColours colours;
    RecordingLanguage language;
    RecordingCombination combination;
    CKarvo_GMouseDlg dlg{{shipped.skin, settings, window, queue, warning, nullptr, nullptr, &keys},
                         shipped.pictures,
                         8};
};

}  // namespace karvo::testing
