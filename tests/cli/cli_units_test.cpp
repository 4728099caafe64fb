// The small parts of karvoctl on their own: number parsing, option taking, the global options,
// address range merging, hex dumps, JSON output and the progress bar.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "cli/global_options.h"
#include "cli/hex_format.h"
#include "cli/json_writer.h"
#include "cli/progress_bar.h"

namespace karvo::cli {
namespace {

TEST(Arguments, NumbersAreDecimalOrHexAndNothingElse) {
    const struct {
        const char* text;
        std::optional<std::int64_t> value;
    } cases[] = {
        {"0", 0},
        {"65535", 65535},
        {"0x10", 16},
        {"0XfF", 255},
        {"007", 7},
        {"4294967295", 0xFFFFFFFF},
        {"4294967296", std::nullopt},
        {"0x100000000", std::nullopt},
        {"", std::nullopt},
        {"0x", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"1 ", std::nullopt},
        {"1e3", std::nullopt},
        {"0x1g", std::nullopt},
        {"１", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Arguments::parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(Arguments, OptionsAreTakenFromAnywhereInEitherSpelling) {
    Arguments args({"--bin", "a.bin", "x", "--blocks=b.txt", "--quiet", "y"});
    EXPECT_EQ(args.option("--blocks"), "b.txt");
    EXPECT_EQ(args.option("--bin"), "a.bin");
    EXPECT_EQ(args.option("--variant"), std::nullopt);
    EXPECT_TRUE(args.flag("--quiet"));
    EXPECT_FALSE(args.flag("--quiet"));
    EXPECT_EQ(args.next("A"), "x");
    EXPECT_EQ(args.next("B"), "y");
    EXPECT_NO_THROW(args.finish());
    EXPECT_THROW(args.next("C"), CliError);
}

TEST(Arguments, AWordAfterDoubleDashIsAPositionalEvenWithDashes) {
    Arguments args({"--", "--odd-name.dat"});
    EXPECT_FALSE(args.flag("--odd-name.dat"));
    EXPECT_EQ(args.next("FILE"), "--odd-name.dat");
}

TEST(Arguments, LeftoverOptionsAreReportedAsUnknown) {
    Arguments args({"--fast"});
    try {
        args.finish();
        FAIL() << "no error";
    } catch (const CliError& e) {
        EXPECT_EQ(e.exitCode(), kExitUsage);
        EXPECT_STREQ(e.what(), "unknown option --fast");
    }
}

TEST(GlobalOptions, AreReadAnywhereOnTheLineAndTheRestIsLeftToTheCommand) {
    const auto o = GlobalOptions::parse({"--data", "/d", "--simulate=s.bin", "read", "--quiet",
                                         "--report-log=l.txt", "0x10", "-ctrl", "--json", "1"});
    EXPECT_EQ(o.dataFolder, std::filesystem::path("/d"));
    EXPECT_TRUE(o.simulate);
    EXPECT_EQ(o.stateFile, "s.bin");
    EXPECT_EQ(o.reportLog, "l.txt");
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.command, "read");
    // The command's own options and words that only start with a dash stay with it.
    EXPECT_EQ(o.words, (std::vector<std::string>{"--quiet", "0x10", "-ctrl", "1"}));

    // "--" ends the options: what follows is the command's, as it stands.
    const auto ended = GlobalOptions::parse({"macro", "--", "-h", "--json"});
    EXPECT_FALSE(ended.help);
    EXPECT_FALSE(ended.json);
    EXPECT_EQ(ended.words, (std::vector<std::string>{"--", "-h", "--json"}));
    const auto version = GlobalOptions::parse({"show", "-V"});
    EXPECT_TRUE(version.version);

    const auto plain = GlobalOptions::parse({"--simulate", "status"});
    EXPECT_TRUE(plain.simulate);
    EXPECT_TRUE(plain.stateFile.empty());
    EXPECT_THROW(GlobalOptions::parse({"--simulate", "--report-log"}), CliError);
    EXPECT_THROW(GlobalOptions::parse({"--quiet", "apply"}), CliError);  // unknown before it
    EXPECT_THROW(GlobalOptions::parse({"show", "--data"}), CliError);
}

TEST(HexFormat, RangesMergeWhenTheyOverlapOrTouch) {
    const struct {
        std::vector<AddressRange> in;
        std::vector<AddressRange> out;
    } cases[] = {
        {{}, {}},
        {{{8, 16}, {16, 24}}, {{8, 24}}},
        {{{104, 112}, {110, 112}}, {{104, 112}}},
        {{{24, 32}, {1, 2}, {8, 16}}, {{1, 2}, {8, 16}, {24, 32}}},
        {{{5, 5}, {3, 4}}, {{3, 4}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexFormat::merge(c.in), c.out);
}

TEST(HexFormat, DumpLinesHoldSixteenBytesFromTheirAddress) {
    std::vector<std::uint8_t> bytes(18);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 15);
    EXPECT_EQ(HexFormat::dump(0x1F, bytes),
              "0x001f  00 0f 1e 2d 3c 4b 5a 69 78 87 96 a5 b4 c3 d2 e1\n"
              "0x002f  f0 ff\n");
    EXPECT_EQ(HexFormat::dump(0, {}), "");
}

TEST(JsonWriter, NestedValuesGetTheirCommasAndStringsTheirEscapes) {
    std::ostringstream out;
    {
        JsonWriter json(out);
        json.beginObject().key("a").value(1).key("list").beginArray();
        json.value("x\"y\\z\n").beginObject().endObject().value(true).null();
        json.endArray().key("tab\t").value(std::string_view("\x01")).endObject();
    }
    EXPECT_EQ(out.str(), R"({"a":1,"list":["x\"y\\z\n",{},true,null],"tab\t":"\u0001"})"
                         "\n");
}

TEST(ProgressBar, FillsInProportionAndStaysSilentOffATerminal) {
    EXPECT_EQ(ProgressBar::render("apply", 0, 10),
              "apply [------------------------------]   0% 0/10");
    EXPECT_EQ(ProgressBar::render("apply", 5, 10),
              "apply [###############---------------]  50% 5/10");
    EXPECT_EQ(ProgressBar::render("x", 3, 0), "x [##############################] 100% 3/0");
    std::ostringstream err;
    {
        ProgressBar bar(err, false, "apply");
        bar.update(1, 2);
    }
    EXPECT_EQ(err.str(), "");
    {
        ProgressBar bar(err, true, "apply");
        bar.update(1, 300);
        bar.update(2, 300);  // the same percentage: not drawn again
        bar.update(3, 300);
    }
    EXPECT_EQ(err.str(), "\r" + ProgressBar::render("apply", 1, 300) + "\r" +
                             ProgressBar::render("apply", 3, 300) + "\n");
}

}  // namespace
}  // namespace karvo::cli
