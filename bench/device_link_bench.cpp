// Timing of the memory protocol against the emulated mouse with the real clock: how long block
// writes and reads take beside the pauses the protocol mandates, and how many reports they
// cost. The pauses dominate; the target is to stay within 5 % of them.
//   karvo_bench_device [runs]    (default 7; the 100-block reads use at most 3)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/system_clock.h"

namespace {

using namespace std::chrono;
using karvo::device::DeviceLink;
using karvo::sim::EmulatedMouse;

struct Scenario {
    std::string name;
    int blocks;
    bool write;
    int runs;
};

struct Counts {
    std::size_t sets = 0;
    std::size_t gets = 0;
};

Counts count(const EmulatedMouse& mouse) {
    Counts c;
    for (const auto& r : mouse.reports()) {
        if (r.kind == EmulatedMouse::LoggedReport::Kind::Set)
            ++c.sets;
        if (r.kind == EmulatedMouse::LoggedReport::Kind::Get)
            ++c.gets;
    }
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    constexpr std::size_t n = 8;
    karvo::SystemClock clock;
    auto mouse = std::make_shared<EmulatedMouse>(clock, EmulatedMouse::Options{});
    karvo::sim::EmulatedHidBackend backend;
    backend.plug(mouse, "sim:0");
    DeviceLink link(clock);
    link.attach(backend.open("sim:0/config").handle, mouse->options().featureReportLength,
                backend.open("sim:0/event").handle, mouse->options().inputReportLength);

    // Mandated pauses: a write waits 4 + 2 ms; a read 2 ms after each select, 2 ms before the
    // first end, 2 ms after each read report and 2 ms before the last end.
    const milliseconds writePauseTotal =
        DeviceLink::kPauseAfterData + DeviceLink::kPauseAfterCommit;
    const milliseconds readPauses = DeviceLink::kPauseAfterSelect * static_cast<int>(n + 1) +
                                    DeviceLink::kPauseAfterRead * static_cast<int>(n + 1);

    const std::vector<Scenario> scenarios = {
        {"writeBlock 8 bytes", 1, true, runs},
        {"readBlock 8 bytes", 1, false, runs},
        {"100 x writeBlock 8 bytes", 100, true, runs},
        {"100 x readBlock 8 bytes", 100, false, std::min(runs, 3)},
    };
    std::printf("%-26s %10s %10s %12s %12s %9s %s\n", "operation", "SETs", "GETs", "median ms",
                "pauses ms", "over", "");
    bool allGood = true;
    for (const Scenario& s : scenarios) {
        std::vector<double> times;
        Counts counts;
        bool ok = true;
        for (int r = 0; r < s.runs; ++r) {
            mouse->clearLog();
            std::vector<std::uint8_t> data(n, static_cast<std::uint8_t>(r));
            const auto start = steady_clock::now();
            for (int b = 0; b < s.blocks; ++b) {
                const auto address = static_cast<std::uint16_t>(b * n);
                ok = (s.write ? link.writeBlock(address, data) : link.readBlock(address, data)) &&
                     ok;
            }
            times.push_back(duration<double, std::milli>(steady_clock::now() - start).count());
            counts = count(*mouse);
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        const double pauses =
            duration<double, std::milli>(s.write ? writePauseTotal : readPauses).count() * s.blocks;
        const std::size_t wantSets =
            static_cast<std::size_t>(s.blocks) * (s.write ? n + 2 : 2 * n + 2);
        const std::size_t wantGets = s.write ? 0 : static_cast<std::size_t>(s.blocks) * n;
        const double over = (median - pauses) / pauses * 100.0;
        const bool good = ok && counts.sets == wantSets && counts.gets == wantGets && over <= 5.0 &&
                          mouse->protocolErrors().empty();
        allGood = allGood && good;
        std::printf("%-26s %10zu %10zu %12.3f %12.3f %8.2f%% %s\n", s.name.c_str(), counts.sets,
                    counts.gets, median, pauses, over, good ? "ok" : "MISSED");
    }
    std::printf("reports per block: write n + 2, read 2n + 2 SETs and n GETs (n = %zu); runs: %d\n",
                n, runs);
    return allGood ? 0 : 1;
}
