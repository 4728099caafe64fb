// From a physical key to what the design's keyboard hook delivered: the key message
// (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP) and the Windows virtual-key code that the
// key tables expect for that key position under the program's keyboard language. A German
// program language gives the key right of T the code of Z, as a German Windows would.
#pragma once

#include <cstdint>

#include "macro/mac_vk_and_text.h"
#include "platform/key_capture.h"

namespace karvo::captured_keys {

inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_KEYUP = 0x0101;
inline constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr std::uint32_t WM_SYSKEYUP = 0x0105;

struct KeyMessage {
    std::uint32_t message = 0;
    int virtualKey = 0;  // 0: a key this program has no code for
    bool operator==(const KeyMessage&) const = default;
};

// The HID keyboard usage (the device key code of the key tables) of a Linux input event code;
// 0 for a code without one. Both number physical positions, so this is one table for every
// layout.
int usageOfEvdev(int evdevCode);

// The virtual-key code of a key position under `language`: the language's own table where it
// lists the position, the English one for a language without a key set, and for the few keys
// no table lists (keypad Enter, the ISO key beside left Shift, the Japanese and Korean keys)
// the code Windows gives them. 0 when the key has none.
int virtualKeyOf(const MacVkAndText& keys, int language, int usage);

// The message and virtual-key code of one event. Alt without Ctrl makes it a system key, as
// does the Alt key itself.
KeyMessage translate(const MacVkAndText& keys, int language, const PhysicalKeyEvent& event);

// Modifier keys by virtual-key code: the generic, left and right codes of each.
bool isCtrl(int vk);
bool isShift(int vk);
bool isAlt(int vk);
bool isWin(int vk);

}  // namespace karvo::captured_keys
