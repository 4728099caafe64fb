// InMemoryMacroSources: macro sources held in plain vectors, for tests, benchmarks and the
// command-line tool, which build a configuration without the macro library's files.
#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

#include "device/macro_sources.h"

namespace karvo::device {

// Sources held in memory: groups of records, presets and built-in macros, set directly.
// Fill the vectors before handing the sources to a download or the device threads; from then
// on the calls below are safe from any thread, writeGroupMacro included.
class InMemoryMacroSources final : public MacroSources {
  public:
    std::vector<std::vector<MacroRecord>> groups;
    std::vector<MacroRecord> presets;
    std::vector<MacroRecord> constants;

    int groupCount() const override {
        const std::lock_guard lock(mutex_);
        return static_cast<int>(groups.size());
    }
    int macroCount(int group) const override {
        const std::lock_guard lock(mutex_);
        return countOf(group);
    }
    MacroRecord groupMacro(int group, int macro) const override {
        const std::lock_guard lock(mutex_);
        if (macro < 0 || macro >= countOf(group))
            return {};
        return groups[static_cast<std::size_t>(group)][static_cast<std::size_t>(macro)];
    }
    int presetCount() const override {
        const std::lock_guard lock(mutex_);
        return static_cast<int>(presets.size());
    }
    MacroRecord preset(int index) const override {
        const std::lock_guard lock(mutex_);
        return index >= 0 && static_cast<std::size_t>(index) < presets.size()
                   ? presets[static_cast<std::size_t>(index)]
                   : MacroRecord{};
    }
    std::vector<MacroRecord> constantMacros() const override {
        const std::lock_guard lock(mutex_);
        return constants;
    }
    bool writeGroupMacro(int group, int macro, const MacroRecord& record) override {
        const std::lock_guard lock(mutex_);
        if (macro < 0 || macro >= countOf(group))
            return false;
        groups[static_cast<std::size_t>(group)][static_cast<std::size_t>(macro)] = record;
        ++writes_;
        return true;
    }

    // How many writeGroupMacro calls stored a record.
    int writeCount() const {
        const std::lock_guard lock(mutex_);
        return writes_;
    }

  private:
    int countOf(int group) const {
        return group >= 0 && static_cast<std::size_t>(group) < groups.size()
                   ? static_cast<int>(groups[static_cast<std::size_t>(group)].size())
                   : 0;
    }

    mutable std::mutex mutex_;
    int writes_ = 0;
};

}  // namespace karvo::device
