// The main page's blink thread.
#include "app/blink_thread.h"

#include <utility>

namespace karvo {

BlinkThread::BlinkThread(std::function<bool()> mainPageShown, std::function<void()> repaint,
                         std::chrono::milliseconds period)
    : ticker_({std::move(mainPageShown),
               [this, repaint = std::move(repaint), period] {
                   blink_ = !blink_;
                   repaint();
                   return period;
               },
               kTogglesPerRound, [this] { blink_ = true; }}) {}

}  // namespace karvo
