// Discovery and hot-plug against emulated HID services: which devices are accepted and which
// refused, in every order of collections; what the user is told when the mouse is there but
// cannot be used; arrival and removal through the notifier; and that no handle is left open.
#include "device/device_discovery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "device/sim/emulated_device_notifier.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/manual_clock.h"

namespace karvo::device {
namespace {

using sim::EmulatedHidBackend;
using sim::EmulatedMouse;

hid::InterfaceInfo foreign(std::string path, std::uint16_t vendor, std::uint16_t product) {
    hid::InterfaceInfo info;
    info.path = std::move(path);
    info.vendorId = vendor;
    info.productId = product;
    info.productString = "USB Keyboard";
    info.usagePage = 0x0001;
    info.usage = 0x0006;
    info.inputReportLength = 9;
    return info;
}

struct Desk {
    explicit Desk(std::string devString = "") : discovery(backend, link, std::move(devString)) {
        backend.onUnknownPath([](std::string_view path) {
            ADD_FAILURE() << "opened " << path << ", which is no emulated device";
        });
        backend.setNotifier(&notifier);
    }
    std::shared_ptr<EmulatedMouse> makeMouse(EmulatedMouse::Options options = {}) {
        return std::make_shared<EmulatedMouse>(clock, std::move(options));
    }
    bool openedOnly(const std::string& prefix) const {
        const auto paths = backend.openedPaths();
        return std::all_of(paths.begin(), paths.end(),
                           [&](const std::string& p) { return p.rfind(prefix, 0) == 0; });
    }

    ManualClock clock;
    EmulatedHidBackend backend;
    sim::EmulatedDeviceNotifier notifier;
    DeviceLink link{clock};
    DeviceDiscovery discovery;
};

TEST(Discovery, FindsTheMouseInEveryOrderOfItsCollectionsAmongOtherDevices) {
    Desk proto;
    auto mouse = proto.makeMouse();
    std::vector<EmulatedHidBackend::Entry> entries = EmulatedHidBackend::interfacesOf(mouse, "m");
    entries.push_back({foreign("kbd", 0x046D, 0xC31C), nullptr});
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.info.path < b.info.path; });
    int orders = 0;
    do {
        Desk desk;
        desk.backend.add(entries);
        EXPECT_TRUE(desk.discovery.discover()) << "order " << orders;
        EXPECT_TRUE(desk.discovery.DeviceFound());
        EXPECT_EQ(desk.discovery.outcome(), DeviceDiscovery::Outcome::Found);
        EXPECT_EQ(desk.discovery.featurePath(), "m/config");
        EXPECT_EQ(desk.discovery.inputPath(), "m/event");
        EXPECT_EQ(desk.link.featureReportLength(), 64);
        EXPECT_EQ(desk.link.inputReportLength(), 8);
        EXPECT_NE(desk.link.inputHandle(), nullptr);
        EXPECT_TRUE(desk.openedOnly("m/")) << "opened a collection that is not the mouse's";
        EXPECT_EQ(desk.backend.openHandleCount(), 2);
        ++orders;
    } while (std::next_permutation(
        entries.begin(), entries.end(),
        [](const auto& a, const auto& b) { return a.info.path < b.info.path; }));
    EXPECT_EQ(orders, 24);
}

TEST(Discovery, AcceptsTheRightIdsAndProductStringsOnly) {
    struct Case {
        const char* name;
        std::string devString;
        std::uint16_t vendor;
        std::uint16_t product;
        std::string productString;
        bool found;
        std::int32_t variant;
    };
    const Case cases[] = {
        {"any string when DevString is empty", "", 0x5E3D, 0x2A2C, "Something else", true, 0},
        {"the main product", "", 0x5E3D, 0x2A17, "Karvo G-Mouse", true, 1},
        {"DevString equal", "Karvo G-Mouse", 0x5E3D, 0x2A17, "Karvo G-Mouse", true, 1},
        {"DevString differs", "Karvo G-Mouse", 0x5E3D, 0x2A17, "Karvo G-Mouse Pro", false, 2},
        {"DevString differs in case", "Karvo G-Mouse", 0x5E3D, 0x2A17, "karvo g-mouse", false, 2},
        {"a neighbouring product id", "", 0x5E3D, 0x2A18, "Karvo G-Mouse", false, 2},
        {"another vendor", "", 0x5E3E, 0x2A17, "Karvo G-Mouse", false, 2},
    };
    for (const Case& c : cases) {
        Desk desk(c.devString);
        EmulatedMouse::Options options;
        options.productId = c.product;
        options.productString = c.productString;
        auto mouse = desk.makeMouse(options);
        auto entries = EmulatedHidBackend::interfacesOf(mouse, "m");
        for (auto& e : entries)
            e.info.vendorId = c.vendor;
        desk.backend.add(entries);
        EXPECT_EQ(desk.discovery.discover(), c.found) << c.name;
        EXPECT_EQ(desk.discovery.VariantFlag(), c.variant) << c.name;
        EXPECT_EQ(desk.link.hasFeatureHandle(), c.found) << c.name;
        if (!c.found) {
            EXPECT_TRUE(desk.backend.openedPaths().empty()) << c.name;
        }
    }
}

TEST(Discovery, WantsTheProductStringOnEachCollectionItOpens) {
    Desk desk("Karvo G-Mouse");
    auto mouse = desk.makeMouse();
    auto entries = EmulatedHidBackend::interfacesOf(mouse, "m");
    entries[2].info.productString = "Other";  // the configuration collection
    desk.backend.add(entries);
    EXPECT_FALSE(desk.discovery.discover());
    EXPECT_EQ(desk.backend.openHandleCount(), 0) << "the lone input handle is closed again";
}

TEST(Discovery, NeedsBothCollectionsAndLeavesNoLoneHandleOpen) {
    for (std::size_t missing = 1; missing < 3; ++missing) {
        Desk desk;
        auto entries = EmulatedHidBackend::interfacesOf(desk.makeMouse(), "m");
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(missing));
        desk.backend.add(entries);
        EXPECT_FALSE(desk.discovery.discover());
        EXPECT_FALSE(desk.link.hasFeatureHandle());
        EXPECT_EQ(desk.link.inputHandle(), nullptr);
        EXPECT_EQ(desk.backend.openHandleCount(), 0);
        EXPECT_EQ(desk.discovery.outcome(), DeviceDiscovery::Outcome::NotFound);
    }
}

TEST(Discovery, LooksAtTheFirstHundredCollectionsOnly) {
    for (const std::size_t before : {98u, 99u}) {
        Desk desk;
        std::vector<EmulatedHidBackend::Entry> entries;
        for (std::size_t i = 0; i < before; ++i) {
            entries.push_back({foreign("other" + std::to_string(i), 0x1234, 1), nullptr});
        }
        auto mouse = EmulatedHidBackend::interfacesOf(desk.makeMouse(), "m");
        entries.push_back(mouse[1]);
        entries.push_back(mouse[2]);
        desk.backend.add(entries);
        // With 98 before, the mouse's collections are the 99th and 100th; with 99, the
        // configuration collection is the 101st, past the bound.
        EXPECT_EQ(desk.discovery.discover(), before == 98u) << before;
    }
}

TEST(Discovery, SaysWhatToInstallWhenTheMouseMayNotBeOpened) {
    Desk desk;
    desk.backend.plug(desk.makeMouse(), "/dev/hidraw");
    desk.backend.refuseOpen("/dev/hidraw/config", hid::OpenError::PermissionDenied);
    EXPECT_FALSE(desk.discovery.discover());
    EXPECT_EQ(desk.discovery.outcome(), DeviceDiscovery::Outcome::NoPermission);
    EXPECT_NE(desk.discovery.message().find("/dev/hidraw/config"), std::string::npos);
    EXPECT_NE(desk.discovery.message().find("60-karvo-gmouse.rules"), std::string::npos);
    EXPECT_EQ(desk.backend.openHandleCount(), 0);
}

TEST(Discovery, RefusesReportLengthsTheReportBufferCannotHold) {
    for (const std::uint16_t length :
         {std::uint16_t{0}, std::uint16_t{7}, std::uint16_t{257}, std::uint16_t{4096}}) {
        Desk desk;
        EmulatedMouse::Options options;
        options.featureReportLength = length;
        desk.backend.plug(desk.makeMouse(options), "m");
        EXPECT_FALSE(desk.discovery.discover()) << length;
        EXPECT_EQ(desk.discovery.outcome(), DeviceDiscovery::Outcome::Unusable) << length;
        EXPECT_NE(desk.discovery.message().find(std::to_string(length)), std::string::npos);
    }
}

TEST(Discovery, ClosesTheEarlierHandlesBeforeOpeningNewOnes) {
    Desk desk;
    desk.backend.plug(desk.makeMouse(), "m");
    for (int run = 0; run < 5; ++run)
        ASSERT_TRUE(desk.discovery.discover());
    EXPECT_EQ(desk.backend.openHandleCount(), 2);
}

// Until the mouse is found every arrival looks again; once its link works, another device's
// arrival leaves it alone (re-opening it would fail a download that is running).
TEST(HotPlug, ArrivalsLookForTheMouseUntilItIsFoundThenLeaveItsLinkAlone) {
    Desk desk;
    desk.discovery.registerNotifications(desk.notifier);
    EXPECT_FALSE(desk.discovery.discover());
    desk.backend.add({{foreign("kbd", 0x046D, 0xC31C), nullptr}});
    desk.notifier.dispatchPending();
    EXPECT_FALSE(desk.discovery.DeviceFound());
    desk.backend.plug(desk.makeMouse(), "m");
    EXPECT_EQ(desk.notifier.dispatchPending(), 3u);
    EXPECT_TRUE(desk.discovery.DeviceFound());
    const auto opens = desk.backend.openedPaths().size();
    desk.backend.add({{foreign("kbd2", 0x046D, 0xC31D), nullptr}});
    desk.notifier.dispatchPending();
    EXPECT_TRUE(desk.discovery.DeviceFound());
    EXPECT_EQ(desk.backend.openedPaths().size(), opens) << "the working link stays as it is";
    EXPECT_EQ(desk.backend.openHandleCount(), 2);
}

TEST(HotPlug, RemovalOfAnotherDeviceChangesNothing) {
    Desk desk;
    desk.discovery.registerNotifications(desk.notifier);
    int removals = 0;
    desk.discovery.onMouseRemoved([&] { ++removals; });
    desk.backend.plug(desk.makeMouse(), "m");
    desk.backend.add({{foreign("m-keyboard", 0x046D, 0xC31C), nullptr}});
    desk.notifier.dispatchPending();
    ASSERT_TRUE(desk.discovery.DeviceFound());
    desk.backend.unplug("m-keyboard");
    desk.notifier.dispatchPending();
    EXPECT_TRUE(desk.discovery.DeviceFound());
    EXPECT_TRUE(desk.link.hasFeatureHandle());
    EXPECT_EQ(removals, 0);
}

TEST(HotPlug, RemovalOfTheMouseClosesTheLinkAndCallsTheRemovalHandlerOnce) {
    Desk desk;
    desk.discovery.registerNotifications(desk.notifier);
    int removals = 0;
    desk.discovery.onMouseRemoved([&] { ++removals; });
    desk.backend.plug(desk.makeMouse(), "m");
    desk.notifier.dispatchPending();
    ASSERT_TRUE(desk.discovery.DeviceFound());
    desk.backend.unplug("m/");
    EXPECT_EQ(desk.notifier.dispatchPending(), 3u);
    EXPECT_FALSE(desk.discovery.DeviceFound());
    EXPECT_FALSE(desk.link.hasFeatureHandle());
    EXPECT_EQ(desk.link.inputHandle(), nullptr);
    EXPECT_EQ(desk.backend.openHandleCount(), 0);
    EXPECT_EQ(removals, 1);
}

TEST(HotPlug, AReaderKeepsItsInputHandleWhileANewDiscoveryReplacesIt) {
    Desk desk;
    auto mouse = desk.makeMouse();
    desk.backend.plug(mouse, "m");
    ASSERT_TRUE(desk.discovery.discover());
    const std::shared_ptr<hid::HidHandle> held = desk.link.inputHandle();
    ASSERT_TRUE(desk.discovery.discover());
    mouse->pressKey(1);
    std::vector<std::uint8_t> buffer(8);
    EXPECT_EQ(held->readInput(buffer, std::chrono::milliseconds(0)).status,
              hid::InputRead::Status::Report);
    EXPECT_NE(desk.link.inputHandle(), held);
}

}  // namespace
}  // namespace karvo::device
