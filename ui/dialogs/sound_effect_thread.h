// The effect thread of sound-reactive lighting: started with the dialog's first opening and
// alive until the program ends, it sleeps while the effect is off and runs one effect step per
// pass while it is on.
#pragma once

#include <functional>
#include <string_view>
#include <thread>

#include "ui/dialogs/sound_effect.h"

namespace karvo::sound {

class SoundEffectThread {
  public:
    // `say` gets one diagnostic line, from the thread, when its priority cannot be raised.
    SoundEffectThread(SoundEffect::Parts parts, std::function<void(std::string_view)> say);
    ~SoundEffectThread();  // stop()
    SoundEffectThread(const SoundEffectThread&) = delete;
    SoundEffectThread& operator=(const SoundEffectThread&) = delete;

    void start();
    // Ends the thread and waits for it: at most the pause it is in (480 ms at worst); it sends
    // nothing more once asked to stop. Idempotent.
    void stop();
    bool running() const { return thread_.joinable(); }

  private:
    void run(std::stop_token stop);

    EffectState& state_;
    SoundEffect effect_;
    std::function<void(std::string_view)> say_;
    std::jthread thread_;  // last: stopped before the rest goes
};

}  // namespace karvo::sound
