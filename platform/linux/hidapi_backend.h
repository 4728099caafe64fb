// The Linux HID service on hidapi's hidraw library: every top-level collection of every hidraw
// node, with the report lengths hidapi 0.13 does not give read from the node's report
// descriptor in sysfs and worked out by our own parser.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hid_backend.h"

namespace karvo::hid {

class HidapiBackend final : public HidBackend {
  public:
    // Reads the raw report descriptor of a hidraw path; nothing when it cannot be had.
    using DescriptorReader =
        std::function<std::optional<std::vector<std::uint8_t>>(std::string_view path)>;

    HidapiBackend();            // hid_init
    ~HidapiBackend() override;  // hid_exit
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    std::vector<InterfaceInfo> enumerate() override;
    OpenResult open(std::string_view path) override;

    // Fills the report lengths of `list` from the descriptors `read` gives: the collections
    // listed under one path are matched, by usage page and usage, with the top-level
    // collections of that path's descriptor. Lengths stay 0 where the descriptor is missing,
    // malformed or has no such collection.
    static void fillReportLengths(std::vector<InterfaceInfo>& list, const DescriptorReader& read);

    // /sys/class/hidraw/<node>/device/report_descriptor for /dev/<node>.
    static std::optional<std::vector<std::uint8_t>> readSysfsDescriptor(std::string_view path);

    // What an open() that failed with `error` (an errno value) means for the user.
    static OpenError openErrorFromErrno(int error);

  private:
    bool initialised_ = false;
};

}  // namespace karvo::hid
