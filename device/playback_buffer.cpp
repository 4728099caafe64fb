// The playback buffer behind its own lock: the event thread fills and adjusts it, and writes it
// back, while the window may look at it.
#include "device/playback_buffer.h"

namespace karvo::device {

void PlaybackBuffer::load(const MacroRecord& record, Source source) {
    const std::lock_guard lock(mutex_);
    record_ = record;
    source_ = source;
}

void PlaybackBuffer::clear() {
    load(MacroRecord{}, Source{});
}

void PlaybackBuffer::setExtraA(std::uint8_t value) {
    const std::lock_guard lock(mutex_);
    record_.extraA = value;
}

void PlaybackBuffer::stepExtraB(bool up) {
    const std::lock_guard lock(mutex_);
    if (up)
        record_.extraB = static_cast<std::uint8_t>(record_.extraB + 1);
    else if (record_.extraB > 0)
        --record_.extraB;
}

PlaybackBuffer::Contents PlaybackBuffer::contents() const {
    const std::lock_guard lock(mutex_);
    return {record_, source_};
}

}  // namespace karvo::device
