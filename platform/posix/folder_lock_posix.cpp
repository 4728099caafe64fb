// POSIX back-end of the folder lock: flock(LOCK_EX) on ".karvo.lock", taken once per process
// and folder and counted for the threads' nested uses.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/folder_lock.h"

namespace karvo::fileops {

struct FolderLock::Slot {
    std::recursive_mutex mutex;  // the holding thread may lock again
    int fd = -1;                 // the open lock file while depth > 0
    int depth = 0;               // nested holds of the holding thread
    bool shared = false;         // the flock was taken
};

namespace {

std::string folderKey(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::path key = std::filesystem::weakly_canonical(folder, ec);
    if (ec)
        key = std::filesystem::absolute(folder, ec).lexically_normal();
    return key.string();
}

// One slot per folder for the whole run; the folders the program writes are a handful.
FolderLock::Slot& slotFor(const std::filesystem::path& folder) {
    static std::mutex registryLock;
    static std::map<std::string, std::unique_ptr<FolderLock::Slot>> slots;
    const std::string key = folderKey(folder.empty() ? std::filesystem::path(".") : folder);
    const std::lock_guard guard(registryLock);
    auto& slot = slots[key];
    if (!slot)
        slot = std::make_unique<FolderLock::Slot>();
    return *slot;
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder, Scope scope) : slot_(&slotFor(folder)) {
    slot_->mutex.lock();
    if (slot_->depth++ == 0 && scope == Scope::Processes) {
        const std::filesystem::path file =
            (folder.empty() ? std::filesystem::path(".") : folder) / kLockFileName;
        slot_->fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (slot_->fd >= 0) {
            int rc;
            do {
                rc = ::flock(slot_->fd, LOCK_EX);
            } while (rc != 0 && errno == EINTR);
            slot_->shared = rc == 0;
        }
    }
    shared_ = slot_->shared;
}

FolderLock::~FolderLock() {
    if (--slot_->depth == 0) {
        if (slot_->fd >= 0)
            ::close(slot_->fd);  // closing the only descriptor releases the flock
        slot_->fd = -1;
        slot_->shared = false;
    }
    slot_->mutex.unlock();
}

}  // namespace karvo::fileops
