// POSIX back-end of TerminationSignals: a non-blocking self-pipe written by the handlers.
#include "platform/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <ctime>

namespace karvo {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// The handler can only reach globals; one TerminationSignals object owns them at a time.
std::atomic<int> gWriteFd{-1};
std::array<struct sigaction, kSignals.size()> gPrevious{};
std::atomic<long long> gFirstSignalNs{0};
std::atomic<long long> gRepeatGraceNs{0};
static_assert(std::atomic<long long>::is_always_lock_free, "read in a signal handler");

long long monotonicNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);  // async-signal-safe
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

extern "C" void onTerminationSignal(int signal) {
    const int savedErrno = errno;
    const long long now = monotonicNs();
    long long first = 0;
    if (!gFirstSignalNs.compare_exchange_strong(first, now) &&
        now - first > gRepeatGraceNs.load()) {
        // Asked again well after the first request: the shutdown path is stuck, so end the
        // process the system's way. The signal is blocked inside its handler and is delivered
        // with the default action as soon as this returns.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        errno = savedErrno;
        return;
    }
    const int fd = gWriteFd.load();
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(signal);
        // A full pipe already holds a wake-up; dropping this byte loses nothing.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(std::chrono::milliseconds repeatGrace) {
    gFirstSignalNs.store(0);
    gRepeatGraceNs.store(std::chrono::duration_cast<std::chrono::nanoseconds>(repeatGrace).count());
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    readFd_ = fds[0];
    gWriteFd.store(fds[1]);
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ok_ = true;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ok_ = ::sigaction(kSignals[i], &action, &gPrevious[i]) == 0 && ok_;
}

TerminationSignals::~TerminationSignals() {
    if (readFd_ < 0)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &gPrevious[i], nullptr);
    const int writeFd = gWriteFd.exchange(-1);
    ::close(writeFd);
    ::close(readFd_);
}

int TerminationSignals::takePending() {
    if (readFd_ < 0)
        return 0;
    int count = 0;
    unsigned char buffer[16];
    for (;;) {
        const ssize_t n = ::read(readFd_, buffer, sizeof buffer);
        if (n > 0) {
            count += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return count;
    }
}

}  // namespace karvo
