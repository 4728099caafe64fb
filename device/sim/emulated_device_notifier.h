// Device notifications for the emulated HID service: plug and unplug queue arrival and removal
// events, and the UI thread delivers them with dispatchPending(), exactly as it does with the
// events of the system's device manager.
#pragma once

#include <deque>
#include <mutex>

#include "platform/device_notifier.h"

namespace karvo::sim {

class EmulatedDeviceNotifier final : public hid::DeviceNotifier {
  public:
    // Queues an event; safe from any thread.
    void post(hid::DeviceChangeEvent event);

    bool start(Handler handler) override;
    int fileDescriptor() const override { return -1; }
    std::size_t dispatchPending() override;

  private:
    std::mutex mutex_;
    std::deque<hid::DeviceChangeEvent> queue_;
    Handler handler_;
};

}  // namespace karvo::sim
