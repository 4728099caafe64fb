// The connection identity of a hidraw node, read from a fake /sys and /proc tree: it names the
// boot and the HID device instance, changes when the mouse comes back as a new instance, and
// refuses any path that is not a hidraw node.
#include "platform/linux/hidraw_connection.h"

#include <gtest/gtest.h>

#include "../../support/temp_dir.h"

namespace karvo::hid {
namespace {

namespace fs = std::filesystem;

// /sys/class/hidraw/hidraw3/device -> the HID device of `instance`, as the kernel links it.
void plug(const testing::TempDir& root, const std::string& instance) {
    const fs::path device = root / ("sys/devices/usb1/1-2/1-2:1.1/" + instance);
    fs::create_directories(device);
    const fs::path node = root / "sys/class/hidraw/hidraw3";
    fs::create_directories(node);
    std::error_code ec;
    fs::remove(node / "device", ec);
    fs::create_directory_symlink(fs::relative(device, node), node / "device");
}

TEST(HidrawConnection, NamesTheBootAndTheDeviceInstanceAndChangesWithAReplug) {
    testing::TempDir root;
    fs::create_directories(root / "proc/sys/kernel/random");
    root.write("proc/sys/kernel/random/boot_id", "5f1c0a2e-aaaa-bbbb-cccc-0123456789ab\n");
    plug(root, "0003:5E3D:2A17.000A");

    const auto first = hidrawConnection("/dev/hidraw3", root.path());
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, "5f1c0a2e-aaaa-bbbb-cccc-0123456789ab 0003:5E3D:2A17.000A");
    EXPECT_EQ(hidrawConnection("/dev/hidraw3", root.path()), first);

    plug(root, "0003:5E3D:2A17.000B");  // the same node name for the mouse plugged in again
    EXPECT_NE(hidrawConnection("/dev/hidraw3", root.path()), first);

    root.write("proc/sys/kernel/random/boot_id", "");
    EXPECT_FALSE(hidrawConnection("/dev/hidraw3", root.path()));
}

TEST(HidrawConnection, RefusesPathsThatAreNoHidrawNode) {
    testing::TempDir root;
    fs::create_directories(root / "proc/sys/kernel/random");
    root.write("proc/sys/kernel/random/boot_id", "b\n");
    plug(root, "0003:5E3D:2A17.0001");
    for (const char* path : {"/dev/hidraw", "/dev/hidraw3x", "/dev/../dev/hidraw3",
                             "/dev/hidraw3/../hidraw3", "sim:0/config", "/dev/hidraw4", ""}) {
        EXPECT_FALSE(hidrawConnection(path, root.path())) << path;
    }
}

}  // namespace
}  // namespace karvo::hid
