// InMemoryMacroSources: macro sources held in plain vectors, for tests, benchmarks and the
// command-line tool, which build a configuration without the macro library's files.
#pragma once

#include <cstddef>
#include <vector>

#include "device/macro_sources.h"

namespace karvo::device {

// Sources held in memory: groups of records, presets and built-in macros, set directly.
// Not synchronised: fill it before handing it to a download.
class InMemoryMacroSources final : public MacroSources {
  public:
    std::vector<std::vector<MacroRecord>> groups;
    std::vector<MacroRecord> presets;
    std::vector<MacroRecord> constants;

    int groupCount() const override { return static_cast<int>(groups.size()); }
    int macroCount(int group) const override {
        return group >= 0 && static_cast<std::size_t>(group) < groups.size()
                   ? static_cast<int>(groups[static_cast<std::size_t>(group)].size())
                   : 0;
    }
    MacroRecord groupMacro(int group, int macro) const override {
        if (macro < 0 || macro >= macroCount(group))
            return {};
        return groups[static_cast<std::size_t>(group)][static_cast<std::size_t>(macro)];
    }
    int presetCount() const override { return static_cast<int>(presets.size()); }
    MacroRecord preset(int index) const override {
        return index >= 0 && static_cast<std::size_t>(index) < presets.size()
                   ? presets[static_cast<std::size_t>(index)]
                   : MacroRecord{};
    }
    std::vector<MacroRecord> constantMacros() const override { return constants; }
};

}  // namespace karvo::device
