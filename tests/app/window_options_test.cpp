// The window program's command line: what it accepts and refuses, and that the built program
// answers --help and --version without a display and refuses a mistyped option with code 2.
#include "app/window_options.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace karvo {
namespace {

using Action = WindowOptions::Action;

TEST(WindowOptions, AcceptsItsOptionsAndRefusesEverythingElse) {
    const struct {
        std::vector<std::string> args;
        Action action;
        const char* error;  // a part of the message
    } cases[] = {
        {{"karvo-gmouse"}, Action::Run, ""},
        {{"karvo-gmouse", "--simulate", "-HIDE"}, Action::Run, ""},
        {{"karvo-gmouse", "--data", "/d", "--render-pages=/r"}, Action::Run, ""},
        {{"karvo-gmouse", "--help"}, Action::Help, ""},
        {{"karvo-gmouse", "-h", "--bogus"}, Action::Help, ""},
        {{"karvo-gmouse", "--version"}, Action::Version, ""},
        {{"karvo-gmouse", "--bogus"}, Action::Refuse, "unknown option '--bogus'"},
        {{"karvo-gmouse", "-hide"}, Action::Refuse, "unknown option '-hide'"},
        {{"karvo-gmouse", "--simulate=m.bin", "--report-log", "r.log"}, Action::Run, ""},
        {{"karvo-gmouse", "--simulate="}, Action::Refuse, "--simulate= needs a file"},
        {{"karvo-gmouse", "--report-log"}, Action::Refuse, "--report-log needs a value"},
        {{"karvo-gmouse", "--simulatex"}, Action::Refuse, "unknown option"},
        {{"karvo-gmouse", "file.ini"}, Action::Refuse, "unexpected argument 'file.ini'"},
        {{"karvo-gmouse", "--data"}, Action::Refuse, "--data needs a value"},
        {{"karvo-gmouse", "--data="}, Action::Refuse, "--data needs a value"},
        {{"karvo-gmouse", "--render-pages"}, Action::Refuse, "--render-pages needs a value"},
        {{"karvo-gmouse", "--datax"}, Action::Refuse, "unknown option '--datax'"},
    };
    for (const auto& c : cases) {
        const WindowOptions o = WindowOptions::parse(c.args);
        EXPECT_EQ(o.action, c.action) << c.args.back();
        EXPECT_NE(o.error.find(c.error), std::string::npos) << o.error;
    }
    const WindowOptions o =
        WindowOptions::parse({"/opt/karvo-gmouse", "--simulate", "--data=/d x", "-HIDE"});
    EXPECT_TRUE(o.simulate);
    EXPECT_EQ(o.dataFolder, std::filesystem::path("/d x"));
    EXPECT_TRUE(o.renderPages.empty());
    const WindowOptions sim =
        WindowOptions::parse({"karvo-gmouse", "--simulate=m.bin", "--report-log=r.log"});
    EXPECT_TRUE(sim.simulate);
    EXPECT_EQ(sim.stateFile, "m.bin");
    EXPECT_EQ(sim.reportLog, "r.log");
    // The hide switch is read from the whole command line, as the start-up sequence does.
    EXPECT_EQ(o.commandLine, "/opt/karvo-gmouse --simulate --data=/d x -HIDE");
}

// Runs the built program with a bare environment (no DISPLAY, no QT_QPA_PLATFORM).
struct ProgramRun {
    int code = -1;
    std::string out;
    std::string err;
};

ProgramRun runProgram(const std::vector<std::string>& args) {
    ProgramRun r;
    const char* bin = std::getenv("KARVO_BIN_DIR");
    const std::filesystem::path program = std::filesystem::path(bin ? bin : "") / "karvo-gmouse";
    char outName[] = "/tmp/karvo-window-out-XXXXXX";
    char errName[] = "/tmp/karvo-window-err-XXXXXX";
    const int outFd = ::mkstemp(outName);
    const int errFd = ::mkstemp(errName);
    std::vector<std::string> all = {program.string()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string path = "PATH=/usr/bin:/bin";
    char* envp[] = {path.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    posix_spawn_file_actions_adddup2(&actions, errFd, 2);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp) == 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    auto slurp = [](int fd, const char* name) {
        std::string text;
        ::lseek(fd, 0, SEEK_SET);
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
        ::unlink(name);
        return text;
    };
    r.out = slurp(outFd, outName);
    r.err = slurp(errFd, errName);
    return r;
}

TEST(WindowProgram, AnswersHelpAndVersionWithoutADisplayAndRefusesUnknownOptions) {
    const char* bin = std::getenv("KARVO_BIN_DIR");
    if (bin == nullptr || !std::filesystem::exists(std::filesystem::path(bin) / "karvo-gmouse"))
        GTEST_SKIP() << "the window program is not built (no Qt)";
    // The build's version, not a stand-in.
    const std::string number = programVersion();
    EXPECT_EQ(number.find_first_not_of("0123456789."), std::string::npos) << number;
    EXPECT_FALSE(number.empty());
    const ProgramRun version = runProgram({"--version"});
    EXPECT_EQ(version.code, 0) << version.err;
    EXPECT_EQ(version.out, std::string("karvo-gmouse ") + programVersion() + "\n");

    const ProgramRun help = runProgram({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* option : {"--simulate", "--data", "--render-pages", "-HIDE", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    const ProgramRun bad = runProgram({"--simulte"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("unknown option '--simulte'"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("usage: karvo-gmouse"), std::string::npos) << bad.err;
}

// The manual page is written by hand; it names every option the help text names.
TEST(WindowProgram, TheManualPageNamesEveryOption) {
    std::FILE* f = std::fopen(KARVO_SOURCE_DATA_DIR "/../docs/karvo-gmouse.1", "rb");
    ASSERT_NE(f, nullptr);
    std::string page;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        page.append(buffer, n);
    std::fclose(f);
    for (std::size_t at; (at = page.find("\\-")) != std::string::npos;)
        page.erase(at, 1);
    for (const char* option :
         {"--simulate", "--data", "--render-pages", "-HIDE", "--help", "--version", "EXIT STATUS"})
        EXPECT_NE(page.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace karvo
