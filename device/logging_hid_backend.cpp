// The logging HID service: a handle wrapper that writes each exchanged report to the log.
#include "device/logging_hid_backend.h"

#include <algorithm>
#include <utility>

namespace karvo::device {
namespace {

class LoggingHandle final : public hid::HidHandle {
  public:
    LoggingHandle(std::unique_ptr<hid::HidHandle> inner, ReportLog& log)
        : inner_(std::move(inner)), log_(log) {}

    bool sendFeature(std::span<const std::uint8_t> report) override {
        const bool sent = inner_->sendFeature(report);
        if (sent)
            log_.write(ReportLog::Kind::Set, report);
        return sent;
    }

    std::optional<std::size_t> getFeature(std::span<std::uint8_t> report) override {
        const auto length = inner_->getFeature(report);
        if (length)
            log_.write(ReportLog::Kind::Get, report.first(std::min(*length, report.size())));
        return length;
    }

    hid::InputRead readInput(std::span<std::uint8_t> buffer,
                             std::chrono::milliseconds timeout) override {
        const hid::InputRead read = inner_->readInput(buffer, timeout);
        if (read.status == hid::InputRead::Status::Report)
            log_.write(ReportLog::Kind::In, buffer.first(std::min(read.length, buffer.size())));
        return read;
    }

  private:
    std::unique_ptr<hid::HidHandle> inner_;
    ReportLog& log_;
};

}  // namespace

hid::OpenResult LoggingHidBackend::open(std::string_view path) {
    hid::OpenResult result = inner_.open(path);
    if (result.handle)
        result.handle = std::make_unique<LoggingHandle>(std::move(result.handle), log_);
    return result;
}

}  // namespace karvo::device
