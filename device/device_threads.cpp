// The device threads together; see device_threads.h.
#include "device/device_threads.h"

#include <utility>

namespace karvo::device {

DeviceThreads::DeviceThreads(const DeviceThreadContext& context, Clock& clock, std::uint32_t seed)
    : context_(context), events_(context_, state_), playback_(context_, state_, clock, seed) {}

DeviceThreads::~DeviceThreads() {
    stop();
}

void DeviceThreads::start(std::function<void()> preparePlayback) {
    events_.start();
    playback_.start(std::move(preparePlayback));
}

void DeviceThreads::suspend() {
    state_.setSuspended(true);
}

void DeviceThreads::resume() {
    state_.setSuspended(false);
}

void DeviceThreads::requestStop() {
    events_.requestStop();
    playback_.requestStop();
}

void DeviceThreads::stop() {
    requestStop();
    events_.stop();
    playback_.stop();
}

}  // namespace karvo::device
