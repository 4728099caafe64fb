// The window's page-bound ticking thread; see page_ticker.h.
#include "app/page_ticker.h"

#include <utility>

namespace karvo {

PageTicker::PageTicker(Parts parts) : parts_(std::move(parts)) {}

PageTicker::~PageTicker() {
    stop();
}

void PageTicker::start(const std::function<void()>& beforeStart) {
    if (running_)
        return;
    if (thread_.joinable())
        thread_.join();  // a run that ended with its page
    {
        const std::lock_guard guard(lock_);
        stopping_ = false;
    }
    if (beforeStart)
        beforeStart();
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void PageTicker::stop() {
    {
        const std::lock_guard guard(lock_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void PageTicker::run() {
    std::unique_lock guard(lock_);
    while (!stopping_ && parts_.pageShown()) {
        for (int i = 0; i < parts_.ticksPerRound && !stopping_; ++i) {
            const std::chrono::milliseconds wait = parts_.tick();
            wake_.wait_for(guard, wait, [this] { return stopping_; });
        }
    }
    if (parts_.ended)
        parts_.ended();
    running_ = false;
}

}  // namespace karvo
