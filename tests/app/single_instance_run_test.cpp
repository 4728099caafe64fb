// The built window program runs once per session: while one runs, a second start ends at once
// with code 1; once the first is killed outright, a new start takes the lock and the socket
// the dead one left behind. Runs a copy of the program and its data tree offscreen, on the
// emulated mouse, with a runtime folder of its own.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_ops.h"
#include "temp_dir.h"

extern char** environ;

namespace karvo {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Generous: a sanitizer build starts slowly on a busy machine.
constexpr auto kStartTimeout = std::chrono::seconds(60);
constexpr auto kEndTimeout = std::chrono::seconds(20);

// One started program, killed when the test leaves it running.
class Started {
  public:
    Started(const fs::path& program, const std::vector<std::string>& environment,
            const fs::path& log) {
        std::vector<std::string> args = {program.string(), "--simulate"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> env = environment;
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Started() {
        if (running()) {
            ::kill(pid_, SIGKILL);
            wait(kEndTimeout);
        }
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    bool started() const { return pid_ > 0; }
    bool running() const { return pid_ > 0 && !status_; }

    // The exit status once the program has ended within `timeout`.
    std::optional<int> wait(Clock::duration timeout) {
        const auto until = Clock::now() + timeout;
        while (running()) {
            int status = 0;
            const pid_t got = ::waitpid(pid_, &status, WNOHANG);
            if (got == pid_)
                status_ = status;
            else if (Clock::now() >= until)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return status_;
    }
    void signal(int sig) { ::kill(pid_, sig); }

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Waits until `done` holds or `program` ends; false when it did not come to hold.
template <class Done>
bool waitFor(Started& program, Done done) {
    const auto until = Clock::now() + kStartTimeout;
    while (Clock::now() < until) {
        if (done())
            return true;
        if (program.wait(std::chrono::milliseconds(0)))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// True when a program receives on the socket: a datagram it ignores gets through. A socket
// file whose program is gone refuses it.
bool receives(const fs::path& socket) {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, socket.c_str(), sizeof a.sun_path - 1);
    const char ping[] = "ping";
    const bool sent = ::sendto(fd, ping, sizeof ping - 1, MSG_DONTWAIT,
                               reinterpret_cast<const sockaddr*>(&a), sizeof a) >= 0;
    ::close(fd);
    return sent;
}

TEST(WindowProgram, RunsOncePerSessionAndASecondStartEndsWithCodeOne) {
    const char* binDir = std::getenv("KARVO_BIN_DIR");
    if (!binDir || !fs::exists(fs::path(binDir) / "karvo-gmouse"))
        GTEST_SKIP() << "karvo-gmouse is not built";

    // A copy of its own, so the program's writes to its data tree touch no shared files.
    testing::TempDir dir;
    const fs::path folder = dir / "program";
    fs::create_directory(folder);
    fs::copy_file(fs::path(binDir) / "karvo-gmouse", folder / "karvo-gmouse");
    fs::copy(fs::path(binDir) / "skins", folder / "skins", fs::copy_options::recursive);
    const fs::path program = folder / "karvo-gmouse";
    const fs::path runtime = dir / "run";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const fs::path socket = runtime / "CKarvo_GMouseApp.sock";

    std::vector<std::string> env;
    std::string asan = "detect_leaks=0";  // Qt's own allocations at exit are not ours
    for (char** e = environ; *e; ++e) {
        const std::string_view v(*e);
        if (v.starts_with("ASAN_OPTIONS="))
            asan = std::string(v.substr(13)) + ":" + asan;
        else if (!v.starts_with("QT_QPA_PLATFORM=") && !v.starts_with("XDG_RUNTIME_DIR="))
            env.emplace_back(v);
    }
    env.push_back("ASAN_OPTIONS=" + asan);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("XDG_RUNTIME_DIR=" + runtime.string());
    const auto log = [&dir](const char* name) {
        return fileops::readFile(dir / name).value_or("<no output>");
    };

    Started first(program, env, dir / "first.log");
    ASSERT_TRUE(first.started());
    ASSERT_TRUE(waitFor(first, [&] { return receives(socket); }))
        << "the first start never listened\n"
        << log("first.log");

    {
        Started second(program, env, dir / "second.log");
        const auto status = second.wait(kEndTimeout);
        ASSERT_TRUE(status) << "the second start is still running\n" << log("second.log");
        ASSERT_TRUE(WIFEXITED(*status)) << log("second.log");
        EXPECT_EQ(WEXITSTATUS(*status), 1) << log("second.log");
        EXPECT_NE(log("second.log").find("already running"), std::string::npos)
            << log("second.log");
    }
    EXPECT_TRUE(first.running()) << log("first.log");

    // Killed outright, the first leaves its lock file and its socket behind.
    first.signal(SIGKILL);
    ASSERT_TRUE(first.wait(kEndTimeout));
    ASSERT_TRUE(fs::exists(dir / "run" / "CKarvo_GMouseApp.lock"));
    ASSERT_TRUE(fs::is_socket(socket));
    ASSERT_FALSE(receives(socket));

    Started third(program, env, dir / "third.log");
    ASSERT_TRUE(waitFor(third, [&] { return receives(socket); }))
        << "the next start did not take over\n"
        << log("third.log");
    {
        Started fourth(program, env, dir / "fourth.log");
        const auto status = fourth.wait(kEndTimeout);
        ASSERT_TRUE(status && WIFEXITED(*status)) << log("fourth.log");
        EXPECT_EQ(WEXITSTATUS(*status), 1) << log("fourth.log");
    }
    EXPECT_TRUE(third.running()) << log("third.log");
    third.signal(SIGTERM);
    EXPECT_TRUE(third.wait(kEndTimeout));
}

}  // namespace
}  // namespace karvo
