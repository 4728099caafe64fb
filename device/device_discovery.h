// DeviceDiscovery: finds the mouse among the HID collections present, checks that it is the
// right product, and hands the device link its two handles: the feature handle on the
// configuration collection (usage page 0xFF01, usage 1) and the input handle on the event
// collection (0xFF00, usage 1). It also follows arrivals and removals of HID devices.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "device/device_link.h"
#include "platform/device_notifier.h"
#include "platform/hid_backend.h"

namespace karvo::device {

class DeviceDiscovery {
  public:
    static constexpr std::uint16_t kVendorId = 0x5E3D;
    static constexpr std::uint16_t kProductId = 0x2A17;       // VariantFlag 1
    static constexpr std::uint16_t kOtherProductId = 0x2A2C;  // VariantFlag 0
    static constexpr std::int32_t kNoVariant = 2;             // VariantFlag before a find
    static constexpr std::size_t kMaxInterfaces = 100;        // collections looked at per run

    enum class Outcome {
        Found,         // both collections open, the link has its handles
        NotFound,      // no collection of the mouse among the first 100
        NoPermission,  // the mouse is there but this user may not open it
        CannotOpen,    // the mouse is there but opening it failed for another reason
        Unusable,      // the mouse is there but reports lengths the program cannot work with
    };

    // `acceptedProductString` is DevString of the device description: empty accepts any
    // product string, otherwise it must equal the collection's exactly (case-sensitive).
    DeviceDiscovery(hid::HidBackend& backend, DeviceLink& link, std::string acceptedProductString);

    // Closes the link's earlier handles, then looks at the first 100 collections listed for
    // the configuration and event collections of a mouse with vendor 0x5E3D, product 0x2A17
    // or 0x2A2C and the accepted product string (in either order, with other devices among
    // them), and opens both. Returns DeviceFound: true exactly when both are open; then the
    // link holds them, VariantFlag says which product it is and the light level is 7.
    bool discover();

    // Why the last discover() ended as it did, and a sentence for the user when it failed
    // although the mouse is there (what to install, which path could not be opened).
    Outcome outcome() const { return outcome_; }
    const std::string& message() const { return message_; }

    std::int32_t VariantFlag() const { return variantFlag_; }
    bool DeviceFound() const { return deviceFound_; }
    // Paths of the two open collections (equal when they share one hidraw node).
    const std::string& featurePath() const { return featurePath_; }
    const std::string& inputPath() const { return inputPath_; }

    // Routes the notifier's events to onDeviceChange. False when the system gives none.
    bool registerNotifications(hid::DeviceNotifier& notifier);

    // The handler of device arrival and removal, on the UI thread. An arrival runs discover()
    // again unless the mouse is found, its link open and both its collections still listed:
    // then the arrival is another device, and the working link is left alone. A removal whose path
    // is exactly that of one of the open collections closes the link, clears DeviceFound and calls
    // the removal callback (which stops the device threads and ends the program). Always returns
    // true.
    bool onDeviceChange(const hid::DeviceChangeEvent& event);
    void onMouseRemoved(std::function<void()> callback) { removed_ = std::move(callback); }

  private:
    bool accepted(const hid::InterfaceInfo& info) const;
    bool mouseStillListed() const;
    void noteFailure(Outcome outcome, std::string message);

    hid::HidBackend& backend_;
    DeviceLink& link_;
    const std::string acceptedProductString_;
    std::atomic<std::int32_t> variantFlag_{kNoVariant};
    std::atomic<bool> deviceFound_{false};
    Outcome outcome_ = Outcome::NotFound;
    std::string message_;
    std::string featurePath_;
    std::string inputPath_;
    std::function<void()> removed_;
};

}  // namespace karvo::device
