// The snapshot form of the private-profile reads: it must say whether the file was there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/private_profile.h"

namespace karvo::ini {
namespace {

TEST(IniSnapshot, KnowsWhetherTheFileExists) {
    std::random_device rd;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("karvo-snapshot-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "present.ini";
    std::ofstream(file, std::ios::binary) << "[s]\r\nk=v\r\n";

    const IniSnapshot present(file);
    EXPECT_TRUE(present.exists());
    EXPECT_EQ(present.get("s", "k", "", 260), "v");
    const IniSnapshot missing(dir / "missing.ini");
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(missing.get("s", "k", "def", 260), "def");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace karvo::ini
