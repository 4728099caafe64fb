// Test fixture: an emulated mouse plugged into an emulated HID service, a manual clock, and a
// device link holding the mouse's handles. Opening any path the emulated service does not list
// fails the test, since only a real device could answer there.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "device/device_link.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/manual_clock.h"

namespace karvo::testing {

struct MouseOnDesk {
    explicit MouseOnDesk(sim::EmulatedMouse::Options options = {})
        : mouse(std::make_shared<sim::EmulatedMouse>(clock, std::move(options))) {
        backend.onUnknownPath([](std::string_view path) {
            ADD_FAILURE() << "opened " << path << ", which is no emulated device";
        });
        backend.plug(mouse, "sim:0");
    }

    // Gives the link the mouse's handles, as discovery would.
    void attach() {
        const auto& o = mouse->options();
        link.attach(backend.open("sim:0/config").handle, o.featureReportLength,
                    backend.open("sim:0/event").handle, o.inputReportLength);
    }

    // The SET reports the mouse received, cut to bytes 0..7.
    std::vector<std::vector<std::uint8_t>> sets() const {
        std::vector<std::vector<std::uint8_t>> out;
        for (const auto& r : mouse->reports()) {
            if (r.kind == sim::EmulatedMouse::LoggedReport::Kind::Set) {
                out.emplace_back(r.bytes.begin(), r.bytes.begin() + 8);
            }
        }
        return out;
    }

    ManualClock clock;
    std::shared_ptr<sim::EmulatedMouse> mouse;
    sim::EmulatedHidBackend backend;
    device::DeviceLink link{clock};
};

}  // namespace karvo::testing
