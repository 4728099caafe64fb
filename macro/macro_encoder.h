// MacroEncoder: turns one MacroRecord into the bytes the mouse replays from its own memory (the
// macro image), and stretches short gun presets before that. The download places each image in
// a slot of device memory; this class only knows the bytes of one slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "macro/macro_record.h"

namespace karvo {

class MacroEncoder {
  public:
    // Delays above this are cut to it; the mouse counts in units of 1 ms.
    static constexpr std::uint16_t kMaxDelayMs = 10000;
    // A delay byte holds 7 bits; longer waits are followed by filler entries 7F 00.
    static constexpr unsigned kMaxDelayUnits = 127;
    // Lighting records must end below this device address.
    static constexpr std::uint32_t kLightingLimit = 0x4000;
    // Language text of the notice the encoder raises for a bad lighting step.
    static constexpr int kTipBadLighting = 6;
    // A short gun preset in mode 2 is repeated until one run takes about this long.
    static constexpr int kStretchTargetMs = 40;

    // The delay of one step as the mouse stores it: the delay byte's low 7 bits (1 to 127)
    // and how many filler entries 7F 00 follow the step. 300 ms gives 46 and 2 fillers,
    // 254 ms 127 and 1, 128 ms 1 and 1, 0 ms 1 and 0.
    struct Delay {
        std::uint8_t units = 1;
        std::size_t fillers = 0;
    };
    static Delay splitDelay(std::uint16_t delayMs);

    // Where the parts of an image lie. `stepArea` is the start S of the lighting area: the
    // header and step entries rounded up to 8. `size` adds the lighting records, each rounded
    // up to 8 bytes: the room the image needs in device memory (a multiple of 8).
    struct Layout {
        std::size_t fillers = 0;
        std::size_t stepArea = 8;
        std::size_t size = 8;
    };
    // The step area is what the record's counters reserve:
    //   2 + 2 (steps + fillers) + 4 moves + 2 (247 + sensitivity + 250 + lighting + 251 steps)
    // unless the steps themselves need more (counters that understate, as a damaged file may
    // hold), so entries never run into the lighting area.
    static Layout layout(const MacroRecord& record);

    struct Result {
        // budget + 2 bytes; only the first `budget` are written to the mouse.
        std::vector<std::uint8_t> image;
        // Notices raised on the way (language text indexes), in step order.
        std::vector<int> notices;
        // True when the whole device write must stop: a lighting record would end beyond
        // device address 0x4000, or the image does not fit its budget. `image` is then
        // incomplete and must not be written.
        bool abandoned = false;
    };

    // Encodes `record` for the slot at device address `base` with room for `budget` bytes.
    // The image, all zero at first:
    //   0..1  run count, low byte first: 1 in playback mode 1 or 2, else the repeat count
    //   2..   one entry per step, each followed by its filler entries 7F 00:
    //           key 1..245 (keyboard key, mouse button) kind 1:  d|80 key
    //           key 1..245 kind 2:                              d    key
    //           key 0 (a pure wait), any kind:                  d    00
    //           246 kind 3/4/5/6: d F6 xL xH yL yH, X = -p0/-p0/p0/p0 and
    //                             Y = -p1/p1/-p1/p1 as 16-bit two's complement
    //           246 other kinds:  d F6 00 00 00 00
    //           248 kind 9: d|80 F8 p0 00; kind 10: d F8 p0 00; other kinds: 00 F8 p0 00
    //           249 kind 13/14/15 (v = 0/1/2): d F9 aL (v*64 + aH%64), a = device address
    //             of the step's lighting record
    //           anything else: no bytes, no fillers
    //   S..   the lighting records of the lighting steps, in step order, each at an 8-byte
    //         boundary: 4n + 4 bytes of the record, n its entry count (at most 16), the first
    //         byte written as n - 1.
    // A lighting step without a record (lighting count 0, or an index beyond the record
    // table) raises TipText 6 and is skipped; one of another kind raises TipText 6 and is
    // written as variant 0.
    static Result encode(const MacroRecord& record, std::uint16_t base, std::size_t budget);

    // A gun preset played while the button is held (mode 2) whose steps take 20 ms or less
    // (1 + the sum of the delays) is repeated 40 / (1 + sum) times, so one run lasts long
    // enough: the copies turn keys 247 and above into pure waits, each copied move adds to
    // the move count. The list never grows beyond 275 steps. Other records come back as
    // they are.
    static MacroRecord stretchedPreset(const MacroRecord& record);
};

}  // namespace karvo
