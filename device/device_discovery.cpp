// Discovery of the mouse and hot-plug handling. Unlike the system's own device list, which
// names collections, the handles are opened per collection path; a collection of the mouse
// that cannot be opened is reported with the reason, never passed off as "not found".
#include "device/device_discovery.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace karvo::device {
namespace {

constexpr std::uint16_t kEventUsagePage = 0xFF00;
constexpr std::uint16_t kConfigUsagePage = 0xFF01;
constexpr std::uint16_t kVendorUsage = 1;

// The higher, the more the user should hear about it when the mouse is not found.
int weight(DeviceDiscovery::Outcome o) {
    switch (o) {
        case DeviceDiscovery::Outcome::NoPermission:
            return 3;
        case DeviceDiscovery::Outcome::CannotOpen:
            return 2;
        case DeviceDiscovery::Outcome::Unusable:
            return 1;
        default:
            return 0;
    }
}

}  // namespace

DeviceDiscovery::DeviceDiscovery(hid::HidBackend& backend, DeviceLink& link,
                                 std::string acceptedProductString)
    : backend_(backend), link_(link), acceptedProductString_(std::move(acceptedProductString)) {}

bool DeviceDiscovery::accepted(const hid::InterfaceInfo& info) const {
    if (!acceptedProductString_.empty() && info.productString != acceptedProductString_) {
        return false;
    }
    return info.vendorId == kVendorId &&
           (info.productId == kProductId || info.productId == kOtherProductId);
}

void DeviceDiscovery::noteFailure(Outcome outcome, std::string message) {
    if (weight(outcome) > weight(outcome_)) {
        outcome_ = outcome;
        message_ = std::move(message);
    }
}

bool DeviceDiscovery::discover() {
    // Handles of an earlier discovery are closed first, so every arrival does not leave two
    // more open descriptors behind.
    link_.close();
    deviceFound_ = false;
    featurePath_.clear();
    inputPath_.clear();
    outcome_ = Outcome::NotFound;
    message_.clear();

    const std::vector<hid::InterfaceInfo> list = backend_.enumerate();
    const std::size_t count = std::min(list.size(), kMaxInterfaces);
    std::unique_ptr<hid::HidHandle> feature;
    std::shared_ptr<hid::HidHandle> input;
    const hid::InterfaceInfo* config = nullptr;
    const hid::InterfaceInfo* event = nullptr;

    for (std::size_t i = 0; i < count && !(feature && input); ++i) {
        const hid::InterfaceInfo& info = list[i];
        if (!accepted(info) || info.usage != kVendorUsage)
            continue;
        const bool isEvent = info.usagePage == kEventUsagePage && !input;
        const bool isConfig = info.usagePage == kConfigUsagePage && !feature;
        if (!isEvent && !isConfig)
            continue;

        // The report lengths come from the device; the report buffer holds 256 bytes and a
        // command needs 8, an event 3.
        const std::uint16_t length = isConfig ? info.featureReportLength : info.inputReportLength;
        const std::uint16_t minimum =
            isConfig ? DeviceLink::kMinFeatureReportLength : DeviceLink::kMinInputReportLength;
        if (length < minimum || length > DeviceLink::kReportBufferSize) {
            noteFailure(Outcome::Unusable, "The mouse at " + info.path + " reports a " +
                                               (isConfig ? "feature" : "input") +
                                               " report length of " + std::to_string(length) +
                                               " bytes, which this program cannot use.");
            continue;
        }

        hid::OpenResult opened = backend_.open(info.path);
        if (!opened.handle) {
            if (opened.error == hid::OpenError::PermissionDenied) {
                noteFailure(Outcome::NoPermission,
                            "The Karvo G7 Pro is connected, but this user may not open " +
                                info.path +
                                ". Install the udev rule 60-karvo-gmouse.rules (see "
                                "\"Access to the mouse\" in the README), then unplug the mouse and "
                                "plug it in "
                                "again.");
            } else if (opened.error != hid::OpenError::NotFound) {
                noteFailure(Outcome::CannotOpen, "The Karvo G7 Pro is connected, but " + info.path +
                                                     " cannot be opened: " + opened.detail);
            }
            continue;
        }
        if (isConfig) {
            feature = std::move(opened.handle);
            config = &info;
        } else {
            input = std::move(opened.handle);
            event = &info;
        }
    }

    if (!(feature && input))
        return false;  // a lone handle closes here

    link_.attach(std::move(feature), config->featureReportLength, std::move(input),
                 event->inputReportLength);
    link_.setLightLevel(7);
    featurePath_ = config->path;
    inputPath_ = event->path;
    variantFlag_ = config->productId == kProductId ? 1 : 0;
    outcome_ = Outcome::Found;
    message_.clear();
    deviceFound_ = true;
    return true;
}

bool DeviceDiscovery::mouseStillListed() const {
    bool feature = false;
    bool input = false;
    for (const hid::InterfaceInfo& info : backend_.enumerate()) {
        if (!accepted(info))
            continue;
        feature = feature || info.path == featurePath_;
        input = input || info.path == inputPath_;
    }
    return feature && input;
}

bool DeviceDiscovery::registerNotifications(hid::DeviceNotifier& notifier) {
    return notifier.start([this](const hid::DeviceChangeEvent& e) { onDeviceChange(e); });
}

bool DeviceDiscovery::onDeviceChange(const hid::DeviceChangeEvent& event) {
    switch (event.kind) {
        case hid::DeviceChangeEvent::Kind::Arrival:
            // Another device arriving is no reason to touch a working link: closing and
            // re-opening the handles under a running download would fail its next blocks.
            if (!(deviceFound_ && link_.hasFeatureHandle() && link_.inputHandle() &&
                  mouseStillListed()))
                discover();
            break;
        case hid::DeviceChangeEvent::Kind::Removal:
            if (deviceFound_ && !event.path.empty() &&
                (event.path == featurePath_ || event.path == inputPath_)) {
                deviceFound_ = false;
                link_.close();
                if (removed_)
                    removed_();
            }
            break;
    }
    return true;
}

}  // namespace karvo::device
