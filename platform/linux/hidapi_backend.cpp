// hidapi back-end. hidapi itself keeps no state between calls here beyond hid_init; each
// handle owns its hid_device and closes it when destroyed.
#include "platform/linux/hidapi_backend.h"

#include <hidapi.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "platform/report_descriptor.h"

namespace karvo::hid {
namespace {

// UTF-8 of a wide string from hidapi (UTF-32 on Linux); invalid code points become U+FFFD.
std::string toUtf8(const wchar_t* text) {
    std::string out;
    if (!text)
        return out;
    for (; *text; ++text) {
        auto c = static_cast<std::uint32_t>(*text);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct DeviceCloser {
    void operator()(hid_device* d) const { hid_close(d); }
};
using DevicePtr = std::unique_ptr<hid_device, DeviceCloser>;

struct InfoFree {
    void operator()(hid_device_info* d) const { hid_free_enumeration(d); }
};

class HidapiHandle final : public HidHandle {
  public:
    explicit HidapiHandle(DevicePtr device) : device_(std::move(device)) {}

    // hid_send_feature_report: data[0] is the report id, the length counts it.
    bool sendFeature(std::span<const std::uint8_t> report) override {
        if (report.empty())
            return false;
        const int n = hid_send_feature_report(device_.get(), report.data(), report.size());
        return n >= 0 && static_cast<std::size_t>(n) == report.size();
    }

    // hid_get_feature_report: data[0] names the report id; the reply, report id first,
    // overwrites the buffer and its length (id included) is returned.
    std::optional<std::size_t> getFeature(std::span<std::uint8_t> report) override {
        if (report.empty())
            return std::nullopt;
        const int n = hid_get_feature_report(device_.get(), report.data(), report.size());
        if (n <= 0)
            return std::nullopt;
        return std::min(static_cast<std::size_t>(n), report.size());
    }

    InputRead readInput(std::span<std::uint8_t> buffer,
                        std::chrono::milliseconds timeout) override {
        const auto ms = static_cast<int>(std::clamp<std::int64_t>(timeout.count(), 0, INT_MAX));
        const int n = hid_read_timeout(device_.get(), buffer.data(), buffer.size(), ms);
        if (n < 0)
            return {InputRead::Status::Failed, 0};
        if (n == 0)
            return {InputRead::Status::TimedOut, 0};
        return {InputRead::Status::Report, static_cast<std::size_t>(n)};
    }

  private:
    DevicePtr device_;
};

}  // namespace

HidapiBackend::HidapiBackend() : initialised_(hid_init() == 0) {}

HidapiBackend::~HidapiBackend() {
    if (initialised_)
        hid_exit();
}

std::vector<InterfaceInfo> HidapiBackend::enumerate() {
    std::vector<InterfaceInfo> list;
    if (!initialised_)
        return list;
    const std::unique_ptr<hid_device_info, InfoFree> all(hid_enumerate(0, 0));
    for (const hid_device_info* d = all.get(); d; d = d->next) {
        InterfaceInfo info;
        info.path = d->path ? d->path : "";
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.productString = toUtf8(d->product_string);
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        list.push_back(std::move(info));
    }
    fillReportLengths(list, readSysfsDescriptor);
    return list;
}

void HidapiBackend::fillReportLengths(std::vector<InterfaceInfo>& list,
                                      const DescriptorReader& read) {
    std::map<std::string, std::vector<ReportDescriptor::Collection>> byPath;
    for (InterfaceInfo& info : list) {
        auto found = byPath.find(info.path);
        if (found == byPath.end()) {
            std::vector<ReportDescriptor::Collection> collections;
            if (auto bytes = read(info.path)) {
                const ReportDescriptor d = ReportDescriptor::parse(*bytes);
                if (d.ok())
                    collections = d.collections();
            }
            found = byPath.emplace(info.path, std::move(collections)).first;
        }
        // Each top-level collection answers one listed collection: take it out once used.
        auto& pool = found->second;
        for (auto it = pool.begin(); it != pool.end(); ++it) {
            if (it->usagePage == info.usagePage && it->usage == info.usage) {
                info.inputReportLength = it->inputReportLength;
                info.featureReportLength = it->featureReportLength;
                pool.erase(it);
                break;
            }
        }
    }
}

std::optional<std::vector<std::uint8_t>> HidapiBackend::readSysfsDescriptor(std::string_view path) {
    const std::filesystem::path node(path);
    const std::string name = node.filename().string();
    if (name.rfind("hidraw", 0) != 0)
        return std::nullopt;
    std::ifstream in("/sys/class/hidraw/" + name + "/device/report_descriptor", std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (bytes.empty())
        return std::nullopt;
    return bytes;
}

OpenError HidapiBackend::openErrorFromErrno(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return OpenError::PermissionDenied;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return OpenError::NotFound;
        default:
            return OpenError::Other;
    }
}

OpenResult HidapiBackend::open(std::string_view path) {
    if (!initialised_)
        return {nullptr, OpenError::Other, "hidapi could not start"};
    const std::string p(path);
    // hidapi 0.13 crashes (frees an unset pointer) when the path is not a hidraw node, so
    // anything else is turned away before it gets there.
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) {
        const int reason = errno;
        return {nullptr, openErrorFromErrno(reason), std::strerror(reason)};
    }
    const std::string name = std::filesystem::path(p).filename().string();
    std::error_code ignored;
    if (!S_ISCHR(st.st_mode) || name.rfind("hidraw", 0) != 0 ||
        !std::filesystem::exists("/sys/class/hidraw/" + name, ignored)) {
        return {nullptr, OpenError::Other, p + " is not a hidraw device"};
    }
    if (hid_device* d = hid_open_path(p.c_str())) {
        return {std::make_unique<HidapiHandle>(DevicePtr(d)), OpenError::None, {}};
    }
    std::string detail = toUtf8(hid_error(nullptr));
    // hidapi keeps only a message; ask the system again for the reason, which says whether a
    // udev rule would help.
    int reason = 0;
    if (::access(p.c_str(), R_OK | W_OK) != 0)
        reason = errno;
    if (detail.empty())
        detail = reason ? std::strerror(reason) : "cannot open the device";
    return {nullptr, reason ? openErrorFromErrno(reason) : OpenError::Other, detail};
}

}  // namespace karvo::hid
