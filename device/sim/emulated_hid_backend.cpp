// The emulated HID service; a handle on a mouse forwards every exchange to the mouse object.
#include "device/sim/emulated_hid_backend.h"

#include <algorithm>

namespace karvo::sim {
namespace {

class EmulatedHandle final : public hid::HidHandle {
  public:
    EmulatedHandle(std::shared_ptr<EmulatedMouse> mouse, std::shared_ptr<std::atomic<int>> count)
        : mouse_(std::move(mouse)), count_(std::move(count)) {
        ++*count_;
    }
    ~EmulatedHandle() override { --*count_; }
    EmulatedHandle(const EmulatedHandle&) = delete;
    EmulatedHandle& operator=(const EmulatedHandle&) = delete;

    bool sendFeature(std::span<const std::uint8_t> report) override {
        return mouse_->setFeature(report);
    }
    std::optional<std::size_t> getFeature(std::span<std::uint8_t> report) override {
        return mouse_->getFeature(report);
    }
    hid::InputRead readInput(std::span<std::uint8_t> buffer,
                             std::chrono::milliseconds timeout) override {
        return mouse_->readInput(buffer, timeout);
    }

  private:
    std::shared_ptr<EmulatedMouse> mouse_;
    std::shared_ptr<std::atomic<int>> count_;
};

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::vector<EmulatedHidBackend::Entry> EmulatedHidBackend::interfacesOf(
    const std::shared_ptr<EmulatedMouse>& mouse, std::string_view pathPrefix) {
    const EmulatedMouse::Options& o = mouse->options();
    auto entry = [&](std::string_view name, std::uint16_t page, std::uint16_t usage,
                     std::uint16_t input, std::uint16_t feature) {
        hid::InterfaceInfo info;
        info.path = std::string(pathPrefix) + "/" + std::string(name);
        info.vendorId = EmulatedMouse::kVendorId;
        info.productId = o.productId;
        info.productString = o.productString;
        info.usagePage = page;
        info.usage = usage;
        info.inputReportLength = input;
        info.featureReportLength = feature;
        return Entry{info, mouse};
    };
    return {entry("pointer", 0x0001, 0x0002, 8, 0),
            entry("event", 0xFF00, 0x0001, o.inputReportLength, 0),
            entry("config", 0xFF01, 0x0001, 0, o.featureReportLength)};
}

void EmulatedHidBackend::plug(const std::shared_ptr<EmulatedMouse>& mouse,
                              std::string_view pathPrefix) {
    mouse->setConnected(true);
    add(interfacesOf(mouse, pathPrefix));
}

void EmulatedHidBackend::add(std::vector<Entry> entries) {
    const std::lock_guard lock(mutex_);
    for (Entry& e : entries) {
        if (notifier_)
            notifier_->post({hid::DeviceChangeEvent::Kind::Arrival, e.info.path});
        entries_.push_back(std::move(e));
    }
}

void EmulatedHidBackend::unplug(std::string_view pathPrefix) {
    const std::lock_guard lock(mutex_);
    auto gone = std::stable_partition(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return !startsWith(e.info.path, pathPrefix);
    });
    for (auto it = gone; it != entries_.end(); ++it) {
        if (it->mouse)
            it->mouse->setConnected(false);
        if (notifier_)
            notifier_->post({hid::DeviceChangeEvent::Kind::Removal, it->info.path});
    }
    entries_.erase(gone, entries_.end());
}

void EmulatedHidBackend::refuseOpen(std::string_view path, hid::OpenError error) {
    const std::lock_guard lock(mutex_);
    refusals_.emplace_back(std::string(path), error);
}

void EmulatedHidBackend::onUnknownPath(std::function<void(std::string_view)> hook) {
    const std::lock_guard lock(mutex_);
    unknownPath_ = std::move(hook);
}

std::vector<std::string> EmulatedHidBackend::openedPaths() const {
    const std::lock_guard lock(mutex_);
    return opened_;
}

void EmulatedHidBackend::setNotifier(EmulatedDeviceNotifier* notifier) {
    const std::lock_guard lock(mutex_);
    notifier_ = notifier;
}

std::vector<hid::InterfaceInfo> EmulatedHidBackend::enumerate() {
    const std::lock_guard lock(mutex_);
    std::vector<hid::InterfaceInfo> list;
    list.reserve(entries_.size());
    for (const Entry& e : entries_)
        list.push_back(e.info);
    return list;
}

hid::OpenResult EmulatedHidBackend::open(std::string_view path) {
    std::function<void(std::string_view)> unknown;
    {
        const std::lock_guard lock(mutex_);
        opened_.emplace_back(path);
        for (const auto& [refused, error] : refusals_) {
            if (refused == path) {
                return {nullptr, error,
                        error == hid::OpenError::PermissionDenied ? "Permission denied"
                                                                  : "Cannot open"};
            }
        }
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const Entry& e) { return e.info.path == path; });
        if (it != entries_.end()) {
            if (!it->mouse)
                return {nullptr, hid::OpenError::Other, "not an emulated mouse"};
            return {std::make_unique<EmulatedHandle>(it->mouse, openHandles_),
                    hid::OpenError::None,
                    {}};
        }
        unknown = unknownPath_;
    }
    if (unknown)
        unknown(path);
    return {nullptr, hid::OpenError::NotFound, "No such device"};
}

}  // namespace karvo::sim
