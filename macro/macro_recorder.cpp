// Recording macros from the keyboard; see macro_recorder.h.
#include "macro/macro_recorder.h"

#include <algorithm>
#include <chrono>

namespace karvo {

void MacroRecorder::start(const MacroRecord& current, int language) {
    macro_ = MacroRecord{};
    macro_.name = current.name;
    macro_.mode = current.mode;
    macro_.repeatCount = 1;
    macro_.extraA = 0;
    macro_.extraB = 10;
    language_ = language;
    presses_ = 0;
    held_ = 0;
    haveLast_ = false;
    recording_ = true;
}

std::uint16_t MacroRecorder::delayBetween(std::uint32_t earlierMs, std::uint32_t laterMs) {
    std::int64_t diff = static_cast<std::int64_t>(laterMs) - static_cast<std::int64_t>(earlierMs);
    if (diff < 0)
        diff += kDayMs;
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(diff, 0, 65535));
}

bool MacroRecorder::isHeld(int virtualKey) const {
    return std::find(heldKeys_.begin(), heldKeys_.begin() + static_cast<std::ptrdiff_t>(held_),
                     virtualKey) != heldKeys_.begin() + static_cast<std::ptrdiff_t>(held_);
}

void MacroRecorder::release(int virtualKey) {
    auto* end = heldKeys_.begin() + static_cast<std::ptrdiff_t>(held_);
    auto* at = std::find(heldKeys_.begin(), end, virtualKey);
    if (at == end)
        return;
    std::move(at + 1, end, at);
    --held_;
}

MacroRecorder::Outcome MacroRecorder::onKey(Event event, int virtualKey, std::uint32_t msOfDay) {
    Outcome out;
    if (!recording_)
        return out;
    // Holding a key repeats its press; only the first one counts.
    const bool repeat = haveLast_ && event == lastEvent_ && virtualKey == lastKey_;
    haveLast_ = true;
    lastEvent_ = event;
    lastKey_ = virtualKey;
    if (repeat)
        return out;
    std::size_t count = macro_.stepCount;
    if (count >= kMaxSteps) {
        out.limit = true;
        return out;
    }
    // Only keys the layout lists can be played back. The conversion hands unlisted codes back
    // unchanged, which would record another key (the generic Ctrl, 17, is the device's N) or,
    // above 239, a mouse button, move or lighting step behind its counter's back.
    const int device = keys_.toDeviceCode(language_, virtualKey, KeyMode::MacroSteps);
    if (device <= 0 || device >= macrokey::kMouse240 ||
        keys_.toVirtualKey(language_, static_cast<std::uint8_t>(device), KeyMode::MacroSteps) !=
            virtualKey)
        return out;

    const bool down = event == Event::KeyDown || event == Event::SysKeyDown;
    if (down) {
        // A press whose release could not be followed would leave the key held on playback.
        if (presses_ >= kMaxPresses || held_ >= kMaxHeld || isHeld(virtualKey))
            return out;
        heldKeys_[held_++] = virtualKey;
        ++presses_;
    } else {
        if (!isHeld(virtualKey))
            return out;
        release(virtualKey);
    }

    if (count > 0)
        macro_.steps[count - 1].delay = delayBetween(lastMs_, msOfDay);
    lastMs_ = msOfDay;
    MacroAction& step = macro_.steps[count];
    step = MacroAction{};
    step.kind = down ? stepkind::kPress : stepkind::kRelease;
    step.key = static_cast<std::uint8_t>(device);
    step.delay = kLastDelay;
    macro_.stepCount = static_cast<std::uint16_t>(++count);
    out.recorded = true;
    out.limit = count >= kMaxSteps;
    return out;
}

MacroRecord MacroRecorder::stop() {
    recording_ = false;
    held_ = 0;
    return macro_;
}

std::uint32_t msOfDayNow() {
    using namespace std::chrono;
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(sinceMidnight.count());
}

}  // namespace karvo
