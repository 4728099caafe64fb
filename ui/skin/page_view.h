// What the page painters draw from: the skin, a snapshot of the settings and the window's
// hover state. The main window fills one for each paint; tests build their own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_model.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/main_skin.h"

namespace karvo {

enum class Page { Main = 0, Advanced = 1, Macro = 2, Lighting = 3 };

// The pictures of the main window: the four page sets from the skin folder, the slider knob,
// the lighting page's covers, and the macro badge from the language folder.
struct PagePictures {
    ImageStateSet main;
    ImageStateSet advanced;
    ImageStateSet macro;
    ImageStateSet lighting;
    std::string knob;        // moveRect.png
    std::string ledNull;     // led_null.jpg: covers options the effect does not offer
    std::string lightsOff;   // new_down.jpg: entry 78 while the lights are off
    std::string macroBadge;  // zhi.png of the language folder

    static PagePictures in(const std::filesystem::path& skinFolder,
                           const std::filesystem::path& languageFolder);
    const ImageStateSet& of(Page page) const;
};

struct PageView {
    const MainSkin& skin;
    const PagePictures& pictures;
    const Settings& settings;
    Page page = Page::Main;
    int keyNum = 0;  // buttons of the mouse (KeyNum), 0 to 12
    // Hot index of each table and the one pressed flag.
    int hotMain = NO_ITEM;
    int hotAdvanced = NO_ITEM;
    int hotMacro = NO_ITEM;
    int hotLighting = NO_ITEM;
    bool pressed = false;
    // The playback mode of the macro selected in the macro list; nothing while none is.
    std::optional<int> selectedMacroMode;
    // The user colour the lighting page's preview shows (the lighting animation moves it).
    int previewColour = 0;
    // The active DPI level's sensitivity in DPI (the device description's table); 0: not shown.
    int activeDpi = 0;
    // The chosen lighting effect's name in the window's language, shown in the effect box;
    // empty: the box shows its caption.
    std::string effectName{};
    // Each button's reaction lighting by name, shown in its box beside the button; empty: none.
    std::vector<std::string> reactionNames{};

    int scale() const { return skin.scale(); }
    const ImageStateSet& set() const { return pictures.of(page); }
    // Copies an entry of `layout` from `picture` (rectangle divided by the scale).
    void copy(Canvas& canvas, const std::string& picture, const SkinLayout& layout,
              int index) const {
        ImageStateWindow::copyEntry(canvas, picture, layout, index, scale());
    }
};

}  // namespace karvo
