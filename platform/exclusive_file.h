// An advisory lock (flock) on one file, for a resource other processes of this program use too:
// the mouse, whose multi-report exchanges must not interleave with another program's. Unlike
// FolderLock it waits only so long, because the other holder may be stopped in a terminal and a
// write to the mouse must end with a clear answer instead of hanging.
#pragma once

#include <chrono>
#include <filesystem>

namespace karvo::fileops {

class ExclusiveFile {
  public:
    enum class Outcome {
        Held,          // no other holder now; held until destruction
        TimedOut,      // another holder kept it for the whole wait
        NotShareable,  // the file could not be opened or locked: nothing is held
    };

    // Creates the file when it is missing (it is never removed: removing a lock file races
    // with a process that is about to lock it).
    ExclusiveFile(const std::filesystem::path& file, std::chrono::milliseconds wait);
    ~ExclusiveFile();
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    Outcome outcome() const { return outcome_; }

  private:
    int fd_ = -1;
    Outcome outcome_ = Outcome::NotShareable;
};

}  // namespace karvo::fileops
