// Gun presets: ready-made recoil macros, one per weapon, kept in a preset file ("PUBG.dat", a
// macro group file) and replayed by buttons with function codes 50 and up. Holds the preset
// table, its load and save, and the rules of the gun dialog's buttons as plain functions the
// dialog calls.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "macro/macro_file.h"
#include "macro/macro_table.h"
#include "platform/notifier.h"

namespace karvo {

class GunPresets {
  public:
    static constexpr std::size_t kMaxPresets = MacroTable::kMaxMacros;
    static constexpr std::string_view kFileName = "PUBG.dat";
    static constexpr int kMinStrength = 1;
    static constexpr int kMaxStrength = 99;
    static constexpr int kDefaultStrength = 10;
    static constexpr int kMinRepeat = 1;
    static constexpr int kMaxRepeat = 1000;
    // The program's own notices of the gun dialog; they have no language text.
    static constexpr std::string_view kMissingFileText = "Can't find the PUBG file.";
    static constexpr std::string_view kBadPresetText = "宏内容出错!";

    // `file` and `notifier` must outlive the table.
    GunPresets(const MacroFile& file, Notifier& notifier) : file_(file), notifier_(notifier) {}

    // Where the presets are read from: the language folder's preset file when the language has
    // one, else the one of the configuration folder, which every language shares.
    static std::filesystem::path presetFile(const std::filesystem::path& languageFolder,
                                            const std::filesystem::path& configFolder);

    // Reads the preset file into the table (at most 12 presets; rows decoded by the file's
    // DAT_VER). A missing file gives the missing-file notice and keeps the table as it was.
    bool load(const std::filesystem::path& file);
    const std::filesystem::path& file() const { return path_; }

    // --- The table, as the dialog and the device download read it. ---
    std::size_t count() const { return table_.count(); }
    // Preset i, or nullptr at or beyond the count.
    const MacroRecord* preset(std::size_t i) const;
    MacroRecord* preset(std::size_t i);
    // Preset i for the device: a blank record at or beyond the count.
    MacroRecord presetForDevice(std::size_t i) const;

    // Saves preset `index` with compensation strength `strength` (clamped to 1 to 99): every
    // step whose vertical distance is not 0 takes the strength, in memory and in the file, and
    // [Init] DAT_VER and the preset's row are written. The missing-file notice and nothing
    // written when the file does not exist; false for an index beyond the count.
    bool save(std::size_t index, int strength);

    // --- The gun dialog's buttons. ---
    static int clampStrength(int strength);
    // OK: repeat count, the fire interval (the delays of steps 0 and 1) and the strength from
    // the dialog's boxes; marks the strength as set and saves. An index beyond the count gives
    // the bad-preset notice and changes nothing.
    bool applyOk(std::size_t index, int repeatBox, int intervalBox, int strengthBox);
    // The menu's path: repeat count and strength (marked as set) only, then save.
    bool applyFromMenu(std::size_t index, int repeatBox, int strengthBox);
    // Mode 2: low three mode bits become 2, the repeat count 1 (the repeat box is disabled).
    static void setMode2(MacroRecord& preset);
    // Mode 0: mode bits 0, 1 and 3 cleared; a repeat count of 0 becomes 1.
    static void setMode0(MacroRecord& preset);
    // What the repeat box shows: enabled in mode 0 with the repeat count, else "1" disabled.
    static bool repeatBoxEnabled(const MacroRecord& preset);
    static int repeatBoxValue(const MacroRecord& preset);

  private:
    const MacroFile& file_;
    Notifier& notifier_;
    std::filesystem::path path_;
    MacroTable table_;
};

}  // namespace karvo
