// A macro recorded on the macro page reaches the mouse: a button given a shipped macro, Ctrl+C
// recorded into that macro through the window's key messages, the configuration applied to the
// emulated mouse, and its memory compared with the image the command-line tool computes from the
// same folder.
#include <gtest/gtest.h>

#include "app/macro_page_editor.h"
#include "app/window_messages.h"
#include "tests/cli/cli_fixture.h"

namespace karvo {
namespace {

TEST(MacroRecordingFlow, ARecordedMacroOnAButtonIsWhatTheMouseHolds) {
    testing::CliFixture cli;
    const auto imageNow = [&cli](const char* name) {
        const auto bin = cli.dir.path() / name;
        EXPECT_EQ(cli.run({"image", "--bin", bin.string()}).code, 0);
        return cli.dir.read(name);
    };
    // Button 3 of profile 1 runs macro 1 of group 1.
    ASSERT_EQ(cli.run({"set", "button", "1", "3", "256"}).code, 0);
    const std::string before = imageNow("before.bin");

    // The window's side over the same program folder.
    const ProgramPaths paths = ProgramPaths::build(cli.dir.path(), 1);
    MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library(keys, notifier);
    library.load(paths, 1);
    LanguageTextTable texts;
    ASSERT_EQ(texts.load(paths.languageFolder, notifier), LanguageTextTable::Load::Loaded);
    MainSkin skin;
    ASSERT_EQ(skin.load(paths.languageFolder, 1, "Disabled", notifier), MainSkin::Load::Loaded);
    SettingsModel settings;
    MacroPageControls controls({library, texts, keys, skin, settings, nullptr});
    controls.reload();
    std::uint32_t now = 40'000'000;
    MacroPageEditor editor({{library, controls, texts, keys, notifier, nullptr, nullptr,
                             [&now] { return now; }, nullptr},
                            nullptr,
                            nullptr,
                            nullptr,
                            nullptr,
                            nullptr});
    controls.selectMacroLine(0);  // the first group opens
    controls.selectMacroLine(1);  // its first macro
    ASSERT_EQ(controls.selectedMacro(), (std::pair<int, int>{0, 0}));

    editor.toggleRecording();
    const std::pair<std::uint32_t, int> events[] = {
        {msg::WM_KEYDOWN, 162}, {msg::WM_KEYDOWN, 67}, {msg::WM_KEYUP, 67}, {msg::WM_KEYUP, 162}};
    for (const auto& [message, vk] : events) {
        now += 120;
        editor.onRecordedKey(message, vk);
    }
    editor.toggleRecording();
    ASSERT_FALSE(editor.recording());
    const MacroRecord recorded = library.groupMacro(0, 0);
    ASSERT_EQ(recorded.stepCount, 4);
    EXPECT_EQ(recorded.steps[1], (MacroAction{1, 6, 0, 0, 120}));

    const testing::CliResult applied = cli.sim({"apply"});
    ASSERT_EQ(applied.code, 0) << applied.err;
    const std::string after = imageNow("after.bin");
    const std::string memory = cli.stateBytes();
    ASSERT_EQ(memory.size(), after.size());
    EXPECT_TRUE(memory == after);
    EXPECT_FALSE(after == before);  // the recorded steps are what changed
    EXPECT_TRUE(notifier.notices.empty());
}

}  // namespace
}  // namespace karvo
