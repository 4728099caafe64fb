// RealtimeKit over the system D-Bus through Qt: the call LinuxThreadPriority hands its request
// to when the process may not take real-time scheduling itself.
#pragma once

#include <optional>
#include <string>

namespace karvo::qt {

// org.freedesktop.RealtimeKit1.MakeThreadRealtime(tid, priority) on the system bus, after
// checking the service's MaxRealtimePriority. Nothing on success, else why not. Blocks for
// at most a second; callable from any thread.
std::optional<std::string> rtkitMakeThreadRealtime(long tid, int priority);

}  // namespace karvo::qt
