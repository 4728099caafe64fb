// karvoctl's contract at its edges: every bad invocation ends with its exit code and a message
// that names what was wrong, never a crash; help reaches every command; the man page keeps up
// with the help.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/help_text.h"
#include "cli/karvoctl.h"
#include "cli_fixture.h"
#include "platform/private_profile.h"

namespace karvo::testing {
namespace {

namespace fs = std::filesystem;

struct BadInvocation {
    std::vector<std::string> args;
    int code;
    std::string message;  // part of stderr
};

// Usage errors (2) print the usage line, failures (1) do not; neither changes the configuration.
const BadInvocation kBadInvocations[] = {
    {{}, 2, "no command given"},
    {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
    {{"--bogus", "status"}, 2, "unknown option --bogus"},
    {{"--data"}, 2, "--data needs a value"},
    {{"--data="}, 2, "--data needs a value"},
    {{"--json=yes", "show"}, 2, "--json takes no value"},
    {{"--simulate=", "status"}, 2, "--simulate= needs a state file"},
    {{"help", "nothing"}, 2, "no such command 'nothing'"},
    {{"status", "now"}, 2, "unexpected argument 'now'"},
    {{"read"}, 2, "missing ADDR"},
    {{"read", "0"}, 2, "missing LEN"},
    {{"read", "0x10000", "1"}, 2, "bad ADDR '0x10000'"},
    {{"read", "-1", "1"}, 2, "bad ADDR '-1'"},
    {{"read", "12abc", "1"}, 2, "bad ADDR '12abc'"},
    {{"read", "0x", "1"}, 2, "bad ADDR '0x'"},
    {{"read", " 1", "1"}, 2, "bad ADDR ' 1'"},
    {{"read", "0", "0"}, 2, "bad LEN '0'"},
    {{"read", "0", "99999999999999999999999"}, 2, "bad LEN"},
    {{"read", "0xFFFF", "2"}, 2, "runs past the end of the mouse's memory"},
    {{"apply", "--fast"}, 2, "unknown option --fast"},
    {{"image", "--variant", "2"}, 2, "bad --variant '2'"},
    {{"image", "--prev-end=70000"}, 2, "bad --prev-end '70000'"},
    {{"image", "--bin"}, 2, "--bin needs a value"},
    {{"image", "--blocks="}, 2, "--bin and --blocks need a file name"},
    {{"show", "5"}, 2, "bad PROFILE '5'"},
    {{"show", "1", "2"}, 2, "unexpected argument '2'"},
    {{"profile", "0"}, 2, "bad N '0'"},
    {{"set"}, 2, "missing SETTING"},
    {{"set", "colour", "1"}, 2, "unknown setting 'colour'"},
    {{"set", "dpi", "7", "3"}, 2, "bad LEVEL '7'"},
    {{"set", "dpi", "1", "--step", "17"}, 2, "bad STEP '17'"},
    {{"set", "dpi", "1", "abc"}, 2, "bad DPI 'abc'"},
    {{"set", "dpi", "1", "0dpi"}, 2, "bad DPI '0'"},
    {{"set", "dpi-colour", "1", "#12345"}, 2, "bad COLOUR '#12345': expected #rrggbb"},
    {{"set", "dpi-enabled", "1", "maybe"}, 2, "bad ENABLED 'maybe': expected on or off"},
    {{"set", "lighting", "sparkle"}, 2, "unknown EFFECT 'sparkle'"},
    {{"set", "lighting", "14"}, 2, "bad EFFECT '14'"},
    {{"set", "fire-time", "50s"}, 2, "bad MS '50s'"},
    {{"set", "button-lighting", "1", "1", "blink"}, 2, "bad REACTION 'blink'"},
    {{"set", "button", "1", "2", "frob"}, 2, "unknown FUNCTION 'frob'"},
    {{"set", "button", "1", "2", "macro", "Nope/None"}, 2, "no macro 'Nope/None'"},
    {{"set", "button", "1", "2", "macro"}, 2, "missing GROUP/NAME"},
    {{"set", "button", "1", "2", "preset", "Nope"}, 2, "no gun preset 'Nope'"},
    {{"set", "button", "1", "2", "key", "ctrl+foo"}, 2, "'foo' is no key"},
    {{"set", "button", "1", "2", "key", "a+b"}, 2, "one key besides ctrl, shift, alt and win"},
    {{"set", "button", "1", "2", "key", "mouse-left"}, 2, "'mouse-left' is no key"},
    {{"list"}, 2, "missing WHAT"},
    {{"list", "nothing"}, 2, "cannot list 'nothing'"},
    {{"macro", "create", "Office", "X", "+nokey"}, 2, "bad TEXT: word 1 '+nokey': unknown key"},
    {{"macro", "create", "Office", "X", "--repeat", "0"}, 2, "bad --repeat '0'"},
    {{"macro", "create", "Office", "Copy", "+a"}, 1, "already has a macro 'Copy'"},
    {{"macro", "edit", "Office", "Copy"}, 2, "missing TEXT"},
    {{"macro", "edit", "Office", "Copy", "--mode", "3"}, 2, "bad --mode '3'"},
    {{"macro", "rename-group", "Nope", "X"}, 1, "no macro group 'Nope'"},
    {{"completion", "tcsh"}, 2, "no completion for 'tcsh'"},
    {{"set", "dpi", "1", "3", "4"}, 2, "unexpected argument '4'"},
    {{"set", "dpi-colour", "1", "15", "16", "0"}, 2, "bad G '16'"},
    {{"set", "fire-time", "7"}, 2, "bad MS '7'"},
    {{"set", "button", "1", "9", "1"}, 2, "bad BUTTON '9'"},  // the mouse has 8 buttons
    {{"set", "button", "1", "2", "33"}, 2, "bad FUNCTION 33: a key combination is given as"},
    {{"set", "button", "1", "2", "45"}, 2, "bad FUNCTION 45"},
    {{"set", "button", "1", "2", "99"}, 2, "bad FUNCTION 99"},  // no such gun preset
    // No macro 48 of group 117; the code of macro M of group G is G * 256 + M - 1.
    {{"set", "button", "1", "2", "29999"},
     2,
     "bad FUNCTION 29999: no macro 48 in group 117 (macro M of group G is G * 256 + M - 1)"},
    {{"macro"}, 2, "missing macro command"},
    {{"macro", "frob", "1"}, 2, "unknown macro command 'frob'"},
    {{"macro", "rename", "1"}, 2, "missing MACRO"},
    {{"macro", "show", "1"}, 2, "missing MACRO"},
    {{"config"}, 2, "missing export, import or reset"},
    {{"config", "wipe"}, 2, "unknown config action 'wipe'"},
    {{"config", "reset", "now"}, 2, "unexpected argument 'now'"},
    {{"--data", "/nonexistent/karvo", "show"}, 1, "no configuration in /nonexistent/karvo"},
    {{"macro", "list", "../../config"}, 1, "no macro group '../../config'"},
    {{"macro", "list", "0"}, 1, "no macro group '0'"},
    {{"macro", "show", "1", "99"}, 1, "no macro '99' in group 'Office'"},
    // The file and the system's reason, not only that something could not be copied.
    {{"config", "import", "/nonexistent/config.ini"},
     1,
     "cannot read /nonexistent/config.ini: No such file or directory"},
    {{"macro", "import-group", "/nonexistent.dat"},
     1,
     "cannot read /nonexistent.dat: No such file or directory"},
    {{"macro", "import", "Office", "/"}, 1, "cannot read /: it is a folder"},
    {{"macro", "export-group", "Office", "/nonexistent/dir/x.dat"},
     1,
     "cannot write /nonexistent/dir/x.dat: No such file or directory"},
    {{"--simulate=/nonexistent/dir/state.bin", "status"}, 1, "folder /nonexistent/dir does not"},
    {{"--simulate", "--report-log", "/nonexistent/dir/log", "status"},
     1,
     "cannot write the report log /nonexistent/dir/log"},
};

TEST(KarvoctlUsage, EveryBadInvocationEndsWithItsExitCodeAndSaysWhatWasWrong) {
    for (const BadInvocation& bad : kBadInvocations) {
        CliFixture cli;
        const std::string config = cli.dir.read("skins/config/config.ini");
        const CliResult r = cli.run(bad.args);
        std::string joined;
        for (const auto& a : bad.args)
            joined += a + ' ';
        EXPECT_EQ(r.code, bad.code) << joined << "\n" << r.err;
        EXPECT_NE(r.err.find(bad.message), std::string::npos)
            << joined << ": expected '" << bad.message << "' in:\n"
            << r.err;
        EXPECT_EQ(r.err.find("usage: karvoctl") != std::string::npos, bad.code == 2) << joined;
        EXPECT_EQ(r.out, "") << joined;
        EXPECT_EQ(cli.dir.read("skins/config/config.ini"), config) << joined;
    }
}

TEST(KarvoctlUsage, HelpReachesEveryCommandFromBothSpellings) {
    CliFixture cli;
    const CliResult general = cli.run({"--help"});
    EXPECT_EQ(general.code, 0);
    for (const cli::CommandHelp& c : cli::HelpText::commands()) {
        EXPECT_NE(general.out.find("  " + std::string(c.name) + " "), std::string::npos) << c.name;
        const CliResult viaHelp = cli.run({"help", std::string(c.name)});
        EXPECT_EQ(viaHelp.code, 0) << c.name;
        EXPECT_NE(viaHelp.out.find(std::string(c.synopsis)), std::string::npos) << c.name;
        if (c.name != "help") {
            const CliResult viaOption = cli.run({std::string(c.name), "--help"});
            EXPECT_EQ(viaOption.code, 0) << c.name;
            EXPECT_EQ(viaOption.out, viaHelp.out) << c.name;
        }
    }
}

TEST(KarvoctlUsage, HelpOfACommandWinsOverItsBadArguments) {
    CliFixture cli;
    const CliResult r = cli.run({"read", "nonsense", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("usage: karvoctl [OPTIONS] read ADDR LEN"), std::string::npos);
}

// The man page is written by hand; it must name every command with the synopsis the help
// shows, so the two cannot drift apart unnoticed.
TEST(KarvoctlUsage, ManPageDescribesEveryCommandAsTheHelpDoes) {
    std::ifstream in(fs::path(KARVO_SOURCE_DIR) / "docs" / "karvoctl.1");
    ASSERT_TRUE(in) << "docs/karvoctl.1 is missing";
    std::stringstream page;
    page << in.rdbuf();
    // roff escapes every hyphen; compare with them taken out.
    std::string text = page.str();
    for (std::size_t at; (at = text.find("\\-")) != std::string::npos;)
        text.erase(at, 1);
    for (const cli::CommandHelp& c : cli::HelpText::commands()) {
        std::string synopsis(c.synopsis);
        EXPECT_NE(text.find(synopsis), std::string::npos) << "man page lacks: " << synopsis;
    }
    for (const char* option :
         {"--data", "--simulate", "--report-log", "--json", "-V", "--step", "EXIT STATUS"})
        EXPECT_NE(text.find(option), std::string::npos) << option;
    // Every sub-command and setting the help names (what completion offers after a command).
    CliFixture cli;
    for (const cli::CommandHelp& c : cli::HelpText::commands()) {
        const CliResult words = cli.run({"__complete", "1", "--", std::string(c.name), ""});
        std::istringstream lines(words.out);
        for (std::string word; std::getline(lines, word);)
            EXPECT_NE(text.find(word), std::string::npos)
                << "man page lacks " << c.name << " " << word;
    }
}

}  // namespace
}  // namespace karvo::testing
