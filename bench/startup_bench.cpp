// Start-up of the window program on the emulated mouse, offscreen: the time from starting the
// process to its first painted frame (the program writes a byte to the pipe named by
// KARVO_FIRST_FRAME_FD once it has painted), median over the starts, and the window's resident
// memory once it has been idle for a while. Target: under 300 ms to the first frame.
//   karvo_bench_startup [starts] [program]   (default 10 starts of karvo-gmouse beside it)
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// VmRSS of a process in KiB.
std::optional<long> residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return std::nullopt;
}

struct Start {
    double firstFrameMs = -1;
    long idleKiB = -1;
};

Start startOnce(const fs::path& program, const fs::path& runtime, bool measureMemory) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    std::vector<std::string> env = {
        "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime.string(),
        "HOME=" + runtime.string(), "KARVO_FIRST_FRAME_FD=" + std::to_string(pipeFds[1])};
    if (const char* path = std::getenv("PATH"))
        env.push_back(std::string("PATH=") + path);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string programText = program.string();
    std::string simulate = "--simulate";
    char* argv[] = {programText.data(), simulate.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto started = Clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, programText.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    Start result;
    if (failed) {
        ::close(pipeFds[0]);
        return result;
    }
    pollfd p{pipeFds[0], POLLIN, 0};
    char byte = 0;
    if (::poll(&p, 1, 20000) == 1 && ::read(pipeFds[0], &byte, 1) == 1)
        result.firstFrameMs =
            std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    ::close(pipeFds[0]);
    if (measureMemory && result.firstFrameMs >= 0) {
        std::this_thread::sleep_for(std::chrono::seconds(3));  // the start-up download ends
        result.idleKiB = residentKiB(pid).value_or(-1);
    }
    ::kill(pid, SIGTERM);  // the program's own shutdown path
    ::waitpid(pid, nullptr, 0);
    return result;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const fs::path program =
        argc > 2 ? fs::path(argv[2]) : fs::absolute(argv[0]).parent_path() / "karvo-gmouse";
    const fs::path runtime =
        fs::temp_directory_path() / ("karvo-bench-startup-" + std::to_string(::getpid()));
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);

    startOnce(program, runtime, false);  // warm the file cache
    std::vector<double> times;
    long idleKiB = -1;
    for (int i = 0; i < starts; ++i) {
        const Start s = startOnce(program, runtime, i == 0);
        if (s.firstFrameMs < 0) {
            std::fprintf(stderr, "start %d: no first frame within 20 s\n", i + 1);
            continue;
        }
        times.push_back(s.firstFrameMs);
        if (s.idleKiB >= 0)
            idleKiB = s.idleKiB;
    }
    fs::remove_all(runtime);
    if (times.empty())
        return 1;
    std::printf(
        "%-58s %9.1f ms\n",
        ("first painted frame, median of " + std::to_string(times.size()) + " starts").c_str(),
        median(times));
    std::printf("%-58s %9.1f ms\n", "fastest start", *std::min_element(times.begin(), times.end()));
    std::printf("%-58s %9.1f MiB\n", "resident memory when idle",
                static_cast<double>(idleKiB) / 1024.0);
    std::printf("target under 300 ms: %s\n", median(times) < 300 ? "met" : "missed");
    return 0;
}
