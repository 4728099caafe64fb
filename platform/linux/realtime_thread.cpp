// Real-time scheduling on Linux; see realtime_thread.h.
#include "platform/linux/realtime_thread.h"

#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace karvo {

LinuxThreadPriority::LinuxThreadPriority(RtkitCall rtkit) : rtkit_(std::move(rtkit)) {}

ThreadPriority::Outcome LinuxThreadPriority::makeCallingThreadRealtime() {
    sched_param param{};
    param.sched_priority = kPriority;
    // Pid 0 is the calling thread; children of the program start as ordinary processes.
    if (::sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0)
        return {true, "real-time scheduling (SCHED_FIFO)"};
    const std::string direct = std::strerror(errno);
    if (!rtkit_)
        return {false, "no real-time scheduling (" + direct + ", and no RealtimeKit)"};

    // RealtimeKit insists on a limit, and the kernel enforces it with SIGXCPU and SIGKILL.
    rlimit limit{};
    if (::getrlimit(RLIMIT_RTTIME, &limit) != 0 || limit.rlim_max == RLIM_INFINITY ||
        limit.rlim_max > static_cast<rlim_t>(kRealtimeCpuLimitUs)) {
        limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(kRealtimeCpuLimitUs);
        if (::setrlimit(RLIMIT_RTTIME, &limit) != 0)
            return {false, std::string("no real-time scheduling (cannot limit its CPU time: ") +
                               std::strerror(errno) + ")"};
    }
    const auto tid = static_cast<long>(::syscall(SYS_gettid));
    if (const auto refused = rtkit_(tid, kPriority))
        return {false, "no real-time scheduling (" + direct + "; RealtimeKit: " + *refused + ")"};
    return {true, "real-time scheduling through RealtimeKit"};
}

}  // namespace karvo
