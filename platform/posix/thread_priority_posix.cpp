// Thread priority on Linux: each thread has a nice value of its own, set through its thread id.
// Lowering it needs CAP_SYS_NICE or room under RLIMIT_NICE; real-time scheduling is not asked
// for, as a thread that sends reports in a loop must never starve the desktop.
#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace karvo::process {

namespace {
constexpr int kRaise = 5;  // nice steps above normal that are asked for
constexpr int kHighestNice = -20;
}  // namespace

bool raiseThreadPriority() {
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, tid);
    if (errno != 0)
        return false;
    const int wanted = std::max(current - kRaise, kHighestNice);
    if (wanted < current && ::setpriority(PRIO_PROCESS, tid, wanted) == 0)
        return true;
    // An unprivileged process may still go as low as RLIMIT_NICE allows (20 - limit).
    rlimit limit{};
    if (::getrlimit(RLIMIT_NICE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return false;
    const int allowed =
        std::max(20 - static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 40)), wanted);
    return allowed < current && ::setpriority(PRIO_PROCESS, tid, allowed) == 0;
}

}  // namespace karvo::process
