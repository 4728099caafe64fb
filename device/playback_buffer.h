// PlaybackBuffer: the macro last fetched by a key press, which the mouse's recoil adjustment
// changes (extra bytes A and B) while a host-notified key is held, together with where it came
// from, so that only a group macro is ever written back, and to its own group and number.
#pragma once

#include <cstdint>
#include <mutex>

#include "macro/macro_record.h"

namespace karvo::device {

class PlaybackBuffer {
  public:
    struct Source {
        enum class Kind { None, Group, Preset };
        Kind kind = Kind::None;
        int group = 0;  // for Kind::Group
        int macro = 0;  // group macro number, or preset index
        bool operator==(const Source&) const = default;
    };

    // Replaces the macro and its source in one step.
    void load(const MacroRecord& record, Source source);
    // A blank macro that came from nowhere: nothing to write back.
    void clear();

    // Sets extra byte A (a host-notified key was pressed: the adjustment applies).
    void setExtraA(std::uint8_t value);
    // Extra byte B one up (wrapping from 255 to 0, as the byte does) or one down (never
    // below 0); the mouse's adjustment reports.
    void stepExtraB(bool up);

    struct Contents {
        MacroRecord record;
        Source source;
    };
    // The macro and its source as one consistent pair.
    Contents contents() const;
    MacroRecord record() const { return contents().record; }
    Source source() const { return contents().source; }

  private:
    mutable std::mutex mutex_;
    MacroRecord record_;
    Source source_;
};

}  // namespace karvo::device
