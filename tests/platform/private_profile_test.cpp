// The private-profile functions on real files: creation, atomic replacement, batches that
// equal runs of single calls, the number conversion, and writers on several threads.
#include "platform/private_profile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <random>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.h"

namespace karvo::ini {
namespace {

using karvo::testing::TempDir;

TEST(PrivateProfileFile, MissingFileGivesTheDefaultAndAWriteCreatesIt) {
    TempDir dir;
    const auto file = dir / "new.ini";
    EXPECT_EQ(readString(file, "Init", "CurConfig", "7", 5), "7");
    EXPECT_TRUE(writeString(file, "Init", "CurConfig", "2"));
    EXPECT_EQ(dir.read("new.ini"), "[Init]\r\nCurConfig=2\r\n");
    EXPECT_EQ(readString(file, "init", "curconfig", "7", 5), "2");
}

// The files of a folder other than the lock file every writer shares.
long filesBesideTheLock(const std::filesystem::path& folder) {
    long n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        n += e.path().filename() != fileops::FolderLock::kLockFileName;
    return n;
}

TEST(PrivateProfileFile, ReplacesTheFileAtomicallyAndKeepsItsPermissions) {
    TempDir dir;
    const auto file = dir.write("c.ini", "[s]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    EXPECT_TRUE(writeString(file, "s", "k", "2"));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "a new file must be renamed into place";
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    // No temporary file is left behind.
    EXPECT_EQ(filesBesideTheLock(dir.path()), 1);
}

TEST(PrivateProfileFile, WritingTheSameValueLeavesTheFileAlone) {
    TempDir dir;
    const auto file = dir.write("c.ini", "[s]\nk = 1 \n");
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    EXPECT_TRUE(writeString(file, "S", "K", "1"));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(dir.read("c.ini"), "[s]\nk = 1 \n");
}

// A disk that fills up mid-write (here: a file size limit in a child process, which works even
// for root) must leave the old file whole and no temporary behind.
TEST(PrivateProfileFile, AFailedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string old = "[s]\r\nk=1\r\n";
    const auto file = dir.write("c.ini", old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = writeString(file, "s", "k", std::string(200, 'x'));
        ::_exit(written ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write must report failure";
    EXPECT_EQ(dir.read("c.ini"), old);
    EXPECT_EQ(filesBesideTheLock(dir.path()), 1);
}

TEST(PrivateProfileFile, AWriteIntoAMissingFolderFails) {
    TempDir dir;
    EXPECT_FALSE(writeString(dir / "no/such/folder.ini", "s", "k", "1"));
}

TEST(PrivateProfileFile, RemovesKeysAndSections) {
    TempDir dir;
    const auto file = dir.write("c.ini", "[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n");
    EXPECT_TRUE(writeString(file, "a", "x", std::nullopt));
    EXPECT_TRUE(removeSection(file, "b"));
    EXPECT_EQ(dir.read("c.ini"), "[a]\r\ny=2\r\n");
}

TEST(PrivateProfileFile, RefusesEntriesThatWouldInjectLines) {
    TempDir dir;
    const auto file = dir.write("c.ini", "[Init]\r\nCurConfig=0\r\n");
    EXPECT_FALSE(writeString(file, "Macro", "Name", "x\r\n[Init]\r\nCurConfig=3"));
    EXPECT_EQ(dir.read("c.ini"), "[Init]\r\nCurConfig=0\r\n");
}

// A transaction must leave exactly the bytes a run of single writes leaves, whatever the file
// held before: the batch is an optimisation, not another format.
TEST(PrivateProfileTransaction, EqualsARunOfSingleWrites) {
    std::mt19937 random(12345);
    const std::vector<std::string> sections = {"Init", "Config0", "config0", "ShareData", " X "};
    const std::vector<std::string> keys = {"K0", "k0", "LEFT_MAC00", "DPI_SET1", "new key", "a"};
    const std::vector<std::string> starts = {
        "", "; comment only", "[Config0]\nK0=1\n\n[ShareData]\r\nDPI_SET1 = 3 \r\n",
        "pre\r\n[x]\r\na=1\r\n[Init]\r\n", "\xEF\xBB\xBF[Init]\r\nCurConfig=1"};
    for (int round = 0; round < 200; ++round) {
        TempDir dir;
        const std::string start = starts[random() % starts.size()];
        const auto single = dir.write("single.ini", start);
        const auto batched = dir.write("batched.ini", start);
        IniTransaction tx(batched);
        for (int op = 0; op < 12; ++op) {
            const std::string& s = sections[random() % sections.size()];
            const std::string& k = keys[random() % keys.size()];
            const std::string v = std::to_string(random() % 3);
            if (random() % 5 == 0) {
                writeString(single, s, k, std::nullopt);
                tx.remove(s, k);
            } else {
                writeString(single, s, k, v);
                tx.set(s, k, v);
            }
        }
        ASSERT_TRUE(tx.commit());
        ASSERT_EQ(dir.read("batched.ini"), dir.read("single.ini")) << "start: " << start;
    }
}

TEST(PrivateProfileTransaction, DropsChangesThatAreNotCommitted) {
    TempDir dir;
    const auto file = dir.write("c.ini", "[s]\r\nk=1\r\n");
    {
        IniTransaction tx(file);
        tx.set("s", "k", "2");
    }
    EXPECT_EQ(dir.read("c.ini"), "[s]\r\nk=1\r\n");
}

// Two threads writing different keys of one file must not lose each other's keys: each
// read-modify-write holds the file's lock.
TEST(PrivateProfileTransaction, WritersOnSeveralThreadsLoseNothing) {
    TempDir dir;
    const auto file = dir / "shared.ini";
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([&file, t] {
            for (int i = 0; i < 25; ++i) {
                writeString(file, "T" + std::to_string(t), "k" + std::to_string(i), "v");
            }
        });
    }
    for (auto& w : writers)
        w.join();
    const IniSnapshot snapshot(file);
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(snapshot.document().keyNames("T" + std::to_string(t)).size(), 25u);
    }
}

TEST(PrivateProfileNumbers, ConvertLikeTheCRuntime) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0},
        {"12", 12},
        {"  -7", -7},
        {"+3", 3},
        {"4x", 4},
        {"x4", 0},
        {"33,Ctrl", 33},
        {"-", 0},
        {"2147483647", 2147483647},
        {"99999999999", 2147483647},
        {"-2147483648", -2147483648LL},
        {"-99999999999", -2147483648LL},
        {"\t\n 5", 5},
        {"0012", 12},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toInt(text), expected) << text;
}

TEST(PrivateProfileSnapshot, TellsWhetherTheFileExists) {
    TempDir dir;
    EXPECT_FALSE(IniSnapshot(dir / "none.ini").exists());
    EXPECT_TRUE(IniSnapshot(dir.write("empty.ini", "")).exists());
    EXPECT_EQ(IniSnapshot(dir.write("v.ini", "[s]\r\nn=12345\r\n")).getInt("s", "n", 5), 1234);
}

}  // namespace
}  // namespace karvo::ini
