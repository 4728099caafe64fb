// The program's macro libraries behind one lock: the macro groups of the current language,
// the gun presets and the built-in macros. The window edits them through withGroups/withPresets;
// the download worker and the device threads read them as MacroSources from their own threads.
#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <utility>

#include "device/macro_sources.h"
#include "macro/gun_presets.h"
#include "macro/mac_vk_and_text.h"
#include "macro/macro_file.h"
#include "macro/macro_group.h"
#include "macro/macro_table.h"
#include "platform/notifier.h"
#include "services/program_paths.h"

namespace karvo {

class MacroLibrary final : public device::MacroSources {
  public:
    // `keys` and `notifier` must outlive the library. Nothing is read until load().
    MacroLibrary(const MacVkAndText& keys, Notifier& notifier);

    // Reads the macro groups, the gun presets and the built-in macros of a language; a language
    // change calls it again with the new paths.
    void load(const ProgramPaths& paths, int language);

    // Runs f(MacroGroup&) or f(GunPresets&) under the library's lock. f must not call back into
    // the library. f may save, which takes the macro folder's lock inside the library's: so
    // nobody may call into the library while holding a folder lock (an open IniTransaction),
    // or two threads could each wait for the other.
    template <class F>
    decltype(auto) withGroups(F&& f) {
        const std::lock_guard lock(mutex_);
        return std::forward<F>(f)(*groups_);
    }
    // f(MacroGroup&, const MacroFile&), for the commands that need the file codec as well
    // (import and export of groups and macros).
    template <class F>
    decltype(auto) withGroupsAndFile(F&& f) {
        const std::lock_guard lock(mutex_);
        return std::forward<F>(f)(*groups_, static_cast<const MacroFile&>(*file_));
    }
    template <class F>
    decltype(auto) withPresets(F&& f) {
        const std::lock_guard lock(mutex_);
        return std::forward<F>(f)(*presets_);
    }

    int groupCount() const override;
    int macroCount(int group) const override;
    MacroRecord groupMacro(int group, int macro) const override;
    int presetCount() const override;
    MacroRecord preset(int index) const override;
    std::vector<MacroRecord> constantMacros() const override;
    // Also updates the window's table when the macro belongs to the group it shows, so the
    // window's next save keeps what the device thread wrote.
    bool writeGroupMacro(int group, int macro, const MacroRecord& record) override;

  private:
    const MacVkAndText& keys_;
    Notifier& notifier_;
    mutable std::mutex mutex_;
    // Rebuilt together on a language change: the groups and presets refer to the file codec.
    std::unique_ptr<MacroFile> file_;
    std::unique_ptr<MacroGroup> groups_;
    std::unique_ptr<GunPresets> presets_;
    MacroTable constants_;
};

}  // namespace karvo
