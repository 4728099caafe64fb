// The report descriptor parser: the lengths Windows would report for real-world descriptors,
// and a clean refusal, never a crash, for every kind of malformed descriptor a device could
// send.
#include "platform/report_descriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace karvo::hid {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The mouse: a boot-style pointer collection (report 1), the vendor event collection
// (input report 6, 7 bytes) and the vendor configuration collection (feature report 7, 63 bytes).
const Bytes kMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,              // Generic Desktop, Mouse, Application
    0x85, 0x01, 0x09, 0x01, 0xA1, 0x00,              //   id 1, Pointer, Physical
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03,              //     Buttons 1-3
    0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01,  //     3 x 1 bit
    0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x03,  //     input, 5 bits padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38,  //     X, Y, Wheel
    0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03,  //     3 x 8 bits
    0x81, 0x06, 0xC0, 0xC0,                          //     input; end; end
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,        // Vendor 0xFF00, usage 1
    0x85, 0x06, 0x09, 0x01, 0x75, 0x08, 0x95, 0x07,  //   id 6, 7 bytes
    0x81, 0x02, 0xC0,                                //   input; end
    0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01,        // Vendor 0xFF01, usage 1
    0x85, 0x07, 0x09, 0x01, 0x75, 0x08, 0x95, 0x3F,  //   id 7, 63 bytes
    0xB1, 0x02, 0xC0,                                //   feature; end
};

TEST(ReportDescriptor, GivesEachTopLevelCollectionItsUsageAndReportLengths) {
    const ReportDescriptor d = ReportDescriptor::parse(kMouse);
    ASSERT_TRUE(d.ok()) << d.error();
    ASSERT_EQ(d.collections().size(), 3u);
    struct Expected {
        std::uint16_t page, usage, input, feature;
    };
    const Expected expected[] = {{0x0001, 0x0002, 5, 0}, {0xFF00, 1, 8, 0}, {0xFF01, 1, 0, 64}};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& c = d.collections()[i];
        EXPECT_EQ(c.usagePage, expected[i].page) << i;
        EXPECT_EQ(c.usage, expected[i].usage) << i;
        EXPECT_EQ(c.inputReportLength, expected[i].input) << i;
        EXPECT_EQ(c.featureReportLength, expected[i].feature) << i;
        EXPECT_EQ(c.outputReportLength, 0) << i;
    }
}

TEST(ReportDescriptor, CountsTheReportIdByteAlsoWhenReportsAreNotNumbered) {
    const Bytes keyboard = {
        0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,        // Keyboard
        0x75, 0x08, 0x95, 0x08, 0x81, 0x02,        //   8 input bytes
        0x75, 0x01, 0x95, 0x05, 0x91, 0x02,        //   5 LED bits
        0x75, 0x03, 0x95, 0x01, 0x91, 0x03, 0xC0,  //   3 bits padding; end
    };
    const ReportDescriptor d = ReportDescriptor::parse(keyboard);
    ASSERT_TRUE(d.ok()) << d.error();
    ASSERT_EQ(d.collections().size(), 1u);
    EXPECT_EQ(d.collections()[0].inputReportLength, 9);
    EXPECT_EQ(d.collections()[0].outputReportLength, 2);
}

TEST(ReportDescriptor, TakesTheLongestOfSeveralReportsAndRoundsBitsUp) {
    const Bytes twoReports = {
        0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85,
        0x01, 0x75, 0x08, 0x95, 0x04, 0xB1, 0x02,        // report 1: 4 bytes
        0x85, 0x02, 0x75, 0x01, 0x95, 0x29, 0xB1, 0x02,  // report 2: 41 bits = 6 bytes
        0xC0,
    };
    const ReportDescriptor d = ReportDescriptor::parse(twoReports);
    ASSERT_TRUE(d.ok()) << d.error();
    EXPECT_EQ(d.collections()[0].featureReportLength, 7);
}

TEST(ReportDescriptor, LetsAFourByteUsageNameItsOwnPage) {
    const Bytes extended = {0x05, 0x01, 0x0B, 0x01, 0x00, 0x01, 0xFF, 0xA1, 0x01, 0xC0};
    const ReportDescriptor d = ReportDescriptor::parse(extended);
    ASSERT_TRUE(d.ok()) << d.error();
    EXPECT_EQ(d.collections()[0].usagePage, 0xFF01);
    EXPECT_EQ(d.collections()[0].usage, 1);
}

TEST(ReportDescriptor, RestoresGlobalsOnPopAndSkipsLongItems) {
    const Bytes d1 = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x02,  // 2 x 8 bits
        0xA4,                                                              // push
        0x95, 0x10,                                                        //   16 x 8 bits
        0xFE, 0x02, 0x10, 0xAA, 0xBB,  // a long item with two data bytes
        0xB4,                          // pop: back to 2 x 8
        0x81, 0x02, 0xC0,
    };
    const ReportDescriptor d = ReportDescriptor::parse(d1);
    ASSERT_TRUE(d.ok()) << d.error();
    EXPECT_EQ(d.collections()[0].inputReportLength, 3);
}

TEST(ReportDescriptor, HoldsAbsurdLengthsAtTheLimitInsteadOfOverflowing) {
    const Bytes huge = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x77, 0xFF,
        0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF,  // size, count 2^32-1
        0x81, 0x02, 0x81, 0x02, 0xC0,
    };
    const ReportDescriptor d = ReportDescriptor::parse(huge);
    ASSERT_TRUE(d.ok()) << d.error();
    EXPECT_EQ(d.collections()[0].inputReportLength, 0xFFFF);
}

TEST(ReportDescriptor, RefusesMalformedDescriptorsKeepingTheCollectionsBeforeTheFault) {
    struct Case {
        const char* name;
        Bytes tail;  // appended to one complete collection
        const char* error;
    };
    const Case cases[] = {
        {"an item cut short", {0x06, 0x00}, "truncated item"},
        {"a long item cut short", {0xFE, 0x05, 0x10, 0x01}, "truncated long item"},
        {"a long item without its size", {0xFE}, "truncated long item"},
        {"an end without a collection", {0xC0}, "never opened"},
        {"a collection left open", {0xA1, 0x01}, "ends inside a collection"},
        {"a pop without a push", {0xB4}, "pop without push"},
        {"report id zero", {0x85, 0x00}, "report id"},
        {"a push too many", Bytes(33, 0xA4), "push stack overflow"},
        {"collections nested past the limit", Bytes(600, 0xA1), "nested too deep"},
    };
    const Bytes complete = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0xC0};
    for (const Case& c : cases) {
        Bytes bytes = complete;
        bytes.insert(bytes.end(), c.tail.begin(), c.tail.end());
        const ReportDescriptor d = ReportDescriptor::parse(bytes);
        EXPECT_FALSE(d.ok()) << c.name;
        EXPECT_NE(d.error().find(c.error), std::string::npos) << c.name << ": " << d.error();
        EXPECT_EQ(d.collections().size(), 1u) << c.name;
    }
}

TEST(ReportDescriptor, AcceptsAnEmptyDescriptorAsOneWithoutCollections) {
    const ReportDescriptor d = ReportDescriptor::parse({});
    EXPECT_TRUE(d.ok());
    EXPECT_TRUE(d.collections().empty());
}

}  // namespace
}  // namespace karvo::hid
