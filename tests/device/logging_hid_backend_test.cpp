// The report log over any HID back-end: each report that went through is one line, with the
// time the clock says, failed exchanges leave none, and a second log on the file appends.
#include "device/logging_hid_backend.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../support/temp_dir.h"
#include "mouse_on_desk.h"

namespace karvo::device {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST(ReportLog, LinesCarryMillisecondsKindAndHexBytes) {
    const Bytes bytes{0x07, 0xAB, 0x00};
    EXPECT_EQ(ReportLog::line(std::chrono::microseconds(12345), ReportLog::Kind::Get, bytes),
              "12.345 GET 07 ab 00");
    EXPECT_EQ(ReportLog::line({}, ReportLog::Kind::In, Bytes{6}), "0.000 IN 06");
}

TEST(LoggingHidBackend, LogsWhatWentThroughTheHandlesAndNothingThatFailed) {
    testing::TempDir dir;
    testing::MouseOnDesk desk;
    {
        ReportLog log(desk.clock, dir / "reports.log");
        ASSERT_TRUE(log.ok());
        LoggingHidBackend backend(desk.backend, log);
        EXPECT_EQ(backend.enumerate().size(), 3u);
        auto config = backend.open("sim:0/config").handle;
        auto event = backend.open("sim:0/event").handle;
        ASSERT_TRUE(config && event);

        Bytes report(64, 0);
        report[0] = 7;
        report[1] = 0x20;
        EXPECT_TRUE(config->sendFeature(report));
        desk.clock.sleepFor(std::chrono::milliseconds(3));
        Bytes reply(64, 0);
        reply[0] = 7;
        EXPECT_TRUE(config->getFeature(reply));
        desk.mouse->pressKey(1);
        Bytes input(8, 0);
        EXPECT_EQ(event->readInput(input, std::chrono::milliseconds(0)).status,
                  hid::InputRead::Status::Report);
        desk.mouse->failExchangeAfter(0);
        EXPECT_FALSE(config->sendFeature(report));
        desk.backend.onUnknownPath({});  // a path nobody listed, on purpose
        EXPECT_FALSE(backend.open("nowhere").handle);
    }
    const auto logged = lines(dir.read("reports.log"));
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[0].substr(0, 20), "0.000 SET 07 20 00 0");
    EXPECT_EQ(logged[1].substr(0, 15), "3.000 GET 07 00");
    EXPECT_EQ(logged[2], "3.000 IN 06 f1 00 00 00 00 00 00");

    // Another session on the same file adds its lines after these.
    {
        ReportLog log(desk.clock, dir / "reports.log");
        log.write(ReportLog::Kind::Set, Bytes{7, 1});
    }
    const auto appended = lines(dir.read("reports.log"));
    ASSERT_EQ(appended.size(), 4u);
    EXPECT_EQ(appended[3], "0.000 SET 07 01");
}

TEST(ReportLog, AFileThatCannotBeWrittenSaysSo) {
    testing::TempDir dir;
    ManualClock clock;
    ReportLog log(clock, dir / "missing" / "reports.log");
    EXPECT_FALSE(log.ok());
    log.write(ReportLog::Kind::Set, Bytes{7});  // harmless
}

}  // namespace
}  // namespace karvo::device
