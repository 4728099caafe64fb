// The blink thread of the main page: while the main page is shown it toggles the blink flag
// every 500 ms and asks for a repaint after each toggle, six toggles a round. It ends when the
// page changes or the program stops, leaving the flag set; the main page tab starts it again.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace karvo {

class BlinkThread {
  public:
    static constexpr std::chrono::milliseconds kPeriod{500};
    static constexpr int kTogglesPerRound = 6;

    // `mainPageShown` and `repaint` are called from the thread; `repaint` must only post.
    BlinkThread(std::function<bool()> mainPageShown, std::function<void()> repaint,
                std::chrono::milliseconds period = kPeriod);
    ~BlinkThread();  // stops and joins
    BlinkThread(const BlinkThread&) = delete;
    BlinkThread& operator=(const BlinkThread&) = delete;

    // Starts the thread unless it runs.
    void start();
    void stop();
    bool running() const { return running_; }
    bool blinkOn() const { return blink_; }

  private:
    void run();

    std::function<bool()> mainPageShown_;
    std::function<void()> repaint_;
    std::chrono::milliseconds period_;
    std::atomic<bool> blink_{true};
    std::atomic<bool> running_{false};
    std::mutex lock_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace karvo
