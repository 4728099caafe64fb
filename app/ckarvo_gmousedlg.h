// CKarvo_GMouseDlg: the main window's controller. It keeps the current page and the hover and
// press state of its four layout tables, turns mouse input into page and profile changes and
// slider values, handles the window messages, and paints the current page on a canvas.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/sound_lighting.h"
#include "app/window_actions.h"
#include "app/window_host.h"
#include "app/window_seams.h"
#include "device/device_link.h"
#include "macro/mac_vk_and_text.h"
#include "platform/colour_dialog.h"
#include "platform/file_dialog.h"
#include "platform/message_queue.h"
#include "services/language_text.h"
#include "settings/settings_model.h"
#include "ui/dialogs/warning_dlg.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/keyboard_focus.h"
#include "ui/skin/main_skin.h"
#include "ui/skin/page_view.h"
#include "ui/skin/skinned_window.h"

namespace karvo {

// The tray icon's menu in the current language: show, then exit.
std::vector<TrayMenuItem> trayMenuItems(const LanguageTextTable& texts);

class CKarvo_GMouseDlg final : public SkinnedWindow {
  public:
    // Slider being dragged: 0 none, 1 DPI value, 2 pointer speed, 3 wheel speed, 4 fire time,
    // 5 lighting speed, 6 brightness.
    enum class Drag { None = 0, DpiValue, PointerSpeed, WheelSpeed, FireTime };

    struct Parts {
        const MainSkin& skin;
        SettingsModel& settings;
        WindowHost& host;
        MessageQueue& queue;
        WarningDlg& warning;
        device::DeviceLink* link = nullptr;  // the shutdown reports go here when it is set
        // The macro page's paint region (the window less its child controls); null: the whole
        // window.
        const PaintRegion* macroRegion = nullptr;
        // The key tables the combinations of WM_COMBINATION_SET are converted with.
        const MacVkAndText* keys = nullptr;
        // The DPI table the DPI value box reads; null: the box stays empty.
        const DeviceDescription* description = nullptr;
        // The language texts of the "more" menu's rows and the effect box; null: the English
        // rows and the box's caption.
        const LanguageTextTable* texts = nullptr;
    };

    CKarvo_GMouseDlg(Parts parts, PagePictures pictures, int keyNum);

    // The pictures of the language and the number of buttons, once start-up has read them.
    void setPictures(PagePictures pictures, int keyNum);

    // SkinnedWindow: window pixels.
    bool onMouseMove(std::int32_t x, std::int32_t y) override;
    bool onLeftDown(std::int32_t x, std::int32_t y) override;
    bool onLeftUp(std::int32_t x, std::int32_t y) override;
    bool onMouseLeave(bool leftButtonHeld) override;
    // On the background (where a left press drags the window) the system menu opens.
    bool onRightUp(std::int32_t x, std::int32_t y) override;
    bool onSystemMenuKey(std::int32_t x, std::int32_t y) override;
    void paint(Canvas& canvas) override;
    const PaintRegion* paintRegion() const override;
    // The keyboard: Tab and Shift+Tab over the header's and the current page's entries, Enter
    // and Space act as a click, the arrows (and Home, End) move a focused slider one step,
    // Escape closes an open menu. Screen readers see the same entries.
    std::vector<AccessibleEntry> accessibleEntries() const override;
    int focusedEntry() const override { return focus_.focused(); }
    bool onKey(NavigationKey key) override;
    bool activate(int id) override;
    bool setValue(int id, int value) override;

    // A message from the queue, on the window thread.
    void onMessage(const WindowMessage& message);

    // The shutdown path: tray icon off, refresh and closing reports to the mouse, open dialogs
    // ended, then the window. Runs once.
    void shutdown();
    // Our mouse was unplugged (its threads are already suspended): tray icon off, open
    // dialogs ended, then the window, with no reports to a mouse that is gone.
    void mouseRemoved();

    Page page() const { return page_; }
    // For the blink thread, which asks from its own thread.
    bool mainPageShown() const { return mainShown_; }
    // For the lighting animation, likewise.
    bool lightingPageShown() const { return lightingShown_; }
    // The preview colour index of the lighting animation, read at each paint.
    void setLightingPreview(std::function<int()> preview) { preview_ = std::move(preview); }
    void showPage(Page page);
    // Told every page change, after the change; the macro page's child controls follow it.
    void setOnPageChanged(std::function<void(Page)> handler) {
        onPageChanged_ = std::move(handler);
    }
    int hot(LayoutFile table) const;
    bool pressed() const { return pressed_; }
    Drag drag() const { return drag_; }
    // Progress of the download running on a worker, as blocks written and in all.
    std::optional<std::pair<std::size_t, std::size_t>> downloadProgress() const {
        return progress_;
    }
    std::optional<int> lastResult() const { return lastResult_; }
    void setSelectedMacroMode(std::optional<int> mode) { selectedMacroMode_ = mode; }
    // Sound-reactive lighting: the lighting page's entry opens it, WM_SOUND_LIGHT_DONE
    // restores the lighting through it, the window's end ends it. Null: none.
    void setSoundLighting(SoundLighting* sound) { sound_ = sound; }
    bool shutDown() const { return shutDown_; }

    // The fillers of the window's seams (window_seams.h) and its dialogs. Until one is set the
    // window uses a do-nothing default (no dialog: import, export and colours do nothing).
    // The objects must outlive the window; null returns to the default.
    void setMenuOpener(MenuOpener* opener) { menus_ = opener ? opener : &noMenus_; }
    void setCombinationOpener(CombinationOpener* opener) {
        combination_ = opener ? opener : &noCombination_;
    }
    void setLanguageSwitch(LanguageSwitch* language) {
        language_ = language ? language : &noLanguage_;
    }
    void setMacroEditor(MacroEditor* editor) { macroEditor_ = editor ? editor : &noEditor_; }
    void setActions(WindowActions* actions) { actions_ = actions ? actions : &noActions_; }
    void setFileDialog(FileDialog* dialog) { fileDialog_ = dialog; }
    void setColourDialog(ColourDialog* dialog) { colourDialog_ = dialog; }
    MenuOpener& menus() { return *menus_; }
    MacroEditor& macroEditor() { return *macroEditor_; }
    // A pop-up menu opened by this window is open (cleared by WM_MENU_CLOSED).
    bool menuOpen() const { return menuOpen_; }

    // The DPI level toggle: at least one level stays enabled and the active level is always
    // an enabled one.
    static void toggleDpiLevel(SharedSettings& s, int level);
    // Cycle participation of user colour k: a colour leaves only while another takes part.
    static void toggleCycleColour(SharedSettings& s, int colour);
    // The level a colour component is stored as: (255 - x) / 16.
    static ColourLevels levelsOf(RgbColour colour);
    // Where a menu of `size` opens for an entry at `entry` (screen pixels): below it against
    // its right edge, or above it when below would leave `workArea` (empty: no limit).
    static MenuRequest placeBelow(MenuRequest request, MenuSize size, const SkinRect& workArea);

  private:
    ImageStateWindow& tracker(LayoutFile table);
    void actOnMainPage(int entry);
    void actOnAdvancedPage(int entry);
    void actOnLightingPage(int entry, const SharedSettings& s);
    void actOnMacroPage(int entry);
    // Opens a menu for `entry` of `table`: below it (or above), or beside it.
    bool openMenu(int kind, LayoutFile table, int entry, int slot, bool beside = false,
                  std::vector<std::string> texts = {});
    SkinRect onScreen(const SkinRect& windowRect) const;
    void chooseColour(int tableEntry);
    void importConfig();
    void exportConfig();
    void tip(int index);
    // A text of [UniqueName_Other] in the language, or `english` when the language has none.
    // The "more" menu: its rows' texts (the first says whether the program starts with the
    // session), and what its rows 1 and 3 do.
    std::vector<std::string> moreMenuTexts() const;
    void onMorePick(int row);
    // Apply (changed blocks) or the full apply: nothing while a write runs.
    void startApply(bool everything);
    // While recording, the top bar takes only entries 0 and 1.
    bool refusedWhileRecording(int entry);
    void onMenuClosed(const WindowMessage& m);
    void onCombinationSet(const WindowMessage& m);
    void onRowSelect(const WindowMessage& m);
    int pageHot() const;
    // After a move to the point: no entry of the header or of the page is under it.
    bool overBackground() const;
    void openSystemMenu(std::int32_t x, std::int32_t y);
    void actOnHeaderDown(int entry);
    void actOnHeaderUp(int entry);
    void startDrag(Drag drag);
    void dragTo(std::int32_t x);
    void paintProgress(Canvas& canvas) const;
    void paintFocus(Canvas& canvas) const;
    const SkinLayout& layout(LayoutFile table) const;
    // Moves the slider `id` to `step` as a press on it and a drag to that step would.
    bool moveSlider(int id, int step);
    void endWindow(bool reportToMouse);

    Parts parts_;
    PagePictures pictures_;
    int keyNum_;
    Page page_ = Page::Main;
    std::atomic<bool> mainShown_{true};
    std::atomic<bool> lightingShown_{false};
    std::function<int()> preview_;
    ImageStateWindow main_;
    ImageStateWindow advanced_;
    ImageStateWindow macro_;
    ImageStateWindow lighting_;
    bool pressed_ = false;
    Drag drag_ = Drag::None;
    std::optional<int> selectedMacroMode_;
    std::function<void(Page)> onPageChanged_;
    SoundLighting* sound_ = nullptr;
    std::optional<std::pair<std::size_t, std::size_t>> progress_;
    // How the last write to the mouse ended (Downloader::Result), shown until the next one.
    std::optional<int> lastResult_;
    bool badgeReported_ = false;
    bool shutDown_ = false;
    bool noTrayNoticeGiven_ = false;  // the no-tray notice is said once a run

    MenuOpener noMenus_;
    CombinationOpener noCombination_;
    LanguageSwitch noLanguage_;
    MacroEditor noEditor_;
    MenuOpener* menus_ = &noMenus_;
    CombinationOpener* combination_ = &noCombination_;
    LanguageSwitch* language_ = &noLanguage_;
    MacroEditor* macroEditor_ = &noEditor_;
    WindowActions noActions_;
    WindowActions* actions_ = &noActions_;
    FileDialog* fileDialog_ = nullptr;
    ColourDialog* colourDialog_ = nullptr;
    KeyboardFocus focus_;
    bool menuOpen_ = false;
    // The kind of the menu this window opened last, while menuOpen_.
    int openMenuKind_ = -1;
    LayoutFile openMenuTable_ = LayoutFile::Main;
};

}  // namespace karvo
