// The device event thread; the report layout is in device_event_thread.h. It never holds the
// settings lock while it talks to the mouse: it copies what it needs, then sends.
#include "device/device_event_thread.h"

#include <algorithm>
#include <vector>

#include "device/stored_lighting.h"

namespace karvo::device {
namespace {

constexpr std::uint8_t kFirstKeyEvent = 0xF0;  // key events are 0xF1 and up
constexpr std::uint8_t kProfileSwitched = 3;
constexpr std::uint8_t kAdjustUp = 1;
constexpr std::uint8_t kAdjustDown = 2;
constexpr std::uint8_t kReleaseBit = 0x80;
constexpr std::int32_t kFirstMacro = 41;  // function codes that toggle and that the host plays
constexpr std::int32_t kHostNotifiedFunction = 18;

bool isProfileSwitch(std::uint8_t deviceFunction) {
    return deviceFunction >= 23 && deviceFunction <= 26;
}

}  // namespace

DeviceEventThread::DeviceEventThread(const DeviceThreadContext& context, DeviceThreadState& state)
    : context_(context), state_(state) {}

DeviceEventThread::~DeviceEventThread() {
    stop();
}

void DeviceEventThread::start() {
    if (thread_.joinable())
        return;
    // Before any key fetches a macro, the adjustment belongs to macro 0 of group 0.
    state_.buffer().load(context_.sources.groupMacro(0, 0),
                         {PlaybackBuffer::Source::Kind::Group, 0, 0});
    thread_ = std::jthread([this](std::stop_token stop) { run(stop); });
}

void DeviceEventThread::stop() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void DeviceEventThread::run(std::stop_token stop) {
    std::vector<std::uint8_t> report(DeviceLink::kReportBufferSize);
    while (!stop.stop_requested()) {
        const auto input = context_.link.inputHandle();
        if (!input || state_.suspended()) {
            state_.idle(stop, kIdlePause);
            continue;
        }
        const std::size_t length = std::clamp<std::size_t>(
            context_.link.inputReportLength(), DeviceLink::kMinInputReportLength, report.size());
        const hid::InputRead read = input->readInput(std::span(report).first(length), kReadTimeout);
        if (read.status == hid::InputRead::Status::Failed) {
            state_.idle(stop, kIdlePause);
            continue;
        }
        // A short report carries no event; one read after the mouse left is not acted on.
        if (read.status == hid::InputRead::Status::Report &&
            read.length >= DeviceLink::kMinInputReportLength && !state_.suspended()) {
            handle(std::span(report).first(read.length));
            state_.countReport();
        }
    }
}

void DeviceEventThread::handle(std::span<const std::uint8_t> report) {
    if (report[0] != kInputReportId)
        return;
    const std::uint8_t code = report[1];
    if (code > kFirstKeyEvent) {
        keyEvent(code, report[2]);
        return;
    }
    if (code == kFirstKeyEvent || softHardMac() != 1)
        return;
    switch (code) {
        case kProfileSwitched:
            followProfileSwitch(false);
            break;
        case kAdjustUp:
            state_.buffer().stepExtraB(true);
            break;
        case kAdjustDown:
            state_.buffer().stepExtraB(false);
            break;
        default:
            break;
    }
}

std::int32_t DeviceEventThread::softHardMac() const {
    return context_.settings.read([](const Settings& s) { return s.shared.softHardMac; });
}

DeviceEventThread::KeyView DeviceEventThread::viewOf(int deviceKey) const {
    const auto slot = context_.description.keyMap.slotOfKey(deviceKey);
    return context_.settings.read([&](const Settings& s) {
        KeyView view;
        view.profile = std::clamp(s.currentProfile, 0, kProfiles - 1);
        const ProfileSettings& profile = s.profiles[static_cast<std::size_t>(view.profile)];
        const SharedSettings& shared = s.shared;
        view.softHardMac = shared.softHardMac;
        view.slot0Function = profile.buttons[0].function;
        if (slot && *slot >= 0 && *slot < kButtonSlots) {
            const auto b = static_cast<std::size_t>(*slot);
            view.slot = *slot;
            view.function = profile.buttons[b].function;
            view.leftMac = profile.buttons[b].leftMac;
            view.macroColour = s.macroColour[b];
        }
        view.lighting = storedLighting(shared);
        return view;
    });
}

void DeviceEventThread::keyEvent(std::uint8_t code, std::uint8_t argument) {
    const KeyView view = viewOf(code - kFirstKeyEvent);
    const SlotFunction marks =
        view.slot >= 0 ? context_.marksOf(view.profile, view.slot) : SlotFunction{};
    const std::int32_t c = view.function;

    fetchIntoBuffer(c);
    if (isProfileSwitch(marks.deviceFunction))
        followProfileSwitch(true);

    if (argument & kReleaseBit) {
        if (marks.dpiKey)
            state_.offerDpiLevel(argument & 7);
        state_.setHeld(false);
        if (view.softHardMac == 1 && marks.hostNotified) {
            context_.link.sendHostMacroButton(false);
            writeBack();
        }
        return;
    }

    if (marks.hostNotified) {
        context_.link.sendHostMacroButton(true);
        state_.buffer().setExtraA(1);
    }
    state_.flipToggle();
    state_.setHeld(true);
    const bool leftButtonOfToggled = c == 1 && state_.toggledMacroRunning();
    if ((c < kFirstMacro && !leftButtonOfToggled) || view.leftMac != 0)
        state_.setToggle(false);
    if (view.softHardMac == 1 && (view.leftMac & 1) && view.slot >= 0)
        macroLight(view);
    state_.offerPress(code);
}

void DeviceEventThread::fetchIntoBuffer(std::int32_t function) {
    const MacroSources& sources = context_.sources;
    if (function >= KeyAssignments::kFirstGroupMacro) {
        const int group = function / 256 - 1;
        const int macro = function % 256;
        if (macro < sources.macroCount(group))
            state_.buffer().load(sources.groupMacro(group, macro),
                                 {PlaybackBuffer::Source::Kind::Group, group, macro});
        else
            state_.buffer().clear();
    } else if (function >= KeyAssignments::kFirstPreset) {
        const int index = function - KeyAssignments::kFirstPreset;
        state_.buffer().load(sources.preset(index),
                             {PlaybackBuffer::Source::Kind::Preset, 0, index});
    }
}

void DeviceEventThread::followProfileSwitch(bool sendKeyFunctions) {
    const std::optional<int> profile = context_.link.queryStatus();
    if (!profile)
        return;  // no reply: the mouse's profile is unknown, keep ours
    const int p = *profile;
    context_.store.saveCurrentProfile(p);
    context_.store.loadProfile(context_.settings, p, ProfileStore::Source::Config);
    context_.settings.edit([p](Settings& s) { s.currentProfile = p; });
    context_.repaint.requestRepaint();

    if (sendKeyFunctions) {
        // The buttons of the new profile that the host carries out, as a download ends.
        std::vector<std::uint8_t> hostKeys;
        context_.settings.read([&](const Settings& s) {
            if (s.shared.softHardMac != 1)
                return;
            const int keyNum = std::clamp(context_.description.keyNum, 0, kButtonSlots);
            for (int b = 0; b < keyNum; ++b) {
                const std::int32_t f = s.profiles[static_cast<std::size_t>(p)]
                                           .buttons[static_cast<std::size_t>(b)]
                                           .function;
                const bool hostSide = f == kHostNotifiedFunction || f >= kFirstMacro;
                const auto key = context_.description.keyMap.keyOfSlot(b);
                if (hostSide && key && KeyAssignments::macroExists(f, context_.sources))
                    hostKeys.push_back(*key);
            }
        });
        for (const std::uint8_t key : hostKeys)
            context_.link.sendKeyFunction(key, 0);
    }
    state_.endToggledMacro();
    state_.dropPress();
}

void DeviceEventThread::macroLight(const KeyView& view) {
    LightingEffect own = view.lighting;
    own.colourMask = static_cast<std::uint8_t>(1u << std::clamp(view.macroColour, 0, 6));
    own.b = false;
    own.effectType = 1;
    own.f = false;
    own.cycleTime = 4;

    if (!state_.toggledMacroRunning()) {
        state_.startToggledMacro(view.slot);
        context_.link.sendKeyFunction(1, 0);
        context_.link.sendLighting(own);
    } else if (state_.toggledSlot() == view.slot) {
        state_.endToggledMacro();
        context_.link.sendKeyFunction(1, static_cast<std::uint8_t>(view.slot0Function & 0xFF));
        LightingEffect stored = view.lighting;
        stored.b = true;
        stored.f = false;
        context_.link.sendLighting(stored);
    } else {
        state_.moveToggledMacro(view.slot);
        context_.link.sendLighting(own);
    }
}

void DeviceEventThread::writeBack() {
    const PlaybackBuffer::Contents buffer = state_.buffer().contents();
    if (buffer.source.kind != PlaybackBuffer::Source::Kind::Group)
        return;
    const int group = buffer.source.group;
    const int macro = buffer.source.macro;
    if (macro >= context_.sources.macroCount(group))
        return;
    // Only the adjustment travels back: the file's macro may have been edited since it was
    // fetched, and those edits must not be undone by an old copy.
    MacroRecord stored = context_.sources.groupMacro(group, macro);
    stored.extraA = buffer.record.extraA;
    stored.extraB = buffer.record.extraB;
    context_.sources.writeGroupMacro(group, macro, stored);
}

}  // namespace karvo::device
