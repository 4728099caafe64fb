// A macro's steps as one line of text a person can read, type and edit, and back:
//
//   +ctrl 20ms +c 30ms -c 20ms -ctrl
//
// Words are separated by blanks. "+KEY" presses and "-KEY" releases a key or mouse button,
// "NNms" is the delay after the step before it, "wait" is a step of its own (a pause), and
// "move:-5,+3", "dpi:800", "dpi:reset" and "light:n=1,e=0,c=0,t=10" are cursor moves,
// sensitivity changes and lighting steps. Key names are those of the key positions on a US
// keyboard ("a", "1", "enter", "ctrl", "f5", "kp-plus", "mouse-left"), the same in every
// language; `key-N` names any device key code N. A step no other word describes is written
// "step:KIND,KEY,P0,P1", so every macro prints, and what prints parses back to the same steps.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "macro/macro_record.h"
#include "platform/notifier.h"

namespace karvo::macrotext {

// Limits of a hand-edited step, as the macro page applies them.
inline constexpr std::uint16_t kMaxDelayMs = 10000;
inline constexpr std::uint16_t kMaxMoveDistance = 100;
// The language texts of the warnings (TipText n).
inline constexpr int kTipLimit = 21;
inline constexpr int kTipFailed = 6;

// The name of a device key code: its position name, or "key-N" when it has none.
std::string keyName(std::uint8_t deviceCode);
// The device key code of a name (case ignored), or nothing.
std::optional<std::uint8_t> keyCode(std::string_view name);

struct NamedKey {
    std::uint8_t code;
    std::string_view name;
};
// Every key with a position name, in device code order.
std::span<const NamedKey> namedKeys();
// True for the keys a key combination may hold as modifiers: ctrl, shift, alt, win.
bool isModifier(std::uint8_t deviceCode);

// The DPI a sensitivity step's level sets: levels 1 to 15 from the mouse's table, any other
// level 800.
int sensitivityDpi(int level);
// The sensitivity level a DPI value typed on the macro page is stored as (200, 400 ... 4800;
// the first level that shows it), or nothing for any other value.
std::optional<int> sensitivityLevel(int dpi);

// The steps of a record as one line (empty for a macro without steps).
std::string print(const MacroRecord& record);

struct ParseResult {
    bool ok = false;
    std::string error;  // why the text was refused, naming the word
    // The steps, their delays, the per-kind counters and the lighting records; name, mode,
    // repeat count and the extra bytes are those of the record parse() started from.
    MacroRecord record;
};

// Reads a line into a copy of `base` (whose steps and lighting records it replaces). A delay
// above 10000 ms and a move above 100 are warned about through `notifier` and cut, as the
// macro page does, unless `base` holds that very value at that step (a recorded delay of a
// minute survives show and edit); more steps than a macro holds (275; 50 moves; 5 of each
// special kind) are refused with the macro page's notice and an error.
ParseResult parse(std::string_view text, const MacroRecord& base, Notifier& notifier);

}  // namespace karvo::macrotext
