// flock() for the lock, a Unix datagram socket for the restore requests.
#include "platform/posix/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>
#include <thread>

namespace karvo::posix {
namespace {

std::string errorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// The socket address of `path`, or nothing when the path (with its terminating zero) does not
// fit; a silently cut path would name another file.
std::optional<sockaddr_un> addressOf(const std::filesystem::path& path) {
    sockaddr_un address{};
    const std::string& text = path.native();
    if (text.empty() || text.size() >= sizeof(address.sun_path))
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return address;
}

// A datagram socket that never blocks and is not inherited by programs the process starts.
int openDatagramSocket() {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0 ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class PosixInstanceGuard final : public InstanceGuard {
  public:
    PosixInstanceGuard(int lockFd, int socketFd, std::filesystem::path socket)
        : lockFd_(lockFd), socketFd_(socketFd), socket_(std::move(socket)) {}
    ~PosixInstanceGuard() override {
        if (socketFd_ >= 0) {
            // Only the lock's holder may remove the socket file, so it goes before the lock.
            ::unlink(socket_.c_str());
            ::close(socketFd_);
        }
        ::close(lockFd_);
    }
    PosixInstanceGuard(const PosixInstanceGuard&) = delete;
    PosixInstanceGuard& operator=(const PosixInstanceGuard&) = delete;

    int fileDescriptor() const override { return socketFd_; }

    std::size_t dispatchPending(const std::function<void()>& restore) override {
        std::size_t valid = 0;
        if (socketFd_ < 0)
            return valid;
        for (std::size_t read = 0; read < kRequestBatch; ++read) {
            // One byte more than a request, so a longer datagram is told apart from one.
            char bytes[kRestoreRequest.size() + 1];
            iovec part{bytes, sizeof bytes};
            msghdr message{};
            message.msg_iov = &part;
            message.msg_iovlen = 1;
            const ssize_t n = ::recvmsg(socketFd_, &message, 0);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                break;  // EAGAIN: nothing more waits
            }
            const std::string_view got(bytes, static_cast<std::size_t>(n));
            if ((message.msg_flags & MSG_TRUNC) == 0 && got == kRestoreRequest) {
                ++valid;
                if (restore)
                    restore();
            }
        }
        return valid;
    }

  private:
    int lockFd_;
    int socketFd_;
    std::filesystem::path socket_;
};

// The lock's holder starts receiving: a socket file left by a holder that crashed is replaced,
// which is safe only because the caller holds the lock. -1 and `warning` set when it cannot.
int listenOn(const std::filesystem::path& socket, std::string& warning) {
    const auto address = addressOf(socket);
    if (!address) {
        warning = "the path " + socket.string() +
                  " is too long for a socket, so a second start cannot bring this window back";
        return -1;
    }
    const int fd = openDatagramSocket();
    if (fd < 0) {
        warning = "cannot open a socket (" + errorText(errno) + ")";
        return -1;
    }
    if (::unlink(socket.c_str()) != 0 && errno != ENOENT) {
        warning = "cannot remove the old " + socket.string() + " (" + errorText(errno) + ")";
        ::close(fd);
        return -1;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        warning = "cannot listen on " + socket.string() + " (" + errorText(errno) + ")";
        ::close(fd);
        return -1;
    }
    // The folder is private already; the file's own mode does not depend on the umask then.
    ::chmod(socket.c_str(), S_IRUSR | S_IWUSR);
    return fd;
}

}  // namespace

std::string folderProblem(const std::filesystem::path& folder, uid_t uid, FolderRule rule) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0)
        return "cannot be examined (" + errorText(errno) + ")";
    if (S_ISLNK(st.st_mode))
        return "is a symbolic link";
    if (!S_ISDIR(st.st_mode))
        return "is not a folder";
    if (st.st_uid != uid)
        return "belongs to another user";
    if (rule == FolderRule::OwnerOnly && (st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return "is open to other users";
    if (rule == FolderRule::OthersCannotWrite && (st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return "is writable by other users";
    return {};
}

FolderChoice sessionFolder(const char* runtimeDir, const std::filesystem::path& tmpRoot,
                           uid_t uid) {
    FolderChoice choice;
    if (runtimeDir && *runtimeDir) {
        const std::filesystem::path dir(runtimeDir);
        const std::string problem = dir.is_absolute()
                                        ? folderProblem(dir, uid, FolderRule::OthersCannotWrite)
                                        : "is not an absolute path";
        if (problem.empty()) {
            choice.folder = dir;
            return choice;
        }
        choice.warning = "XDG_RUNTIME_DIR " + dir.string() + " " + problem + "; ";
    }
    const std::filesystem::path own = tmpRoot / ("karvo-gmouse-" + std::to_string(uid));
    if (::mkdir(own.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
        choice.warning += own.string() + " cannot be created (" + errorText(errno) + ")";
        return choice;
    }
    if (const std::string problem = folderProblem(own, uid, FolderRule::OwnerOnly);
        !problem.empty()) {
        choice.warning += own.string() + " " + problem;
        return choice;
    }
    choice.folder = own;
    if (!choice.warning.empty())
        choice.warning += "using " + own.string();
    return choice;
}

std::filesystem::path lockPath(const std::filesystem::path& folder, std::string_view name) {
    return folder / (std::string(name) + ".lock");
}

std::filesystem::path socketPath(const std::filesystem::path& folder, std::string_view name) {
    return folder / (std::string(name) + ".sock");
}

bool sendRestore(const std::filesystem::path& socket) {
    const auto address = addressOf(socket);
    if (!address)
        return false;
    const int fd = openDatagramSocket();
    if (fd < 0)
        return false;
    ssize_t sent;
    do {
        sent = ::sendto(fd, kRestoreRequest.data(), kRestoreRequest.size(), 0,
                        reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
    } while (sent < 0 && errno == EINTR);
    ::close(fd);
    return sent == static_cast<ssize_t>(kRestoreRequest.size());
}

InstanceClaim claimIn(const std::filesystem::path& folder, std::string_view name,
                      const RestoreRetry& retry) {
    InstanceClaim claim;
    const std::filesystem::path lock = lockPath(folder, name);
    const int lockFd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd < 0) {
        claim.warning =
            "cannot open the lock file " + lock.string() + " (" + errorText(errno) + ")";
        return claim;
    }
    int locked;
    do {
        locked = ::flock(lockFd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        ::close(lockFd);
        if (error != EWOULDBLOCK) {
            claim.warning = "cannot lock " + lock.string() + " (" + errorText(error) + ")";
            return claim;
        }
        claim.result = InstanceClaim::Result::AlreadyRunning;
        const std::filesystem::path socket = socketPath(folder, name);
        for (int attempt = 0; attempt < retry.attempts; ++attempt) {
            if (attempt > 0 && retry.pause)
                retry.pause();
            if (sendRestore(socket))
                return claim;
        }
        claim.warning = "the program already runs but did not answer at " + socket.string();
        return claim;
    }
    claim.result = InstanceClaim::Result::First;
    const std::filesystem::path socket = socketPath(folder, name);
    const int socketFd = listenOn(socket, claim.warning);
    claim.guard = std::make_unique<PosixInstanceGuard>(lockFd, socketFd, socket);
    return claim;
}

}  // namespace karvo::posix

namespace karvo {

InstanceClaim claimSingleInstance(std::string_view name) {
    const posix::FolderChoice choice =
        posix::sessionFolder(std::getenv("XDG_RUNTIME_DIR"), "/tmp", ::geteuid());
    if (choice.folder.empty()) {
        InstanceClaim claim;
        claim.warning = choice.warning + "; no safe folder for the single-instance lock";
        return claim;
    }
    // The running program takes the lock before its socket: give it two seconds to listen.
    const posix::RestoreRetry retry{
        40, [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }};
    InstanceClaim claim = posix::claimIn(choice.folder, name, retry);
    if (!choice.warning.empty())
        claim.warning =
            claim.warning.empty() ? choice.warning : choice.warning + "; " + claim.warning;
    return claim;
}

}  // namespace karvo
