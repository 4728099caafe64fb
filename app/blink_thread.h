// The blink thread of the main page: while the main page is shown it toggles the blink flag
// every 500 ms and asks for a repaint after each toggle, six toggles a round. It ends when the
// page changes or the program stops, leaving the flag set; the main page tab starts it again.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>

#include "app/page_ticker.h"

namespace karvo {

class BlinkThread {
  public:
    static constexpr std::chrono::milliseconds kPeriod{500};
    static constexpr int kTogglesPerRound = 6;

    // `mainPageShown` and `repaint` are called from the thread; `repaint` must only post.
    BlinkThread(std::function<bool()> mainPageShown, std::function<void()> repaint,
                std::chrono::milliseconds period = kPeriod);
    // The ticker stops and joins its thread when the object goes.
    BlinkThread(const BlinkThread&) = delete;
    BlinkThread& operator=(const BlinkThread&) = delete;

    // Starts the thread unless it runs.
    void start() { ticker_.start(); }
    void stop() { ticker_.stop(); }
    bool running() const { return ticker_.running(); }
    bool blinkOn() const { return blink_; }

  private:
    std::atomic<bool> blink_{true};
    PageTicker ticker_;  // last: its thread uses the members above
};

}  // namespace karvo
