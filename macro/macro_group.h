// The macro group library of the macro page: the group list file ("macroGrp.ini"), the names of
// every group and macro, the lines of the macro list, the current group's macro table, and the
// commands on groups and macros. All group files live in one macro folder; no command creates,
// copies or deletes a file anywhere else, whatever names the list file or the user bring.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macro/macro_file.h"
#include "macro/macro_table.h"
#include "platform/notifier.h"

namespace karvo {

// One line of the macro list: a group, or a macro shown under its expanded group.
struct MacroListLine {
    bool isGroup = true;
    std::size_t group = 0;
    int macro = -1;  // -1 on a group line
    bool operator==(const MacroListLine&) const = default;
};

class MacroGroup {
  public:
    static constexpr std::size_t kMaxGroups = 12;
    static constexpr std::size_t kMaxMacros = MacroTable::kMaxMacros;
    static constexpr std::string_view kListFileName = "macroGrp.ini";
    static constexpr int kNone = -1;

    // Language texts of the notices (TipText n).
    static constexpr int kTipMissingFile = 5;
    static constexpr int kTipFailed = 6;
    static constexpr int kTipMacroLimit = 21;
    static constexpr int kTipGroupLimit = 30;

    // `file` and `notifier` must outlive the library. Nothing is read until load().
    MacroGroup(const MacroFile& file, Notifier& notifier, std::filesystem::path macroFolder,
               std::filesystem::path resetFolder);

    // A language change moves both folders; load() then reads the new library.
    void setFolders(std::filesystem::path macroFolder, std::filesystem::path resetFolder);
    const std::filesystem::path& macroFolder() const { return macroFolder_; }
    std::filesystem::path listFile() const { return macroFolder_ / kListFileName; }

    // Reads the group list, reads every macro name, makes the first group current and loads
    // it; all groups collapsed. A group whose file is missing, whose name could not name a
    // file in the macro folder or that repeats an earlier name keeps its place (button codes
    // count groups by place) but is left out of this run with a notice: it has no macros, no
    // file and no line. The list file is never written by a load. A missing list file gives
    // TipText 5 and an empty library.
    //
    // Every command that changes the library takes the macro folder's lock and starts from
    // the list and group file as they are on disk, so another process's change survives.
    void load();

    // --- The library, as the macro page and the device download read it. ---
    std::size_t groupCount() const { return names_.size(); }
    std::span<const std::string> groupNames() const { return names_; }
    // Empty beyond the last group.
    std::string_view groupName(std::size_t group) const;
    // The group's ".dat" file in the macro folder; empty beyond the last group and for a
    // group left out of this run.
    std::filesystem::path groupFile(std::size_t group) const;
    // False for a group left out of this run (see load()) and beyond the last group.
    bool isPresent(std::size_t group) const;
    // 0 beyond the last group.
    std::size_t macroCount(std::size_t group) const;
    // Empty beyond the group's macros.
    std::string_view macroName(std::size_t group, std::size_t macro) const;
    std::span<const std::string> macroNames(std::size_t group) const;
    bool isExpanded(std::size_t group) const { return group < kMaxGroups && expanded_[group]; }
    // Macro `macro` of group `group` as its file holds it (the device write reads saved macros,
    // not the table); a blank record when either does not exist.
    MacroRecord readMacroForDevice(std::size_t group, std::size_t macro) const;

    // --- The current group, whose macros the table holds. ---
    int currentGroup() const { return current_; }
    int currentMacro() const { return currentMacro_; }
    MacroTable& table() { return table_; }
    const MacroTable& table() const { return table_; }
    // The current macro's record, or nullptr when no macro is current.
    MacroRecord* currentRecord();
    // Saves one macro of the current group (write-one-macro); the editor calls it after every
    // edit and before another line is selected.
    bool saveMacro(std::size_t macro);

    // --- The macro list. ---
    std::span<const MacroListLine> lines() const { return lines_; }
    // The selected line, or kNone.
    int selectedLine() const;
    // The group the selected line belongs to (the current group when nothing is selected), or
    // kNone; the group that new and imported macros go to.
    int selectedGroup() const;
    // A group line toggles the group's expansion and leaves no macro current; a macro line makes
    // its group current (loading its file when it is another) and the macro current. A line
    // beyond the list gives TipText 6 and changes nothing.
    bool selectLine(std::size_t line);

    // --- Commands of the macro list menus. Each notices the user itself and returns whether
    // the library changed. ---

    // Adds a group named `baseName` (made unique) with an empty file, makes it current and
    // selects its line. TipText 30 at 12 groups; TipText 6 when the file cannot be created.
    bool newGroup(std::string_view baseName);
    // Adds an empty macro named `baseName` (made unique in the group) to the selected group,
    // saves it, expands the group and selects the macro. TipText 21 at 12 macros.
    bool newMacro(std::string_view baseName);
    // Deletes the selected group from the list and its file; group 0 becomes current.
    bool deleteGroup();
    // Ends the in-place edit of a group line; returns the name the line shows afterwards (the
    // old one when the text is empty, unusable, or the file could not be renamed).
    std::string renameGroup(std::size_t group, std::string_view typed);
    // Ends the in-place edit of a macro line of the current group; returns the name shown.
    std::string renameMacro(std::size_t macro, std::string_view typed);
    // Deletes the selected macro (the caller refuses while recording) and selects the line
    // above it.
    bool deleteMacro();
    // Replaces the whole library with the reset folder's content. The reset folder is copied
    // beside the macro folder first and swapped in only when the copy is complete, so a failure
    // leaves the old library; a missing reset folder gives TipText 5 and changes nothing.
    bool resetAll();

    // --- Building blocks of import. ---
    bool hasGroupNamed(std::string_view name) const;
    // Copies `source` into the macro folder as `name` (a name cleanGroupName accepts as it is),
    // appends the group, makes it current and selects it.
    bool addGroupFromFile(const std::filesystem::path& source, std::string_view name);
    // Appends a copy of `record` to the selected group under a name made unique in the group,
    // saves it, expands the group and selects the macro. TipText 21 at 12 macros.
    bool addMacro(const MacroRecord& record);

  private:
    // Reads the list file into names_ and present_; false (nothing changed) when it is missing.
    // With `tellUser` every group left out is noticed.
    bool readList(bool tellUser);
    void syncWithDisk();
    int firstPresentGroup() const;
    bool writeList() const;
    void loadMacroNames();
    // Makes `group` current and loads its file into the table (kNone: an empty table).
    void makeCurrent(int group);
    void rebuildList();
    void select(std::size_t group, int macro);
    // Removes every trace of a group from memory (names, flags); the caller writes the list.
    void eraseGroup(std::size_t group);

    const MacroFile& file_;
    Notifier& notifier_;
    std::filesystem::path macroFolder_;
    std::filesystem::path resetFolder_;

    std::vector<std::string> names_;
    std::array<std::vector<std::string>, kMaxGroups> macroNames_{};
    std::array<bool, kMaxGroups> expanded_{};
    std::array<bool, kMaxGroups> present_{};
    MacroTable table_;
    int current_ = kNone;
    int currentMacro_ = kNone;

    std::vector<MacroListLine> lines_;
    int selGroup_ = kNone;  // the selection, by group and macro (-1: the group line)
    int selMacro_ = kNone;
};

}  // namespace karvo
