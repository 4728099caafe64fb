// The lock on a shared resource: one holder at a time, across descriptors as across processes
// (flock belongs to the open file, not the process), a wait with an end, and no lock at all
// where the file cannot be made.
#include "platform/exclusive_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/temp_dir.h"

namespace karvo::fileops {
namespace {

using namespace std::chrono_literals;
using Outcome = ExclusiveFile::Outcome;

TEST(ExclusiveFile, OneHolderAtATimeAndAWaitThatEnds) {
    karvo::testing::TempDir dir;
    const auto file = dir / "mouse.lock";
    {
        ExclusiveFile first(file, 0ms);
        ASSERT_EQ(first.outcome(), Outcome::Held);
        const auto start = std::chrono::steady_clock::now();
        ExclusiveFile second(file, 60ms);
        EXPECT_EQ(second.outcome(), Outcome::TimedOut);
        EXPECT_GE(std::chrono::steady_clock::now() - start, 60ms);
    }
    ExclusiveFile afterwards(file, 0ms);
    EXPECT_EQ(afterwards.outcome(), Outcome::Held);
    EXPECT_TRUE(std::filesystem::exists(file));  // lock files stay: removing one races
}

TEST(ExclusiveFile, AWaitingProgramGetsItWhenTheOtherLetsGo) {
    karvo::testing::TempDir dir;
    const auto file = dir / "mouse.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ExclusiveFile held(file, 0ms);
        const char byte = held.outcome() == Outcome::Held ? 'y' : 'n';
        [[maybe_unused]] const auto n = ::write(ready[1], &byte, 1);
        std::this_thread::sleep_for(150ms);
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    const auto start = std::chrono::steady_clock::now();
    ExclusiveFile mine(file, 5s);
    EXPECT_EQ(mine.outcome(), Outcome::Held);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);  // it did wait for the other
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(ExclusiveFile, NoFileNoLock) {
    karvo::testing::TempDir dir;
    ExclusiveFile nowhere(dir / "missing" / "mouse.lock", 0ms);
    EXPECT_EQ(nowhere.outcome(), Outcome::NotShareable);
}

}  // namespace
}  // namespace karvo::fileops
