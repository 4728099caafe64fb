// The window thread's message queue: messages carry the design's numeric ids and two numbers,
// and are handled on the window thread in the order they were posted. Any thread may post;
// this is the only way a worker or device thread reaches a window.
#pragma once

#include <cstdint>
#include <string>

namespace karvo {

struct WindowMessage {
    std::uint32_t id = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
    // A text the message carries by value (WM_COMBINATION_SET), where the design handed over
    // a pointer the receiver had to free.
    std::string text{};
    bool operator==(const WindowMessage&) const = default;
};

class MessageQueue {
  public:
    virtual ~MessageQueue() = default;
    // Queues the message for the main window and returns at once. Thread-safe.
    virtual void post(const WindowMessage& message) = 0;
    // True on the thread that runs the windows.
    virtual bool onWindowThread() const = 0;
};

}  // namespace karvo
