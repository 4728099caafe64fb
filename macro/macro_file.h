// Macro group files (".dat"): one group of up to 12 macros in an INI file, each macro one row
// of three-digit decimal numbers, one per byte. The row layout lives here and nowhere else;
// single-macro exports and gun preset files use the same rows. Keys are stored as virtual-key
// codes of the language whose tables wrote the file, so a MacroFile works for one language.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "macro/mac_vk_and_text.h"
#include "macro/macro_record.h"
#include "macro/macro_table.h"

namespace karvo {

class MacroFile {
  public:
    static constexpr std::size_t kHeaderV3 = 21;   // row bytes between the name and the steps
    static constexpr std::size_t kHeaderOld = 15;  // the same before version 3
    static constexpr std::size_t kNameBytes = 60;
    static constexpr std::size_t kStepBytes = 8;
    static constexpr std::size_t kRowBytesV3 =
        kNameBytes + kHeaderV3 + MacroRecord::kMaxSteps * kStepBytes +
        MacroRecord::kLightingRecords * LedEffectRecord::kSize;  // 2621 numbers, 7863 chars

    // `keys` must outlive this object. A language without a key set of its own (25) converts
    // through the English set, so saving never turns its keys into 0.
    MacroFile(const MacVkAndText& keys, int language);

    // The row of a record: version 3, all 275 step slots, keys converted to file codes.
    std::string encodeRow(const MacroRecord& record) const;

    // Decodes a row written with `version` (3; any other value is the older layout) into
    // `into`. Every stored field is overwritten except, for older rows, extra bytes A and B and
    // the reserved bytes, which older rows do not hold; the in-memory second table is cleared.
    // Missing or non-numeric numbers read as 0; counters are clamped to their limits.
    void decodeRow(std::string_view row, int version, MacroRecord& into) const;
    MacroRecord decodeRow(std::string_view row, int version) const;

    // Replaces the table with the group file's macros. False when the file is missing (the
    // caller shows the missing-file notice); the table is then empty.
    bool readGroup(const std::filesystem::path& file, MacroTable& table) const;

    // Writes [Init] DAT_VER, [Macros] macroNum and the rows of macros 0 to count - 1 in one
    // atomic replacement of the file. Rows of an earlier, larger group stay in the file, as the
    // readers ignore them. False when the file could not be written.
    bool writeGroup(const std::filesystem::path& file, const MacroTable& table) const;

    // Writes DAT_VER, macroNum and the row of one macro; the other rows stay as they are.
    // False for an index at or beyond the table's count, or when the file cannot be written.
    bool writeMacro(const std::filesystem::path& file, const MacroTable& table,
                    std::size_t index) const;

    // Macro `macro` of group `group` for the device write, from the group list file
    // ("macroGrp.ini") and the group's file in `macroFolder`. A blank record when the group or
    // the macro does not exist.
    MacroRecord readMacroForDevice(const std::filesystem::path& macroFolder, int group,
                                   int macro) const;

    // The built-in macros ("constMacro.dat"), into their own table; same rules as readGroup.
    bool readConstantMacros(const std::filesystem::path& file, MacroTable& table) const;

  private:
    std::uint8_t toFileKey(std::uint8_t key) const;
    std::uint8_t fromFileKey(int code) const;

    const MacVkAndText& keys_;
    int language_;
};

}  // namespace karvo
