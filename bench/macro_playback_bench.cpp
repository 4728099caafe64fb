// Rhythm of host-side macro playback against the emulated mouse with the real clock: a macro
// of 200 key steps with delays of 1 to 200 ms (about 20 s) is played once, and each report's
// arrival is compared with its due time. Targets: median error under 0.2 ms, p99 under 1 ms,
// and no drift (the last step as punctual as the first). With --compare the same macro is
// also played the naive way, a pause after each step, to show what waiting on deadlines saves.
// With --realtime the playing thread asks for real-time scheduling first (it needs the right to,
// and is refused quietly otherwise), to tell the mechanism's own error from preemption.
//   karvo_bench_playback [--compare] [--realtime]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <numeric>
#include <string_view>
#include <vector>

#include "device/device_link.h"
#include "device/macro_player.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/system_clock.h"

#include <pthread.h>
#include <sched.h>

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

}  // namespace

int main(int argc, char** argv) {
    bool compare = false;
    bool realtime = false;
    for (int i = 1; i < argc; ++i) {
        compare = compare || std::string_view(argv[i]) == "--compare";
        realtime = realtime || std::string_view(argv[i]) == "--realtime";
    }
    if (realtime) {
        sched_param param{};
        param.sched_priority = 1;
        const int refused = pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
        std::printf("real-time scheduling: %s\n", refused ? "refused" : "on");
    }
    karvo::SystemClock clock;
    const MacroRecord macro = rhythmMacro();
    std::printf(
        "%d key steps, delays 1 to %d ms, %.1f s per play; errors are lateness against "
        "each step's due time\n",
        kSteps, kSteps, kSteps * (kSteps + 1) / 2 / 1000.0);
    {
        Desk desk(clock);
        MacroPlayer player(*desk.link, clock, 1);
        player.play(macro, 1, {[] { return true; }, [] { return false; }});
        printErrors("deadlines (MacroPlayer)", desk.arrivalsMs(), macro);
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
