// Gun presets: loading the preset file, saving a preset with its compensation strength, and the
// gun dialog's button rules.
#include "macro/gun_presets.h"

#include <gtest/gtest.h>

#include "platform/file_ops.h"
#include "platform/private_profile.h"
#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

// A recoil preset: fire press and release, then downward moves with the given Y distances.
MacroRecord recoil(const std::string& name, std::initializer_list<std::uint16_t> ys) {
    MacroRecord r;
    r.setName(name);
    r.repeatCount = 5;
    r.extraB = 10;
    r.steps[0] = {stepkind::kPress, macrokey::kMouseLeft, 0, 0, 50};
    r.steps[1] = {stepkind::kRelease, macrokey::kMouseLeft, 0, 0, 50};
    std::uint16_t n = 2;
    for (const std::uint16_t y : ys)
        r.steps[n++] = {stepkind::kMoveLeftDown, macrokey::kMove, 0, y, 20};
    r.stepCount = n;
    r.moveCount = static_cast<std::uint16_t>(ys.size());
    return r;
}

class GunPresetsTest : public ::testing::Test {
  protected:
    GunPresetsTest() {
        MacroTable t;
        t.setCount(3);
        *t.macro(0) = recoil("M416", {3, 0, 7});
        *t.macro(1) = recoil("AKM", {9, 9});
        *t.macro(2) = recoil("UMP", {2});
        EXPECT_TRUE(file.writeGroup(presetPath, t));
    }
    testing::TempDir folder;
    fs::path presetPath = folder / "PUBG.dat";
    MacVkAndText keys;
    MacroFile file{keys, 1};
    RecordingNotifier notes;
    GunPresets presets{file, notes};
};

TEST_F(GunPresetsTest, LoadsEveryPresetOfTheFile) {
    ASSERT_TRUE(presets.load(presetPath));
    EXPECT_EQ(presets.count(), 3u);
    EXPECT_EQ(presets.preset(1)->nameUtf8(), "AKM");
    EXPECT_EQ(presets.preset(3), nullptr);
    EXPECT_EQ(presets.presetForDevice(2), recoil("UMP", {2}));
    EXPECT_EQ(presets.presetForDevice(3), MacroRecord{});
}

TEST_F(GunPresetsTest, AMissingFileKeepsTheTableAndSaysSo) {
    ASSERT_TRUE(presets.load(presetPath));
    EXPECT_FALSE(presets.load(folder / "nothing.dat"));
    EXPECT_EQ(presets.count(), 3u);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, GunPresets::kMissingFileText);
}

TEST_F(GunPresetsTest, SavingStrengthSetsEveryNonZeroVerticalDistance) {
    ASSERT_TRUE(presets.load(presetPath));
    ASSERT_TRUE(presets.save(0, 25));
    const auto ys = [](const MacroRecord& r) {
        return std::vector<int>{r.steps[2].p1, r.steps[3].p1, r.steps[4].p1};
    };
    EXPECT_EQ(ys(*presets.preset(0)), (std::vector<int>{25, 0, 25}));
    MacroTable onDisk;
    ASSERT_TRUE(file.readGroup(presetPath, onDisk));
    EXPECT_EQ(ys(*onDisk.macro(0)), (std::vector<int>{25, 0, 25}));
    EXPECT_EQ(*onDisk.macro(1), recoil("AKM", {9, 9}));
}

TEST_F(GunPresetsTest, SavingWithoutTheFileWritesNothing) {
    ASSERT_TRUE(presets.load(presetPath));
    fs::remove(presetPath);
    EXPECT_FALSE(presets.save(0, 25));
    EXPECT_FALSE(fs::exists(presetPath));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, GunPresets::kMissingFileText);
}

TEST_F(GunPresetsTest, OkStoresTheBoxesClampedAndMarksTheStrengthSet) {
    ASSERT_TRUE(presets.load(presetPath));
    struct Case {
        int repeat, interval, strength;
        int wantRepeat, wantInterval, wantStrength;
    };
    for (const Case& c : std::vector<Case>{{3, 80, 40, 3, 80, 40},
                                           {0, 0, 0, 1, 0, 1},
                                           {5000, 70000, 150, 1000, 65535, 99},
                                           {-2, -5, -9, 1, 0, 1}}) {
        ASSERT_TRUE(presets.applyOk(1, c.repeat, c.interval, c.strength));
        MacroTable onDisk;
        ASSERT_TRUE(file.readGroup(presetPath, onDisk));
        for (const MacroRecord* r : {presets.preset(1), onDisk.macro(1)}) {
            EXPECT_EQ(r->repeatCount, c.wantRepeat);
            EXPECT_EQ(r->steps[0].delay, c.wantInterval);
            EXPECT_EQ(r->steps[1].delay, c.wantInterval);
            EXPECT_EQ(r->steps[2].delay, 20);
            EXPECT_EQ(r->extraA, 1);
            EXPECT_EQ(r->extraB, c.wantStrength);
            EXPECT_EQ(r->steps[3].p1, c.wantStrength);
        }
    }
}

TEST_F(GunPresetsTest, AnIndexBeyondTheCountIsRefusedWithTheBadPresetNotice) {
    ASSERT_TRUE(presets.load(presetPath));
    const auto before = fileops::readFile(presetPath);
    EXPECT_FALSE(presets.applyOk(3, 1, 1, 1));
    EXPECT_FALSE(presets.applyFromMenu(200, 1, 1));
    EXPECT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[1].text, GunPresets::kBadPresetText);
    EXPECT_EQ(fileops::readFile(presetPath), before);
}

// The strength the moves carry is the one the dialog shows next time (extra byte B).
TEST_F(GunPresetsTest, MenuPathStoresRepeatAndStrengthOnly) {
    ASSERT_TRUE(presets.load(presetPath));
    ASSERT_EQ(presets.preset(2)->extraA, 0);
    ASSERT_TRUE(presets.applyFromMenu(2, 7, 33));
    const MacroRecord& r = *presets.preset(2);
    EXPECT_EQ(r.repeatCount, 7);
    EXPECT_EQ(r.steps[2].p1, 33);
    EXPECT_EQ(r.steps[0].delay, 50);
    EXPECT_EQ(r.extraA, 1);
    EXPECT_EQ(r.extraB, 33);
    ASSERT_TRUE(presets.load(presetPath));
    EXPECT_EQ(presets.preset(2)->extraB, 33);
    EXPECT_EQ(presets.preset(2)->steps[2].p1, 33);
}

TEST(GunDialogModes, ModeTwoThenModeZeroGivesAnEditableRepeatOfAtLeastOne) {
    MacroRecord r = recoil("Gun", {1});
    r.mode = 0xFD;  // high bits set, low bits 1
    GunPresets::setMode2(r);
    EXPECT_EQ(r.mode, 0xFA);
    EXPECT_EQ(r.repeatCount, 1);
    EXPECT_FALSE(GunPresets::repeatBoxEnabled(r));
    EXPECT_EQ(GunPresets::repeatBoxValue(r), 1);
    GunPresets::setMode0(r);
    EXPECT_EQ(r.mode, 0xF0);
    EXPECT_TRUE(GunPresets::repeatBoxEnabled(r));
    EXPECT_EQ(GunPresets::repeatBoxValue(r), 1);

    r.repeatCount = 0;
    GunPresets::setMode0(r);
    EXPECT_EQ(r.repeatCount, 1);
}

TEST(GunPresetFile, IsTheLanguagesOwnWhenItHasOne) {
    testing::TempDir folder;
    const fs::path language = folder / "1_INI_EN";
    const fs::path config = folder / "config";
    fs::create_directories(language);
    EXPECT_EQ(GunPresets::presetFile(language, config), config / "PUBG.dat");
    ASSERT_TRUE(fileops::writeFileAtomically(language / "PUBG.dat", ""));
    EXPECT_EQ(GunPresets::presetFile(language, config), language / "PUBG.dat");
}

}  // namespace
}  // namespace karvo
