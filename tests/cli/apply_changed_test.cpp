// karvoctl apply writes only the changed blocks once it knows what the emulated mouse holds: a
// user's change with `set`, then `apply`, then the bytes in the state file and `verify`; and it
// writes everything the first time, with --full, when the state file was changed behind its
// back, and when its record beside the state file is damaged.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "cli_fixture.h"

namespace karvo::testing {
namespace {

// "applied: S of T blocks (the changed ones) ..." or "applied: S blocks ... (everything: why)".
struct Applied {
    int sent = -1;
    int total = -1;
    bool changedOnly = false;
};
Applied parse(const std::string& out) {
    std::smatch m;
    Applied a;
    if (std::regex_search(out, m, std::regex(R"(applied: (\d+) of (\d+) blocks \(the changed)"))) {
        a = {std::stoi(m[1]), std::stoi(m[2]), true};
    } else if (std::regex_search(out, m, std::regex(R"(applied: (\d+) blocks .*\(everything: )"))) {
        a.sent = a.total = std::stoi(m[1]);
    }
    return a;
}

std::filesystem::path record(const CliFixture& cli) {
    return cli.state().string() + ".last-image";
}

TEST(KarvoctlApplyChanged, OneSettingIsOneBlockAndTheMouseMatchesTheComputedImage) {
    CliFixture cli;
    const CliResult first = cli.sim({"apply"});
    ASSERT_EQ(first.code, 0) << first.err;
    const Applied all = parse(first.out);
    EXPECT_FALSE(all.changedOnly) << first.out;
    EXPECT_NE(first.out.find("no complete write to compare with since the mouse was connected"),
              std::string::npos)
        << first.out;
    EXPECT_TRUE(std::filesystem::exists(record(cli)));

    ASSERT_EQ(cli.run({"set", "dpi", "2", "9"}).code, 0);
    const CliResult second = cli.sim({"apply"});
    ASSERT_EQ(second.code, 0) << second.err;
    const Applied changed = parse(second.out);
    EXPECT_TRUE(changed.changedOnly) << second.out;
    EXPECT_EQ(changed.sent, 1);
    EXPECT_EQ(changed.total, all.total);

    const CliResult verify = cli.sim({"verify"});
    EXPECT_EQ(verify.code, 0) << verify.out;
    ASSERT_EQ(cli.run({"image", "--bin", (cli.dir / "image.bin").string()}).code, 0);
    EXPECT_TRUE(cli.dir.read("image.bin") == cli.stateBytes());

    // A new macro on a button moves the macros, a change of button function too: still only
    // part of the blocks, and still the computed image.
    ASSERT_EQ(cli.run({"set", "button", "1", "3", "258"}).code, 0);
    const CliResult third = cli.sim({"--json", "apply"});
    ASSERT_EQ(third.code, 0) << third.err;
    EXPECT_NE(third.out.find(R"("changedOnly":true)"), std::string::npos) << third.out;
    EXPECT_EQ(cli.sim({"verify"}).code, 0);
    ASSERT_EQ(cli.run({"image", "--bin", (cli.dir / "image.bin").string()}).code, 0);
    EXPECT_TRUE(cli.dir.read("image.bin") == cli.stateBytes());
}

TEST(KarvoctlApplyChanged, WritesEverythingWhenAskedOrWhenTheMouseChangedBehindItsBack) {
    CliFixture cli;
    ASSERT_EQ(cli.sim({"apply", "--quiet"}).code, 0);

    const CliResult full = cli.sim({"apply", "--full"});
    ASSERT_EQ(full.code, 0) << full.err;
    EXPECT_NE(full.out.find("(everything: a complete write was asked for)"), std::string::npos)
        << full.out;

    // Another program wrote the DPI block: the record no longer describes the mouse.
    std::string memory = cli.stateBytes();
    memory[20] = static_cast<char>(memory[20] ^ 0x5A);
    cli.dir.write("state.bin", memory);
    const CliResult after = cli.sim({"apply"});
    ASSERT_EQ(after.code, 0) << after.err;
    EXPECT_FALSE(parse(after.out).changedOnly) << after.out;
    EXPECT_NE(after.err.find("connected again, or its memory changed"), std::string::npos)
        << after.err;
    EXPECT_EQ(cli.sim({"verify"}).code, 0);

    // A damaged record is said once and costs a complete write, nothing else.
    cli.dir.write("state.bin.last-image", "karvo written image 1\ngarbage");
    const CliResult damaged = cli.sim({"apply"});
    ASSERT_EQ(damaged.code, 0) << damaged.err;
    EXPECT_FALSE(parse(damaged.out).changedOnly);
    EXPECT_NE(damaged.err.find("is damaged; writing everything"), std::string::npos) << damaged.err;
    EXPECT_TRUE(parse(cli.sim({"apply"}).out).changedOnly);
}

TEST(KarvoctlApplyChanged, WithoutAStateFileEveryRunIsANewMouse) {
    CliFixture cli;
    ASSERT_EQ(cli.run({"--simulate", "apply"}).code, 0);
    const CliResult again = cli.run({"--simulate", "apply"});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_FALSE(parse(again.out).changedOnly) << again.out;
}

}  // namespace
}  // namespace karvo::testing
