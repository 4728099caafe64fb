// The last written image in a file: it reads back as written, and a damaged record, one of
// another device or of another connection is not used; forgetting removes it; the file's name
// in the user's cache folder is made of the device path's letters and digits only.
#include "device/written_image_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/device/download_config.h"
#include "tests/support/temp_dir.h"

namespace karvo::device {
namespace {

using Identity = FileWrittenImageStore::Identity;

WrittenImage richImage() {
    karvo::testing::DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    return WrittenImage::of(config.image());
}

TEST(FileWrittenImageStore, KeepsTheImageForItsDeviceAndConnectionOnly) {
    karvo::testing::TempDir dir;
    Identity now{"/dev/hidraw3", "boot 0003:5E3D:2A17.000A"};
    FileWrittenImageStore store(dir / "record", [&now] { return std::optional(now); });
    EXPECT_FALSE(store.load().image);
    EXPECT_EQ(store.load().problem, "");

    const WrittenImage image = richImage();
    store.remember(image);
    const auto loaded = store.load();
    ASSERT_TRUE(loaded.image);
    EXPECT_EQ(*loaded.image, image);
    EXPECT_NE(image.previous.macroAreaEnd, 0);

    now.connection = "boot 0003:5E3D:2A17.000B";  // plugged in again
    EXPECT_FALSE(store.load().image);
    EXPECT_NE(store.load().problem.find("connected again"), std::string::npos);
    now = {"/dev/hidraw4", "boot 0003:5E3D:2A17.000A"};
    EXPECT_NE(store.load().problem.find("another mouse"), std::string::npos);

    now = {"/dev/hidraw3", "boot 0003:5E3D:2A17.000A"};
    store.forget();
    EXPECT_FALSE(std::filesystem::exists(dir / "record"));
    EXPECT_FALSE(store.load().image);
}

TEST(FileWrittenImageStore, TakesNoDamagedRecord) {
    karvo::testing::TempDir dir;
    const Identity id{"sim:0/config", "memory 1"};
    FileWrittenImageStore store(dir / "record", [&id] { return std::optional(id); });
    const std::string good = FileWrittenImageStore::encode(richImage(), id);
    ASSERT_TRUE(FileWrittenImageStore::decode(good));

    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string flipped = good;
    flipped[good.size() / 2] = static_cast<char>(flipped[good.size() / 2] ^ 1);
    std::string longName = good;
    longName[22] = '\xFF';  // the path's length byte
    const Case cases[] = {
        {"empty", ""},
        {"cut short", good.substr(0, good.size() - 100)},
        {"one bit changed", flipped},
        {"a changed length", longName},
        {"another format", "karvo written image 2\n" + good.substr(22)},
        {"something else entirely", std::string(5000, 'x')},
    };
    for (const Case& c : cases) {
        dir.write("record", c.bytes);
        const auto loaded = store.load();
        EXPECT_FALSE(loaded.image) << c.what;
        EXPECT_NE(loaded.problem.find("damaged"), std::string::npos) << c.what;
    }
}

TEST(FileWrittenImageStore, KeepsNothingWhenTheConnectionCannotBeTold) {
    karvo::testing::TempDir dir;
    FileWrittenImageStore store(dir / "record", [] { return std::optional<Identity>(); });
    store.remember(richImage());
    EXPECT_FALSE(std::filesystem::exists(dir / "record"));
}

TEST(FileWrittenImageStore, NamesItsFileInTheUserCacheAfterTheDevicePath) {
    karvo::testing::TempDir dir;
    const char* old = std::getenv("XDG_CACHE_HOME");
    const std::string saved = old ? old : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CACHE_HOME", dir.path().c_str(), 1);

    const auto a = FileWrittenImageStore::inUserCache("/dev/hidraw3");
    const auto b = FileWrittenImageStore::inUserCache("/dev/hidraw_3");
    const auto evil = FileWrittenImageStore::inUserCache("../../etc/passwd");
    ASSERT_TRUE(a && b && evil);
    EXPECT_EQ(a->parent_path(), dir / "karvo-gmouse");
    EXPECT_EQ(evil->parent_path(), dir / "karvo-gmouse");
    EXPECT_EQ(a->filename().string().rfind("last-image-_dev_hidraw3-", 0), 0u) << *a;
    EXPECT_NE(*a, *b);
    EXPECT_EQ(evil->filename().string().find('/'), std::string::npos);
    const auto perms = std::filesystem::status(dir / "karvo-gmouse").permissions();
    EXPECT_EQ(perms & std::filesystem::perms::all, std::filesystem::perms::owner_all);

    // A store without a file of its own keeps the record under that name.
    const Identity id{"/dev/hidraw3", "boot 1"};
    FileWrittenImageStore cached({}, [&id] { return std::optional(id); });
    cached.remember(richImage());
    EXPECT_TRUE(std::filesystem::exists(*a));
    EXPECT_TRUE(cached.load().image);
    cached.forget();
    EXPECT_FALSE(std::filesystem::exists(*a));

    ::setenv("XDG_CACHE_HOME", "relative/folder", 1);
    ::setenv("HOME", dir.path().c_str(), 1);
    const auto home = FileWrittenImageStore::inUserCache("/dev/hidraw3");
    ASSERT_TRUE(home);
    EXPECT_EQ(home->parent_path(), dir / ".cache" / "karvo-gmouse");
    ::setenv("HOME", savedHome.c_str(), 1);
    if (old)
        ::setenv("XDG_CACHE_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CACHE_HOME");
}

}  // namespace
}  // namespace karvo::device
