// A download while other devices come and go: discovery leaves the mouse's working link alone,
// and a download cut off by a transport error runs once more after the mouse is found again.
#include "device/download_retry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "device/device_discovery.h"
#include "device/sim/emulated_hid_backend.h"
#include "platform/null_pointer_settings.h"
#include "platform/system_clock.h"
#include "tests/device/download_config.h"
#include "tests/device/mouse_on_desk.h"

namespace karvo::device {
namespace {

using karvo::testing::DownloadConfig;

// The system's device list as slow as a real one: each enumeration takes 5 ms, the time a
// re-discovery leaves the link without handles.
class SlowEnumeration final : public hid::HidBackend {
  public:
    explicit SlowEnumeration(hid::HidBackend& inner) : inner_(inner) {}
    std::vector<hid::InterfaceInfo> enumerate() override {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return inner_.enumerate();
    }
    hid::OpenResult open(std::string_view path) override { return inner_.open(path); }

  private:
    hid::HidBackend& inner_;
};

// A mouse on a desk where time is real, found through discovery, with a configuration to write.
struct LiveDesk {
    LiveDesk() {
        karvo::testing::fillRichConfig(config);
        backend.plug(mouse, "sim:0");
        model.edit([this](Settings& s) { s = config.settings; });
    }
    std::vector<std::uint8_t> memory() const { return mouse->memory(0, DeviceMemoryImage::kSize); }
    std::vector<std::uint8_t> image() {
        const auto img = downloader.lastImage();
        return {img->bytes().begin(), img->bytes().end()};
    }

    DownloadConfig config;
    SystemClock clock;
    std::shared_ptr<sim::EmulatedMouse> mouse =
        std::make_shared<sim::EmulatedMouse>(clock, sim::EmulatedMouse::Options{});
    sim::EmulatedHidBackend backend;
    SlowEnumeration slow{backend};
    DeviceLink link{clock};
    DeviceDiscovery discovery{slow, link, ""};
    SettingsModel model;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    Downloader downloader{link,     model,  config.description, config.sources, config.keys,
                          notifier, pointer};
};

// Another HID device plugged in again and again while the download runs (a hub, a keyboard
// that resets): the download completes and the mouse holds the whole image.
TEST(PlugDuringDownload, AnotherDeviceArrivingLeavesTheDownloadWhole) {
    LiveDesk desk;
    ASSERT_TRUE(desk.discovery.discover());
    std::atomic<bool> done{false};
    Downloader::Result result = Downloader::Result::Busy;
    std::thread worker([&] {
        result = desk.downloader.DownloadAll();
        done = true;
    });
    int arrivals = 0;
    while (!done) {
        desk.discovery.onDeviceChange({hid::DeviceChangeEvent::Kind::Arrival, "other:0/keyboard"});
        ++arrivals;
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    worker.join();
    EXPECT_GT(arrivals, 10);
    EXPECT_EQ(result, Downloader::Result::Complete);
    EXPECT_EQ(desk.memory(), desk.image());
    EXPECT_TRUE(desk.mouse->protocolErrors().empty());
    EXPECT_TRUE(desk.discovery.DeviceFound());
}

TEST(PlugDuringDownload, TheMouseItselfComingBackIsFoundAgain) {
    LiveDesk desk;
    ASSERT_TRUE(desk.discovery.discover());
    desk.backend.unplug("sim:0");
    desk.discovery.onDeviceChange({hid::DeviceChangeEvent::Kind::Removal, "sim:0/config"});
    EXPECT_FALSE(desk.discovery.DeviceFound());
    desk.mouse->setConnected(true);
    desk.backend.plug(desk.mouse, "sim:0");
    desk.discovery.onDeviceChange({hid::DeviceChangeEvent::Kind::Arrival, "sim:0/config"});
    EXPECT_TRUE(desk.discovery.DeviceFound());
    EXPECT_TRUE(desk.link.hasFeatureHandle());
}

TEST(DownloadRetry, ATransportErrorRunsTheDownloadOnceMoreAfterTheMouseIsFound) {
    LiveDesk desk;
    ASSERT_TRUE(desk.discovery.discover());
    desk.mouse->failExchangeAfter(300);  // a report in the middle of the download is lost
    int finds = 0;
    const RetriedDownload r = downloadWithRetry(desk.downloader, [&] {
        ++finds;
        return desk.discovery.discover();
    });
    EXPECT_EQ(r.result, Downloader::Result::Complete);
    EXPECT_TRUE(r.retried);
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(desk.memory(), desk.image());
    EXPECT_EQ(desk.mouse->refreshCount(), 1);
}

TEST(DownloadRetry, ReportsTheFailureWhenTheMouseStaysAwayOrFailsAgain) {
    LiveDesk desk;
    ASSERT_TRUE(desk.discovery.discover());
    desk.mouse->failExchangeAfter(100);
    RetriedDownload r = downloadWithRetry(desk.downloader, [] { return false; });
    EXPECT_EQ(r.result, Downloader::Result::TransportFailed);
    EXPECT_FALSE(r.retried);

    desk.mouse->failExchangeAfter(100);
    r = downloadWithRetry(desk.downloader, [&] {
        desk.mouse->failExchangeAfter(200);
        return desk.discovery.discover();
    });
    EXPECT_EQ(r.result, Downloader::Result::TransportFailed);
    EXPECT_TRUE(r.retried);
    EXPECT_EQ(desk.mouse->refreshCount(), 0);

    // Other results are final at once.
    r = downloadWithRetry(desk.downloader, [] {
        ADD_FAILURE() << "no second search after a complete download";
        return false;
    });
    EXPECT_EQ(r.result, Downloader::Result::Complete);
}

}  // namespace
}  // namespace karvo::device
