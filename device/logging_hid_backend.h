// LoggingHidBackend: a HID service that passes everything to another one and writes every
// report its handles exchange into a ReportLog. It works the same over hidapi and over the
// emulated mouse, so the command-line tool and the window can log a real mouse's traffic.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "device/report_log.h"
#include "platform/hid_backend.h"

namespace karvo::device {

class LoggingHidBackend final : public hid::HidBackend {
  public:
    // Both must outlive the backend and every handle it opens.
    LoggingHidBackend(hid::HidBackend& inner, ReportLog& log) : inner_(inner), log_(log) {}

    std::vector<hid::InterfaceInfo> enumerate() override { return inner_.enumerate(); }

    // The inner backend's handle wrapped so that each report that went through is logged:
    // a SET the device accepted (all its bytes), a GET's reply (as long as the reply) and an
    // input report that arrived (as long as it was). Failed exchanges leave no line, since
    // nothing was exchanged.
    hid::OpenResult open(std::string_view path) override;

  private:
    hid::HidBackend& inner_;
    ReportLog& log_;
};

}  // namespace karvo::device
