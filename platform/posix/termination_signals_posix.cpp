// POSIX back-end of TerminationSignals: a non-blocking self-pipe written by the handlers.
#include "platform/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>

namespace karvo {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// The handler can only reach globals; one TerminationSignals object owns them at a time.
std::atomic<int> gWriteFd{-1};
std::array<struct sigaction, kSignals.size()> gPrevious{};

extern "C" void onTerminationSignal(int signal) {
    const int savedErrno = errno;
    const int fd = gWriteFd.load();
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(signal);
        // A full pipe already holds a wake-up; dropping this byte loses nothing.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals() {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    readFd_ = fds[0];
    gWriteFd.store(fds[1]);
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
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
