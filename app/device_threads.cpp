// The one place that chooses the device threads of the window program.
#include "app/device_threads.h"

#include <random>
#include <utility>

#include "device/device_threads.h"
#include "platform/system_clock.h"

namespace karvo {

namespace {

// Turns the threads' repaint requests into the window's posted repaint.
class PostedRepaint final : public device::RepaintRequest {
  public:
    explicit PostedRepaint(std::function<void()> post) : post_(std::move(post)) {}
    void requestRepaint() override { post_(); }

  private:
    std::function<void()> post_;
};

class ProgramDeviceThreads final : public DeviceThreads {
  public:
    ProgramDeviceThreads(ThreadPriority* priority, std::function<void(const std::string&)> say)
        : priority_(priority), say_(std::move(say)) {}

    void start(const DeviceThreadContext& c) override {
        if (threads_)
            return;
        repaint_ = std::make_unique<PostedRepaint>(c.requestRepaint);
        const device::DeviceThreadContext context{c.link,   c.settings,   c.description, c.store,
                                                  c.macros, c.downloader, *repaint_};
        threads_ = std::make_unique<device::DeviceThreads>(context, clock_, std::random_device{}());
        threads_->start([priority = priority_, say = say_] {
            if (!priority)
                return;
            const ThreadPriority::Outcome outcome = priority->makeCallingThreadRealtime();
            if (!outcome.realtime && say)
                say("macro playback runs without real-time priority: " + outcome.how);
        });
    }
    void suspend() override {
        if (threads_)
            threads_->suspend();
    }
    void stop() override {
        if (threads_)
            threads_->stop();
    }
    int dpiLevelCopy() const override { return threads_ ? threads_->state().dpiLevel() : -1; }
    void setDpiLevelCopy(int level) override {
        if (threads_)
            threads_->state().setDpiLevel(level);
    }

  private:
    ThreadPriority* priority_;
    std::function<void(const std::string&)> say_;
    SystemClock clock_;
    std::unique_ptr<PostedRepaint> repaint_;
    std::unique_ptr<device::DeviceThreads> threads_;  // last: stopped before the rest goes
};

}  // namespace

std::unique_ptr<DeviceThreads> makeDeviceThreads(ThreadPriority* priority,
                                                 std::function<void(const std::string&)> say) {
    return std::make_unique<ProgramDeviceThreads>(priority, std::move(say));
}

}  // namespace karvo
