// The one place that chooses the device threads of the window program.
#include "app/device_threads.h"

namespace karvo {

namespace {
// Stands in until the event and playback threads exist: starts nothing.
class NoDeviceThreads final : public DeviceThreads {
  public:
    void start(const DeviceThreadContext&) override {}
    void stop() override {}
};
}  // namespace

std::unique_ptr<DeviceThreads> makeDeviceThreads() {
    return std::make_unique<NoDeviceThreads>();
}

}  // namespace karvo
