// The three effect modes and their pauses; see sound_effect.h.
#include "ui/dialogs/sound_effect.h"

#include <algorithm>

namespace karvo::sound {

namespace {

using std::chrono::milliseconds;

constexpr std::uint8_t kLightingCommand = 0x13;

// Mode 4: cycle and brightness for levels 1 to 7 (7 stands for 7 and above).
constexpr std::array<std::pair<int, int>, 8> kBeatLook = {
    {{0, 0}, {0, 2}, {1, 2}, {1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 1}}};

constexpr std::array<EffectColour, 5> kColourSteps = {
    {{0, 15, 15}, {0, 15, 0}, {0, 0, 15}, {15, 15, 0}, {15, 0, 0}}};

std::uint8_t byte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

std::array<std::uint8_t, 8> lightingReportBytes(const EffectReport& r) {
    return {device::DeviceLink::kReportId,
            kLightingCommand,
            byte(r.M + 128),
            byte(128 + r.t * 16 + (r.c & 7)),
            byte(r.s * 64 + ((r.d * 16) & 0x30) + r.v),
            byte(r.b & 7),
            byte((r.t >> 3) * 128 + ((r.w / 256) & 3)),
            byte(r.w & 0xFF)};
}

EffectColour colourOfStep(int step) {
    return kColourSteps[static_cast<std::size_t>(std::clamp(step, 0, 4))];
}

// --- EffectState -----------------------------------------------------------------------------

void EffectState::wake() {
    // Taken before the notify, so a waiter that has just found nothing to do cannot miss it.
    const std::lock_guard lock(wakeLock_);
    wakeUp_.notify_all();
}

void EffectState::setMode(int mode) {
    mode_ = mode;
    wake();
}

void EffectState::setOn(bool on) {
    on_ = on;
    wake();
}

void EffectState::setLevel(int level, int newest) {
    level_ = level;
    newest_ = newest;
}

void EffectState::setBeat() {
    beat_ = true;
    wake();
}

bool EffectState::hasWork() const {
    return on_ && (mode_ == 3 || beat_);
}

bool EffectState::waitForWork(std::stop_token stop) {
    std::unique_lock lock(wakeLock_);
    // The wait gives the predicate's value even when stop was asked: with the effect on in
    // mode 3 that is always true, so the stop is checked on its own.
    wakeUp_.wait(lock, stop, [this] { return hasWork(); });
    if (stop.stop_requested() || !hasWork())
        return false;
    // Marked under the lock: a switch-off that finds the flag clear comes after this check,
    // so no step can start on the strength of an "on" the dialog has already taken back.
    stepping_ = true;
    return true;
}

// --- SoundEffect -----------------------------------------------------------------------------

SoundEffect::SoundEffect(Parts parts) : parts_(std::move(parts)) {}

void SoundEffect::step(std::stop_token stop) {
    switch (parts_.state.mode()) {
        case 2:
            pulse(stop);
            break;
        case 3:
            colourFlow(stop);
            break;
        case 4:
            beat();
            break;
        default:
            break;
    }
}

void SoundEffect::send(const EffectReport& r) {
    const std::size_t length = parts_.link.featureReportLength();
    if (length < device::DeviceLink::kMinFeatureReportLength || length > buffer_.size())
        return;  // no mouse: nothing to send to
    const auto bytes = lightingReportBytes(r);
    std::copy(bytes.begin(), bytes.end(), buffer_.begin());
    parts_.link.sendOwnReport(std::span(buffer_).first(length));
}

void SoundEffect::colourCommand(int mode) {
    EffectColour colour = kColourSteps[0];
    if (mode == 3) {
        colour = kColourSteps[static_cast<std::size_t>(colourStep_)];
        colourStep_ = colourStep_ >= 4 ? 0 : colourStep_ + 1;
    }
    const int k = parts_.levelIndex ? std::max(parts_.levelIndex(), 0) & 7 : 0;
    parts_.link.sendDpiColour(k, colour.red, colour.green, colour.blue);
}

bool SoundEffect::pause(milliseconds ms, const std::stop_token& stop) {
    if (stop.stop_requested())
        return false;
    parts_.clock.sleepFor(ms);
    return !stop.stop_requested();
}

bool SoundEffect::switchedOff() {
    if (parts_.state.on())
        return false;
    send({.t = 9, .c = 1, .d = 1, .v = 11, .b = 3});
    return true;
}

// Mode 2, pulse: the lights fall from the last count to dark, then rise to this beat's level.
void SoundEffect::pulse(std::stop_token stop) {
    EffectState& state = parts_.state;
    if (!state.takeBeat())
        return;
    const int n = state.level();
    const int p = previous_;
    if (p > 1) {
        const milliseconds gap(392 / (p - 1));
        for (int v = p; v >= 0; --v) {
            send({.t = 6, .c = 1, .d = 1, .v = v, .b = 0});
            if (!pause(gap, stop) || switchedOff())
                return;
        }
    }
    if (n > 0) {
        const milliseconds gap(87 / n);
        if (!pause(gap, stop))
            return;
        for (int i = 0; i < n; ++i) {
            if (!pause(gap, stop))
                return;
            send({.t = 6, .c = 1, .d = 1, .v = n < 6 ? i : 7, .b = 0});
            if (switchedOff())
                return;
        }
        if (n > 6 && !pause(gap, stop))
            return;
    }
    previous_ = n;
    if (state.newest() > 1 && state.level() > 0)
        return;
    // Quiet: a slow breath instead of a pulse.
    if (!pause(milliseconds(240), stop))
        return;
    send({.t = 13, .c = 2, .d = 0, .v = 7, .b = 0, .w = 0x3FEB});
    if (!pause(milliseconds(240), stop))
        return;
    send({.t = 6, .c = 1, .d = 1, .v = 0, .b = 0});
}

// Mode 3, colour flow: two phases in turn, the colour changing every second pass.
void SoundEffect::colourFlow(std::stop_token stop) {
    const int n = parts_.state.level();
    const bool second = secondPhase_;
    secondPhase_ = !secondPhase_;
    if (n > 0) {
        if (!second) {
            send({.t = 13, .c = 2, .d = 0, .v = 7, .b = 0, .w = 0x3FEB});
        } else {
            send({.t = 2, .c = 2, .d = 0, .v = 7, .b = 0});
            colourCommand(parts_.state.mode());
        }
        pause(milliseconds(480 / (n + 1)), stop);
        return;
    }
    if (!second) {
        send({.t = 2, .c = 2, .d = 0, .v = 7, .b = 4});
        if (!pause(milliseconds(480), stop))
            return;
        colourCommand(parts_.state.mode());
    } else {
        send({.t = 13, .c = 2, .d = 0, .v = 7, .b = 3});
        pause(milliseconds(480), stop);
    }
}

// Mode 4, beat: one report per beat, its look chosen by the level.
void SoundEffect::beat() {
    if (!parts_.state.takeBeat())
        return;
    const int n = parts_.state.level();
    if (n <= 0) {
        send({.t = 4, .c = 0, .d = 0, .v = 7, .b = 3, .s = 1});
        return;
    }
    const auto [cycle, brightness] = kBeatLook[static_cast<std::size_t>(std::min(n, 7))];
    send({.t = 8, .c = cycle, .d = 0, .v = 7, .b = brightness, .s = 0});
}

}  // namespace karvo::sound
