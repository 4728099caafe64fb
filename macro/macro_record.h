// The in-memory macro: a fixed-size record of up to 275 steps with per-kind counters and the
// lighting records its lighting steps point at. Every macro part of the program (groups, the
// device encoding, the editor, import and export, gun presets) works on this one record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace karvo {

// Values of a step's key field. 1 to 239 are keyboard keys as device key codes (HID usages).
namespace macrokey {
inline constexpr std::uint8_t kNone = 0;        // a pure wait step
inline constexpr std::uint8_t kMouse240 = 240;  // kept in memory, written to files as 0
inline constexpr std::uint8_t kMouseLeft = 241;
inline constexpr std::uint8_t kMouseMiddle = 242;
inline constexpr std::uint8_t kMouseRight = 243;
inline constexpr std::uint8_t kMouse244 = 244;  // kept in memory, written to files as 0
inline constexpr std::uint8_t kMove = 246;
inline constexpr std::uint8_t kReserved247 = 247;
inline constexpr std::uint8_t kSensitivity = 248;
inline constexpr std::uint8_t kLighting = 249;
inline constexpr std::uint8_t kReserved250 = 250;
inline constexpr std::uint8_t kReserved251 = 251;

// Codes that files store as they are, never through a key table.
constexpr bool isSpecial(std::uint8_t key) {
    return key == kNone || (key >= 246 && key <= 251);
}
}  // namespace macrokey

// Values of a step's kind field.
namespace stepkind {
inline constexpr std::uint8_t kWait = 0;
inline constexpr std::uint8_t kPress = 1;
inline constexpr std::uint8_t kRelease = 2;
inline constexpr std::uint8_t kMoveLeftUp = 3;     // X-, Y-
inline constexpr std::uint8_t kMoveLeftDown = 4;   // X-, Y+
inline constexpr std::uint8_t kMoveRightUp = 5;    // X+, Y-
inline constexpr std::uint8_t kMoveRightDown = 6;  // X+, Y+
inline constexpr std::uint8_t kSetSensitivity = 9;
inline constexpr std::uint8_t kRestoreSensitivity = 10;
inline constexpr std::uint8_t kLightingFirst = 13;  // 13, 14, 15: the three lighting variants
inline constexpr std::uint8_t kLightingLast = 15;
}  // namespace stepkind

// Low two bits of the mode byte. In Mode1 and Mode2 the macro runs once; the mouse gives them
// their meaning. A file may hold 3, which is kept as it is.
enum class PlaybackMode : std::uint8_t { Repeat = 0, Mode1 = 1, Mode2 = 2 };

// One step: the column slice of the record's step fields at one index.
struct MacroAction {
    std::uint8_t kind = 0;
    std::uint8_t key = 0;
    std::uint16_t p0 = 0;     // move: X distance; sensitivity: level; lighting: record index
    std::uint16_t p1 = 0;     // move: Y distance
    std::uint16_t delay = 0;  // milliseconds to wait after the step
    bool operator==(const MacroAction&) const = default;
};

// 68 bytes of lighting data: byte 0 counts the 4-byte entries that start at byte 4.
struct LedEffectRecord {
    static constexpr std::size_t kSize = 68;
    static constexpr std::size_t kMaxEntries = (kSize - 4) / 4;  // 16

    std::array<std::uint8_t, kSize> bytes{};

    // The entry count as far as the record can hold it; a larger byte 0 from a file is never
    // used to read past the record.
    std::size_t entryCount() const { return bytes[0] < kMaxEntries ? bytes[0] : kMaxEntries; }
    std::size_t meaningfulLength() const { return 4 * entryCount() + 4; }

    // What a newly inserted lighting step starts with.
    static LedEffectRecord forNewStep();
    bool operator==(const LedEffectRecord&) const = default;
};

struct MacroRecord {
    static constexpr std::size_t kNameUnits = 30;  // UTF-16 units, 60 bytes
    static constexpr std::size_t kMaxSteps = 275;
    static constexpr std::size_t kMaxMoves = 50;
    static constexpr std::size_t kMaxPerKind = 5;  // 247, 248, 249, 250 and 251 steps each
    static constexpr std::size_t kLightingRecords = 5;

    std::array<char16_t, kNameUnits> name{};  // NUL-terminated when shorter, zero-filled
    std::uint8_t mode = 0;
    std::uint16_t repeatCount = 0;
    std::uint16_t stepCount = 0;
    std::uint16_t moveCount = 0;
    std::uint16_t kind247Count = 0;
    std::uint16_t sensitivityCount = 0;
    std::uint16_t kind250Count = 0;
    std::uint8_t lightingCount = 0;
    std::uint8_t kind251Count = 0;
    std::uint8_t extraA = 0;  // 1 once a gun preset's compensation strength was set
    std::uint8_t extraB = 0;  // gun preset compensation strength
    std::array<std::uint8_t, 4> reserved{};
    std::array<MacroAction, kMaxSteps> steps{};
    std::array<LedEffectRecord, kLightingRecords> lighting{};
    std::array<LedEffectRecord, kLightingRecords> second{};  // in memory only, never in a file

    bool operator==(const MacroRecord&) const = default;

    // The name as UTF-8, up to its first NUL.
    std::string nameUtf8() const;
    // Stores the name, cut to 30 UTF-16 units without splitting a character, zero-filled.
    void setName(std::string_view utf8);

    PlaybackMode playbackMode() const { return static_cast<PlaybackMode>(mode & 0x03); }
    // Mode 1 or 2 keeps bits 3 to 7 and fixes the repeat count at 1; mode 0 clears bits 0, 1
    // and 3 and leaves the repeat count alone.
    void setPlaybackMode(PlaybackMode m);

    // Steps 0 to stepCount - 1, never more than the record holds.
    std::span<const MacroAction> validSteps() const;

    // Brings every counter within its limit. Counters come from files and must never make a
    // reader walk past a table.
    void clampCounters();

    // The lighting record a lighting step points at, or nullptr when the step is no lighting
    // step or its index lies beyond the table.
    const LedEffectRecord* lightingRecordOf(const MacroAction& step) const;

    // The limit of a step key's kind and how many such steps the record counts; keys without a
    // counter of their own count against the step limit.
    static std::size_t limitFor(std::uint8_t key);
    std::size_t countFor(std::uint8_t key) const;
    // True when one more step with this key fits in the record and in its kind's limit.
    bool canAddStep(std::uint8_t key) const;
    // Appends `step` and counts it against its key's kind, when canAddStep allows; false and
    // no change otherwise.
    bool appendStep(const MacroAction& step);
};

}  // namespace karvo
