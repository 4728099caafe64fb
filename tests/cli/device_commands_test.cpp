// The device commands against the emulated mouse: apply writes exactly the computed image,
// verify and read see the mouse's memory, the report log records the real exchanges, and the
// state file carries the memory from one command to the next.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "cli_fixture.h"
#include "device/sim/emulated_mouse.h"
#include "macro/macro_file.h"
#include "macro/macro_group.h"
#include "platform/notifier.h"

namespace karvo::testing {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The block writes as the mouse received them, rebuilt from the data reports and commits of a
// report log ("<ms> SET 07 18 03 i aL aH d n-1 ..."), in the "--blocks" line format.
std::vector<std::string> committedBlocks(const std::string& log) {
    std::vector<std::string> blocks;
    std::string pending;
    for (const std::string& line : linesOf(log)) {
        std::istringstream in(line);
        std::string ms, kind;
        in >> ms >> kind;
        std::vector<unsigned> b;
        for (std::string hex; in >> hex && b.size() < 8;)
            b.push_back(static_cast<unsigned>(std::stoul(hex, nullptr, 16)));
        if (kind != "SET" || b.size() < 8 || b[1] != 0x18)
            continue;
        if (b[2] == 0x03) {
            char digits[4];
            std::snprintf(digits, sizeof digits, "%02x", b[6]);
            pending += (pending.empty() ? "" : " ") + std::string(digits);
        } else if (b[2] == 0x09) {
            blocks.push_back(std::to_string(b[4] | (b[5] << 8)) + " " + pending);
            pending.clear();
        }
    }
    return blocks;
}

TEST(KarvoctlDevice, ImageBinEqualsTheEmulatedMousesMemoryAfterApply) {
    CliFixture cli;
    // Other settings than the shipped ones, so the image holds more than a fresh file's.
    ASSERT_EQ(cli.run({"set", "button", "2", "3", "257"}).code, 0);
    ASSERT_EQ(cli.run({"set", "dpi", "4", "16"}).code, 0);
    ASSERT_EQ(cli.run({"profile", "2"}).code, 0);

    const CliResult applied = cli.sim({"apply"});
    ASSERT_EQ(applied.code, 0) << applied.err;
    const auto bin = cli.dir / "image.bin";
    const CliResult image = cli.run({"image", "--bin", bin.string()});
    ASSERT_EQ(image.code, 0) << image.err;

    const std::string memory = cli.stateBytes();
    const std::string computed = cli.dir.read("image.bin");
    ASSERT_EQ(memory.size(), sim::EmulatedMouse::kMemorySize);
    ASSERT_EQ(computed.size(), sim::EmulatedMouse::kMemorySize);
    EXPECT_TRUE(memory == computed);
    EXPECT_NE(memory, std::string(memory.size(), '\0'));
}

TEST(KarvoctlDevice, BlocksFileListsTheWritesTheMouseReceivedInOrder) {
    CliFixture cli;
    const auto log = cli.dir / "reports.log";
    ASSERT_EQ(cli.sim({"--report-log", log.string(), "apply", "--quiet"}).code, 0);
    ASSERT_EQ(cli.run({"image", "--blocks", (cli.dir / "blocks.txt").string()}).code, 0);

    const auto blocks = linesOf(cli.dir.read("blocks.txt"));
    EXPECT_GT(blocks.size(), 80u);
    EXPECT_EQ(blocks, committedBlocks(cli.dir.read("reports.log")));
}

TEST(KarvoctlDevice, ReportLogLinesHaveTheLogFormatAndLaterCommandsAppend) {
    CliFixture cli;
    const auto log = cli.dir / "reports.log";
    ASSERT_EQ(cli.sim({"--report-log", log.string(), "status"}).code, 0);
    const auto first = linesOf(cli.dir.read("reports.log"));
    ASSERT_EQ(first.size(), 1u);  // the status query's reply
    ASSERT_EQ(cli.sim({"--report-log", log.string(), "read", "0", "1"}).code, 0);
    const auto both = linesOf(cli.dir.read("reports.log"));

    ASSERT_GT(both.size(), first.size());
    EXPECT_EQ(both.front(), first.front());
    const std::regex format(R"(\d+\.\d{3} (SET|GET|IN)( [0-9a-f]{2})+)");
    for (const std::string& line : both)
        EXPECT_TRUE(std::regex_match(line, format)) << line;
    // A read of one byte: select, end, read, its reply, end.
    EXPECT_NE(both[1].find(" SET 07 18 03 00 00 00 00 00"), std::string::npos) << both[1];
}

TEST(KarvoctlDevice, VerifyAfterApplyFindsEveryByteAndNamesTheOneThatDiffers) {
    CliFixture cli;
    ASSERT_EQ(cli.sim({"apply"}).code, 0);
    const CliResult same = cli.sim({"verify"});
    EXPECT_EQ(same.code, 0) << same.err;
    EXPECT_NE(same.out.find("verified: all "), std::string::npos);
    EXPECT_NE(same.err.find("verify: reading back "), std::string::npos);  // said beforehand

    // The mouse's copy of the DPI block loses one byte.
    std::string memory = cli.stateBytes();
    memory[20] = static_cast<char>(memory[20] ^ 0x5A);
    cli.dir.write("state.bin", memory);
    const CliResult differs = cli.sim({"verify"});
    EXPECT_EQ(differs.code, 1);
    EXPECT_NE(differs.out.find("0x0014: expected"), std::string::npos) << differs.out;
    EXPECT_NE(differs.out.find("differ: 1 of"), std::string::npos) << differs.out;

    const CliResult json = cli.sim({"--json", "verify"});
    EXPECT_EQ(json.code, 1);
    EXPECT_NE(json.out.find(R"("differences":[{"address":20,)"), std::string::npos) << json.out;
}

TEST(KarvoctlDevice, ReadShowsTheMemoryOfTheStateFileAtAnyAddress) {
    CliFixture cli;
    std::string memory(sim::EmulatedMouse::kMemorySize, '\0');
    for (std::size_t i = 0; i < 20; ++i)
        memory[0xFFEC + i] = static_cast<char>(0xA0 + i);
    cli.dir.write("state.bin", memory);

    const CliResult r = cli.sim({"read", "0xFFEC", "20"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "0xffec  a0 a1 a2 a3 a4 a5 a6 a7 a8 a9 aa ab ac ad ae af\n"
              "0xfffc  b0 b1 b2 b3\n");
    const CliResult json = cli.sim({"--json", "read", "65535", "1"});
    EXPECT_EQ(json.out, R"({"address":65535,"length":1,"bytes":"b3"})"
                        "\n");
    // Reading leaves the memory as it was.
    EXPECT_EQ(cli.stateBytes(), memory);
}

TEST(KarvoctlDevice, StateFileOfAnotherSizeIsRefusedAndLeftAlone) {
    CliFixture cli;
    cli.dir.write("state.bin", "not a memory image");
    const CliResult r = cli.sim({"status"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("holds 18 bytes, not the 65536"), std::string::npos) << r.err;
    EXPECT_EQ(cli.stateBytes(), "not a memory image");
}

TEST(KarvoctlDevice, ARefusedCommandLeavesNoStateFileBehind) {
    CliFixture cli;
    const CliResult r = cli.sim({"--report-log", (cli.dir / "no" / "log").string(), "status"});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(std::filesystem::exists(cli.state()));
}

TEST(KarvoctlDevice, StatusAndDevicesDescribeTheEmulatedMouse) {
    CliFixture cli;
    const CliResult status = cli.sim({"status"});
    EXPECT_EQ(status.code, 0);
    EXPECT_EQ(status.out, "mouse: found at sim:0/config\nvariant: 1 (product 2a17)\nprofile: 1\n");
    EXPECT_EQ(cli.sim({"--json", "status"}).out,
              R"({"found":true,"path":"sim:0/config","variant":1,"profile":1})"
              "\n");

    const CliResult devices = cli.sim({"devices"});
    EXPECT_EQ(devices.code, 0);
    const auto lines = linesOf(devices.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2],
              "sim:0/config  5e3d:2a17  usage ff01:0001  variant 1  ok  \"Karvo G7 Pro Gaming "
              "Mouse\"");
    EXPECT_NE(cli.sim({"--json", "devices"}).out.find(R"("usagePage":"ff00","usage":"0001")"),
              std::string::npos);
}

TEST(KarvoctlDevice, ApplyTellsWhatItWroteUnlessQuiet) {
    CliFixture cli;
    const CliResult loud = cli.sim({"apply"});
    EXPECT_EQ(loud.code, 0);
    EXPECT_NE(loud.out.find("applied: "), std::string::npos);
    EXPECT_EQ(loud.err, "");  // no terminal, so no progress bar
    const CliResult quiet = cli.sim({"apply", "--quiet"});
    EXPECT_EQ(quiet.code, 0);
    EXPECT_EQ(quiet.out, "");
}

// Three long macros with long waits (each wait takes filler entries) on buttons of the
// current profile need more memory than the mouse has.
void fillTheMouse(CliFixture& cli) {
    const MacVkAndText keys;
    RecordingNotifier notifier;
    MacroFile file(keys, 1);
    const auto folder = cli.skins() / "1_INI_EN";
    MacroGroup groups(file, notifier, folder / "macro", folder / "macroReset");
    groups.load();
    ASSERT_TRUE(groups.newGroup("Long"));
    for (int m = 0; m < 3; ++m) {
        MacroRecord r;
        r.setName("long " + std::to_string(m));
        r.repeatCount = 1;
        for (std::uint16_t i = 0; i < 250; ++i)
            r.steps[r.stepCount++] = {stepkind::kPress, static_cast<std::uint8_t>(4 + i % 20), 0, 0,
                                      static_cast<std::uint16_t>(300 + m)};
        ASSERT_TRUE(groups.addMacro(r));
    }
    // Macro m of group G (1-based) is function G * 256 + m.
    const int group = static_cast<int>(groups.groupCount());
    for (int m = 0; m < 3; ++m) {
        const CliResult set =
            cli.run({"set", "button", "1", std::to_string(2 + m), std::to_string(group * 256 + m)});
        ASSERT_EQ(set.code, 0) << set.err;
    }
}

TEST(KarvoctlDevice, ADownloadThatWouldOverrunTheMouseStopsWithTheNoticeInBothApplyAndImage) {
    CliFixture cli;
    fillTheMouse(cli);
    const std::string notice = "The macros do not fit into the memory of the mouse.";

    const CliResult applied = cli.sim({"apply"});
    EXPECT_EQ(applied.code, 1);
    EXPECT_NE(applied.err.find(notice), std::string::npos) << applied.err;
    EXPECT_NE(applied.err.find("stopped early"), std::string::npos) << applied.err;

    const CliResult image = cli.run({"image", "--bin", (cli.dir / "image.bin").string()});
    EXPECT_EQ(image.code, 1);
    EXPECT_NE(image.err.find(notice), std::string::npos) << image.err;
    // What was written up to the stop is the same in both.
    EXPECT_TRUE(cli.dir.read("image.bin") == cli.stateBytes());
}

}  // namespace
}  // namespace karvo::testing
