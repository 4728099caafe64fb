// Rhythm of host-side macro playback against the emulated mouse with the real clock: a macro
// of 200 key steps with delays of 1 to 200 ms (about 20 s) is played once, and each report's
// arrival is compared with its due time. Targets: median error under 0.2 ms, p99 under 1 ms,
// and no drift (the last step as punctual as the first). With --compare the same macro is
// also played the naive way, a pause after each step, to show what waiting on deadlines saves.
// With --realtime the playing thread asks for real-time scheduling first, as the window's
// playback thread does (directly; the window also asks RealtimeKit), to tell the mechanism's
// own error from preemption. With --loaded two compiler processes run beside the player, and
// the macro is played with them once as an ordinary thread and once with real-time scheduling
// (target: p99 under 1 ms).
//   karvo_bench_playback [--compare] [--realtime] [--loaded]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <numeric>
#include <string_view>
#include <thread>
#include <vector>

#include "device/device_link.h"
#include "device/macro_player.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/system_clock.h"

#include "platform/linux/realtime_thread.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

extern char** environ;

namespace {

using namespace std::chrono;
using karvo::Clock;
using karvo::MacroRecord;
using karvo::device::DeviceLink;
using karvo::device::MacroPlayer;
using karvo::sim::EmulatedMouse;

constexpr int kSteps = 200;

// Press and release of A in turn, step i followed by i + 1 ms (key steps: no button rule).
MacroRecord rhythmMacro() {
    MacroRecord m;
    m.repeatCount = 1;
    for (int i = 0; i < kSteps; ++i) {
        const auto kind = static_cast<std::uint8_t>(i % 2 == 0 ? karvo::stepkind::kPress
                                                               : karvo::stepkind::kRelease);
        m.steps[m.stepCount++] = {kind, 0x04, 0, 0, static_cast<std::uint16_t>(i + 1)};
    }
    return m;
}

struct Desk {
    explicit Desk(Clock& clock) : mouse(std::make_shared<EmulatedMouse>(clock, options())) {
        backend.plug(mouse, "sim:0");
        link = std::make_unique<DeviceLink>(clock);
        link->attach(backend.open("sim:0/config").handle, 64, backend.open("sim:0/event").handle,
                     8);
    }
    static EmulatedMouse::Options options() { return {}; }

    // Arrival times of the reports, relative to the first.
    std::vector<double> arrivalsMs() const {
        std::vector<double> out;
        const auto reports = mouse->reports();
        for (const auto& r : reports)
            out.push_back(duration<double, std::milli>(r.at - reports.front().at).count());
        return out;
    }

    std::shared_ptr<EmulatedMouse> mouse;
    karvo::sim::EmulatedHidBackend backend;
    std::unique_ptr<DeviceLink> link;
};

void printErrors(const char* how, const std::vector<double>& arrivals, const MacroRecord& m) {
    if (arrivals.size() != static_cast<std::size_t>(kSteps)) {
        std::printf("%s: %zu reports arrived, %d expected\n", how, arrivals.size(), kSteps);
        return;
    }
    std::vector<double> errors;
    double due = 0;
    for (int i = 0; i < kSteps; ++i) {
        errors.push_back(arrivals[static_cast<std::size_t>(i)] - due);
        due += m.steps[static_cast<std::size_t>(i)].delay;
    }
    const double drift = errors.back() - errors.front();
    std::vector<double> sorted = errors;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&](double q) {
        return sorted[std::min(sorted.size() - 1,
                               static_cast<std::size_t>(q * static_cast<double>(sorted.size())))];
    };
    std::printf("%-24s error ms: median %7.3f  p99 %7.3f  max %7.3f  drift %+8.3f\n", how, at(0.5),
                at(0.99), sorted.back(), drift);
}

// Two compilers at work beside the player, each compiling a heavy file over and over, as on a
// developer's desktop; stopped with their process group.
class CompilerLoad {
  public:
    CompilerLoad() {
        const std::string source = "/tmp/karvo-bench-load-" + std::to_string(::getpid()) + ".cpp";
        std::ofstream(source) << "#include <regex>\n#include <map>\n#include <string>\n"
                                 "std::map<std::string, std::regex> m;\n"
                                 "bool f(const std::string& s) { return std::regex_match(s, "
                                 "m[s]); }\n";
        source_ = source;
        const std::string loop =
            "while :; do c++ -O2 -c -x c++ " + source + " -o /dev/null || sleep 1; done";
        for (int i = 0; i < 2; ++i) {
            posix_spawnattr_t attr;
            posix_spawnattr_init(&attr);
            posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
            posix_spawnattr_setpgroup(&attr, 0);
            const char* argv[] = {"/bin/sh", "-c", loop.c_str(), nullptr};
            pid_t pid = 0;
            if (posix_spawn(&pid, "/bin/sh", nullptr, &attr, const_cast<char**>(argv), environ) ==
                0)
                pids_.push_back(pid);
            posix_spawnattr_destroy(&attr);
        }
        // Let both get going.
        std::this_thread::sleep_for(seconds(2));
    }
    ~CompilerLoad() {
        for (const pid_t pid : pids_) {
            ::kill(-pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
        std::remove(source_.c_str());
    }
    CompilerLoad(const CompilerLoad&) = delete;
    CompilerLoad& operator=(const CompilerLoad&) = delete;
    bool running() const { return pids_.size() == 2; }

  private:
    std::vector<pid_t> pids_;
    std::string source_;
};

void playOnce(const char* how, Clock& clock, const MacroRecord& macro) {
    Desk desk(clock);
    MacroPlayer player(*desk.link, clock, 1);
    player.play(macro, 1, {[] { return true; }, [] { return false; }});
    printErrors(how, desk.arrivalsMs(), macro);
}

}  // namespace

int main(int argc, char** argv) {
    bool compare = false;
    bool realtime = false;
    bool loaded = false;
    for (int i = 1; i < argc; ++i) {
        compare = compare || std::string_view(argv[i]) == "--compare";
        realtime = realtime || std::string_view(argv[i]) == "--realtime";
        loaded = loaded || std::string_view(argv[i]) == "--loaded";
    }
    karvo::LinuxThreadPriority priority;
    const auto raise = [&priority] {
        const auto outcome = priority.makeCallingThreadRealtime();
        std::printf("%s\n", outcome.how.c_str());
    };
    if (realtime && !loaded)
        raise();
    karvo::SystemClock clock;
    const MacroRecord macro = rhythmMacro();
    std::printf(
        "%d key steps, delays 1 to %d ms, %.1f s per play; errors are lateness against "
        "each step's due time\n",
        kSteps, kSteps, kSteps * (kSteps + 1) / 2 / 1000.0);
    playOnce("deadlines (MacroPlayer)", clock, macro);
    if (loaded) {
        CompilerLoad load;
        std::printf("two compilers running beside it: %s\n", load.running() ? "yes" : "NO");
        playOnce("loaded, ordinary thread", clock, macro);
        raise();
        playOnce("loaded, real-time", clock, macro);
    }
    if (compare) {
        Desk desk(clock);
        for (const auto& step : macro.validSteps()) {
            desk.link->keyEvent(step.key, step.kind == karvo::stepkind::kPress);
            clock.sleepFor(milliseconds(step.delay));
        }
        printErrors("a pause after each step", desk.arrivalsMs(), macro);
    }
    return 0;
}
