// POSIX back-end of ExclusiveFile: flock, polled without blocking so the wait has an end.
#include "platform/exclusive_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace karvo::fileops {

ExclusiveFile::ExclusiveFile(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            outcome_ = Outcome::Held;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;  // a file system without locks
        if (std::chrono::steady_clock::now() >= deadline) {
            outcome_ = Outcome::TimedOut;
            break;
        }
        // Another program's write takes about a second; 10 ms adds little to the wait.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(fd_);
    fd_ = -1;
}

ExclusiveFile::~ExclusiveFile() {
    if (fd_ >= 0)
        ::close(fd_);  // the only descriptor: closing it releases the lock
}

}  // namespace karvo::fileops
