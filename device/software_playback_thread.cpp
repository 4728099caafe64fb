// The software playback thread: DPI levels from the mouse, consumer keys and host-side macro
// playback. It sleeps until the event thread hands it a press or a DPI level.
#include "device/software_playback_thread.h"

#include <algorithm>
#include <utility>

#include "device/key_descriptor_table.h"

namespace karvo::device {

SoftwarePlaybackThread::SoftwarePlaybackThread(const DeviceThreadContext& context,
                                               DeviceThreadState& state, Clock& clock,
                                               std::uint32_t seed)
    : context_(context), state_(state), player_(context.link, clock, seed) {}

SoftwarePlaybackThread::~SoftwarePlaybackThread() {
    stop();
}

void SoftwarePlaybackThread::start(std::function<void()> prepare) {
    if (!thread_.joinable()) {
        thread_ = std::jthread([this, prepare = std::move(prepare)](std::stop_token stop) {
            if (prepare)
                prepare();
            run(stop);
        });
    }
}

void SoftwarePlaybackThread::stop() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void SoftwarePlaybackThread::run(std::stop_token stop) {
    while (state_.waitForWork(stop)) {
        if (const auto level = state_.takeDpiLevel())
            followDpiLevel(*level);
        if (const auto keyEvent = state_.pendingPress()) {
            handlePress(*keyEvent, stop);
            state_.finishPress();
        }
    }
}

void SoftwarePlaybackThread::followDpiLevel(int level) {
    context_.settings.edit([level](Settings& s) { s.shared.dpiLevel = level; });
    context_.repaint.requestRepaint();
    context_.store.saveDpiLevel(level);
    state_.setDpiLevel(level);
}

bool SoftwarePlaybackThread::slotHasKey(int slot, std::uint8_t keyEvent) const {
    const auto key = context_.description.keyMap.keyOfSlot(slot);
    return key && *key + 0xF0 == keyEvent;
}

SoftwarePlaybackThread::PressView SoftwarePlaybackThread::viewFor(std::uint8_t keyEvent,
                                                                  int toggled) const {
    return context_.settings.read([&](const Settings& s) {
        PressView view;
        view.profile = std::clamp(s.currentProfile, 0, kProfiles - 1);
        view.softHardMac = s.shared.softHardMac;
        const ProfileSettings& profile = s.profiles[static_cast<std::size_t>(view.profile)];
        for (std::size_t b = 0; b < kButtonSlots; ++b) {
            view.function[b] = profile.buttons[b].function;
            view.leftMac[b] = profile.buttons[b].leftMac;
            // Only the combinations this press can play are copied: a record is large.
            const std::int32_t f = view.function[b];
            const bool mayPlay =
                slotHasKey(static_cast<int>(b), keyEvent) || static_cast<int>(b) == toggled;
            if (mayPlay && f >= kFunctionCombination && f < kFirstPlayedMacro)
                view.combination[b] = s.macroCopies[static_cast<std::size_t>(view.profile)][b];
        }
        return view;
    });
}

void SoftwarePlaybackThread::handlePress(std::uint8_t keyEvent, std::stop_token stop) {
    // Read once: the event thread may move the toggled macro meanwhile.
    const int toggled = state_.toggledSlot();
    const bool toggledRunning = state_.toggledMacroRunning();
    const PressView view = viewFor(keyEvent, toggled);
    const int keyNum = std::clamp(context_.description.keyNum, 0, kButtonSlots);
    for (int s = 0; s < keyNum; ++s) {
        if (!slotHasKey(s, keyEvent))
            continue;
        const std::int32_t c = view.function[static_cast<std::size_t>(s)];
        if (c >= kFirstConsumerKey && c < kFunctionCombination) {
            context_.link.sendConsumerUsage(KeyDescriptorTable::consumerUsage(c));
            continue;
        }
        if (view.softHardMac != 1)
            continue;

        int source = s;
        const bool macroKey = c >= kFirstPlayedMacro && c < kPlayedMacroEnd &&
                              view.leftMac[static_cast<std::size_t>(s)] != 1;
        const bool combinationKey = c >= kFunctionCombination && c < kFirstPlayedMacro;
        if (!macroKey && !combinationKey) {
            // The left button plays the macro a toggled key lent it.
            if (keyEvent != 0xF1 || !toggledRunning || toggled < 0 || toggled >= kButtonSlots)
                continue;
            source = toggled;
        }

        Playable playable;
        const Fetch fetched = fetch(view, source, playable);
        if (fetched == Fetch::EndPass)
            return;
        if (fetched == Fetch::Play)
            play(playable, stop);
    }
}

SoftwarePlaybackThread::Fetch SoftwarePlaybackThread::fetch(const PressView& view, int slot,
                                                            Playable& out) const {
    const std::int32_t c = view.function[static_cast<std::size_t>(slot)];
    const MacroSources& sources = context_.sources;
    if (c >= kFunctionCombination && c < kFirstPlayedMacro) {
        const auto& copy = view.combination[static_cast<std::size_t>(slot)];
        if (!copy)
            return Fetch::Skip;
        out.macro = *copy;
        out.runs = 1;
        return Fetch::Play;
    }
    if (c >= KeyAssignments::kFirstGroupMacro && c < kPlayedMacroEnd) {
        const int group = c / 256 - 1;
        const int macro = c % 256;
        if (group > kMaxGroup || macro >= sources.macroCount(group))
            return Fetch::EndPass;
        out.macro = sources.groupMacro(group, macro);
    } else if (c >= KeyAssignments::kFirstPreset && c < KeyAssignments::kFirstGroupMacro) {
        if (c - KeyAssignments::kFirstPreset >= sources.presetCount())
            return Fetch::Skip;
        out.macro = sources.preset(c - KeyAssignments::kFirstPreset);
    } else if (c >= kFirstPlayedMacro && c < KeyAssignments::kFirstPreset) {
        // The built-in macros hold device key codes since they were loaded: they are played
        // as they are, never converted again.
        const std::vector<MacroRecord> constants = sources.constantMacros();
        const auto index = static_cast<std::size_t>(c - kFirstPlayedMacro);
        if (index >= constants.size())
            return Fetch::Skip;
        out.macro = constants[index];
    } else {
        return Fetch::Skip;
    }
    out.runs = (out.macro.mode & 3) != 0 ? kUnboundedRuns : out.macro.repeatCount;
    return Fetch::Play;
}

void SoftwarePlaybackThread::play(const Playable& playable, std::stop_token stop) {
    const std::uint8_t mode = playable.macro.mode;
    MacroPlayer::Control control;
    control.stepAllowed = [this, mode] {
        if ((mode & 2) && !state_.held())
            return false;
        return !((mode & 1) && !state_.toggle());
    };
    control.abandoned = [this, &stop] { return stop.stop_requested() || state_.suspended(); };
    player_.play(playable.macro, playable.runs, control);
    // A stop request still lets go of what the macro holds; a mouse that left hears nothing.
    if (!state_.suspended())
        context_.link.releaseAll();
}

}  // namespace karvo::device
