// The main page's blink thread.
#include "app/blink_thread.h"

#include <utility>

namespace karvo {

BlinkThread::BlinkThread(std::function<bool()> mainPageShown, std::function<void()> repaint,
                         std::chrono::milliseconds period)
    : mainPageShown_(std::move(mainPageShown)), repaint_(std::move(repaint)), period_(period) {}

BlinkThread::~BlinkThread() {
    stop();
}

void BlinkThread::start() {
    if (running_)
        return;
    if (thread_.joinable())
        thread_.join();  // a round that ended by itself
    {
        const std::lock_guard guard(lock_);
        stopping_ = false;
    }
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void BlinkThread::stop() {
    {
        const std::lock_guard guard(lock_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void BlinkThread::run() {
    std::unique_lock guard(lock_);
    while (!stopping_ && mainPageShown_()) {
        for (int i = 0; i < kTogglesPerRound && !stopping_; ++i) {
            blink_ = !blink_;
            repaint_();
            wake_.wait_for(guard, period_, [this] { return stopping_; });
        }
    }
    blink_ = true;
    running_ = false;
}

}  // namespace karvo
