// The window thread's message queue on Qt's event loop: post() queues a call to the handler on
// the thread that created the queue, from any thread.
#pragma once

#include <functional>

#include <QObject>

#include "platform/message_queue.h"

namespace karvo::qt {

class QtMessageQueue final : public QObject, public MessageQueue {
  public:
    QtMessageQueue() = default;
    // Receives every message, on the window thread. Set before the first post is handled.
    void setHandler(std::function<void(const WindowMessage&)> handler) {
        handler_ = std::move(handler);
    }
    void post(const WindowMessage& message) override;
    bool onWindowThread() const override;

  private:
    std::function<void(const WindowMessage&)> handler_;
};

}  // namespace karvo::qt
