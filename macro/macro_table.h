// The macros of one group in memory: 12 slots for the group's macros and a 13th that always
// stays blank and serves as the template that clears a macro. Slot indexes from files or the
// user never reach past the table: out-of-range access gives nothing.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "macro/macro_record.h"

namespace karvo {

class MacroTable {
  public:
    static constexpr std::size_t kMaxMacros = 12;
    static constexpr std::size_t kSlots = kMaxMacros + 1;
    static constexpr int kCurrentVersion = 3;

    std::size_t count() const { return count_; }
    // Negative counts give 0, counts above 12 give 12.
    void setCount(long long count);

    // The macro in slot i (0 to 11), or nullptr beyond; slot 12 is never handed out writable.
    MacroRecord* macro(std::size_t i) { return i < kMaxMacros ? &slots_[i] : nullptr; }
    const MacroRecord* macro(std::size_t i) const { return i < kMaxMacros ? &slots_[i] : nullptr; }
    const MacroRecord& blank() const { return slots_[kMaxMacros]; }

    // The group's macros, slots 0 to count - 1.
    std::span<const MacroRecord> macros() const {
        return std::span<const MacroRecord>(slots_).first(count_);
    }

    // Copies the blank slot over slot i; false when i is no macro slot.
    bool clear(std::size_t i);
    // Empties every slot and the count.
    void clearAll();

    // The DAT_VER the table was read with (3 for a table made in memory).
    int fileVersion() const { return fileVersion_; }
    void setFileVersion(int version) { fileVersion_ = version; }

  private:
    std::array<MacroRecord, kSlots> slots_{};
    std::size_t count_ = 0;
    int fileVersion_ = kCurrentVersion;
};

}  // namespace karvo
