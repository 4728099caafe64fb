// Group and single-macro import and export; see macro_exchange.h.
#include "macro/macro_exchange.h"

#include <system_error>

#include "macro/macro_naming.h"
#include "platform/file_ops.h"
#include "platform/private_profile.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMacros = "Macros";
constexpr std::string_view kMacroKey = "Macro";
constexpr std::size_t kRowBuffer = 26649;

// The same file, whichever way the path spells it (links, "..", a relative path).
bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

}  // namespace

MacroExchange::MacroExchange(const MacroFile& file, Notifier& notifier, MacroGroup& library,
                             fs::path configFolder)
    : file_(file), notifier_(notifier), library_(library), configFolder_(std::move(configFolder)) {}

bool MacroExchange::groupImportAllowed() const {
    if (library_.groupCount() >= MacroGroup::kMaxGroups) {
        notifier_.tipText(MacroGroup::kTipMacroLimit);
        return false;
    }
    return true;
}

bool MacroExchange::macroImportAllowed() const {
    const int group = library_.selectedGroup();
    if (group >= 0 &&
        library_.macroCount(static_cast<std::size_t>(group)) >= MacroGroup::kMaxMacros) {
        notifier_.tipText(MacroGroup::kTipMacroLimit);
        return false;
    }
    return true;
}

bool MacroExchange::isLibraryFile(const fs::path& chosen) const {
    for (const std::string_view name : kLibraryFiles) {
        if (sameFile(chosen, configFolder_ / name))
            return true;
    }
    return false;
}

bool MacroExchange::importGroup(const fs::path& chosen) {
    if (!groupImportAllowed() || isLibraryFile(chosen))
        return false;
    const std::string stem = naming::groupNameOfFile(chosen);
    const auto name = naming::cleanGroupName(stem);
    if (!name) {
        notifier_.message(chosen.filename().string() + " cannot name a macro group: \"" + stem +
                          "\" is empty, a dot name or holds only characters a file name "
                          "cannot; rename the file and import it again.");
        return false;
    }
    // Read into a table of its own: a refused import must not leave another group's macros in
    // the current table, where the next edit would save them over the current group.
    MacroTable incoming;
    if (!file_.readGroup(chosen, incoming)) {
        notifier_.tipText(MacroGroup::kTipMissingFile);
        return false;
    }
    if (library_.hasGroupNamed(*name)) {
        notifier_.tipText(kTipDuplicateGroup);
        return false;
    }
    return library_.addGroupFromFile(chosen, *name);
}

bool MacroExchange::exportGroup(const fs::path& target) const {
    const int group = library_.currentGroup();
    if (group < 0) {
        notifier_.tipText(MacroGroup::kTipFailed);
        return false;
    }
    // Exporting onto the group's own file would only write what it holds.
    if (sameFile(target, library_.groupFile(static_cast<std::size_t>(group))))
        return true;
    if (!file_.writeGroup(target, library_.table())) {
        notifier_.message("The macro group could not be exported. " + fileops::lastError());
        return false;
    }
    return true;
}

bool MacroExchange::exportMacro(const fs::path& target) const {
    const int macro = library_.currentMacro();
    const MacroRecord* record =
        macro < 0 ? nullptr : library_.table().macro(static_cast<std::size_t>(macro));
    if (record == nullptr) {
        notifier_.tipText(MacroGroup::kTipFailed);
        return false;
    }
    // The user's folder gets the file and nothing else: no lock file beside it.
    ini::IniTransaction tx(target, fileops::FolderLock::Scope::Process);
    if (!tx.set(kMacros, kMacroKey, file_.encodeRow(*record)) || !tx.commit()) {
        notifier_.message("The macro could not be exported. " + fileops::lastError());
        return false;
    }
    return true;
}

bool MacroExchange::importMacro(const fs::path& chosen) {
    if (library_.groupCount() == 0 || !macroImportAllowed())
        return false;
    const ini::IniSnapshot doc(chosen);
    const std::string row = doc.get(kMacros, kMacroKey, "", kRowBuffer);
    if (!doc.exists() || row.empty()) {
        notifier_.tipText(MacroGroup::kTipMissingFile);
        return false;
    }
    return library_.addMacro(file_.decodeRow(row, MacroTable::kCurrentVersion));
}

}  // namespace karvo
