// One open HID interface: feature reports out and in, input reports in. The emulated mouse and
// the hidapi back-end implement it; the device link above it never sees which one it talks to.
//
// Byte conventions (those of hidapi and of Windows' HidD_* calls): byte 0 of every report is
// its report id, and every length counts that byte.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace karvo::hid {

// Result of waiting for an input report.
struct InputRead {
    enum class Status {
        Report,    // `length` bytes were stored, byte 0 the report id
        TimedOut,  // nothing arrived within the time-out; the device is still there
        Failed,    // the device is gone or the read failed; further reads will fail too
    };
    Status status = Status::Failed;
    std::size_t length = 0;
};

class HidHandle {
  public:
    virtual ~HidHandle() = default;

    // Sends `report` as one feature report: report[0] is the report id, report.size() the
    // whole length (the device's feature report length). True when the system accepted all of
    // it; false when the device refused the report or is gone.
    virtual bool sendFeature(std::span<const std::uint8_t> report) = 0;

    // Asks for a feature report. On entry report[0] holds the report id wanted; on success the
    // reply (report id first) overwrites the start of `report` and its length is returned,
    // which may be shorter than report.size(): the bytes after it are left as they were. On
    // failure nothing is returned and `report` is unchanged.
    virtual std::optional<std::size_t> getFeature(std::span<std::uint8_t> report) = 0;

    // Waits up to `timeout` for the next input report and stores it (report id first) at the
    // start of `buffer`, cut to buffer.size().
    virtual InputRead readInput(std::span<std::uint8_t> buffer,
                                std::chrono::milliseconds timeout) = 0;
};

}  // namespace karvo::hid
