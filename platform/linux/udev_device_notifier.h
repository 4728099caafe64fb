// Hot-plug on Linux: a libudev monitor of the hidraw subsystem. Its socket is the descriptor
// the UI loop watches; dispatchPending() turns each "add" and "remove" into an arrival or
// removal named by the hidraw node, the same path hidapi lists, so the removed mouse is
// recognised exactly.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "platform/device_notifier.h"

struct udev;
struct udev_monitor;

namespace karvo::hid {

class UdevDeviceNotifier final : public DeviceNotifier {
  public:
    UdevDeviceNotifier();
    ~UdevDeviceNotifier() override;
    UdevDeviceNotifier(const UdevDeviceNotifier&) = delete;
    UdevDeviceNotifier& operator=(const UdevDeviceNotifier&) = delete;

    // Opens the monitor. False when libudev cannot (no netlink socket).
    bool start(Handler handler) override;
    int fileDescriptor() const override;
    std::size_t dispatchPending() override;

    // The event for one udev message: "add" is an arrival, "remove" a removal, other actions
    // ("change", "bind") none. The path is the device node, or /dev/<name> when the message
    // carries none.
    static std::optional<DeviceChangeEvent> eventFor(std::string_view action,
                                                     std::string_view devnode,
                                                     std::string_view sysname);

  private:
    struct UdevUnref {
        void operator()(udev* u) const;
    };
    struct MonitorUnref {
        void operator()(udev_monitor* m) const;
    };
    std::unique_ptr<udev, UdevUnref> udev_;
    std::unique_ptr<udev_monitor, MonitorUnref> monitor_;
    Handler handler_;
};

}  // namespace karvo::hid
