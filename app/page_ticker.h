// A thread that ticks while a page of the window is shown: it asks whether the page is still
// shown before each round, runs a round of ticks (each returns the wait before the next), and
// ends by itself when the page changes, or when stopped. The page's tab starts it again. The
// main page's blink and the lighting page's preview are both this thread.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace karvo {

class PageTicker {
  public:
    struct Parts {
        std::function<bool()> pageShown;                  // asked before each round
        std::function<std::chrono::milliseconds()> tick;  // one tick; the wait after it
        int ticksPerRound = 1;
        std::function<void()> ended;  // the thread's last call, on any end; may be empty
    };

    explicit PageTicker(Parts parts);
    ~PageTicker();  // stops and joins
    PageTicker(const PageTicker&) = delete;
    PageTicker& operator=(const PageTicker&) = delete;

    // Starts the thread unless it runs; `beforeStart` runs first, while no thread ticks.
    void start(const std::function<void()>& beforeStart = {});
    void stop();
    bool running() const { return running_; }

  private:
    void run();

    Parts parts_;
    std::atomic<bool> running_{false};
    std::mutex lock_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace karvo
