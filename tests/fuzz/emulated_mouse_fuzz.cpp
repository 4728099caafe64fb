// Fuzz target for the emulated mouse's report handling: any sequence of feature reports, status
// queries and key presses. The mouse never crashes, never touches memory outside its 64 KiB,
// and its replies keep their documented form.
// Input: a run of commands; each starts with a byte whose low 2 bits pick SET (then a length
// byte and that many report bytes), GET, a key press (key in the high bits) or a refresh.
// fuzz-options: -max_len=4096
#include <cstdint>
#include <vector>

#include "device/sim/emulated_mouse.h"
#include "platform/manual_clock.h"
#include "tests/fuzz/fuzz_scratch.h"

using karvo::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    karvo::ManualClock clock;
    karvo::sim::EmulatedMouse::Options options;
    options.keepReports = false;
    karvo::sim::EmulatedMouse mouse(clock, options);
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t op = data[i++];
        switch (op & 3) {
            case 0: {
                if (i >= size)
                    return 0;
                const std::size_t wanted = data[i++];
                const std::size_t n = std::min(wanted, size - i);
                std::vector<std::uint8_t> report(data + i, data + i + n);
                i += n;
                if (!report.empty() && (op & 4))
                    report[0] = 7;  // most reports the program sends are feature report 7
                if (op & 8)
                    report.resize(options.featureReportLength);
                mouse.setFeature(report);
                break;
            }
            case 1: {
                std::vector<std::uint8_t> reply(op >> 2, 0);
                if (!reply.empty())
                    reply[0] = 7;
                const auto n = mouse.getFeature(reply);
                check(!n || *n <= reply.size());
                check(!n || *n < 7 || (reply[6] & ~0x0C) == 0);
                break;
            }
            case 2: {
                const auto done = mouse.keyDown(op >> 2);
                mouse.keyUp(op >> 2);
                check(done.profile >= 0 && done.profile < 4);
                check(done.dpiLevel >= 0 && done.dpiLevel < 6);
                std::vector<std::uint8_t> in(8);
                while (mouse.readInput(in, std::chrono::milliseconds(0)).status ==
                       karvo::hid::InputRead::Status::Report) {
                }
                break;
            }
            default:
                mouse.switchProfile(op >> 2);
                break;
        }
    }
    check(mouse.memory(0, 70000).size() == karvo::sim::EmulatedMouse::kMemorySize);
    check(mouse.profile() >= 0 && mouse.profile() < 4);
    return 0;
}
