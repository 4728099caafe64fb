// The macro page's child controls as the window creates them at start-up: the macro list, the
// step list and the key list (owner-drawn list boxes), the repeat count box and the two boxes
// around the step list. The decisions live here; the platform shows the lines and boxes and
// forwards input.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "macro/mac_vk_and_text.h"
#include "services/language_text.h"
#include "services/macro_library.h"
#include "settings/settings_model.h"
#include "ui/controls/list_box_xi.h"
#include "ui/skin/main_skin.h"

namespace karvo {

// What an edit box shows and whether the user may type in it.
struct EditBoxModel {
    std::string text;
    bool enabled = false;
    bool readOnly = true;
    bool operator==(const EditBoxModel&) const = default;
};

class MacroPageControls {
  public:
    static constexpr int kMinRepeat = 1;
    static constexpr int kMaxRepeat = 1000;

    struct Parts {
        MacroLibrary& macros;
        const LanguageTextTable& texts;
        const MacVkAndText& keys;
        const MainSkin& skin;
        SettingsModel& settings;
        // The playback mode of the selected macro, or nothing while none is selected; the main
        // window draws it.
        std::function<void(std::optional<int>)> onMacroMode;
    };

    explicit MacroPageControls(Parts parts);

    // The language of the key names and the number of buttons, once start-up has read them.
    void setLanguage(int language) { language_ = language; }
    void setKeyNum(int keyNum);
    // The icon strip picture the three lists draw their icons from.
    void setIconStrip(const std::string& picture);

    // Rebuilds every control from the library: the macro list with the library's expansion
    // and selection, and the steps, name, repeat count and key marks of its current macro.
    void reload();

    CListBoxXI& macroList() { return macroList_; }
    CListBoxXI& stepList() { return stepList_; }
    CListBoxXI& keyList() { return keyList_; }
    const CListBoxXI& macroList() const { return macroList_; }
    const CListBoxXI& stepList() const { return stepList_; }
    const CListBoxXI& keyList() const { return keyList_; }
    // [EDIT] key 0: the repeat count.
    const EditBoxModel& repeatBox() const { return repeat_; }
    // [EDIT] key 1: the selected macro's name, read-only.
    const EditBoxModel& nameBox() const { return name_; }
    // [EDIT] key 2: nothing yet, read-only.
    const EditBoxModel& noteBox() const { return note_; }

    // The selected macro as group and macro index, or nothing.
    std::optional<std::pair<int, int>> selectedMacro() const { return selected_; }

    // The user typed into the repeat box: the digits give the count, brought within 1..1000,
    // stored in the macro and saved. Returns what the box must show now. A box emptied to type
    // a new number stays empty and changes nothing, rather than becoming "1" under the cursor.
    std::string onRepeatEdited(std::string_view typed);
    // The user left the repeat box (clicked elsewhere, pressed Enter): an empty box shows the
    // stored count again.
    void onRepeatFinished();

    // The buttons' functions may have changed (another profile, another assignment).
    void refreshKeys();

    // Shows `macro`'s steps (while editing or recording) and selects `line` of the step list
    // (CListBoxXI::kNone: no line).
    void showSteps(const MacroRecord& macro, int line);
    // Selects a macro list line as a click on it does.
    void selectMacroLine(int line);
    // Called before a click on the macro list changes the selection: a recording ends first.
    void setBeforeMacroLine(std::function<void()> handler) { beforeLine_ = std::move(handler); }
    // Whether the repeat box takes input; off while a recording runs.
    void setRepeatEnabled(bool enabled);

    // The repeat count a typed text stands for: its digits in decimal, within 1..1000.
    static int clampRepeat(std::string_view typed);
    // The function code that runs macro `macro` of group `group` (both from 0).
    static std::int32_t macroFunction(int group, int macro) { return (group + 1) * 256 + macro; }

  private:
    void onMacroLine(int line);
    void rebuildMacroList(const MacroGroup& groups);
    // The macro the group table holds as current, copied out from under the library's lock.
    struct CurrentMacro {
        MacroRecord record;
        int group;
        int macro;
    };
    static std::optional<CurrentMacro> currentOf(MacroGroup& groups);
    // Shows the macro's steps, name, repeat count and key marks, or the empty page.
    void show(const std::optional<CurrentMacro>& current);

    Parts parts_;
    int language_ = 1;
    int keyNum_ = 0;
    CListBoxXI macroList_;
    CListBoxXI stepList_;
    CListBoxXI keyList_;
    EditBoxModel repeat_;
    EditBoxModel name_;
    EditBoxModel note_;
    std::optional<std::pair<int, int>> selected_;
    std::function<void()> beforeLine_;
};

}  // namespace karvo
