// The profile files: config.ini, the user's working copy, and configReset.ini, the factory copy
// the program only reads. This class owns their [Init], [Config0] to [Config3] and [ShareData]
// sections: which keys exist, their order and formats, and when they are read and written.
#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <span>
#include <string>

#include "macro/mac_vk_and_text.h"
#include "platform/notifier.h"
#include "settings/device_description.h"
#include "settings/settings_model.h"

namespace karvo {

struct ProfileEntry;

// Saves write only what this store's program changed: the store remembers the value of every
// key as it last read or wrote it, and a save writes the keys whose value differs from that
// (or that the file lacks), on top of the file as it is on disk under the folder's lock. So the
// window and karvoctl, or two karvoctl commands, changing different keys never undo each other.
class ProfileStore {
  public:
    enum class Source { Config, Reset };

    // `configFolder` holds config.ini and configReset.ini; `keys` converts the keys of
    // combinations for the mouse.
    ProfileStore(std::filesystem::path configFolder, const MacVkAndText& keys, Notifier& notifier);

    const std::filesystem::path& configFile() const { return configFile_; }
    const std::filesystem::path& resetFile() const { return resetFile_; }

    // Loads profile p and the shared settings into the model, in one step under the model's
    // lock, then applies the forced values and regenerates the combination key sequences.
    // A missing file shows TipText 4 and changes nothing.
    bool loadProfile(SettingsModel& model, int profile, Source source) const;

    // Writes profile p and the shared settings into `file`, as one atomic file replacement.
    bool saveProfile(const Settings& settings, int profile,
                     const std::filesystem::path& file) const;

    // The apply button's save: [Init] CurConfig and all four profiles into config.ini, as one
    // atomic file replacement, so the file never holds half an apply.
    bool saveAll(const Settings& settings) const;

    bool saveCurrentProfile(int profile) const;   // [Init] CurConfig
    bool saveDpiLevel(std::int32_t level) const;  // [ShareData] DPI_LEVEL only
    bool saveLanguage(int languageIndex) const;   // [Init] VER_SEL

    // [Init] CurConfig as a profile index; a value that names no profile reads as 0 and is
    // reported, because indexing the profiles with it would run past them.
    int readCurrentProfile() const;
    // [Init] VER_SEL, cut to 8 bits.
    int readLanguage() const;
    // [Init] ConfigNum, kept as text.
    std::string readConfigNum() const;

    // Loads profiles 3, 2, 1, 0 from the reset copy and saves them into config.ini; the shared
    // settings end as the reset copy's. [Init] CurConfig is left alone. A missing reset copy
    // shows TipText 4 once and changes nothing.
    bool resetAll(SettingsModel& model) const;

    // Replaces config.ini with `file` when it is a configuration of this product, then loads
    // profiles 0 to 3 from it. TipText 5 for a missing file, TipText 8 for another product.
    bool importConfig(const std::filesystem::path& file, const DeviceDescription& device,
                      SettingsModel& model) const;

    // Copies config.ini to `file`; TipText 5 when the copy is not there afterwards.
    bool exportConfig(const std::filesystem::path& file) const;

  private:
    enum class Write { Changes, All };
    bool writeEntries(const std::filesystem::path& file, std::span<const ProfileEntry> entries,
                      Write mode) const;
    void remember(std::span<const ProfileEntry> entries) const;
    bool writeInit(std::string_view key, std::int32_t value) const;
    void reportWriteFailure(const std::filesystem::path& file) const;

    std::filesystem::path configFile_;
    std::filesystem::path resetFile_;
    const MacVkAndText& keys_;
    Notifier& notifier_;
    mutable std::mutex baselineLock_;
    mutable std::map<std::string, std::string> baseline_;  // "section\nkey" -> value
};

}  // namespace karvo
