// The lighting page's preview: while the page is shown, a thread steps the preview colour of
// the colour-cycle effect through the user colours that take part in the cycle, one step per
// two passes, and asks for a repaint after each pass. The pass time follows the effect's
// speed: 1200 - 200 x LED_CYCTIME ms. It ends when the page changes; the page's tab starts it
// again.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>

#include "app/page_ticker.h"
#include "settings/settings_model.h"

namespace karvo {

class LightingAnimation {
  public:
    // `pageShown` and `repaint` are called from the thread; `repaint` must only post.
    LightingAnimation(const SettingsModel& settings, std::function<bool()> pageShown,
                      std::function<void()> repaint);
    // The ticker stops and joins its thread when the object goes.
    LightingAnimation(const LightingAnimation&) = delete;
    LightingAnimation& operator=(const LightingAnimation&) = delete;

    // Starts the thread unless it runs; the preview starts at colour 0.
    void start();
    void stop() { ticker_.stop(); }
    bool running() const { return ticker_.running(); }
    // The user colour the preview shows now, 0 to 6.
    int previewColour() const { return preview_; }

    // One pass of the thread: with effect 1 every second pass moves the preview to the next
    // colour of the cycle. Returns the wait before the next pass.
    std::chrono::milliseconds pass();
    // The next colour after `from` that takes part in the cycle (from itself when none does).
    static int nextInCycle(std::uint8_t cycleMask, int from);
    static std::chrono::milliseconds periodOf(int cycleTime);

  private:
    const SettingsModel& settings_;
    std::atomic<int> preview_{0};
    bool toggle_ = false;  // the thread's own
    PageTicker ticker_;    // last: its thread uses the members above
};

}  // namespace karvo
