// Arrival and removal of HID devices, delivered on the thread that owns the windows. The
// system announces them on a file descriptor; the UI loop watches it and calls
// dispatchPending(), which hands each event to the handler in that same thread.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace karvo::hid {

struct DeviceChangeEvent {
    enum class Kind { Arrival, Removal };
    Kind kind = Kind::Arrival;
    std::string path;  // the same form as InterfaceInfo::path
};

class DeviceNotifier {
  public:
    using Handler = std::function<void(const DeviceChangeEvent&)>;

    virtual ~DeviceNotifier() = default;

    // Starts watching and routes events to `handler`. False when the system cannot announce
    // devices (then the program works with the devices present at start).
    virtual bool start(Handler handler) = 0;

    // Readable while events wait; -1 when there is nothing to watch.
    virtual int fileDescriptor() const = 0;

    // Delivers every waiting event to the handler, in order, without blocking; returns how
    // many were delivered.
    virtual std::size_t dispatchPending() = 0;
};

}  // namespace karvo::hid
