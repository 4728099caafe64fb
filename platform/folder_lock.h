// The lock of a data folder. Every read-modify-write of a file in a folder (the configuration,
// the macro group list and group files) holds it from the read to the rename, so two writers,
// threads of this program or other processes such as karvoctl beside the window, never work
// from a copy of a file the other is about to replace.
#pragma once

#include <filesystem>

namespace karvo::fileops {

// Held for the object's lifetime. Across processes it is an advisory lock (flock) on the file
// ".karvo.lock" in the folder, which every writer of this program takes; inside the process a
// mutex per folder keeps threads apart. Re-entrant on the thread that holds it, so a command
// that locks its folder may call writers that lock it again.
//
// Scope::Process takes only the in-process part: for files written into a folder the user
// chose (an export), where no lock file should be left behind.
class FolderLock {
  public:
    enum class Scope { Processes, Process };

    explicit FolderLock(const std::filesystem::path& folder, Scope scope = Scope::Processes);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when the lock file could not be opened or locked (a read-only folder, a missing
    // one): then only the threads of this process are kept apart.
    bool sharedWithOtherProcesses() const { return shared_; }

    static constexpr const char* kLockFileName = ".karvo.lock";

    struct Slot;  // the state of one folder, kept for the whole run; opaque

  private:
    Slot* slot_;
    bool shared_ = false;
};

}  // namespace karvo::fileops
