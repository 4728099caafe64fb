// The Linux back-end of ThreadPriority: SCHED_FIFO directly when the process may have it
// (RLIMIT_RTPRIO or CAP_SYS_NICE), otherwise through the desktop's RealtimeKit service, which
// grants it to unprivileged users on the condition that the process limits its real-time CPU
// time (RLIMIT_RTTIME). The D-Bus call itself is handed in, so this file needs no D-Bus library.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/thread_priority.h"

namespace karvo {

class LinuxThreadPriority final : public ThreadPriority {
  public:
    static constexpr int kPriority = 1;  // the lowest real-time priority is plenty
    // rtkit allows at most 200 ms of CPU time without blocking by default; the playback
    // thread sleeps between steps and rests on long runs of zero delays.
    static constexpr long kRealtimeCpuLimitUs = 200000;

    // Asks RealtimeKit to make thread `tid` real-time at `priority`; nothing on success, else
    // why not. Null: no RealtimeKit.
    using RtkitCall = std::function<std::optional<std::string>(long tid, int priority)>;

    explicit LinuxThreadPriority(RtkitCall rtkit = {});
    Outcome makeCallingThreadRealtime() override;

  private:
    RtkitCall rtkit_;
};

}  // namespace karvo
