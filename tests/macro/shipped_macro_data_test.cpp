// The macro data the build generates beside the program: every language folder's example groups
// in "macro/" and "macroReset/", and the gun presets. Each file must load without a notice, be
// the same in every language (files store virtual keys), and hold well-formed macros.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "macro/gun_presets.h"
#include "macro/macro_group.h"
#include "platform/file_ops.h"
#include "services/program_paths.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;

const fs::path kSkins = KARVO_DATA_OUT_DIR;

std::vector<int> languagesWithFolders() {
    std::vector<int> out;
    for (int lang = 0; lang < MacVkAndText::kLanguageSlots; ++lang) {
        if (!languageFolderName(lang).empty())
            out.push_back(lang);
    }
    return out;
}

void expectWellFormed(const MacroRecord& m, const MacVkAndText& keys, int lang) {
    SCOPED_TRACE(m.nameUtf8());
    EXPECT_FALSE(m.nameUtf8().empty());
    EXPECT_GE(m.repeatCount, 1);
    EXPECT_GT(m.stepCount, 0);
    std::map<std::uint8_t, int> held;
    std::map<std::uint8_t, std::size_t> counted;
    for (const MacroAction& s : m.validSteps()) {
        ++counted[s.key];
        if (s.kind == stepkind::kPress || s.kind == stepkind::kRelease) {
            EXPECT_NE(keys.name(lang, s.key, KeyMode::MacroSteps, "L", "M", "R"), "NULL")
                << int{s.key};
            held[s.key] += s.kind == stepkind::kPress ? 1 : -1;
            EXPECT_GE(held[s.key], 0) << "released before pressed: " << int{s.key};
        }
    }
    for (const auto& [key, n] : held)
        EXPECT_EQ(n, 0) << "left pressed: " << int{key};
    EXPECT_EQ(m.moveCount, counted[macrokey::kMove]);
}

TEST(ShippedMacroGroups, LoadInEveryLanguageWithWellFormedMacros) {
    const MacVkAndText keys;
    const auto languages = languagesWithFolders();
    ASSERT_EQ(languages.size(), 26u);
    for (const int lang : languages) {
        const fs::path folder = kSkins / languageFolderName(lang);
        SCOPED_TRACE(folder.string());
        const MacroFile file(keys, lang);
        RecordingNotifier notes;
        MacroGroup library(file, notes, folder / "macro", folder / "macroReset");
        library.load();
        EXPECT_TRUE(notes.notices.empty());
        ASSERT_GE(library.groupCount(), 3u);
        for (std::size_t g = 0; g < library.groupCount(); ++g) {
            EXPECT_GE(library.macroCount(g), 1u);
            const auto names = library.macroNames(g);
            EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
            MacroTable table;
            ASSERT_TRUE(file.readGroup(library.groupFile(g), table));
            for (const MacroRecord& m : table.macros())
                expectWellFormed(m, keys, lang);
        }
    }
}

TEST(ShippedMacroGroups, AreTheSameInEveryLanguageAndInTheResetFolder) {
    const fs::path english = kSkins / languageFolderName(1) / "macro";
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(english))
        files.push_back(e.path().filename().string());
    ASSERT_FALSE(files.empty());
    for (const int lang : languagesWithFolders()) {
        for (const char* sub : {"macro", "macroReset"}) {
            const fs::path folder = kSkins / languageFolderName(lang) / sub;
            for (const std::string& name : files) {
                EXPECT_EQ(fileops::readFile(folder / name), fileops::readFile(english / name))
                    << (folder / name);
            }
        }
    }
}

TEST(ShippedGunPresets, HoldTwelveRecoilPresets) {
    const MacVkAndText keys;
    const MacroFile file(keys, 1);
    RecordingNotifier notes;
    GunPresets presets(file, notes);
    ASSERT_TRUE(presets.load(kSkins / "config" / "PUBG.dat"));
    ASSERT_EQ(presets.count(), 12u);
    std::set<std::string> names;
    for (std::size_t i = 0; i < presets.count(); ++i) {
        const MacroRecord& p = *presets.preset(i);
        SCOPED_TRACE(p.nameUtf8());
        names.insert(p.nameUtf8());
        expectWellFormed(p, keys, 1);
        ASSERT_GE(p.stepCount, 3);
        EXPECT_EQ(p.steps[0].key, macrokey::kMouseLeft);
        EXPECT_EQ(p.steps[0].kind, stepkind::kPress);
        EXPECT_EQ(p.steps[1].kind, stepkind::kRelease);
        EXPECT_EQ(p.steps[0].delay, p.steps[1].delay);
        EXPECT_TRUE(p.playbackMode() == PlaybackMode::Repeat ||
                    p.playbackMode() == PlaybackMode::Mode2);
        EXPECT_EQ(p.extraB, GunPresets::kDefaultStrength);
        int sum = 1;
        int previousPull = 1 << 16;
        for (const MacroAction& s : p.validSteps()) {
            sum += s.delay;
            if (s.key != macrokey::kMove)
                continue;
            EXPECT_TRUE(s.kind == stepkind::kMoveLeftDown || s.kind == stepkind::kMoveRightDown);
            EXPECT_GT(s.p1, 0);
            EXPECT_LE(s.p1, previousPull) << "a recoil pull settles, it does not grow";
            previousPull = s.p1;
        }
        // Short mode-2 presets would be stretched by the device encoding; these need not be.
        EXPECT_GT(sum, 20);
    }
    EXPECT_EQ(names.size(), 12u);
}

}  // namespace
}  // namespace karvo
