// The emulated mouse itself: it must catch malformed sequences (or the transport tests would
// prove nothing), raise the input reports the event thread reads, keep its memory across runs
// and write its report log in the documented form.
#include "device/sim/emulated_mouse.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_ops.h"
#include "platform/manual_clock.h"

namespace karvo::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A memory-access report at the default feature length.
Bytes access(std::uint8_t flags, std::uint8_t index, std::uint16_t address, std::uint8_t data,
             std::uint8_t lengthByte) {
    Bytes r(64, 0);
    r[0] = 7;
    r[1] = 0x18;
    r[2] = flags;
    r[3] = index;
    r[4] = static_cast<std::uint8_t>(address & 0xFF);
    r[5] = static_cast<std::uint8_t>(address >> 8);
    r[6] = data;
    r[7] = lengthByte;
    return r;
}

Bytes command(std::uint8_t code) {
    Bytes r(64, 0);
    r[0] = 7;
    r[1] = code;
    return r;
}

EmulatedMouse::Options keptIn(const std::filesystem::path& state) {
    EmulatedMouse::Options options;
    options.stateFile = state;
    return options;
}

std::filesystem::path scratch(const std::string& name) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("karvo-sim-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    return dir / name;
}

TEST(EmulatedMouseStrictness, LogsEveryMalformedSequence) {
    struct Case {
        const char* name;
        std::vector<Bytes> reports;
        const char* error;  // part of the expected message
    };
    const Case cases[] = {
        {"commit with no data", {access(0x09, 0, 0x10, 0, 0)}, "commit without its data"},
        {"commit of a block missing a byte",
         {access(0x03, 0, 0x10, 1, 1), access(0x09, 0, 0x10, 0, 1)},
         "1 of 2 bytes"},
        {"commit with another length",
         {access(0x03, 0, 0x10, 1, 0), access(0x09, 0, 0x10, 0, 1)},
         "another block"},
        {"data for another block without an end",
         {access(0x03, 0, 0x10, 1, 1), access(0x03, 1, 0x20, 1, 1)},
         "another block before the end"},
        {"index outside the block", {access(0x03, 2, 0x10, 1, 1)}, "outside a block"},
        {"block past the end of memory", {access(0x03, 0, 0xFFFF, 1, 1)}, "past the end"},
        {"read without selection", {access(0x05, 0, 0x10, 0, 0)}, "without a selection"},
        {"read of another block than selected",
         {access(0x03, 0, 0x10, 0, 0), access(0x00, 0, 0x10, 0, 0), access(0x05, 0, 0x11, 0, 0)},
         "without a selection"},
        {"unknown flags", {access(0x20, 0, 0, 0, 0)}, "unknown flags"},
        {"end with a length", {access(0x00, 0, 0, 0, 3)}, "end report with"},
        {"refresh with arguments", {access(0x10, 0, 0x10, 0, 0)}, "refresh with arguments"},
        {"live command inside a block",
         {access(0x03, 0, 0x10, 1, 1), command(0x15)},
         "inside an open block"},
        {"unknown command", {command(0x42)}, "unknown command"},
        {"short report", {Bytes{7, 0x15, 0, 0, 0, 0, 0, 0}}, "SET of 8 bytes"},
        {"wrong report id", {Bytes(64, 0)}, "report id 0"},
    };
    for (const Case& c : cases) {
        ManualClock clock;
        EmulatedMouse mouse(clock, {});
        for (const Bytes& r : c.reports)
            mouse.setFeature(r);
        const auto errors = mouse.protocolErrors();
        ASSERT_FALSE(errors.empty()) << c.name;
        EXPECT_NE(errors.back().find(c.error), std::string::npos)
            << c.name << ": " << errors.back();
    }
}

TEST(EmulatedMouseStrictness, AcceptsTheDocumentedSequencesWithoutComplaint) {
    ManualClock clock;
    EmulatedMouse mouse(clock, {});
    const std::vector<Bytes> reports = {
        access(0x03, 0, 0x100, 5, 1), access(0x03, 1, 0x100, 6, 1), access(0x09, 0, 0x100, 0, 1),
        access(0x00, 0, 0x100, 0, 0), access(0x03, 0, 0x100, 0, 1), access(0x03, 1, 0x100, 0, 1),
        access(0x00, 0, 0x100, 0, 0), access(0x05, 1, 0x100, 0, 1),
    };
    for (const Bytes& r : reports)
        EXPECT_TRUE(mouse.setFeature(r));
    Bytes reply(64, 0);
    reply[0] = 7;
    ASSERT_EQ(mouse.getFeature(reply), 64u);
    EXPECT_EQ(reply[1], 6);
    EXPECT_TRUE(mouse.setFeature(access(0x00, 0, 0, 0, 0)));
    EXPECT_TRUE(mouse.setFeature(access(0x10, 0, 0, 0, 0)));
    EXPECT_TRUE(mouse.setFeature(access(0x00, 0, 0, 0, 0)));
    EXPECT_TRUE(mouse.protocolErrors().empty()) << mouse.protocolErrors()[0];
    EXPECT_EQ(mouse.refreshCount(), 1);
}

TEST(EmulatedMouseInput, RaisesKeyProfileAndAdjustmentReports) {
    ManualClock clock;
    EmulatedMouse mouse(clock, {});
    mouse.setDpiLevel(2);
    mouse.pressKey(3);
    mouse.releaseKey(3);
    mouse.switchProfile(2);
    mouse.adjust(true);
    mouse.adjust(false);
    const std::vector<Bytes> expected = {
        {6, 0xF3, 0x02}, {6, 0xF3, 0x82}, {6, 3, 0}, {6, 1, 0}, {6, 2, 0}};
    for (const Bytes& e : expected) {
        Bytes buffer(8, 0xEE);
        const hid::InputRead read = mouse.readInput(buffer, std::chrono::milliseconds(0));
        ASSERT_EQ(read.status, hid::InputRead::Status::Report);
        EXPECT_EQ(read.length, 8u);
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 3), e);
    }
    EXPECT_EQ(mouse.profile(), 2);
    Bytes buffer(8);
    EXPECT_EQ(mouse.readInput(buffer, std::chrono::milliseconds(0)).status,
              hid::InputRead::Status::TimedOut);
}

// The key bytes of profile 0 put keys 5 to 8 on DPI cycle, DPI up, DPI down and the profile
// cycle; profile 1 has a "first profile" key on key 8. Levels 1, 3, 4 and 6 are enabled.
void writeKeyFunctions(EmulatedMouse& mouse) {
    mouse.setMemory(8 + 4, Bytes{32 + 6, 32 + 11, 32 + 12, 64 + 32 + 23});
    mouse.setMemory(72 + 3, Bytes{26});
    mouse.setMemory(25, Bytes{0b101101});
}

Bytes nextInput(EmulatedMouse& mouse) {
    Bytes buffer(8);
    EXPECT_EQ(mouse.readInput(buffer, std::chrono::milliseconds(0)).status,
              hid::InputRead::Status::Report);
    return Bytes(buffer.begin(), buffer.begin() + 3);
}

TEST(EmulatedMouseKeys, DpiKeysStepThroughTheEnabledLevels) {
    ManualClock clock;
    EmulatedMouse mouse(clock, {});
    writeKeyFunctions(mouse);
    const auto press = [&](int key) {
        const auto done = mouse.keyDown(key);
        mouse.keyUp(key);
        EXPECT_EQ(nextInput(mouse), (Bytes{6, static_cast<std::uint8_t>(0xF0 + key),
                                           static_cast<std::uint8_t>(done.dpiLevel)}));
        EXPECT_EQ(nextInput(mouse), (Bytes{6, static_cast<std::uint8_t>(0xF0 + key),
                                           static_cast<std::uint8_t>(0x80 | done.dpiLevel)}));
        return done.dpiLevel;
    };
    EXPECT_EQ(press(6), 2) << "up skips the disabled level 2";
    EXPECT_EQ(press(6), 3);
    EXPECT_EQ(press(6), 5);
    EXPECT_EQ(press(6), 5) << "up stops at the top";
    EXPECT_EQ(press(7), 3);
    EXPECT_EQ(press(5), 5) << "cycle";
    EXPECT_EQ(press(5), 0) << "cycle goes round";
    EXPECT_EQ(press(7), 0) << "down stops at the bottom";
    EXPECT_EQ(mouse.memory(24, 1), (Bytes{0x18}));
    EXPECT_EQ(press(1), 0) << "a key without a DPI function leaves the level";
    EXPECT_EQ(mouse.profile(), 0);
}

TEST(EmulatedMouseKeys, ProfileKeysSwitchTheProfileTheStatusReports) {
    const auto state = scratch("profile-keys.bin");
    std::filesystem::remove(state);
    ManualClock clock;
    {
        EmulatedMouse mouse(clock, keptIn(state));
        writeKeyFunctions(mouse);
        mouse.setMemory(1, Bytes{3});  // a download wrote profile 0 as current
        const auto done = mouse.keyDown(8);
        EXPECT_EQ(done.deviceFunction, 23);
        EXPECT_EQ(done.profile, 1);
        Bytes status(64, 0);
        status[0] = 7;
        ASSERT_TRUE(mouse.getFeature(status));
        EXPECT_EQ(status[6], 1 << 2);
        EXPECT_EQ(nextInput(mouse), (Bytes{6, 0xF8, 0}));
        EXPECT_EQ(mouse.keyDown(8).profile, 0) << "profile 1 has 'first profile' on key 8";
        EXPECT_EQ(mouse.keyDown(8).profile, 1);
    }
    // The firmware keeps the profile in its memory, so it lasts across runs.
    EmulatedMouse again(clock, keptIn(state));
    EXPECT_EQ(again.profile(), 1);
    EXPECT_EQ(again.memory(1, 1), (Bytes{(1 << 5) | 3}));
}

TEST(EmulatedMouseKeys, ARefreshTakesTheProfileAndLevelTheDownloadWrote) {
    ManualClock clock;
    EmulatedMouse mouse(clock, {});
    for (const auto& [address, value] : {std::pair{1, (2 << 5) | 3}, std::pair{24, 0x18 + 4}}) {
        mouse.setFeature(access(0x03, 0, static_cast<std::uint16_t>(address),
                                static_cast<std::uint8_t>(value), 0));
        mouse.setFeature(access(0x09, 0, static_cast<std::uint16_t>(address), 0, 0));
        mouse.setFeature(access(0x00, 0, 0, 0, 0));
    }
    EXPECT_EQ(mouse.profile(), 0) << "taken at the refresh, not before";
    mouse.setFeature(access(0x10, 0, 0, 0, 0));
    EXPECT_EQ(mouse.profile(), 2);
    EXPECT_EQ(mouse.dpiLevel(), 4);
    EXPECT_TRUE(mouse.protocolErrors().empty());
}

TEST(EmulatedMouseInput, UnpluggingWakesAWaitingReaderWithAFailure) {
    ManualClock clock;
    EmulatedMouse mouse(clock, {});
    hid::InputRead read;
    std::thread reader([&] {
        Bytes buffer(8);
        read = mouse.readInput(buffer, std::chrono::seconds(30));
    });
    mouse.setConnected(false);
    reader.join();
    EXPECT_EQ(read.status, hid::InputRead::Status::Failed);
    EXPECT_FALSE(mouse.setFeature(command(0x20)));
}

TEST(EmulatedMouseState, KeepsItsMemoryInTheStateFileAcrossRuns) {
    const auto state = scratch("memory.bin");
    std::filesystem::remove(state);
    ManualClock clock;
    {
        EmulatedMouse mouse(clock, keptIn(state));
        mouse.setFeature(access(0x03, 0, 0xFFFE, 0x5A, 1));
        mouse.setFeature(access(0x03, 1, 0xFFFE, 0xA5, 1));
        mouse.setFeature(access(0x09, 0, 0xFFFE, 0, 1));
    }
    const auto raw = fileops::readFile(state);
    ASSERT_TRUE(raw.has_value());
    ASSERT_EQ(raw->size(), 65536u);
    EXPECT_EQ(static_cast<std::uint8_t>((*raw)[0xFFFE]), 0x5A);
    EmulatedMouse again(clock, keptIn(state));
    EXPECT_EQ(again.memory(0xFFFE, 2), (Bytes{0x5A, 0xA5}));
    EXPECT_TRUE(again.protocolErrors().empty());
}

TEST(EmulatedMouseState, StartsClearedAndSaysSoWhenTheStateFileHasTheWrongSize) {
    const auto state = scratch("short.bin");
    ASSERT_TRUE(fileops::writeFileAtomically(state, "abc"));
    ManualClock clock;
    EmulatedMouse mouse(clock, keptIn(state));
    EXPECT_EQ(mouse.memory(0, 3), (Bytes{0, 0, 0}));
    ASSERT_EQ(mouse.protocolErrors().size(), 1u);
    EXPECT_NE(mouse.protocolErrors()[0].find("3 bytes"), std::string::npos);
}

TEST(EmulatedMouseLog, WritesOneLinePerReportWithItsTimeKindAndBytes) {
    const auto logFile = scratch("reports.log");
    ManualClock clock;
    {
        EmulatedMouse::Options options;
        options.featureReportLength = 8;
        options.reportLog = logFile;
        EmulatedMouse mouse(clock, options);
        mouse.setFeature(Bytes{7, 0x20, 0, 0, 0, 0, 0, 0});
        clock.sleepFor(std::chrono::microseconds(2500));
        Bytes reply(8, 0);
        reply[0] = 7;
        mouse.getFeature(reply);
        mouse.pressKey(1);
        Bytes input(8);
        mouse.readInput(input, std::chrono::milliseconds(0));
    }
    std::ifstream in(logFile);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "0.000 SET 07 20 00 00 00 00 00 00",
                         "2.500 GET 07 00 00 00 00 00 00 00",
                         "2.500 IN 06 f1 00 00 00 00 00 00",
                     }));
}

}  // namespace
}  // namespace karvo::sim
