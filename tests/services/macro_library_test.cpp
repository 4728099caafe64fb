// The macro libraries as the download and the device threads see them: the shipped library of
// a language, blank answers out of range, and reloads while other threads read.
#include "services/macro_library.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

// The program folder of the build, where the generated macro data lies.
const std::filesystem::path kProgramFolder =
    std::filesystem::path(KARVO_DATA_OUT_DIR).parent_path();

TEST(MacroLibrary, AnswersFromTheShippedLibraryOfTheLanguage) {
    const MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library(keys, notifier);
    library.load(ProgramPaths::build(kProgramFolder, 1), 1);
    EXPECT_TRUE(notifier.notices.empty());

    ASSERT_GT(library.groupCount(), 0);
    ASSERT_GT(library.macroCount(0), 0);
    const MacroRecord first = library.groupMacro(0, 0);
    EXPECT_FALSE(first.nameUtf8().empty());
    EXPECT_GT(first.stepCount, 0);
    EXPECT_EQ(library.groupMacro(0, 0),
              library.withGroups([](MacroGroup& g) { return g.readMacroForDevice(0, 0); }));
    EXPECT_GT(library.presetCount(), 0);
    EXPECT_GT(library.preset(0).stepCount, 0);
    EXPECT_FALSE(library.constantMacros().empty());
}

TEST(MacroLibrary, AMissingBuiltInMacroFileGivesTipTextFive) {
    const MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library(keys, notifier);
    ProgramPaths paths = ProgramPaths::build(kProgramFolder, 1);
    paths.constMacroFile = paths.configFolder / "no-such-constMacro.dat";
    library.load(paths, 1);
    EXPECT_EQ(notifier.notices, (std::vector<RecordingNotifier::Notice>{{5, ""}}));
    EXPECT_TRUE(library.constantMacros().empty());
    EXPECT_GT(library.groupCount(), 0) << "the groups load all the same";
}

TEST(MacroLibrary, QuestionsOutOfRangeGetBlankAnswers) {
    const MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library(keys, notifier);
    library.load(ProgramPaths::build(kProgramFolder, 1), 1);
    const int groups = library.groupCount();
    EXPECT_EQ(library.macroCount(-1), 0);
    EXPECT_EQ(library.macroCount(groups), 0);
    EXPECT_EQ(library.groupMacro(groups, 0), MacroRecord{});
    EXPECT_EQ(library.groupMacro(0, library.macroCount(0)), MacroRecord{});
    EXPECT_EQ(library.groupMacro(-1, -1), MacroRecord{});
    EXPECT_EQ(library.preset(-1), MacroRecord{});
    EXPECT_EQ(library.preset(library.presetCount()), MacroRecord{});
}

TEST(MacroLibrary, WritesAMacroBackIntoItsGroupFileAndTheShownTable) {
    karvo::testing::TempDir dir;
    std::filesystem::copy(kProgramFolder / "skins", dir / "skins",
                          std::filesystem::copy_options::recursive);
    const MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library(keys, notifier);
    const auto paths = ProgramPaths::build(dir.path(), 1);
    library.load(paths, 1);

    MacroRecord adjusted = library.groupMacro(0, 1);
    adjusted.extraA = 1;
    adjusted.extraB = 17;
    ASSERT_TRUE(library.writeGroupMacro(0, 1, adjusted));
    EXPECT_EQ(library.groupMacro(0, 1).extraB, 17);
    EXPECT_EQ(library.withGroups([](MacroGroup& g) { return g.table().macro(1)->extraB; }), 17);
    EXPECT_FALSE(library.writeGroupMacro(0, library.macroCount(0), adjusted));
    EXPECT_FALSE(library.writeGroupMacro(library.groupCount(), 0, adjusted));

    MacroLibrary reread(keys, notifier);
    reread.load(paths, 1);
    EXPECT_EQ(reread.groupMacro(0, 1).extraB, 17);
    EXPECT_EQ(reread.groupMacro(0, 0), library.groupMacro(0, 0)) << "other rows stay";
}

// The download worker reads the library while the window switches the language.
TEST(MacroLibrary, ReloadsWhileOtherThreadsRead) {
    const MacVkAndText keys;
    RecordingNotifier notifier;
    MacroLibrary library(keys, notifier);
    library.load(ProgramPaths::build(kProgramFolder, 1), 1);
    std::atomic<bool> stop{false};
    std::thread reader([&] {
        while (!stop) {
            for (int g = 0; g < library.groupCount(); ++g) {
                (void)library.groupMacro(g, library.macroCount(g) - 1);
            }
            (void)library.preset(0);
        }
    });
    for (const int language : {4, 0, 1}) {
        library.load(ProgramPaths::build(kProgramFolder, language), language);
    }
    stop = true;
    reader.join();
    EXPECT_GT(library.groupCount(), 0);
}

}  // namespace
}  // namespace karvo
