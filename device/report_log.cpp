// The report log's file and line format; see report_log.h.
#include "device/report_log.h"

#include <cstdio>

namespace karvo::device {

ReportLog::ReportLog(Clock& clock, const std::filesystem::path& file)
    : clock_(clock), start_(clock.now()), out_(file, std::ios::out | std::ios::app) {
    ok_ = static_cast<bool>(out_);
}

std::string ReportLog::line(Clock::duration at, Kind kind, std::span<const std::uint8_t> bytes) {
    char ms[40];
    std::snprintf(ms, sizeof ms, "%.3f", std::chrono::duration<double, std::milli>(at).count());
    std::string text = ms;
    text += kind == Kind::Set ? " SET" : kind == Kind::Get ? " GET" : " IN";
    char digits[4];
    for (const std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", b);
        text += ' ';
        text += digits;
    }
    return text;
}

void ReportLog::write(Kind kind, std::span<const std::uint8_t> bytes) {
    if (!ok_)
        return;
    const std::string text = line(clock_.now() - start_, kind, bytes);
    const std::lock_guard lock(mutex_);
    out_ << text << '\n';
    out_.flush();
    if (!out_)
        writeFailed_ = true;
}

}  // namespace karvo::device
