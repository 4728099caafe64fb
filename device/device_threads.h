// DeviceThreads: the two threads that live beside the main window for the whole run (the
// device event thread and the software playback thread) and the state they share, as one
// object the window starts at initialisation, suspends when the mouse leaves and stops at exit.
#pragma once

#include <cstdint>
#include <functional>

#include "device/device_event_thread.h"
#include "device/device_thread_context.h"
#include "device/device_thread_state.h"
#include "device/software_playback_thread.h"
#include "platform/clock.h"

namespace karvo::device {

class DeviceThreads {
  public:
    // Everything in `context` and the clock are borrowed and must outlive this object. The
    // repaint request is called from both threads. `seed` starts the random extra delay of
    // mouse-button steps (any value; tests pass a fixed one).
    DeviceThreads(const DeviceThreadContext& context, Clock& clock, std::uint32_t seed);
    ~DeviceThreads();  // stop()
    DeviceThreads(const DeviceThreads&) = delete;
    DeviceThreads& operator=(const DeviceThreads&) = delete;

    // Starts both threads; they read reports once discovery has given the link its handles.
    // `preparePlayback` runs first on the playback thread.
    void start(std::function<void()> preparePlayback = {});
    // The mouse was removed: from now on neither thread sends to it or reads from it; a
    // playing macro ends before its next step. resume() undoes it (a mouse was found again).
    void suspend();
    void resume();
    // Asks both threads to end and returns at once; stop() then waits for them.
    void requestStop();
    // Ends both threads and waits for them (shutdown, tests): at most a read time-out of the
    // event thread, or a wait slice of a playing macro plus its release-all. Idempotent.
    void stop();

    DeviceThreadState& state() { return state_; }
    const DeviceThreadState& state() const { return state_; }

  private:
    DeviceThreadContext context_;
    DeviceThreadState state_;
    DeviceEventThread events_;
    SoftwarePlaybackThread playback_;
};

}  // namespace karvo::device
