// The hand-overs between the device threads; see device_thread_state.h.
#include "device/device_thread_state.h"

namespace karvo::device {

bool DeviceThreadState::offerPress(std::uint8_t keyEvent) {
    if (pressPending_)
        return false;
    // The key goes first: the playback thread reads it after it has seen the flag.
    pressedKey_ = keyEvent;
    pressPending_ = true;
    wake();
    return true;
}

std::optional<std::uint8_t> DeviceThreadState::pendingPress() const {
    if (!pressPending_)
        return std::nullopt;
    return pressedKey_.load();
}

void DeviceThreadState::finishPress() {
    pressPending_ = false;
    ++pressesHandled_;
}

void DeviceThreadState::dropPress() {
    pressPending_ = false;
}

void DeviceThreadState::offerDpiLevel(int level) {
    pendingDpiLevel_ = level;
    wake();
}

std::optional<int> DeviceThreadState::takeDpiLevel() {
    const int level = pendingDpiLevel_.exchange(-1);
    if (level < 0)
        return std::nullopt;
    return level;
}

void DeviceThreadState::startToggledMacro(int slot) {
    toggledSlot_ = slot;
    toggledRunning_ = true;
}

void DeviceThreadState::setSuspended(bool suspended) {
    suspended_ = suspended;
    wake();
}

bool DeviceThreadState::waitForWork(std::stop_token stop) {
    std::unique_lock lock(wakeLock_);
    return wakeUp_.wait(lock, stop,
                        [this] { return !suspended_ && (pressPending_ || pendingDpiLevel_ >= 0); });
}

void DeviceThreadState::idle(std::stop_token stop, std::chrono::milliseconds pause) {
    std::unique_lock lock(wakeLock_);
    wakeUp_.wait_for(lock, stop, pause, [] { return false; });
}

void DeviceThreadState::wake() {
    { const std::lock_guard lock(wakeLock_); }
    wakeUp_.notify_all();
}

}  // namespace karvo::device
