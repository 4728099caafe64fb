// The single-instance lock on POSIX: a second claim finds the first running and its restore
// request arrives once; files left behind by a holder that is gone never block a new start;
// anything but a request on the socket is ignored; a holder that does not listen yet is
// retried; and the folder rules refuse links, other users' folders and open modes.
#include "platform/posix/single_instance.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "temp_dir.h"

namespace karvo::posix {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using Result = InstanceClaim::Result;

constexpr std::string_view kName = "CKarvo_GMouseApp";

// A datagram socket bound at `path`, as a holder leaves it; the caller closes it.
int bindDatagram(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a), 0) << path;
    return fd;
}

bool sendBytes(const fs::path& path, std::string_view bytes) {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
    const ssize_t n = ::sendto(fd, bytes.data(), bytes.size(), MSG_DONTWAIT,
                               reinterpret_cast<const sockaddr*>(&a), sizeof a);
    ::close(fd);
    return n == static_cast<ssize_t>(bytes.size());
}

std::size_t drain(InstanceGuard& guard, int& restores) {
    return guard.dispatchPending([&restores] { ++restores; });
}

// As the window's loop does: dispatch again while the descriptor stays readable.
std::size_t drainAll(InstanceGuard& guard, int& restores) {
    std::size_t valid = 0;
    pollfd p{guard.fileDescriptor(), POLLIN, 0};
    while (::poll(&p, 1, 0) > 0)
        valid += drain(guard, restores);
    return valid;
}

fs::path folderWithMode(const TempDir& dir, std::string_view name, fs::perms mode) {
    const fs::path folder = dir / name;
    fs::create_directory(folder);
    fs::permissions(folder, mode);
    return folder;
}

TEST(SingleInstance, ASecondClaimFindsTheFirstAndItsRestoreRequestArrivesOnce) {
    TempDir dir;
    InstanceClaim first = claimIn(dir.path(), kName, {});
    ASSERT_EQ(first.result, Result::First) << first.warning;
    ASSERT_TRUE(first.guard);
    EXPECT_TRUE(first.warning.empty()) << first.warning;
    EXPECT_GE(first.guard->fileDescriptor(), 0);

    int restores = 0;
    EXPECT_EQ(drain(*first.guard, restores), 0u);  // nothing waits: returns at once

    const InstanceClaim second = claimIn(dir.path(), kName, {});
    EXPECT_EQ(second.result, Result::AlreadyRunning);
    EXPECT_FALSE(second.guard);
    EXPECT_TRUE(second.warning.empty()) << second.warning;
    EXPECT_EQ(drain(*first.guard, restores), 1u);
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(drain(*first.guard, restores), 0u);
    EXPECT_EQ(restores, 1);

    // Still held after the second went: a third start is refused too.
    EXPECT_EQ(claimIn(dir.path(), kName, {}).result, Result::AlreadyRunning);
    // Another name is another lock.
    EXPECT_EQ(claimIn(dir.path(), "OtherApp", {}).result, Result::First);
}

TEST(SingleInstance, FilesLeftBehindDoNotBlockTheNextStart) {
    TempDir dir;
    {
        InstanceClaim first = claimIn(dir.path(), kName, {});
        ASSERT_EQ(first.result, Result::First);
    }
    EXPECT_FALSE(fs::exists(socketPath(dir.path(), kName)));  // a clean end removes its socket

    // A holder that crashed leaves its lock file and a socket file nobody receives on.
    dir.write(std::string(kName) + ".lock", "stale");
    ::close(bindDatagram(socketPath(dir.path(), kName)));
    ASSERT_TRUE(fs::exists(socketPath(dir.path(), kName)));
    EXPECT_FALSE(sendRestore(socketPath(dir.path(), kName)));

    InstanceClaim next = claimIn(dir.path(), kName, {});
    ASSERT_EQ(next.result, Result::First) << next.warning;
    EXPECT_TRUE(next.warning.empty()) << next.warning;
    // It receives on a socket of its own, not on the dead one.
    EXPECT_EQ(claimIn(dir.path(), kName, {}).result, Result::AlreadyRunning);
    int restores = 0;
    EXPECT_EQ(drain(*next.guard, restores), 1u);
}

TEST(SingleInstance, AnyDatagramButARestoreRequestIsIgnored) {
    TempDir dir;
    InstanceClaim first = claimIn(dir.path(), kName, {});
    ASSERT_EQ(first.result, Result::First);
    const fs::path socket = socketPath(dir.path(), kName);
    const std::string_view garbage[] = {
        "", "restor", "RESTORE", "restore\n", "restorex", std::string_view("restore\0", 8), "show",
    };
    for (const std::string_view g : garbage)
        ASSERT_TRUE(sendBytes(socket, g));
    // A request with more after it, longer than the holder reads.
    ASSERT_TRUE(sendBytes(socket, std::string(kRestoreRequest) + std::string(4096, ' ')));
    ASSERT_TRUE(sendBytes(socket, "restore"));
    ASSERT_TRUE(sendBytes(socket, "garbage after"));

    int restores = 0;
    EXPECT_EQ(drainAll(*first.guard, restores), 1u);
    EXPECT_EQ(restores, 1);
}

TEST(SingleInstance, AFloodIsTakenInBoundedBatchesWithoutLosingRequests) {
    TempDir dir;
    InstanceClaim first = claimIn(dir.path(), kName, {});
    ASSERT_EQ(first.result, Result::First);
    const fs::path socket = socketPath(dir.path(), kName);
    std::size_t sent = 0;
    while (sent < 2 * kRequestBatch + 5 && sendRestore(socket))
        ++sent;
    ASSERT_GT(sent, kRequestBatch) << "the socket's queue is too short to fill a batch";

    int restores = 0;
    const std::size_t firstBatch = drain(*first.guard, restores);
    EXPECT_EQ(firstBatch, kRequestBatch);
    EXPECT_EQ(firstBatch + drainAll(*first.guard, restores), sent);
    EXPECT_EQ(restores, static_cast<int>(sent));
}

TEST(SingleInstance, AHolderWithoutItsSocketYetIsRetriedThenGivenUp) {
    TempDir dir;
    // Another process's lock, taken before its socket exists.
    const int held = ::open(lockPath(dir.path(), kName).c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    const fs::path socket = socketPath(dir.path(), kName);

    int pauses = 0;
    const InstanceClaim unanswered = claimIn(dir.path(), kName, {3, [&] { ++pauses; }});
    EXPECT_EQ(unanswered.result, Result::AlreadyRunning);
    EXPECT_FALSE(unanswered.guard);
    EXPECT_NE(unanswered.warning.find(socket.string()), std::string::npos) << unanswered.warning;
    EXPECT_EQ(pauses, 2);

    // The holder binds its socket during the second start's first pause.
    int late = -1;
    const InstanceClaim answered = claimIn(dir.path(), kName, {3, [&] {
                                                                   if (late < 0)
                                                                       late = bindDatagram(socket);
                                                               }});
    EXPECT_EQ(answered.result, Result::AlreadyRunning);
    EXPECT_TRUE(answered.warning.empty()) << answered.warning;
    ASSERT_GE(late, 0);
    char got[16] = {};
    EXPECT_EQ(::recv(late, got, sizeof got, MSG_DONTWAIT), 7);
    EXPECT_EQ(std::string(got), kRestoreRequest);
    ::close(late);
    ::close(held);

    // Once that holder is gone, the lock is free.
    EXPECT_EQ(claimIn(dir.path(), kName, {}).result, Result::First);
}

TEST(SingleInstance, ASocketPathTooLongForTheAddressStillLocksButCannotBeReached) {
    TempDir dir;
    const fs::path deep = dir / std::string(100, 'd');
    fs::create_directory(deep);
    ASSERT_GE(socketPath(deep, kName).native().size(), sizeof(sockaddr_un{}.sun_path));

    InstanceClaim first = claimIn(deep, kName, {});
    ASSERT_EQ(first.result, Result::First);
    EXPECT_EQ(first.guard->fileDescriptor(), -1);
    EXPECT_NE(first.warning.find("too long"), std::string::npos) << first.warning;
    int restores = 0;
    EXPECT_EQ(drain(*first.guard, restores), 0u);

    const InstanceClaim second = claimIn(deep, kName, {2, [] {}});
    EXPECT_EQ(second.result, Result::AlreadyRunning);
    EXPECT_FALSE(second.warning.empty());
}

TEST(SingleInstance, ALockThatCannotBeTakenLeavesTheProgramUnguardedWithAWarning) {
    TempDir dir;
    // A folder where the lock file cannot be created: a file stands in its way.
    const fs::path notAFolder = dir.write("plain", "x");
    const InstanceClaim claim = claimIn(notAFolder, kName, {});
    EXPECT_EQ(claim.result, Result::Unguarded);
    EXPECT_FALSE(claim.guard);
    EXPECT_NE(claim.warning.find("lock"), std::string::npos) << claim.warning;
}

TEST(SingleInstanceFolder, OnlyTheUsersOwnRealFolderWithoutOpenModesPasses) {
    TempDir dir;
    const uid_t me = ::geteuid();
    using P = fs::perms;
    const fs::path privateDir = folderWithMode(dir, "private", P::owner_all);
    const fs::path readable = folderWithMode(
        dir, "readable",
        P::owner_all | P::group_read | P::group_exec | P::others_read | P::others_exec);
    const fs::path open = folderWithMode(dir, "open", P::all);
    const fs::path groupWrite = folderWithMode(dir, "group", P::owner_all | P::group_all);
    const fs::path link = dir / "link";
    fs::create_directory_symlink(privateDir, link);
    const fs::path file = dir.write("file", "x");

    struct Case {
        fs::path folder;
        uid_t uid;
        bool ownerOnly;
        bool othersCannotWrite;
    };
    const Case cases[] = {
        {privateDir, me, true, true},
        {readable, me, false, true},
        {open, me, false, false},
        {groupWrite, me, false, false},
        {link, me, false, false},
        {file, me, false, false},
        {dir / "missing", me, false, false},
        {privateDir, me + 1, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(folderProblem(c.folder, c.uid, FolderRule::OwnerOnly).empty(), c.ownerOnly)
            << c.folder << " uid " << c.uid;
        EXPECT_EQ(folderProblem(c.folder, c.uid, FolderRule::OthersCannotWrite).empty(),
                  c.othersCannotWrite)
            << c.folder << " uid " << c.uid;
    }
    EXPECT_EQ(folderProblem(link, me, FolderRule::OwnerOnly), "is a symbolic link");
    EXPECT_EQ(folderProblem(privateDir, me + 1, FolderRule::OwnerOnly), "belongs to another user");
}

TEST(SingleInstanceFolder, TheRuntimeFolderIsUsedWhenSafeElseAPrivateFolderIsMade) {
    TempDir dir;
    const uid_t me = ::geteuid();
    const fs::path fallback = dir / ("karvo-gmouse-" + std::to_string(me));
    const fs::path runtime = folderWithMode(
        dir, "runtime", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);

    FolderChoice choice = sessionFolder(runtime.c_str(), dir.path(), me);
    EXPECT_EQ(choice.folder, runtime);
    EXPECT_TRUE(choice.warning.empty()) << choice.warning;
    EXPECT_FALSE(fs::exists(fallback));

    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        choice = sessionFolder(unset, dir.path(), me);
        EXPECT_EQ(choice.folder, fallback);
        EXPECT_TRUE(choice.warning.empty()) << choice.warning;
    }
    struct stat st {};
    ASSERT_EQ(::lstat(fallback.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // An unsafe runtime folder is named in the warning, and the fallback is used.
    const fs::path open = folderWithMode(dir, "open", fs::perms::all);
    for (const fs::path& bad : {open, fs::path("relative/run")}) {
        choice = sessionFolder(bad.c_str(), dir.path(), me);
        EXPECT_EQ(choice.folder, fallback) << bad;
        EXPECT_NE(choice.warning.find(bad.string()), std::string::npos) << choice.warning;
    }
}

TEST(SingleInstanceFolder, AFallbackSomeoneLaidOutBeforehandIsRefusedNotRepaired) {
    const uid_t me = ::geteuid();
    const std::string name = "karvo-gmouse-" + std::to_string(me);
    {
        // A link to a folder that looks fine.
        TempDir dir;
        const fs::path target = folderWithMode(dir, "target", fs::perms::owner_all);
        fs::create_directory_symlink(target, dir / name);
        const FolderChoice choice = sessionFolder(nullptr, dir.path(), me);
        EXPECT_TRUE(choice.folder.empty());
        EXPECT_NE(choice.warning.find("symbolic link"), std::string::npos) << choice.warning;
    }
    {
        TempDir dir;
        const fs::path open = folderWithMode(dir, name, fs::perms::all);
        const FolderChoice choice = sessionFolder(nullptr, dir.path(), me);
        EXPECT_TRUE(choice.folder.empty());
        EXPECT_NE(choice.warning.find(open.string()), std::string::npos) << choice.warning;
        EXPECT_EQ(fs::status(open).permissions(), fs::perms::all);
    }
    {
        TempDir dir;
        dir.write(name, "not a folder");
        EXPECT_TRUE(sessionFolder(nullptr, dir.path(), me).folder.empty());
    }
}

}  // namespace
}  // namespace karvo::posix
