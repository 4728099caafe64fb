// One window program per user session. The first start takes a named lock and keeps it for
// the life of the process; a later start finds the lock taken, asks the running program to
// bring its window back, and ends. The running program is told through a descriptor its UI
// loop watches: dispatchPending() then hands each waiting request to the caller, on that
// same thread.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace karvo {

// The lock's name, shared by every build of the window program.
inline constexpr std::string_view kInstanceName = "CKarvo_GMouseApp";

// Held by the running program: while it lives, no other start gets the lock.
class InstanceGuard {
  public:
    virtual ~InstanceGuard() = default;

    // Readable while restore requests wait; -1 when none can arrive.
    virtual int fileDescriptor() const = 0;

    // Calls `restore` once for each valid request waiting, without blocking, and ignores
    // anything else that arrived; returns how many requests were valid. A flood is taken in
    // bounded batches: what is left keeps the descriptor readable for the next call.
    virtual std::size_t dispatchPending(const std::function<void()>& restore) = 0;
};

struct InstanceClaim {
    enum class Result {
        First,           // this process holds the lock now; keep `guard` until the end
        AlreadyRunning,  // another process holds it and was asked to restore its window
        Unguarded,       // no lock could be had: run anyway, one instance is better than none
    };
    Result result = Result::Unguarded;
    std::unique_ptr<InstanceGuard> guard;
    // What went wrong, for the user: why there is no lock, why the first start cannot hear
    // requests, or why the running one could not be reached. Empty when all went well.
    std::string warning;
};

// Takes the lock named `name` for this user's session, or asks its holder to restore its
// window. The platform's back-end picks the place and the means.
InstanceClaim claimSingleInstance(std::string_view name);

}  // namespace karvo
