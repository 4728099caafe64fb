// KeyDescriptorTable: where each macro lives in the mouse's memory and how each macro or
// consumer-key button describes it. It places the macro slots from address 1024 upward and
// builds the 560-byte descriptor table at address 160 (4 profiles x 14 device keys x 10 bytes).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "device/key_assignments.h"
#include "macro/mac_vk_and_text.h"
#include "macro/macro_record.h"

namespace karvo::device {

// The room of one macro button in device memory.
struct MacroSlot {
    int profile = 0;
    int deviceKey = 0;
    std::int32_t function = 0;
    std::uint16_t base = 0;  // first device address
    std::size_t budget = 0;  // bytes written there, a multiple of 8; 0 for a shared slot
    bool shared = false;     // uses the base of an earlier slot with the same function
    std::shared_ptr<const MacroRecord> macro;
};

class KeyDescriptorTable {
  public:
    static constexpr std::uint16_t kAddress = 160;
    static constexpr std::size_t kEntryBytes = 10;
    static constexpr std::size_t kBytes =
        kProfiles * KeyAssignments::kDeviceKeys * kEntryBytes;  // 560
    static constexpr std::uint16_t kMacroAreaStart = 1024;
    static constexpr std::uint16_t kMacroAreaLast = 3871;
    static constexpr std::size_t kMaxBudget = 8192;

    // Places a slot for every device key with a macro function (33 to 29999), in the order
    // profile 0 to 3, device key 1 to 14, each directly after the previous one. A slot whose
    // function (other than 33, a key combination) equals that of an earlier one shares its
    // base. The budget is the macro's encoded size, at most 8192. Placement stops at the first
    // slot that would end beyond address 3871 (overflow()).
    //
    // Descriptor of (profile p, device key k), at 160 + 140 p + 10 (k - 1), for device
    // function codes 13, 14, 30, 31 (macros) and 15 (consumer keys); all others stay zero:
    //   0  0
    //   1  hold * 128 + (step count & 7F)
    //   2  device key code of keyboard position (function - 70) & FF (see keyboardKey)
    //   3  consumer usage low byte, 4 high byte (functions 23 to 33, else 0)
    //   5  base low byte
    //   6  once * 128 + mode-bit-2 * 64 + (base / 256 & 3F)
    //   7  repeat-while * 64 + (step count / 128 & 3F)
    //   8  extra byte A * 128 + extra byte B of a preset or group macro; 0 otherwise
    //   9  0
    // with, from the macro's mode byte m: hold = (m & 3) == 2, once = (m & 3) == 1,
    // mode-bit-2 = m & 4 when neither is set, repeat-while = (hold or once) and m & 8.
    // A consumer key has step count and mode bits 0 and the base the next slot would get (or
    // that of an earlier consumer key with the same function); it takes no room.
    static KeyDescriptorTable build(const KeyAssignments& assignments, const MacVkAndText& keys,
                                    int language);

    // Byte 2 of a descriptor: position p = (function - 70) & FF in the table of 79 keyboard
    // positions (Esc, F1 to F12, Insert, ... Down) gives a virtual key, 255 from 79 up; that
    // virtual key through the language's key table (English for a language without one).
    static std::uint8_t keyboardKey(std::int32_t function, const MacVkAndText& keys, int language);
    // Consumer-control usage of functions 23 to 33 (23: 0x0223 ... 33: 0x00B7), else 0.
    static std::uint16_t consumerUsage(std::int32_t function);
    // The step count the mouse plays (13 bits used): a key combination's (33 to 49) stored
    // count; for 50 and up the stored count (0 counts as 3) plus, for every step whose delay
    // (at most 10000 ms) is above 127, delay / 127.
    static unsigned stepCount(std::int32_t function, const MacroRecord& macro);

    std::span<const std::uint8_t, kBytes> bytes() const { return bytes_; }
    // Every macro slot placed, in placement order, shared ones included.
    std::span<const MacroSlot> slots() const { return slots_; }
    // True when a slot would end beyond address 3871; the slots after it are not placed.
    bool overflow() const { return overflow_; }
    // The first address after the last slot placed (1024 without macros).
    std::uint16_t macroAreaEnd() const { return macroAreaEnd_; }

  private:
    std::array<std::uint8_t, kBytes> bytes_{};
    std::vector<MacroSlot> slots_;
    bool overflow_ = false;
    std::uint16_t macroAreaEnd_ = kMacroAreaStart;
};

}  // namespace karvo::device
