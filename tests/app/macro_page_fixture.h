// A program folder with the built configuration and English language folder and a macro
// library of two groups, with the macro page's controls over it: what the macro page tests share.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/macro_page_controls.h"
#include "platform/private_profile.h"
#include "services/program_paths.h"
#include "tests/support/temp_dir.h"

namespace karvo::testing {

namespace fs = std::filesystem;

inline MacroRecord keyMacro(const std::string& name, std::uint16_t steps, PlaybackMode mode,
                            std::uint16_t repeat) {
    MacroRecord r;
    r.setName(name);
    r.setPlaybackMode(mode);
    r.repeatCount = repeat;
    r.stepCount = steps;
    for (std::uint16_t i = 0; i < steps; ++i) {
        r.steps[i] = {i % 2 == 0 ? stepkind::kPress : stepkind::kRelease,
                      static_cast<std::uint8_t>(4 + i / 2), 0, 0, static_cast<std::uint16_t>(20)};
    }
    return r;
}

// A program folder with the built configuration and English language folder, whose macro
// library is two groups: Alpha (A1 repeat 3, A2 toggle) and Beta (B1: a mixed macro).
struct MacroPageFixture : ::testing::Test {
    MacroPageFixture() {
        const fs::path built = fs::path(KARVO_DATA_OUT_DIR);
        fs::create_directories(dir / "skins");
        fs::copy(built / "config", dir / "skins" / "config", fs::copy_options::recursive);
        fs::copy(built / "1_INI_EN", dir / "skins" / "1_INI_EN", fs::copy_options::recursive);
        fs::remove_all(paths.macroFolder);
        fs::create_directories(paths.macroFolder);

        MacroFile file(keys, 1);
        MacroTable alpha;
        alpha.setCount(2);
        *alpha.macro(0) = keyMacro("A1", 4, PlaybackMode::Repeat, 3);
        *alpha.macro(1) = keyMacro("A2", 2, PlaybackMode::Mode1, 1);
        EXPECT_TRUE(file.writeGroup(paths.macroFolder / "Alpha.dat", alpha));
        MacroTable beta;
        beta.setCount(1);
        MacroRecord b1 = keyMacro("B1", 2, PlaybackMode::Repeat, 1000);
        b1.steps[2] = {stepkind::kMoveLeftUp, macrokey::kMove, 9, 8, 5};
        b1.steps[3] = {stepkind::kSetSensitivity, macrokey::kSensitivity, 2, 0, 6};
        b1.steps[4] = {stepkind::kPress, macrokey::kMouseLeft, 0, 0, 7};
        b1.stepCount = 5;
        b1.moveCount = 1;
        b1.sensitivityCount = 1;
        *beta.macro(0) = b1;
        EXPECT_TRUE(file.writeGroup(paths.macroFolder / "Beta.dat", beta));
        {
            // Ended before the library is read: a transaction holds the folder's lock, which is
            // always taken after the library's, never before it.
            ini::IniTransaction list(paths.macroFolder / "macroGrp.ini");
            list.set("MACRO_GROUP_NUM", "macGrpNum", "2");
            list.set("MACRO_GROUP_NAME", "0", "Alpha");
            list.set("MACRO_GROUP_NAME", "1", "Beta");
            EXPECT_TRUE(list.commit());
        }

        EXPECT_EQ(texts.load(paths.languageFolder, notifier), LanguageTextTable::Load::Loaded);
        EXPECT_EQ(skin.load(paths.languageFolder, 1, "Disabled", notifier), MainSkin::Load::Loaded);
        library.load(paths, 1);
        controls.setKeyNum(8);
        controls.macroList().setSize(296, 490);
        controls.macroList().setLineHeight(20);
        controls.reload();
    }

    std::vector<std::string> macroLines() const {
        std::vector<std::string> out;
        for (const ListLine& l : controls.macroList().lines())
            out.push_back(std::string(l.indent, ' ') + l.text);
        return out;
    }
    // Clicks the line that reads `text`, as the user would.
    void click(const std::string& text) {
        CListBoxXI& list = controls.macroList();
        for (std::size_t i = 0; i < list.lines().size(); ++i) {
            if (list.lines()[i].text != text)
                continue;
            const int row = static_cast<int>(i) - list.topLine();
            ASSERT_TRUE(list.onLeftDown(5, row * list.lineHeight() + 1)) << text;
            return;
        }
        FAIL() << "no line " << text;
    }
    std::vector<bool> keyMarks() const {
        std::vector<bool> out;
        for (const ListLine& l : controls.keyList().lines())
            out.push_back(l.marked);
        return out;
    }

    testing::TempDir dir;
    ProgramPaths paths = ProgramPaths::build(dir.path(), 1);
    MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library{keys, notifier};
    LanguageTextTable texts;
    MainSkin skin;
    SettingsModel settings;
    std::vector<std::optional<int>> modes;
    MacroPageControls controls{{library, texts, keys, skin, settings,
                                [this](std::optional<int> mode) { modes.push_back(mode); }}};
};

}  // namespace karvo::testing
