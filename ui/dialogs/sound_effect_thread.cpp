// The effect thread's loop; see sound_effect_thread.h.
#include "ui/dialogs/sound_effect_thread.h"

#include "platform/thread_priority.h"

namespace karvo::sound {

SoundEffectThread::SoundEffectThread(SoundEffect::Parts parts,
                                     std::function<void(std::string_view)> say)
    : state_(parts.state), effect_(std::move(parts)), say_(std::move(say)) {}

SoundEffectThread::~SoundEffectThread() {
    stop();
}

void SoundEffectThread::start() {
    if (thread_.joinable())
        return;
    thread_ = std::jthread([this](std::stop_token stop) { run(stop); });
}

void SoundEffectThread::stop() {
    if (!thread_.joinable())
        return;
    thread_.request_stop();
    thread_.join();
}

void SoundEffectThread::run(std::stop_token stop) {
    // The pauses between reports are the effect; a busy desktop should not stretch them.
    if (!process::raiseThreadPriority() && say_)
        say_("sound-reactive lighting runs at normal priority: the system allows no higher one");
    while (state_.waitForWork(stop)) {
        effect_.step(stop);
        state_.endStep();
    }
}

}  // namespace karvo::sound
