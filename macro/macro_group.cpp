// The macro group library; see macro_group.h.
#include "macro/macro_group.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>

#include "macro/macro_naming.h"
#include "platform/file_ops.h"
#include "platform/folder_lock.h"
#include "platform/private_profile.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCountSection = "MACRO_GROUP_NUM";
constexpr std::string_view kCountKey = "macGrpNum";
constexpr std::string_view kNameSection = "MACRO_GROUP_NAME";
constexpr std::string_view kMacros = "Macros";
constexpr std::string_view kMacroCountKey = "macroNum";

constexpr std::size_t kSmallNumberBuffer = 3;  // room for two digits
constexpr std::size_t kGroupNameBuffer = naming::kGroupNameUnits + 1;
constexpr std::size_t kNameNumbers = MacroFile::kNameBytes;
constexpr std::size_t kRowBuffer = 26649;

bool isRegularFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// Deletes a file (a link itself, never what it points at); one retry after a short pause
// for a file that a virus scanner or an indexer still holds.
void deleteFile(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    if (fs::exists(fs::symlink_status(file, ec))) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        fs::remove(file, ec);
    }
}

// The two folders a reset swaps through, beside the macro folder: the copy of the reset
// folder while it is made, and the old library while the new one moves in.
fs::path stagingFolder(const fs::path& macroFolder) {
    return macroFolder.parent_path() / ("." + macroFolder.filename().string() + ".resetting");
}
fs::path previousFolder(const fs::path& macroFolder) {
    return macroFolder.parent_path() / ("." + macroFolder.filename().string() + ".previous");
}

// Macro folders end in a separator in some callers' paths; the swap needs the folder's name.
fs::path withoutTrailingSeparator(fs::path folder) {
    if (!folder.has_filename() && folder.has_parent_path())
        folder = folder.parent_path();
    return folder;
}

// Copies the folder's files and sub-folders into `to` (created). Links are skipped: the copy
// holds only what lies inside the folder itself.
bool copyTree(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec)
        return false;
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::file_status st = it->symlink_status(ec);
        if (ec)
            return false;
        const fs::path target = to / it->path().filename();
        if (fs::is_directory(st)) {
            if (!copyTree(it->path(), target))
                return false;
        } else if (fs::is_regular_file(st)) {
            if (!fileops::copyFileAtomically(it->path(), target))
                return false;
        }
    }
    return !ec;
}

// Removes a folder and everything in it; remove_all deletes links, never what they point at.
void removeTree(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
}

}  // namespace

MacroGroup::MacroGroup(const MacroFile& file, Notifier& notifier, fs::path macroFolder,
                       fs::path resetFolder)
    : file_(file), notifier_(notifier) {
    setFolders(std::move(macroFolder), std::move(resetFolder));
}

void MacroGroup::setFolders(fs::path macroFolder, fs::path resetFolder) {
    macroFolder_ = withoutTrailingSeparator(std::move(macroFolder));
    resetFolder_ = withoutTrailingSeparator(std::move(resetFolder));
}

// --- Loading ---

void MacroGroup::load() {
    expanded_.fill(false);

    // A reset that stopped between its two renames left the old library beside the folder.
    std::error_code ec;
    if (!fs::exists(macroFolder_, ec) && fs::is_directory(previousFolder(macroFolder_), ec))
        fs::rename(previousFolder(macroFolder_), macroFolder_, ec);

    if (!readList(true)) {
        names_.clear();
        present_.fill(false);
        notifier_.tipText(kTipMissingFile);
    }
    loadMacroNames();
    makeCurrent(firstPresentGroup());
    selGroup_ = current_;
    selMacro_ = kNone;
    rebuildList();
}

bool MacroGroup::readList(bool tellUser) {
    const ini::IniSnapshot list(listFile());
    if (!list.exists())
        return false;
    names_.clear();
    present_.fill(false);
    const int listed = list.getInt(kCountSection, kCountKey, kSmallNumberBuffer);
    const auto count =
        static_cast<std::size_t>(std::clamp<int>(listed, 0, static_cast<int>(kMaxGroups)));
    for (std::size_t g = 0; g < count; ++g) {
        std::string name = list.get(kNameSection, std::to_string(g), "", kGroupNameBuffer);
        // Button codes count groups by their place in the list, so every listed group keeps
        // its place, and the list is never written back from a read. A group is left out of
        // this run only: a name that is no plain file name of the macro folder, a second group
        // of the same name (deleting one would delete the other's file) and a group whose file
        // is missing (a sync tool or a restore may bring it back).
        const bool safe = naming::isSafeGroupName(name) && !hasGroupNamed(name);
        const bool exists = safe && isRegularFile(macroFolder_ / (name + ".dat"));
        if (tellUser && !safe) {
            notifier_.message("The macro group list names \"" + name +
                              "\", which cannot be a group of the macro folder; it is left out.");
        } else if (tellUser && !exists) {
            notifier_.message("The macro group file " + name +
                              ".dat is missing; the group is left out until it is back, and "
                              "buttons keep their macros.");
        }
        present_[g] = exists;
        names_.push_back(std::move(name));
    }
    return true;
}

int MacroGroup::firstPresentGroup() const {
    for (std::size_t g = 0; g < names_.size(); ++g) {
        if (present_[g])
            return static_cast<int>(g);
    }
    return kNone;
}

void MacroGroup::syncWithDisk() {
    // Other processes (karvoctl beside the window) may have changed the list since it was
    // read: a command starts from the list on disk, with the current group, the selection and
    // the expanded groups kept by name.
    const auto nameAt = [this](int g) {
        return g < 0 ? std::string() : std::string(groupName(static_cast<std::size_t>(g)));
    };
    const std::string current = nameAt(current_);
    const std::string selected = nameAt(selGroup_);
    std::vector<std::string> expandedNames;
    for (std::size_t g = 0; g < names_.size(); ++g) {
        if (expanded_[g])
            expandedNames.push_back(names_[g]);
    }
    const std::vector<std::string> before = names_;
    if (!readList(false) || names_ == before)
        return;
    const auto indexOf = [&](const std::string& name) {
        const auto it = std::find(names_.begin(), names_.end(), name);
        return name.empty() || it == names_.end() ? kNone : static_cast<int>(it - names_.begin());
    };
    expanded_.fill(false);
    for (const std::string& name : expandedNames) {
        if (const int g = indexOf(name); g >= 0)
            expanded_[static_cast<std::size_t>(g)] = true;
    }
    loadMacroNames();
    const int newCurrent = indexOf(current);
    if (newCurrent != current_)
        makeCurrent(newCurrent);
    selGroup_ = indexOf(selected);
    if (selGroup_ < 0)
        selMacro_ = kNone;
    rebuildList();
}

void MacroGroup::loadMacroNames() {
    for (std::size_t g = 0; g < kMaxGroups; ++g) {
        macroNames_[g].clear();
        if (g >= names_.size() || !present_[g])
            continue;
        const ini::IniSnapshot doc(groupFile(g));
        const int n = doc.getInt(kMacros, kMacroCountKey, kSmallNumberBuffer);
        const auto count =
            static_cast<std::size_t>(std::clamp<int>(n, 0, static_cast<int>(kMaxMacros)));
        for (std::size_t m = 0; m < count; ++m) {
            // The name is the row's first 60 numbers; the rest of the row is not needed here.
            const std::string head = doc.get(kMacros, std::to_string(m), "", 3 * kNameNumbers + 1);
            macroNames_[g].push_back(file_.decodeRow(head, MacroTable::kCurrentVersion).nameUtf8());
        }
    }
}

void MacroGroup::makeCurrent(int group) {
    currentMacro_ = kNone;
    if (group < 0 || static_cast<std::size_t>(group) >= names_.size()) {
        current_ = kNone;
        table_.clearAll();
        return;
    }
    current_ = group;
    if (!present_[static_cast<std::size_t>(group)] ||
        !file_.readGroup(groupFile(static_cast<std::size_t>(group)), table_)) {
        table_.clearAll();
        notifier_.tipText(kTipMissingFile);
    }
}

bool MacroGroup::writeList() const {
    ini::IniTransaction tx(listFile());
    tx.set(kCountSection, kCountKey, std::to_string(names_.size()));
    for (std::size_t g = 0; g < kMaxGroups; ++g) {
        tx.set(kNameSection, std::to_string(g), g < names_.size() ? names_[g] : "");
    }
    return tx.commit();
}

// --- Queries ---

std::string_view MacroGroup::groupName(std::size_t group) const {
    return group < names_.size() ? std::string_view(names_[group]) : std::string_view();
}

fs::path MacroGroup::groupFile(std::size_t group) const {
    return group < names_.size() && present_[group] ? macroFolder_ / (names_[group] + ".dat")
                                                    : fs::path();
}

bool MacroGroup::isPresent(std::size_t group) const {
    return group < names_.size() && present_[group];
}

std::size_t MacroGroup::macroCount(std::size_t group) const {
    return group < names_.size() ? macroNames_[group].size() : 0;
}

std::string_view MacroGroup::macroName(std::size_t group, std::size_t macro) const {
    if (group >= names_.size() || macro >= macroNames_[group].size())
        return {};
    return macroNames_[group][macro];
}

std::span<const std::string> MacroGroup::macroNames(std::size_t group) const {
    if (group >= names_.size())
        return {};
    return macroNames_[group];
}

MacroRecord MacroGroup::readMacroForDevice(std::size_t group, std::size_t macro) const {
    // Through the names in memory, which load() has checked, not through the list file again.
    if (group >= names_.size() || macro >= kMaxMacros)
        return MacroRecord{};
    const ini::IniSnapshot doc(groupFile(group));
    const int count = doc.getInt(kMacros, kMacroCountKey, kSmallNumberBuffer);
    if (count < 0 || macro >= static_cast<std::size_t>(count))
        return MacroRecord{};
    const int version = doc.getInt("Init", "DAT_VER", kSmallNumberBuffer);
    return file_.decodeRow(doc.get(kMacros, std::to_string(macro), "", kRowBuffer), version);
}

bool MacroGroup::hasGroupNamed(std::string_view name) const {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

MacroRecord* MacroGroup::currentRecord() {
    if (currentMacro_ < 0)
        return nullptr;
    return table_.macro(static_cast<std::size_t>(currentMacro_));
}

bool MacroGroup::saveMacro(std::size_t macro) {
    if (current_ < 0 || macro >= table_.count())
        return false;
    if (!file_.writeMacro(groupFile(static_cast<std::size_t>(current_)), table_, macro)) {
        notifier_.message("The macro could not be saved.");
        return false;
    }
    return true;
}

// --- The macro list ---

void MacroGroup::rebuildList() {
    lines_.clear();
    for (std::size_t g = 0; g < names_.size(); ++g) {
        if (!present_[g])
            continue;
        lines_.push_back({true, g, kNone});
        if (!expanded_[g])
            continue;
        for (std::size_t m = 0; m < macroNames_[g].size(); ++m)
            lines_.push_back({false, g, static_cast<int>(m)});
    }
}

int MacroGroup::selectedLine() const {
    if (selGroup_ < 0)
        return kNone;
    const auto group = static_cast<std::size_t>(selGroup_);
    int groupLine = kNone;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const MacroListLine& l = lines_[i];
        if (l.group != group)
            continue;
        if (l.isGroup)
            groupLine = static_cast<int>(i);
        if (l.macro == selMacro_)
            return static_cast<int>(i);
    }
    return groupLine;  // a macro of a collapsed group shows its group line selected
}

void MacroGroup::select(std::size_t group, int macro) {
    selGroup_ = static_cast<int>(group);
    selMacro_ = macro;
}

int MacroGroup::selectedGroup() const {
    return selGroup_ >= 0 && static_cast<std::size_t>(selGroup_) < names_.size() ? selGroup_
                                                                                 : current_;
}

bool MacroGroup::selectLine(std::size_t line) {
    if (line >= lines_.size()) {
        notifier_.tipText(kTipFailed);
        return false;
    }
    const MacroListLine l = lines_[line];
    if (l.isGroup) {
        expanded_[l.group] = !expanded_[l.group];
        currentMacro_ = kNone;
        select(l.group, kNone);
        rebuildList();
        return true;
    }
    if (static_cast<int>(l.group) != current_)
        makeCurrent(static_cast<int>(l.group));
    currentMacro_ = l.macro;
    select(l.group, l.macro);
    return true;
}

// --- Group commands ---

bool MacroGroup::newGroup(std::string_view baseName) {
    const fileops::FolderLock lock(macroFolder_);
    syncWithDisk();
    if (names_.size() >= kMaxGroups) {
        notifier_.tipText(kTipGroupLimit);
        return false;
    }
    const auto base = naming::cleanGroupName(baseName);
    if (!base) {
        notifier_.tipText(kTipFailed);
        return false;
    }
    const std::string name = naming::uniqueName(*base, names_, naming::kGroupNameUnits);
    // The file first: a group in the list without its file would vanish at the next start.
    if (!fileops::writeFileAtomically(macroFolder_ / (name + ".dat"), "")) {
        notifier_.tipText(kTipFailed);
        return false;
    }
    names_.push_back(name);
    present_[names_.size() - 1] = true;
    if (!writeList()) {
        names_.pop_back();
        present_[names_.size()] = false;
        deleteFile(macroFolder_ / (name + ".dat"));
        notifier_.tipText(kTipFailed);
        return false;
    }
    const std::size_t g = names_.size() - 1;
    macroNames_[g].clear();
    expanded_[g] = false;
    table_.clearAll();
    current_ = static_cast<int>(g);
    currentMacro_ = kNone;
    select(g, kNone);
    rebuildList();
    return true;
}

void MacroGroup::eraseGroup(std::size_t group) {
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(group));
    std::move(macroNames_.begin() + static_cast<std::ptrdiff_t>(group) + 1, macroNames_.end(),
              macroNames_.begin() + static_cast<std::ptrdiff_t>(group));
    macroNames_.back().clear();
    std::move(expanded_.begin() + static_cast<std::ptrdiff_t>(group) + 1, expanded_.end(),
              expanded_.begin() + static_cast<std::ptrdiff_t>(group));
    expanded_.back() = false;
    std::move(present_.begin() + static_cast<std::ptrdiff_t>(group) + 1, present_.end(),
              present_.begin() + static_cast<std::ptrdiff_t>(group));
    present_.back() = false;
}

bool MacroGroup::deleteGroup() {
    const fileops::FolderLock lock(macroFolder_);
    syncWithDisk();
    const int selected = selectedGroup();
    if (selected < 0)
        return false;
    const auto g = static_cast<std::size_t>(selected);
    const fs::path file = groupFile(g);
    const std::vector<std::string> before = names_;
    // The list loses the group before its file goes, so a failure in between leaves at most a
    // file that no list names.
    names_.erase(names_.begin() + selected);
    if (!writeList()) {
        names_ = before;
        notifier_.message("The macro group list could not be written.");
        return false;
    }
    names_ = before;
    eraseGroup(g);
    deleteFile(file);
    loadMacroNames();
    makeCurrent(firstPresentGroup());
    selGroup_ = current_;
    selMacro_ = kNone;
    rebuildList();
    return true;
}

std::string MacroGroup::renameGroup(std::size_t group, std::string_view typed) {
    if (group >= names_.size())
        return {};
    const fileops::FolderLock lock(macroFolder_);
    const std::string shown = names_[group];
    syncWithDisk();
    // The line the user edited, wherever the group stands in the list on disk now.
    const auto at = std::find(names_.begin(), names_.end(), shown);
    if (at == names_.end()) {
        notifier_.tipText(kTipMissingFile);
        return shown;
    }
    group = static_cast<std::size_t>(at - names_.begin());
    if (!present_[group]) {
        notifier_.tipText(kTipMissingFile);
        return shown;
    }
    const std::string oldName = names_[group];
    const auto cleaned = naming::cleanGroupName(typed);
    if (!cleaned)
        return oldName;
    std::vector<std::string> others = names_;
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(group));
    const std::string newName = naming::uniqueName(*cleaned, others, naming::kGroupNameUnits);
    if (newName == oldName)
        return oldName;

    const fs::path oldFile = macroFolder_ / (oldName + ".dat");
    const fs::path newFile = macroFolder_ / (newName + ".dat");
    if (!isRegularFile(oldFile)) {
        // Nothing to carry over: the list takes the new name, and the missing file is noticed.
        names_[group] = newName;
        if (!writeList())
            names_[group] = oldName;
        notifier_.tipText(kTipMissingFile);
        rebuildList();
        return names_[group];
    }
    // Copy, then list, then delete: whatever fails, the list names a file that exists and the
    // list and memory agree.
    const bool onlyCaseDiffers = sameFile(oldFile, newFile);
    std::error_code ec;
    if (onlyCaseDiffers) {
        fs::rename(oldFile, newFile, ec);
    } else if (!fileops::copyFileAtomically(oldFile, newFile)) {
        ec = std::make_error_code(std::errc::io_error);
    }
    if (ec) {
        notifier_.message("The macro group file could not be renamed.");
        return oldName;
    }
    names_[group] = newName;
    if (!writeList()) {
        names_[group] = oldName;
        if (onlyCaseDiffers)
            fs::rename(newFile, oldFile, ec);
        else
            deleteFile(newFile);
        notifier_.message("The macro group list could not be written.");
        return oldName;
    }
    if (!onlyCaseDiffers)
        deleteFile(oldFile);
    rebuildList();
    return newName;
}

bool MacroGroup::resetAll() {
    // The lock lives beside the library, in the folder that holds it, as the library is swapped.
    const fileops::FolderLock lock(macroFolder_.parent_path());
    std::error_code ec;
    if (!fs::is_directory(resetFolder_, ec)) {
        notifier_.tipText(kTipMissingFile);
        return false;
    }
    const fs::path staging = stagingFolder(macroFolder_);
    const fs::path previous = previousFolder(macroFolder_);
    removeTree(staging);
    removeTree(previous);
    if (!copyTree(resetFolder_, staging)) {
        removeTree(staging);
        notifier_.message("The macro reset folder could not be copied.");
        return false;
    }
    // Swap: the old library steps aside, the copy moves in, and only then is the old one
    // removed. load() moves the old library back should the program stop in between.
    const bool hadLibrary = fs::exists(fs::symlink_status(macroFolder_, ec));
    if (hadLibrary) {
        fs::rename(macroFolder_, previous, ec);
        if (ec) {
            removeTree(staging);
            notifier_.message("The macro folder could not be replaced.");
            return false;
        }
    }
    fs::rename(staging, macroFolder_, ec);
    if (ec) {
        std::error_code ignored;
        if (hadLibrary)
            fs::rename(previous, macroFolder_, ignored);
        removeTree(staging);
        notifier_.message("The macro folder could not be replaced.");
        return false;
    }
    removeTree(previous);
    load();
    return true;
}

// --- Macro commands ---

bool MacroGroup::newMacro(std::string_view baseName) {
    MacroRecord record;
    record.setName(baseName);
    record.repeatCount = 1;
    return addMacro(record);
}

bool MacroGroup::addMacro(const MacroRecord& record) {
    const fileops::FolderLock lock(macroFolder_);
    syncWithDisk();
    const int group = selectedGroup();
    if (group < 0 || !present_[static_cast<std::size_t>(group)])
        return false;
    // The group file as it is now: another process may have added a macro since it was read.
    makeCurrent(group);
    loadMacroNames();
    const auto g = static_cast<std::size_t>(group);
    const std::size_t n = table_.count();
    if (n >= kMaxMacros) {
        notifier_.tipText(kTipMacroLimit);
        return false;
    }
    MacroRecord added = record;
    added.setName(naming::uniqueName(naming::cleanMacroName(record.nameUtf8()), macroNames_[g],
                                     naming::kMacroNameUnits));
    table_.setCount(static_cast<long long>(n + 1));
    *table_.macro(n) = added;
    if (!file_.writeMacro(groupFile(g), table_, n)) {
        table_.clear(n);
        table_.setCount(static_cast<long long>(n));
        notifier_.message("The macro could not be saved.");
        return false;
    }
    loadMacroNames();
    expanded_[g] = true;
    currentMacro_ = static_cast<int>(n);
    select(g, currentMacro_);
    rebuildList();
    return true;
}

std::string MacroGroup::renameMacro(std::size_t macro, std::string_view typed) {
    if (current_ < 0 || macro >= table_.count())
        return {};
    const auto g = static_cast<std::size_t>(current_);
    MacroRecord& record = *table_.macro(macro);
    const std::string oldName = record.nameUtf8();
    const std::string cleaned = naming::cleanMacroName(typed);
    if (cleaned.empty())
        return oldName;
    std::vector<std::string> others = macroNames_[g];
    if (macro < others.size())
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(macro));
    const auto savedName = record.name;
    record.setName(naming::uniqueName(cleaned, others, naming::kMacroNameUnits));
    if (!file_.writeMacro(groupFile(g), table_, macro)) {
        record.name = savedName;
        notifier_.message("The macro could not be saved.");
        return oldName;
    }
    loadMacroNames();
    rebuildList();
    return record.nameUtf8();
}

bool MacroGroup::deleteMacro() {
    if (current_ < 0 || selGroup_ != current_ || selMacro_ < 0)
        return false;
    const fileops::FolderLock lock(macroFolder_);
    const auto g = static_cast<std::size_t>(current_);
    auto m = static_cast<std::size_t>(selMacro_);
    if (m >= table_.count())
        return false;
    // The group file as it is now (another process may have changed it since it was read), and
    // in it the macro the user selected, found by its name.
    MacroTable shortened;
    if (!file_.readGroup(groupFile(g), shortened)) {
        notifier_.message("The macro group could not be saved.");
        return false;
    }
    const std::string name = table_.macro(m)->nameUtf8();
    if (m >= shortened.count() || shortened.macro(m)->nameUtf8() != name) {
        std::size_t found = 0;
        while (found < shortened.count() && shortened.macro(found)->nameUtf8() != name)
            ++found;
        if (found == shortened.count()) {
            table_ = shortened;
            loadMacroNames();
            select(g, kNone);
            currentMacro_ = kNone;
            rebuildList();
            return false;
        }
        m = found;
    }
    // The shortened group is written from a copy, so the table changes only with its file.
    for (std::size_t i = m; i + 1 < shortened.count(); ++i)
        *shortened.macro(i) = *shortened.macro(i + 1);
    shortened.clear(shortened.count() - 1);
    shortened.setCount(static_cast<long long>(shortened.count()) - 1);
    if (!file_.writeGroup(groupFile(g), shortened)) {
        notifier_.message("The macro group could not be saved.");
        return false;
    }
    table_ = shortened;
    currentMacro_ = m == 0 ? kNone : static_cast<int>(m) - 1;
    select(g, currentMacro_);
    loadMacroNames();
    rebuildList();
    return true;
}

bool MacroGroup::addGroupFromFile(const fs::path& source, std::string_view name) {
    const fileops::FolderLock lock(macroFolder_);
    syncWithDisk();
    if (names_.size() >= kMaxGroups) {
        notifier_.tipText(kTipGroupLimit);
        return false;
    }
    if (!naming::isSafeGroupName(name) || hasGroupNamed(name)) {
        notifier_.tipText(kTipFailed);
        return false;
    }
    const fs::path target = macroFolder_ / (std::string(name) + ".dat");
    if (!sameFile(source, target) && !fileops::copyFileAtomically(source, target)) {
        notifier_.message("The macro group file could not be copied.");
        return false;
    }
    names_.emplace_back(name);
    present_[names_.size() - 1] = true;
    if (!writeList()) {
        names_.pop_back();
        present_[names_.size()] = false;
        notifier_.message("The macro group list could not be written.");
        return false;
    }
    loadMacroNames();
    const std::size_t g = names_.size() - 1;
    expanded_[g] = false;
    makeCurrent(static_cast<int>(g));
    select(g, kNone);
    rebuildList();
    return true;
}

}  // namespace karvo
