// The udev monitor: it starts and drains without blocking when no udev daemon sends anything,
// and udev's messages become the right arrivals and removals.
#include "platform/linux/udev_device_notifier.h"

#include <gtest/gtest.h>

#include <chrono>

namespace karvo::hid {
namespace {

TEST(UdevDeviceNotifier, TurnsAddAndRemoveIntoArrivalAndRemovalOfTheNode) {
    struct Case {
        const char* action;
        const char* devnode;
        const char* sysname;
        bool event;
        DeviceChangeEvent::Kind kind;
        const char* path;
    };
    const Case cases[] = {
        {"add", "/dev/hidraw3", "hidraw3", true, DeviceChangeEvent::Kind::Arrival, "/dev/hidraw3"},
        {"remove", "/dev/hidraw3", "hidraw3", true, DeviceChangeEvent::Kind::Removal,
         "/dev/hidraw3"},
        {"remove", "", "hidraw7", true, DeviceChangeEvent::Kind::Removal, "/dev/hidraw7"},
        {"change", "/dev/hidraw3", "hidraw3", false, {}, ""},
        {"bind", "/dev/hidraw3", "hidraw3", false, {}, ""},
        {"", "/dev/hidraw3", "hidraw3", false, {}, ""},
    };
    for (const Case& c : cases) {
        const auto e = UdevDeviceNotifier::eventFor(c.action, c.devnode, c.sysname);
        ASSERT_EQ(e.has_value(), c.event) << c.action;
        if (!e)
            continue;
        EXPECT_EQ(e->kind, c.kind) << c.action;
        EXPECT_EQ(e->path, c.path) << c.action;
    }
}

TEST(UdevDeviceNotifier, StartsAndDrainsWithoutBlockingWhenNothingHappens) {
    UdevDeviceNotifier notifier;
    EXPECT_EQ(notifier.fileDescriptor(), -1);
    EXPECT_EQ(notifier.dispatchPending(), 0u);
    int calls = 0;
    if (!notifier.start([&](const DeviceChangeEvent&) { ++calls; })) {
        GTEST_SKIP() << "no netlink socket for udev here";
    }
    EXPECT_GE(notifier.fileDescriptor(), 0);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(notifier.dispatchPending(), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace karvo::hid
