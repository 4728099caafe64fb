// The macro libraries as one locked object; see macro_library.h.
#include "services/macro_library.h"

namespace karvo {

MacroLibrary::MacroLibrary(const MacVkAndText& keys, Notifier& notifier)
    : keys_(keys),
      notifier_(notifier),
      file_(std::make_unique<MacroFile>(keys, 1)),
      groups_(std::make_unique<MacroGroup>(*file_, notifier, std::filesystem::path(),
                                           std::filesystem::path())),
      presets_(std::make_unique<GunPresets>(*file_, notifier)) {}

void MacroLibrary::load(const ProgramPaths& paths, int language) {
    auto file = std::make_unique<MacroFile>(keys_, language);
    auto groups =
        std::make_unique<MacroGroup>(*file, notifier_, paths.macroFolder, paths.macroResetFolder);
    auto presets = std::make_unique<GunPresets>(*file, notifier_);
    MacroTable constants;
    // The files are read before the lock is taken, so a slow disk never holds up a download
    // or the device threads; the new library then replaces the old one in one step.
    groups->load();
    presets->load(GunPresets::presetFile(paths.userLanguageFolder, paths.configFolder));
    // Without its built-in macros the program would play nothing on the keys that use them,
    // and say nothing about it.
    if (!file->readConstantMacros(paths.constMacroFile, constants))
        notifier_.tipText(MacroGroup::kTipMissingFile);

    const std::lock_guard lock(mutex_);
    groups_ = std::move(groups);
    presets_ = std::move(presets);
    file_ = std::move(file);
    constants_ = constants;
}

int MacroLibrary::groupCount() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(groups_->groupCount());
}

int MacroLibrary::macroCount(int group) const {
    const std::lock_guard lock(mutex_);
    return group < 0 ? 0 : static_cast<int>(groups_->macroCount(static_cast<std::size_t>(group)));
}

MacroRecord MacroLibrary::groupMacro(int group, int macro) const {
    const std::lock_guard lock(mutex_);
    if (group < 0 || macro < 0)
        return {};
    return groups_->readMacroForDevice(static_cast<std::size_t>(group),
                                       static_cast<std::size_t>(macro));
}

int MacroLibrary::presetCount() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(presets_->count());
}

MacroRecord MacroLibrary::preset(int index) const {
    const std::lock_guard lock(mutex_);
    return index < 0 ? MacroRecord{} : presets_->presetForDevice(static_cast<std::size_t>(index));
}

std::vector<MacroRecord> MacroLibrary::constantMacros() const {
    const std::lock_guard lock(mutex_);
    const auto macros = constants_.macros();
    return {macros.begin(), macros.end()};
}

bool MacroLibrary::writeGroupMacro(int group, int macro, const MacroRecord& record) {
    const std::lock_guard lock(mutex_);
    if (group < 0 || macro < 0)
        return false;
    const auto g = static_cast<std::size_t>(group);
    const auto m = static_cast<std::size_t>(macro);
    const std::size_t count = groups_->macroCount(g);
    if (m >= count)
        return false;
    MacroTable table;
    table.setCount(static_cast<long long>(count));
    *table.macro(m) = record;
    if (!file_->writeMacro(groups_->groupFile(g), table, m))
        return false;
    if (groups_->currentGroup() == group) {
        if (MacroRecord* shown = groups_->table().macro(m))
            *shown = record;
    }
    return true;
}

}  // namespace karvo
