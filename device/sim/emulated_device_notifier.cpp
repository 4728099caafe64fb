// Queue of emulated arrivals and removals, drained on the thread that calls dispatchPending().
#include "device/sim/emulated_device_notifier.h"

#include <utility>

namespace karvo::sim {

void EmulatedDeviceNotifier::post(hid::DeviceChangeEvent event) {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(event));
}

bool EmulatedDeviceNotifier::start(Handler handler) {
    const std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
    return true;
}

std::size_t EmulatedDeviceNotifier::dispatchPending() {
    std::size_t delivered = 0;
    for (;;) {
        hid::DeviceChangeEvent event;
        Handler handler;
        {
            // The handler runs outside the lock: it may plug, unplug or post in turn.
            const std::lock_guard lock(mutex_);
            if (queue_.empty() || !handler_)
                return delivered;
            event = std::move(queue_.front());
            queue_.pop_front();
            handler = handler_;
        }
        handler(event);
        ++delivered;
    }
}

}  // namespace karvo::sim
