// What a save leaves on disk when other processes write the same folder, when the writer is
// killed half-way, and when the path is a link or no regular file at all.
#include "platform/file_ops.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

#include "platform/folder_lock.h"
#include "platform/private_profile.h"
#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
using karvo::testing::TempDir;

// Runs `work` in a child process and returns its pid; the child ends with _exit, so nothing of
// the test program's state is torn down twice.
pid_t spawn(const std::function<void()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        work();
        ::_exit(0);
    }
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// Files beside `file` that look like temporaries of a write of it (whatever the naming).
std::vector<std::string> temporariesOf(const fs::path& file) {
    std::vector<std::string> names;
    const std::string prefix = "." + file.filename().string() + ".";
    for (const auto& e : fs::directory_iterator(file.parent_path())) {
        const std::string name = e.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && name != prefix + "backup")
            names.push_back(name);
    }
    return names;
}

// Each process reads the whole file, changes its own key and writes the whole file back, as
// a save of a settings model does; without a lock both processes honour, one process's write
// undoes the other's.
TEST(FolderLock, TwoProcessesRewritingOneFileLoseNoUpdate) {
    TempDir dir;
    const fs::path file = dir.write("config.ini", "[Init]\r\n");
    constexpr int kRounds = 200;
    const auto writer = [&](const std::string& key) {
        for (int i = 1; i <= kRounds; ++i) {
            ini::IniTransaction tx(file);
            const int seen = ini::toInt(tx.document().getString("Count", key, "0", 10));
            tx.set("Count", key, std::to_string(seen + 1));
            if (!tx.commit())
                ::_exit(3);
        }
    };
    const pid_t a = spawn([&] { writer("a"); });
    const pid_t b = spawn([&] { writer("b"); });
    EXPECT_EQ(waitFor(a), 0);
    EXPECT_EQ(waitFor(b), 0);
    const ini::IniSnapshot result(file);
    EXPECT_EQ(result.getInt("Count", "a", 10), kRounds);
    EXPECT_EQ(result.getInt("Count", "b", 10), kRounds);
}

TEST(FolderLock, IsReentrantOnItsThreadAndExcludesOtherThreads) {
    TempDir dir;
    std::atomic<bool> inside{false};
    std::atomic<bool> overlapped{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 50; ++i) {
                const fileops::FolderLock outer(dir.path());
                const fileops::FolderLock inner(dir.path());  // the same thread again
                if (inside.exchange(true))
                    overlapped = true;
                std::this_thread::yield();
                inside = false;
            }
        });
    }
    for (auto& t : threads)
        t.join();
    EXPECT_FALSE(overlapped);
}

TEST(FolderLock, ProcessScopeLeavesNoLockFile) {
    TempDir dir;
    {
        const fileops::FolderLock lock(dir.path(), fileops::FolderLock::Scope::Process);
        EXPECT_FALSE(lock.sharedWithOtherProcesses());
    }
    EXPECT_FALSE(fs::exists(dir / fileops::FolderLock::kLockFileName));
    const fileops::FolderLock shared(dir.path());
    EXPECT_TRUE(shared.sharedWithOtherProcesses());
}

// A writer killed between creating its temporary file and renaming it leaves that file; the
// next write of the folder removes it (its writer has ended), and nothing else.
TEST(AtomicWrite, TheNextWriteRemovesWhatKilledWritersLeft) {
    TempDir dir;
    const fs::path file = dir / "config.ini";
    const fs::path foreign = dir.write(".config.ini.backup", "a user's own file");
    const fs::path lookalike = dir.write(".config.ini.~karvo1.abcdef", "pid 1 still runs");
    std::mt19937 random(7);
    const std::string big(64 * 1024, 'x');  // long enough that kills land inside the write
    int killsThatLeftOne = 0;
    constexpr int kKills = 200;
    for (int k = 0; k < kKills; ++k) {
        const pid_t child = spawn([&] {
            for (;;)
                fileops::writeFileAtomically(file, big);
        });
        std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 2000));
        ::kill(child, SIGKILL);
        waitFor(child);
        if (temporariesOf(file).size() > 1)
            ++killsThatLeftOne;
    }
    std::cout << "[ figures  ] " << killsThatLeftOne << " of " << kKills
              << " kills left a temporary file until the next write\n";
    ASSERT_TRUE(fileops::writeFileAtomically(file, "new"));
    EXPECT_EQ(temporariesOf(file), std::vector<std::string>{lookalike.filename().string()})
        << "only the file of a process that still runs stays";
    EXPECT_TRUE(fs::exists(foreign));
    EXPECT_EQ(dir.read("config.ini"), "new");
}

TEST(AtomicWrite, ReplacesTheTargetOfALinkAndKeepsTheLink) {
    TempDir dir;
    fs::create_directory(dir / "dotfiles");
    dir.write("dotfiles/config.ini", "old");
    fs::create_symlink("dotfiles/config.ini", dir / "config.ini");
    fs::create_symlink("config.ini", dir / "link-to-link.ini");

    ASSERT_TRUE(fileops::writeFileAtomically(dir / "link-to-link.ini", "new"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "config.ini")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link-to-link.ini")));
    EXPECT_EQ(dir.read("dotfiles/config.ini"), "new");

    fs::create_symlink("missing/../new.ini", dir / "dangling.ini");
    fs::create_directory(dir / "missing");
    ASSERT_TRUE(fileops::writeFileAtomically(dir / "dangling.ini", "made"));
    EXPECT_EQ(dir.read("new.ini"), "made");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "dangling.ini")));

    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    EXPECT_FALSE(fileops::writeFileAtomically(dir / "loop-a", "x"));
    EXPECT_NE(fileops::lastError().find("links"), std::string::npos);
}

TEST(AtomicWrite, RefusesWhatIsNoRegularFile) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    fs::create_symlink(dir / "fifo", dir / "link-to-fifo");
    for (const char* name : {"fifo", "folder", "link-to-fifo"}) {
        EXPECT_FALSE(fileops::writeFileAtomically(dir / name, "x")) << name;
        EXPECT_NE(fileops::lastError().find("not a regular file"), std::string::npos) << name;
    }
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "fifo")));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link-to-fifo")));
    EXPECT_TRUE(temporariesOf(dir / "fifo").empty());
    if (fs::exists("/dev/null")) {
        EXPECT_FALSE(fileops::writeFileAtomically("/dev/null", "x"));
    }
}

}  // namespace
}  // namespace karvo
