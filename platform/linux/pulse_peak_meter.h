// PulsePeakMeter: the peak level of what the default output plays, through libpulse (PulseAudio,
// or PipeWire's pulse server). A record stream on the monitor source of the default sink asks
// the server for peak detection at 50 values a second, so the server does the work and the
// program reads one float every 20 ms.
//
// Checklist of what the back-end does:
//   - runs its own libpulse thread (pa_threaded_mainloop); takePeak() only swaps an atomic;
//   - follows the default output: a change of the server's default sink moves the stream to
//     the new sink's monitor, and a stream that fails (its sink removed) is made again;
//   - without a server, or when the server goes away, the level is 0; it tries again every
//     two seconds, so a sound server started after the program is found;
//   - the first failure to reach a server is told once through the notifier, never again.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/notifier.h"
#include "platform/peak_meter.h"

namespace karvo {

class PulsePeakMeter final : public PeakMeter {
  public:
    struct Options {
        // The server to connect to (a PULSE_SERVER string such as "unix:/run/.../native");
        // empty: the user's default, as every other sound program finds it.
        std::string server;
        std::string applicationName = "Karvo G7 Pro";
    };

    // Starts connecting at once and returns; `notifier` must outlive the meter.
    PulsePeakMeter(Notifier& notifier, Options options);
    ~PulsePeakMeter() override;
    PulsePeakMeter(const PulsePeakMeter&) = delete;
    PulsePeakMeter& operator=(const PulsePeakMeter&) = delete;

    float takePeak() override;

    // For tests and diagnostics: whether a stream is reading, and from which source.
    bool reading() const;
    std::string sourceName() const;
    // How many streams have been made so far (1 after the first, 2 after one move, ...).
    int streamsMade() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace karvo
