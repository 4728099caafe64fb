// The HID service of the operating system as the device link needs it: a list of the present
// top-level collections with what identifies them, and opening one of them by its path.
// Back-ends: platform/linux (hidapi on hidraw) and device/sim (the emulated mouse).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hid_handle.h"

namespace karvo::hid {

// One top-level collection of one HID device. Several collections of one device may share a
// path (Linux opens a whole hidraw node) or have a path each (Windows).
struct InterfaceInfo {
    std::string path;  // what open() takes; on Linux the hidraw node, e.g. /dev/hidraw3
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string productString;  // UTF-8; empty when the device gives none
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    // Longest report of each kind in this collection, report id byte included; 0 when the
    // collection has none or the back-end could not learn the length.
    std::uint16_t inputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

enum class OpenError {
    None,
    NotFound,          // the path no longer exists (the device left)
    PermissionDenied,  // present, but this user may not open it
    Other,
};

struct OpenResult {
    std::unique_ptr<HidHandle> handle;  // set exactly when error is None
    OpenError error = OpenError::Other;
    std::string detail;  // the system's own words, for the user
};

class HidBackend {
  public:
    virtual ~HidBackend() = default;

    // Every top-level collection present now, in the system's order. Empty when there are none
    // or the system's HID service is unavailable.
    virtual std::vector<InterfaceInfo> enumerate() = 0;

    // Opens `path` for feature reports and input reports.
    virtual OpenResult open(std::string_view path) = 0;
};

}  // namespace karvo::hid
