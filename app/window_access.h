// What the main window shows to the keyboard and to screen readers: the entries of the header
// and of the current page in the order Tab visits them, each with its role, its name (the
// layout's caption, or the language's label for the symbol entries), its value and its state;
// and the sliders' steps, which the arrow keys move one at a time.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/language_text.h"
#include "settings/settings_model.h"
#include "ui/skin/accessible.h"
#include "ui/skin/layout_files.h"
#include "ui/skin/main_skin.h"
#include "ui/skin/page_view.h"

namespace karvo::window_access {

// An entry's id among the window's: its layout entry, offset by its table (the four tables
// number their entries independently).
int idOf(LayoutFile table, int entry);
LayoutFile tableOf(int id);
int entryOf(int id);

// A text of [UniqueName_Other] in the language, or `english` when there is none.
std::string otherText(const LanguageTextTable* texts, int index, std::string_view english);

struct Input {
    const MainSkin& skin;
    const Settings& settings;
    Page page = Page::Main;
    int keyNum = 0;
    const LanguageTextTable* texts = nullptr;
    std::optional<int> selectedMacroMode;  // playback mode of the selected macro, if any
};

// The header's entries, then the current page's, then the web address, in focus order.
std::vector<AccessibleEntry> entries(const Input& in);

// A slider entry: its step count and the step it shows now (1 .. steps).
struct SliderSteps {
    int steps = 0;
    int current = 0;
};
std::optional<SliderSteps> slider(LayoutFile table, int entry, const SharedSettings& s);

}  // namespace karvo::window_access
