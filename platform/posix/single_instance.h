// POSIX back-end of the single-instance lock. The lock is flock() on <folder>/<name>.lock: the
// system drops it when the process ends, however it ends, so a file left by a crash never
// blocks a new start. Restore requests travel as datagrams on the Unix socket
// <folder>/<name>.sock, which the lock's holder binds. A datagram arrives whole or not at all,
// so the holder reads each request in one non-blocking call; a stream connection could be
// accepted before its bytes arrive and would leave the window thread waiting for them.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/single_instance.h"

namespace karvo::posix {

// The one request there is, as it travels on the socket.
inline constexpr std::string_view kRestoreRequest = "restore";
// Datagrams read per dispatchPending() call, so a flood cannot hold the window thread.
inline constexpr std::size_t kRequestBatch = 8;

enum class FolderRule {
    OthersCannotWrite,  // the session's runtime folder, which the system may make readable
    OwnerOnly,          // our own folder under /tmp, where anyone could have made it first
};

// Empty when `folder` is itself a directory (a symbolic link to one does not count) owned by
// `uid` with no permission `rule` forbids; otherwise what is wrong, as words that follow the
// folder's name in a message.
std::string folderProblem(const std::filesystem::path& folder, uid_t uid, FolderRule rule);

struct FolderChoice {
    std::filesystem::path folder;  // empty when no safe folder could be had
    std::string warning;           // why a folder was refused; may be set with `folder` too
};

// `runtimeDir` (the value of XDG_RUNTIME_DIR, null when unset) when it is a safe folder,
// otherwise `tmpRoot`/karvo-gmouse-<uid>, created with mode 0700 when missing. An existing
// fallback that is not private to the user is refused, not repaired: someone else made it.
FolderChoice sessionFolder(const char* runtimeDir, const std::filesystem::path& tmpRoot, uid_t uid);

std::filesystem::path lockPath(const std::filesystem::path& folder, std::string_view name);
std::filesystem::path socketPath(const std::filesystem::path& folder, std::string_view name);

// How a later start reaches the holder, which may have the lock but not yet its socket.
struct RestoreRetry {
    int attempts = 1;
    std::function<void()> pause;  // between two attempts
};

// Sends one restore request to the socket at `socket`, without waiting for room in a full
// queue. False when nobody receives there (yet) or the path does not fit a socket address.
bool sendRestore(const std::filesystem::path& socket);

// The lock and the socket in `folder`, which the caller has found safe.
InstanceClaim claimIn(const std::filesystem::path& folder, std::string_view name,
                      const RestoreRetry& retry);

}  // namespace karvo::posix
