// ReportLog: a text record of every report exchanged with the mouse, one line each,
// "<milliseconds since the log started> <SET|GET|IN> <hex bytes>", the format the emulated
// mouse writes too, so a log of a real session and one of a simulated session read alike.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <span>
#include <string>

#include "platform/clock.h"

namespace karvo::device {

class ReportLog {
  public:
    enum class Kind { Set, Get, In };

    // Opens `file` for appending, so several commands of one script can share a log; times
    // count from now on `clock`, which must outlive the log. ok() says whether it opened.
    ReportLog(Clock& clock, const std::filesystem::path& file);

    bool ok() const { return ok_; }

    // Appends one line and flushes it, so a log survives a program that is killed. Safe from
    // several threads; lines never interleave.
    void write(Kind kind, std::span<const std::uint8_t> bytes);
    // True once a line could not be written (a full disk, a device that refuses writes): the
    // log is incomplete and the caller must say so.
    bool writeFailed() const { return writeFailed_; }

    // The line write() appends, without its line end: milliseconds with three decimals,
    // the kind, and the bytes as two lower-case hex digits each, separated by spaces.
    static std::string line(Clock::duration at, Kind kind, std::span<const std::uint8_t> bytes);

  private:
    Clock& clock_;
    const Clock::time_point start_;
    std::mutex mutex_;
    std::ofstream out_;
    bool ok_ = false;
    std::atomic<bool> writeFailed_{false};
};

}  // namespace karvo::device
