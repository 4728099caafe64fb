// Shell completion: the scripts the tool writes are the ones the build installs, bash reads
// them, and a completion call in bash offers what the command table and the configuration say
// may come next.
#include "cli/completion.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <sstream>

#include "cli/help_text.h"
#include "cli_fixture.h"
#include "platform/file_ops.h"

namespace karvo::testing {
namespace {

namespace fs = std::filesystem;

// Runs a shell command line; its exit status and standard output.
std::pair<int, std::string> shell(const std::string& command) {
    std::string output;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, ""};
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::set<std::string> lines(const std::string& text) {
    std::set<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.insert(line);
    return out;
}

bool hasShell(const std::string& name) {
    return shell("command -v " + name + " >/dev/null 2>&1").first == 0;
}

// What bash's completion offers for the words after the program name, the last one being
// completed.
std::set<std::string> bashComplete(const fs::path& script, const std::string& words) {
    const fs::path driver = script.parent_path() / "driver.sh";
    const std::string text = "source '" + script.string() +
                             "'\nCOMP_WORDS=('" KARVOCTL_BINARY "' " + words +
                             ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                             "_karvoctl\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n";
    EXPECT_TRUE(fileops::writeFileAtomically(driver, text));
    const auto [code, out] = shell("bash '" + driver.string() + "'");
    EXPECT_EQ(code, 0);
    auto result = lines(out);
    result.erase("");
    return result;
}

TEST(KarvoctlCompletion, TheBuildInstallsTheScriptsTheToolWritesAndBashReadsThem) {
    CliFixture cli;
    const struct {
        const char* shell;
        std::string script;
        const char* installed;
    } scripts[] = {{"bash", cli::Completion::bashScript(), "karvoctl"},
                   {"zsh", cli::Completion::zshScript(), "_karvoctl"},
                   {"fish", cli::Completion::fishScript(), "karvoctl.fish"}};
    for (const auto& s : scripts) {
        const CliResult r = cli.run({"completion", s.shell});
        ASSERT_EQ(r.code, 0);
        EXPECT_EQ(r.out, s.script);
        EXPECT_EQ(fileops::readFile(fs::path(KARVOCTL_COMPLETIONS) / s.installed), s.script)
            << s.installed;
        const fs::path file = cli.dir.write(s.installed, s.script);
        if (std::string(s.shell) == "bash" || hasShell(s.shell)) {
            EXPECT_EQ(shell(std::string(s.shell) + " -n '" + file.string() + "' 2>&1").first, 0)
                << s.shell;
        }
        // The commands of the help are all in the script, for when the tool cannot answer.
        std::string commands;
        for (const cli::CommandHelp& c : cli::HelpText::commands())
            commands += (commands.empty() ? "" : " ") + std::string(c.name);
        EXPECT_NE(s.script.find(commands), std::string::npos) << s.shell;
    }
}

TEST(KarvoctlCompletion, BashCompletesCommandsFunctionsAndMacroNames) {
    CliFixture cli;
    const fs::path script = cli.dir.write("karvoctl.bash", cli::Completion::bashScript());
    EXPECT_EQ(bashComplete(script, "set button 1 4 ma"), (std::set<std::string>{"macro", "mail"}));
    EXPECT_EQ(bashComplete(script, "s"), (std::set<std::string>{"set", "show", "status"}));
    EXPECT_EQ(bashComplete(script, "set button 1 4 volume-"),
              (std::set<std::string>{"volume-down", "volume-up"}));
    const auto copy = bashComplete(script, "set button 1 4 macro Office/C");
    EXPECT_TRUE(copy.contains("Office/Copy")) << copy.size();
    EXPECT_EQ(bashComplete(script, "--json set lighting br"), (std::set<std::string>{"breathing"}));
    EXPECT_EQ(bashComplete(script, "apply --q"), (std::set<std::string>{"--quiet"}));
    // A macro name with a blank stays one word on the command line.
    EXPECT_EQ(bashComplete(script, "set button 1 4 macro Office/S"),
              (std::set<std::string>{"Office/Save", "Office/Select\\ all"}));
    EXPECT_EQ(bashComplete(script, "show --j"), (std::set<std::string>{"--json"}));
}

// What zsh's completion function hands to compadd (zsh filters by the typed prefix itself),
// with compadd and compdef stood in for outside an interactive shell.
std::set<std::string> zshCandidates(const fs::path& script, const std::string& words) {
    const fs::path driver = script.parent_path() / "driver.zsh";
    const std::string text =
        "compadd() { [[ $1 == -- ]] && shift; print -l -- \"$@\"; }\n"
        "compdef() { :; }\n"
        "source '" +
        script.string() +
        "'\n"
        "words=('" KARVOCTL_BINARY "' " +
        words +
        ")\n"
        "CURRENT=${#words}\n_karvoctl\n";
    EXPECT_TRUE(fileops::writeFileAtomically(driver, text));
    const auto [code, out] = shell("zsh '" + driver.string() + "'");
    EXPECT_EQ(code, 0);
    auto result = lines(out);
    result.erase("");
    return result;
}

// What fish offers for a command line: its own `complete -C`, the tool found on PATH.
std::set<std::string> fishComplete(const fs::path& script, const std::string& line) {
    const std::string folder = fs::path(KARVOCTL_BINARY).parent_path().string();
    const auto [code, out] = shell("PATH='" + folder + "':\"$PATH\" fish -c \"source '" +
                                   script.string() + "'; complete -C '" + line + "'\"");
    EXPECT_EQ(code, 0);
    std::set<std::string> result;
    for (const std::string& l : lines(out)) {
        if (!l.empty())
            result.insert(l.substr(0, l.find('\t')));  // a description may follow a tab
    }
    return result;
}

TEST(KarvoctlCompletion, ZshAndFishOfferWhatTheToolAnswers) {
    if (!hasShell("zsh") || !hasShell("fish"))
        GTEST_SKIP() << "zsh or fish is not installed (scripts/setup.sh installs both)";
    CliFixture cli;
    const fs::path zsh = cli.dir.write("_karvoctl", cli::Completion::zshScript());
    const auto effects = zshCandidates(zsh, "set lighting br");
    EXPECT_TRUE(effects.contains("breathing"));
    EXPECT_TRUE(effects.contains("spectrum"));
    // A macro name with a blank stays one candidate.
    EXPECT_TRUE(zshCandidates(zsh, "set button 1 4 macro Office/S").contains("Office/Select all"));
    EXPECT_TRUE(zshCandidates(zsh, "''").contains("apply"));  // an empty word

    const fs::path fish = cli.dir.write("karvoctl.fish", cli::Completion::fishScript());
    EXPECT_EQ(fishComplete(fish, "karvoctl set lighting br"), (std::set<std::string>{"breathing"}));
    EXPECT_EQ(fishComplete(fish, "karvoctl set button 1 4 volume-"),
              (std::set<std::string>{"volume-down", "volume-up"}));
    EXPECT_TRUE(fishComplete(fish, "karvoctl s").contains("status"));
}

TEST(KarvoctlCompletion, CandidatesFollowTheHelpTable) {
    CliFixture cli;
    const auto complete = [&](std::vector<std::string> words) {
        std::vector<std::string> args = {"__complete", std::to_string(words.size() - 1), "--"};
        args.insert(args.end(), words.begin(), words.end());
        const CliResult r = cli.run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        return lines(r.out);
    };
    const auto settings = complete({"set", ""});
    for (const char* s : {"button", "button-lighting", "dpi", "dpi-colour", "lighting", "fire-time",
                          "colour-in-cycle", "language"})
        EXPECT_TRUE(settings.contains(s)) << s;
    EXPECT_EQ(complete({"macro", "show", "Office", ""}).size(), 8u);
    EXPECT_TRUE(complete({"macro", ""}).contains("rename-group"));
    EXPECT_TRUE(complete({"--data", "x", "macro", ""}).contains("create"));
    EXPECT_TRUE(complete({"list", ""}).contains("functions"));
    EXPECT_TRUE(complete({"image", "--"}).contains("--variant"));
    EXPECT_TRUE(complete({"help", ""}).contains("completion"));
    EXPECT_EQ(complete({"completion", ""}), (std::set<std::string>{"bash", "fish", "zsh"}));
    EXPECT_TRUE(complete({"set", "button", "1", "2", "key", ""}).contains("ctrl"));
    EXPECT_TRUE(complete({"set", "button", "1", "2", "preset", ""}).size() == 12u);
    // Only the languages whose folders are there: the fixture ships English alone.
    EXPECT_EQ(complete({"set", "language", ""}), (std::set<std::string>{"en"}));
    EXPECT_TRUE(complete({"list", ""}).contains("languages"));
}

}  // namespace
}  // namespace karvo::testing
