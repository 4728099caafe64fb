// The hidapi back-end on a machine that may have no HID device at all: enumeration and opening
// fail cleanly, and report lengths are matched to the right collections of each descriptor.
#include "platform/linux/hidapi_backend.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>

namespace karvo::hid {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Two vendor collections: 0xFF00/1 with input report 6 of 7 bytes, 0xFF01/1 with feature
// report 7 of 63 bytes.
const Bytes kVendorCollections = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x06, 0x75, 0x08, 0x95, 0x07, 0x81, 0x02, 0xC0,
    0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x07, 0x75, 0x08, 0x95, 0x3F, 0xB1, 0x02, 0xC0,
};

InterfaceInfo listed(std::string path, std::uint16_t page, std::uint16_t usage) {
    InterfaceInfo info;
    info.path = std::move(path);
    info.usagePage = page;
    info.usage = usage;
    return info;
}

TEST(HidapiBackend, ListsOnlyRealNodesAndNothingWhereThereAreNone) {
    HidapiBackend backend;
    const auto list = backend.enumerate();
    const bool noHidraw = !std::filesystem::exists("/sys/class/hidraw") ||
                          std::filesystem::is_empty("/sys/class/hidraw");
    if (noHidraw) {
        EXPECT_TRUE(list.empty());
    }
    for (const auto& info : list)
        EXPECT_FALSE(info.path.empty());
}

TEST(HidapiBackend, ReportsAMissingNodeAsNotFound) {
    HidapiBackend backend;
    const OpenResult r = backend.open("/dev/hidraw-karvo-test-none");
    EXPECT_EQ(r.handle, nullptr);
    EXPECT_EQ(r.error, OpenError::NotFound);
    EXPECT_FALSE(r.detail.empty());
}

TEST(HidapiBackend, RefusesFilesThatAreNoHidrawNodeWithoutCrashing) {
    // hidapi itself crashes on these; the back-end must never hand them over.
    HidapiBackend backend;
    for (const char* path : {"/dev/null", "/dev/zero", "/proc/self/status", "/"}) {
        const OpenResult r = backend.open(path);
        EXPECT_EQ(r.handle, nullptr) << path;
        EXPECT_EQ(r.error, OpenError::Other) << path;
    }
}

TEST(HidapiBackend, TellsAMissingPermissionFromAMissingDevice) {
    struct Case {
        int error;
        OpenError expected;
    };
    for (const Case c :
         {Case{EACCES, OpenError::PermissionDenied}, Case{EPERM, OpenError::PermissionDenied},
          Case{ENOENT, OpenError::NotFound}, Case{ENODEV, OpenError::NotFound},
          Case{ENXIO, OpenError::NotFound}, Case{EBUSY, OpenError::Other},
          Case{EIO, OpenError::Other}}) {
        EXPECT_EQ(HidapiBackend::openErrorFromErrno(c.error), c.expected) << c.error;
    }
}

TEST(HidapiBackend, MatchesReportLengthsToTheCollectionsOfEachPath) {
    std::map<std::string, Bytes> descriptors = {
        {"/dev/hidraw1", kVendorCollections},
        {"/dev/hidraw2", Bytes{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01}},  // left open
    };
    int reads = 0;
    const auto reader = [&](std::string_view path) -> std::optional<Bytes> {
        ++reads;
        const auto it = descriptors.find(std::string(path));
        if (it == descriptors.end())
            return std::nullopt;
        return it->second;
    };
    // hidapi lists the collections of one node in the descriptor's order; the parse must not
    // depend on it.
    std::vector<InterfaceInfo> list = {
        listed("/dev/hidraw1", 0xFF01, 1), listed("/dev/hidraw1", 0xFF00, 1),
        listed("/dev/hidraw1", 0x0001, 2),  // not in the descriptor
        listed("/dev/hidraw2", 0xFF00, 1),  // malformed descriptor
        listed("/dev/hidraw3", 0xFF00, 1),  // no descriptor
    };
    HidapiBackend::fillReportLengths(list, reader);
    EXPECT_EQ(list[0].featureReportLength, 64);
    EXPECT_EQ(list[0].inputReportLength, 0);
    EXPECT_EQ(list[1].inputReportLength, 8);
    EXPECT_EQ(list[1].featureReportLength, 0);
    for (std::size_t i = 2; i < list.size(); ++i) {
        EXPECT_EQ(list[i].inputReportLength, 0) << list[i].path;
        EXPECT_EQ(list[i].featureReportLength, 0) << list[i].path;
    }
    EXPECT_EQ(reads, 3) << "each descriptor is read once per enumeration";
}

TEST(HidapiBackend, GivesEachOfTwoEqualCollectionsItsOwnLengths) {
    const Bytes twoEqual = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02, 0xC0,
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x05, 0x81, 0x02, 0xC0,
    };
    std::vector<InterfaceInfo> list = {listed("/dev/hidraw4", 0xFF00, 1),
                                       listed("/dev/hidraw4", 0xFF00, 1)};
    HidapiBackend::fillReportLengths(list, [&](std::string_view) { return twoEqual; });
    EXPECT_EQ(list[0].inputReportLength, 3);
    EXPECT_EQ(list[1].inputReportLength, 6);
}

TEST(HidapiBackend, ReadsDescriptorsOfHidrawNodesOnly) {
    EXPECT_EQ(HidapiBackend::readSysfsDescriptor("/dev/null"), std::nullopt);
    EXPECT_EQ(HidapiBackend::readSysfsDescriptor("/dev/hidraw-karvo-test-none"), std::nullopt);
}

}  // namespace
}  // namespace karvo::hid
