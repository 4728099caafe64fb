// The feature-report transport against the emulated mouse: every report of a sequence byte for
// byte and in order, the pauses between them as time stamps of the manual clock, the rules of
// the held-key and button state, failures of single exchanges, and commands sent from several
// threads at once.
#include "device/device_link.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/device/mouse_on_desk.h"

namespace karvo::device {
namespace {

using karvo::testing::MouseOnDesk;
using Kind = sim::EmulatedMouse::LoggedReport::Kind;
using Bytes = std::vector<std::uint8_t>;

// "t=<ms> SET|GET <bytes 0..7>" for every exchange the mouse saw.
std::vector<std::string> trace(const sim::EmulatedMouse& mouse) {
    std::vector<std::string> lines;
    for (const auto& r : mouse.reports()) {
        char line[80];
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(r.at).count();
        int n = std::snprintf(line, sizeof line, "t=%lld %s", static_cast<long long>(us / 1000),
                              r.kind == Kind::Set   ? "SET"
                              : r.kind == Kind::Get ? "GET"
                                                    : "IN");
        for (std::size_t i = 0; i < 8 && i < r.bytes.size(); ++i) {
            n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), " %02x",
                               r.bytes[i]);
        }
        lines.emplace_back(line);
    }
    return lines;
}

TEST(WriteBlock, OfOneByteSendsDataCommitAndEndWithTheirPauses) {
    MouseOnDesk desk;
    desk.attach();
    const Bytes data{0x2a};
    ASSERT_TRUE(desk.link.writeBlock(0x0001, data));
    EXPECT_EQ(trace(*desk.mouse), (std::vector<std::string>{
                                      "t=0 SET 07 18 03 00 01 00 2a 00",
                                      "t=4 SET 07 18 09 00 01 00 00 00",
                                      "t=6 SET 07 18 00 00 01 00 00 00",
                                  }));
    EXPECT_EQ(desk.mouse->memory(1, 1), data);
    EXPECT_TRUE(desk.mouse->protocolErrors().empty());
}

TEST(WriteBlock, SendsEveryReportAtTheFullFeatureLength) {
    sim::EmulatedMouse::Options options;
    options.featureReportLength = 33;
    MouseOnDesk desk(options);
    desk.attach();
    ASSERT_TRUE(desk.link.writeBlock(0x10, Bytes{1, 2, 3}));
    for (const auto& r : desk.mouse->reports())
        EXPECT_EQ(r.bytes.size(), 33u);
    EXPECT_TRUE(desk.mouse->protocolErrors().empty());
}

TEST(WriteBlock, StoresBlocksOfEveryLengthAndPlaceInNPlusTwoReports) {
    struct Case {
        std::uint16_t address;
        std::size_t length;
    };
    for (const Case c :
         {Case{0, 1}, Case{16, 8}, Case{0x1234, 255}, Case{0xFF00, 256}, Case{0xFFFF, 1}}) {
        MouseOnDesk desk;
        desk.attach();
        Bytes data(c.length);
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<std::uint8_t>(i * 7 + 1);
        ASSERT_TRUE(desk.link.writeBlock(c.address, data)) << c.address << "/" << c.length;
        EXPECT_EQ(desk.mouse->memory(c.address, c.length), data) << c.address << "/" << c.length;
        EXPECT_EQ(desk.sets().size(), c.length + 2);
        EXPECT_EQ(desk.sets().back()[7], 0) << "end report carries no length";
        EXPECT_EQ(desk.clock.elapsed(), std::chrono::milliseconds(6));
        EXPECT_TRUE(desk.mouse->protocolErrors().empty());
    }
}

TEST(WriteBlock, RefusesBlocksTheLengthByteCannotCarryOrThatRunPastMemory) {
    MouseOnDesk desk;
    desk.attach();
    EXPECT_FALSE(desk.link.writeBlock(0, Bytes{}));
    EXPECT_FALSE(desk.link.writeBlock(0, Bytes(257, 1)));
    EXPECT_FALSE(desk.link.writeBlock(0xFFFF, Bytes{1, 2}));
    EXPECT_TRUE(desk.mouse->reports().empty());
}

TEST(WriteBlock, NeverLeavesAPartlyWrittenBlockWhenAnExchangeFails) {
    // A block of 4 is 6 exchanges; fail each one in turn.
    for (std::size_t failing = 0; failing < 6; ++failing) {
        MouseOnDesk desk;
        desk.attach();
        const Bytes old{9, 9, 9, 9};
        desk.mouse->setMemory(0x20, old);
        desk.mouse->failExchangeAfter(failing);
        const Bytes data{1, 2, 3, 4};
        EXPECT_FALSE(desk.link.writeBlock(0x20, data)) << "failing exchange " << failing;
        const Bytes now = desk.mouse->memory(0x20, 4);
        EXPECT_TRUE(now == old || now == data) << "failing exchange " << failing;
        if (failing < 4) {
            EXPECT_EQ(now, old) << "no commit may follow a lost data report";
            EXPECT_EQ(desk.sets().back(), (Bytes{7, 0x18, 0, 0, 0x20, 0, 0, 0}));
        }
        EXPECT_TRUE(desk.mouse->protocolErrors().empty()) << desk.mouse->protocolErrors()[0];
        // The next block goes through.
        EXPECT_TRUE(desk.link.writeBlock(0x20, data));
        EXPECT_EQ(desk.mouse->memory(0x20, 4), data);
    }
}

TEST(ReadBlock, OfEightBytesSelectsEndsReadsAndEndsAtAddressZero) {
    MouseOnDesk desk;
    desk.attach();
    const Bytes stored{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    desk.mouse->setMemory(0x0310, stored);
    Bytes out(8);
    ASSERT_TRUE(desk.link.readBlock(0x0310, out));
    EXPECT_EQ(out, stored);

    std::vector<std::string> expected;
    char line[80];
    for (int i = 0; i < 8; ++i) {
        std::snprintf(line, sizeof line, "t=%d SET 07 18 03 %02x 10 03 00 07", 2 * i, i);
        expected.emplace_back(line);
    }
    expected.emplace_back("t=18 SET 07 18 00 00 10 03 00 00");
    for (int i = 0; i < 8; ++i) {
        std::snprintf(line, sizeof line, "t=%d SET 07 18 05 %02x 10 03 00 07", 18 + 2 * i, i);
        expected.emplace_back(line);
        std::snprintf(line, sizeof line, "t=%d GET 07 %02x 00 00 00 00 00 00", 20 + 2 * i,
                      stored[static_cast<std::size_t>(i)]);
        expected.emplace_back(line);
    }
    expected.emplace_back("t=36 SET 07 18 00 00 00 00 00 00");
    EXPECT_EQ(trace(*desk.mouse), expected);
    EXPECT_TRUE(desk.mouse->protocolErrors().empty());
}

TEST(ReadBlock, ReportsFailureInsteadOfPassingAnOldByteOffAsData) {
    // A block of 2 is 2 selects, an end, two read/GET pairs and a final end: 8 exchanges.
    for (std::size_t failing = 0; failing < 8; ++failing) {
        MouseOnDesk desk;
        desk.attach();
        desk.mouse->setMemory(0x40, Bytes{0xAB, 0xCD});
        desk.mouse->failExchangeAfter(failing);
        Bytes out(2);
        EXPECT_FALSE(desk.link.readBlock(0x40, out)) << "failing exchange " << failing;
        EXPECT_TRUE(desk.mouse->protocolErrors().empty()) << desk.mouse->protocolErrors()[0];
        if (failing < 7) {
            EXPECT_EQ(desk.sets().back(), (Bytes{7, 0x18, 0, 0, 0, 0, 0, 0}));
        }
        ASSERT_TRUE(desk.link.readBlock(0x40, out));
        EXPECT_EQ(out, (Bytes{0xAB, 0xCD}));
    }
}

TEST(ReadBlock, FailsOnRepliesTooShortToCarryData) {
    MouseOnDesk desk;
    desk.attach();
    desk.mouse->cutRepliesTo(1);
    Bytes out(4);
    EXPECT_FALSE(desk.link.readBlock(0, out));
}

TEST(Refresh, SendsTheRefreshFlagThenAnEmptyReportFiveMillisecondsLater) {
    MouseOnDesk desk;
    desk.attach();
    EXPECT_TRUE(desk.link.sendRefresh());
    EXPECT_EQ(trace(*desk.mouse), (std::vector<std::string>{
                                      "t=0 SET 07 18 10 00 00 00 00 00",
                                      "t=5 SET 07 18 00 00 00 00 00 00",
                                  }));
    EXPECT_EQ(desk.mouse->refreshCount(), 1);
}

TEST(QueryStatus, ReadsTheProfileFromBitsTwoAndThreeOfByteSix) {
    for (int profile = 0; profile < 4; ++profile) {
        MouseOnDesk desk;
        desk.attach();
        desk.mouse->setProfile(profile);
        EXPECT_EQ(desk.link.queryStatus(), profile);
    }
}

TEST(QueryStatus, GivesNothingWhenTheReplyFailsOrLacksTheStatusByte) {
    MouseOnDesk desk;
    desk.attach();
    desk.mouse->setProfile(3);
    ASSERT_EQ(desk.link.queryStatus(), 3);
    desk.mouse->setProfile(1);
    desk.mouse->failExchangeAfter(0);
    EXPECT_EQ(desk.link.queryStatus(), std::nullopt) << "the old reply still in the buffer says 3";
    desk.mouse->cutRepliesTo(6);
    EXPECT_EQ(desk.link.queryStatus(), std::nullopt);
}

// A single-report command from a fresh link, whose report buffer is all zero.
struct CommandCase {
    const char* name;
    bool (*send)(DeviceLink&);
    Bytes expected;  // bytes 0..7
};

TEST(SingleCommands, SendTheirBytesInTheirPlaces) {
    const CommandCase cases[] = {
        {"pointer move",
         [](DeviceLink& l) { return l.sendPointerMove(0x123, -2); },
         {7, 0x0B, 0x01, 0x23, 0xFF, 0xFE, 0, 0}},
        {"pointer move beyond 16 bits",
         [](DeviceLink& l) { return l.sendPointerMove(40000, -40000); },
         {7, 0x0B, 0x7F, 0xFF, 0x80, 0x00, 0, 0}},
        {"pointer step of type 3",
         [](DeviceLink& l) { return l.pointerMove(3, 1, 0); },
         {7, 0x0B, 0xFF, 0xFF, 0, 0, 0, 0}},
        {"pointer step of type 4",
         [](DeviceLink& l) { return l.pointerMove(4, 2, 3); },
         {7, 0x0B, 0xFF, 0xFE, 0, 3, 0, 0}},
        {"pointer step of type 5",
         [](DeviceLink& l) { return l.pointerMove(5, 2, 3); },
         {7, 0x0B, 0, 2, 0xFF, 0xFD, 0, 0}},
        {"pointer step of type 6",
         [](DeviceLink& l) { return l.pointerMove(6, 2, 3); },
         {7, 0x0B, 0, 2, 0, 3, 0, 0}},
        {"pointer step of unknown type",
         [](DeviceLink& l) { return l.pointerMove(7, 2, 3); },
         {7, 0x0B, 0, 0, 0, 0, 0, 0}},
        {"key function",
         [](DeviceLink& l) { return l.sendKeyFunction(5, 0x21); },
         {7, 0x10, 5, 0x21, 0, 0, 0, 0}},
        {"host macro button pressed",
         [](DeviceLink& l) { return l.sendHostMacroButton(true); },
         {7, 0x11, 2, 0, 0, 0, 0, 0}},
        {"host macro button released",
         [](DeviceLink& l) { return l.sendHostMacroButton(false); },
         {7, 0x11, 0, 0, 0, 0, 0, 0}},
        {"lighting",
         [](DeviceLink& l) {
             LightingEffect e;
             e.LED_USER_COLER_EN = true;
             e.colourMask = 0x05;
             e.b = true;
             e.effectType = 3;
             e.f = true;
             e.cycleTime = 10;
             e.LED_FEATURE_SCOLOR = true;
             e.LED_FEATURE_DIREC = 2;
             e.LED_BRIGHT = 9;
             return l.sendLighting(e);
         },
         {7, 0x13, 0x85, 0xBA, 0xA7, 0x01, 0x00, 0x02}},
        {"lighting with out-of-range fields",
         [](DeviceLink& l) {
             LightingEffect e;
             e.colourMask = 0xFF;
             e.effectType = 9;
             e.LED_FEATURE_SYMMETRY = true;
             e.LED_FEATURE_DIREC = 7;
             e.v = 0x3FF;
             return l.sendLighting(e);
         },
         {7, 0x13, 0x7F, 0x10, 0x77, 0x00, 0x03, 0xFF}},
        {"DPI colour",
         [](DeviceLink& l) { return l.sendDpiColour(5, 15, 3, 1); },
         {7, 0x14, 0xA3, 0xF1, 0, 0, 0, 0}},
        {"consumer usage",
         [](DeviceLink& l) { return l.sendConsumerUsage(0x01E9); },
         {7, 0x17, 0x01, 0xE9, 0, 0, 0, 0}},
        {"closing", [](DeviceLink& l) { return l.sendClosing(); }, {7, 0x20, 0, 0, 0, 0, 0, 0}},
    };
    for (const CommandCase& c : cases) {
        MouseOnDesk desk;
        desk.attach();
        EXPECT_TRUE(c.send(desk.link)) << c.name;
        ASSERT_EQ(desk.sets().size(), 1u) << c.name;
        EXPECT_EQ(desk.sets()[0], c.expected) << c.name;
        EXPECT_TRUE(desk.mouse->protocolErrors().empty()) << c.name;
    }
}

TEST(SingleCommands, LeaveTheBytesTheyDoNotListAsThePreviousReportLeftThem) {
    MouseOnDesk desk;
    desk.attach();
    ASSERT_TRUE(desk.link.sendPointerMove(0x0102, 0x0304));
    ASSERT_TRUE(desk.link.sendDpiColour(1, 2, 3, 4));
    ASSERT_TRUE(desk.link.sendConsumerUsage(0xABCD));
    ASSERT_TRUE(desk.link.keyEvent(0xF1, true));
    EXPECT_EQ(desk.sets()[1], (Bytes{7, 0x14, 0x23, 0x24, 0x03, 0x04, 0, 0}));
    EXPECT_EQ(desk.sets()[2], (Bytes{7, 0x17, 0xAB, 0xCD, 0x03, 0x04, 0, 0}));
    EXPECT_EQ(desk.sets()[3], (Bytes{7, 0x16, 0xAB, 0xFE, 0x03, 0x04, 0, 0}));
}

TEST(SingleCommands, ThatTestTheHandleSendNothingWithoutOne) {
    MouseOnDesk desk;  // never attached
    EXPECT_FALSE(desk.link.sendKeyFunction(1, 2));
    EXPECT_FALSE(desk.link.sendHostMacroButton(true));
    EXPECT_FALSE(desk.link.sendClosing());
    EXPECT_FALSE(desk.link.sendRefresh());
    EXPECT_EQ(desk.link.queryStatus(), std::nullopt);
    EXPECT_FALSE(desk.link.writeBlock(0, Bytes{1}));
    EXPECT_TRUE(desk.mouse->reports().empty());
}

TEST(KeyList, FollowsPressAndReleaseRules) {
    struct Step {
        std::uint8_t code;
        bool pressed;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::array<std::uint8_t, 6> expected;
    };
    const Case cases[] = {
        {"presses fill slots in order", {{4, true}, {5, true}}, {4, 5, 0, 0, 0, 0}},
        {"a release packs the later slots down",
         {{4, true}, {5, true}, {6, true}, {7, true}, {6, false}},
         {4, 5, 7, 0, 0, 0}},
        {"a seventh key is ignored",
         {{1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}, {7, true}},
         {1, 2, 3, 4, 5, 6}},
        {"releasing the ignored seventh key keeps the sixth held",
         {{1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}, {7, true}, {7, false}},
         {1, 2, 3, 4, 5, 6}},
        {"only the first of two equal codes goes",
         {{9, true}, {9, true}, {9, false}},
         {9, 0, 0, 0, 0, 0}},
        {"a release of a key never pressed changes nothing",
         {{4, true}, {8, false}},
         {4, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        MouseOnDesk desk;
        desk.attach();
        for (const Step& s : c.steps)
            EXPECT_TRUE(desk.link.keyEvent(s.code, s.pressed));
        EXPECT_EQ(desk.link.pressedKeys(), c.expected) << c.name;
        const Bytes last = desk.sets().back();
        EXPECT_EQ(last[1], 0x15) << c.name;
        EXPECT_TRUE(std::equal(c.expected.begin(), c.expected.end(), last.begin() + 2)) << c.name;
        EXPECT_EQ(desk.sets().size(), c.steps.size()) << c.name << ": one report per step";
    }
}

TEST(ButtonState, ClearsABitOnPressAndSetsItOnRelease) {
    struct Case {
        std::uint8_t code;
        std::uint8_t pressedState;
    };
    for (const Case c : {Case{0xF1, 0xFE}, Case{0xF3, 0xFD}, Case{0xF2, 0xFB}, Case{0xF0, 0xFF},
                         Case{0xF4, 0xFF}, Case{0xFF, 0xFF}}) {
        MouseOnDesk desk;
        desk.attach();
        EXPECT_TRUE(desk.link.keyEvent(c.code, true));
        EXPECT_EQ(desk.sets().back()[1], 0x16);
        EXPECT_EQ(desk.sets().back()[3], c.pressedState) << int{c.code};
        EXPECT_TRUE(desk.link.keyEvent(c.code, false));
        EXPECT_EQ(desk.sets().back()[3], 0xFF) << int{c.code};
    }
}

TEST(ButtonState, SendsNothingForThePointerStepCode) {
    MouseOnDesk desk;
    desk.attach();
    EXPECT_FALSE(desk.link.keyEvent(0xF6, true));
    EXPECT_TRUE(desk.mouse->reports().empty());
}

TEST(ReleaseAll, LetsGoOfButtonsThenKeysWithTenMillisecondsAroundTheButtons) {
    MouseOnDesk desk;
    desk.attach();
    ASSERT_TRUE(desk.link.keyEvent(0xF1, true));
    ASSERT_TRUE(desk.link.keyEvent(0xF2, true));
    ASSERT_TRUE(desk.link.keyEvent(0x04, true));
    desk.mouse->clearLog();
    EXPECT_TRUE(desk.link.releaseAll());
    EXPECT_EQ(trace(*desk.mouse), (std::vector<std::string>{
                                      "t=10 SET 07 16 04 ff 00 00 00 00",
                                      "t=20 SET 07 15 00 00 00 00 00 00",
                                  }));
    EXPECT_EQ(desk.link.buttonState(), 0xFF);
    EXPECT_EQ(desk.link.pressedKeys(), (std::array<std::uint8_t, 6>{}));
}

TEST(ConsumerUsage, GoesOutAsReportSevenEvenAsTheFirstCommandOfARun) {
    MouseOnDesk desk;
    desk.attach();
    EXPECT_TRUE(desk.link.sendConsumerUsage(0x00CD));
    EXPECT_EQ(desk.sets()[0][0], 7);
    EXPECT_TRUE(desk.mouse->protocolErrors().empty());
}

TEST(CommandLock, KeepsEveryBlockWholeWhileOtherThreadsSendCommands) {
    MouseOnDesk desk;
    desk.attach();
    constexpr int kBlocks = 40;
    std::thread writer([&] {
        for (int b = 0; b < kBlocks; ++b) {
            const Bytes data(8, static_cast<std::uint8_t>(b));
            EXPECT_TRUE(desk.link.writeBlock(static_cast<std::uint16_t>(b * 8), data));
        }
    });
    std::thread reader([&] {
        for (int b = 0; b < kBlocks / 4; ++b) {
            Bytes out(4);
            EXPECT_TRUE(desk.link.readBlock(0x8000, out));
        }
    });
    std::thread player([&] {
        for (int i = 0; i < 200; ++i) {
            EXPECT_TRUE(desk.link.keyEvent(static_cast<std::uint8_t>(4 + i % 6), i % 2 == 0));
            EXPECT_TRUE(desk.link.keyEvent(0xF1, i % 2 == 0));
            EXPECT_TRUE(desk.link.pointerMove(6, i, i));
            EXPECT_TRUE(desk.link.queryStatus().has_value());
        }
    });
    writer.join();
    reader.join();
    player.join();
    EXPECT_TRUE(desk.mouse->protocolErrors().empty()) << desk.mouse->protocolErrors()[0];
    for (int b = 0; b < kBlocks; ++b) {
        EXPECT_EQ(desk.mouse->memory(static_cast<std::size_t>(b) * 8, 8),
                  Bytes(8, static_cast<std::uint8_t>(b)));
    }
    EXPECT_EQ(desk.mouse->liveCommands().size(), 600u);
}

}  // namespace
}  // namespace karvo::device
