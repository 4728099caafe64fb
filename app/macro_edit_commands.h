// The commands of the macro page that change macros: the step list's pop-ups and in-place edits,
// the recorder, and the macro list's pop-ups with import and export. The window opens the menus,
// edit boxes, file dialogs and keyboard grab these commands ask for, and passes back the choices.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/macro_page_controls.h"
#include "macro/mac_vk_and_text.h"
#include "macro/macro_exchange.h"
#include "macro/macro_recorder.h"
#include "macro/macro_step_editor.h"
#include "platform/notifier.h"
#include "services/language_text.h"
#include "services/macro_library.h"

namespace karvo {

// A file the user is asked to pick: to open or to save, with the dialog's filter ("All
// Files(*.dat)|*.dat||"), the extension a saved name gets when it has none, and the folder the
// dialog starts in (empty: wherever the dialog likes).
struct FileChoice {
    bool save = false;
    std::string filter;
    std::string defaultExtension;
    std::filesystem::path folder;
    bool operator==(const FileChoice&) const = default;
};
using ChooseFile = std::function<std::optional<std::filesystem::path>(const FileChoice&)>;

class MacroEditCommands {
  public:
    static constexpr int kMacroListMenu = 11;
    static constexpr int kMacroMenu = 12;
    // WM_MACRO_GROUP_FILE wparam values.
    static constexpr int kImportGroupFile = 1;
    static constexpr int kExportGroupFile = 2;
    static constexpr int kResetGroups = 3;
    static constexpr std::string_view kMacroFilter = "All Files(*.sdat)|*.sdat||";

    struct Parts {
        MacroLibrary& macros;
        MacroPageControls& controls;
        const LanguageTextTable& texts;
        const MacVkAndText& keys;
        Notifier& notifier;
        // The file dialog; without one the file commands do nothing.
        ChooseFile chooseFile;
        // The group file commands (import, export, reset: WM_MACRO_GROUP_FILE 1, 2, 3) belong to
        // the window, which is told through this.
        std::function<void(int what)> groupFile;
        // Milliseconds since midnight, what recorded pauses are measured with.
        std::function<std::uint32_t()> timeOfDay = msOfDayNow;
        // The keyboard goes to the recording (true) or back to everyone (false).
        std::function<void(bool)> onRecording;
    };

    // A pop-up to open: its menu number and the items it shows.
    struct MenuRequest {
        int menu = 0;
        std::vector<int> items;
        bool operator==(const MenuRequest&) const = default;
    };

    // An in-place edit: a box over `line` of the macro list or the step list holding `text`.
    struct InPlaceEdit {
        bool macroList = false;
        int line = 0;
        std::string text;
        bool operator==(const InPlaceEdit&) const = default;
    };

    explicit MacroEditCommands(Parts parts);

    void setLanguage(int language) { language_ = language; }

    // --- The step list. ---
    // A right click on a step list line (kNone: below the lines) selects it; the step menu
    // opens on a delay line and on a step line whose key is neither a plain wait nor lighting.
    std::optional<MenuRequest> onStepRightClick(int line);
    // The insert menu of page entry 5 (it acts on the selected step, or at the start).
    std::optional<MenuRequest> insertMenu() const;

    // --- The macro list. ---
    // A right click on a macro list line selects it; a macro line opens the macro menu, a group
    // line or the space below the lines the group menu (delete, rename and export only when
    // there is a line).
    std::optional<MenuRequest> onMacroListRightClick(int line);

    // A menu item was chosen (menus 11 to 14).
    void onMenuPick(int menu, int item);

    // --- In-place edits. ---
    const std::optional<InPlaceEdit>& edit() const { return edit_; }
    // The box lost the focus or the list was right-clicked: the text takes effect (an unchanged
    // text does nothing).
    void finishEdit(std::string_view text);

    // --- Picking another key for a step (the step menu's Modify on a key step). ---
    // The step waiting for a key and its key's name, while the key capture dialog is open.
    std::optional<std::pair<std::size_t, std::string>> keyRequest() const { return keyRequest_; }
    // The virtual key the user picked (nothing: cancelled); the step takes its device code.
    void onKeyPicked(std::optional<int> virtualKey);

    // --- Recording (page entry 4). ---
    bool recording() const { return recorder_.recording(); }
    void toggleRecording();
    // Ends a running recording and saves the macro; nothing when none runs.
    void stopRecording();
    // A keyboard event while recording; returns whether it was the recording's (always, while
    // one runs: nothing else may see the keys, F10 included).
    bool onRecordKey(MacroRecorder::Event event, int virtualKey);

    // The selected step, from the step list's selection.
    std::optional<std::size_t> selectedStep() const;

  private:
    // Copies the current macro out, runs f(record) on the copy outside the library's lock, and
    // when f reports a change stores and saves the copy; returns whether it was stored.
    template <class F>
    bool changeCurrent(F&& f);
    std::optional<MacroRecord> currentCopy() const;
    bool store(const MacroRecord& record);
    void showCurrent(int line);
    void runStepCommand(const StepCommand& command);
    void modify();
    void startMacroListEdit();
    void importMacro();
    void exportMacro();

    Parts parts_;
    int language_ = 1;
    MacroStepEditor editor_;
    MacroRecorder recorder_;
    std::optional<std::pair<int, int>> recordingMacro_;
    std::optional<InPlaceEdit> edit_;
    std::optional<std::pair<std::size_t, std::string>> keyRequest_;
};

}  // namespace karvo
