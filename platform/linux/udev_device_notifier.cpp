// libudev monitor of hidraw devices. The monitor's socket is non-blocking, so dispatchPending()
// drains what is there and returns; with no udev daemon running it simply never has events.
#include "platform/linux/udev_device_notifier.h"

#include <libudev.h>

#include <string>

namespace karvo::hid {

void UdevDeviceNotifier::UdevUnref::operator()(udev* u) const {
    udev_unref(u);
}
void UdevDeviceNotifier::MonitorUnref::operator()(udev_monitor* m) const {
    udev_monitor_unref(m);
}

UdevDeviceNotifier::UdevDeviceNotifier() = default;
UdevDeviceNotifier::~UdevDeviceNotifier() = default;

bool UdevDeviceNotifier::start(Handler handler) {
    handler_ = std::move(handler);
    if (monitor_)
        return true;
    udev_.reset(udev_new());
    if (!udev_)
        return false;
    std::unique_ptr<udev_monitor, MonitorUnref> monitor(
        udev_monitor_new_from_netlink(udev_.get(), "udev"));
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return false;
    }
    monitor_ = std::move(monitor);
    return true;
}

int UdevDeviceNotifier::fileDescriptor() const {
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

std::size_t UdevDeviceNotifier::dispatchPending() {
    std::size_t delivered = 0;
    if (!monitor_)
        return delivered;
    while (udev_device* device = udev_monitor_receive_device(monitor_.get())) {
        const char* action = udev_device_get_action(device);
        const char* node = udev_device_get_devnode(device);
        const char* name = udev_device_get_sysname(device);
        const auto event = eventFor(action ? action : "", node ? node : "", name ? name : "");
        udev_device_unref(device);
        if (event && handler_) {
            handler_(*event);
            ++delivered;
        }
    }
    return delivered;
}

std::optional<DeviceChangeEvent> UdevDeviceNotifier::eventFor(std::string_view action,
                                                              std::string_view devnode,
                                                              std::string_view sysname) {
    DeviceChangeEvent event;
    if (action == "add") {
        event.kind = DeviceChangeEvent::Kind::Arrival;
    } else if (action == "remove") {
        event.kind = DeviceChangeEvent::Kind::Removal;
    } else {
        return std::nullopt;
    }
    if (!devnode.empty()) {
        event.path = std::string(devnode);
    } else if (!sysname.empty()) {
        event.path = "/dev/" + std::string(sysname);
    }
    return event;
}

}  // namespace karvo::hid
