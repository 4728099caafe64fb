// DeviceConnection: the one place where karvoctl chooses its HID back-end: hidapi for the real
// mouse, or an emulated mouse (with its memory kept in a state file) for --simulate; with
// --report-log, every report either way passes through the report log.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "device/device_discovery.h"
#include "device/device_link.h"
#include "device/logging_hid_backend.h"
#include "device/report_log.h"
#include "device/sim/emulated_mouse.h"
#include "device/written_image_file.h"
#include "platform/clock.h"
#include "platform/hid_backend.h"

namespace karvo::cli {

class DeviceConnection {
  public:
    struct Options {
        bool simulate = false;
        std::filesystem::path stateFile;  // with simulate; empty: memory starts and ends clear
        std::filesystem::path reportLog;  // empty: no log
    };

    // Opens the log and, for simulate, plugs in the emulated mouse. Failures (a log or a
    // state file that cannot be used) throw CliError with exit code 1; nothing is touched on
    // any device before a command asks.
    DeviceConnection(Clock& clock, const Options& options);
    ~DeviceConnection();
    DeviceConnection(const DeviceConnection&) = delete;
    DeviceConnection& operator=(const DeviceConnection&) = delete;

    hid::HidBackend& backend() { return *backend_; }
    device::DeviceLink& link() { return link_; }

    // Runs discovery for the device description's product string; the link then holds the
    // mouse's handles. The discovery's outcome and message say why it failed.
    bool discover(const std::string& productString);
    const device::DeviceDiscovery& discovery() const { return *discovery_; }

    // Where the last complete write to the found mouse is kept from one run to the next:
    // beside the state file for --simulate=FILE ("FILE.last-image", valid while the file holds
    // the memory that write left), in the user's cache folder for a real mouse (valid for its
    // node and connection). Null when nothing can be kept: an emulated mouse without a state
    // file, no cache folder, a node whose connection cannot be told. After discover().
    device::WrittenImageStore* writtenImages();

    // Keeps the other programs that write this mouse off it while a read of its memory runs
    // (a read between a write's reports would store zeros). Throws a failure when another
    // program kept it busy for the whole wait; holds nothing where no record can be kept.
    std::unique_ptr<device::WrittenImageStore::Hold> holdForRead();
    // The failure when another program kept the mouse busy; `nothingWas` "read" or "written".
    static std::string keptBusy(std::string_view nothingWas);

    // The emulated mouse of --simulate; null for the real one.
    sim::EmulatedMouse* emulatedMouse() { return mouse_.get(); }

    // Ends the session with the mouse: closes the handles and, for simulate, saves the state
    // file and reports on `err` every protocol error the emulated mouse saw (a fault of this
    // program). False when either happened.
    bool finish(std::ostream& err);

  private:
    std::unique_ptr<hid::HidBackend> system_;
    std::shared_ptr<sim::EmulatedMouse> mouse_;
    std::unique_ptr<device::ReportLog> log_;
    std::unique_ptr<device::LoggingHidBackend> logging_;
    hid::HidBackend* backend_ = nullptr;
    device::DeviceLink link_;
    std::unique_ptr<device::DeviceDiscovery> discovery_;
    std::unique_ptr<device::FileWrittenImageStore> writtenImages_;
    bool finished_ = false;
};

}  // namespace karvo::cli
