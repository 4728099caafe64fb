// A HID service with emulated mice plugged in: each mouse shows its three top-level collections
// (pointer, event and configuration), and foreign devices can be listed beside them. Plugging
// and unplugging announce arrival and removal through an EmulatedDeviceNotifier, so hot-plug
// runs the same path as on a real system.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "device/sim/emulated_device_notifier.h"
#include "device/sim/emulated_mouse.h"
#include "platform/hid_backend.h"

namespace karvo::sim {

class EmulatedHidBackend final : public hid::HidBackend {
  public:
    // A listed collection, and the mouse that answers when it is opened (none for a foreign
    // device, which cannot be opened).
    struct Entry {
        hid::InterfaceInfo info;
        std::shared_ptr<EmulatedMouse> mouse;
    };

    // The collections a mouse shows, paths "<prefix>/pointer", "<prefix>/event" and
    // "<prefix>/config", in that order. Tests reorder them to try every order of collections.
    static std::vector<Entry> interfacesOf(const std::shared_ptr<EmulatedMouse>& mouse,
                                           std::string_view pathPrefix);

    // Appends a mouse's collections (or any entries) and announces each as an arrival.
    void plug(const std::shared_ptr<EmulatedMouse>& mouse, std::string_view pathPrefix);
    void add(std::vector<Entry> entries);
    // Removes every entry whose path starts with the prefix, disconnects its mouse and
    // announces the removals.
    void unplug(std::string_view pathPrefix);

    // Opening `path` fails with `error` from now on (for example a missing permission).
    void refuseOpen(std::string_view path, hid::OpenError error);
    // Called with the path whenever open() is asked for a path nobody listed; tests make it
    // fail, as such a path could only belong to a real device.
    void onUnknownPath(std::function<void(std::string_view)> hook);
    // Every path open() was called with, in order.
    std::vector<std::string> openedPaths() const;
    // Handles opened and not yet closed.
    int openHandleCount() const { return *openHandles_; }

    // Where arrivals and removals are announced; the caller keeps it alive.
    void setNotifier(EmulatedDeviceNotifier* notifier);

    std::vector<hid::InterfaceInfo> enumerate() override;
    hid::OpenResult open(std::string_view path) override;

  private:
    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
    std::vector<std::pair<std::string, hid::OpenError>> refusals_;
    std::vector<std::string> opened_;
    std::function<void(std::string_view)> unknownPath_;
    EmulatedDeviceNotifier* notifier_ = nullptr;
    std::shared_ptr<std::atomic<int>> openHandles_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace karvo::sim
