// A small parser of HID report descriptors, for the systems that do not tell a program how
// long a collection's reports are (hidapi on Linux before 0.14). It walks the items once and
// sums, per top-level collection and report id, the bits of the input, output and feature
// main items. A descriptor comes from the device, so every length and nesting is checked.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace karvo::hid {

class ReportDescriptor {
  public:
    struct Collection {
        std::uint16_t usagePage = 0;
        std::uint16_t usage = 0;
        // Longest report of each kind in bytes, report id byte included (also when the device
        // numbers no reports, as Windows counts it); 0 when the collection has none. Values
        // past 65535 are held there.
        std::uint16_t inputReportLength = 0;
        std::uint16_t outputReportLength = 0;
        std::uint16_t featureReportLength = 0;
    };

    // Parses `bytes`. On a malformed descriptor ok() is false, error() says where, and the
    // collections are those complete before the fault.
    static ReportDescriptor parse(std::span<const std::uint8_t> bytes);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    const std::vector<Collection>& collections() const { return collections_; }

  private:
    std::vector<Collection> collections_;
    std::string error_;
};

}  // namespace karvo::hid
