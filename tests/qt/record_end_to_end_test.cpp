// Recording on the whole window program with the emulated mouse: the macro page opened and a
// macro chosen by clicks, the record entry clicked, Ctrl+C arriving as the key messages the
// recording's keyboard capture posts, the record entry clicked again, the macro given to a
// button, then Apply. The mouse's memory must be the image karvoctl computes from the folder
// the window saved, and the saved macro must hold the four recorded steps.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/macro_page_editor.h"
#include "temp_dir.h"
#include "ui/skin/layout_index.h"
#include "window_program.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
namespace mw = skin::main_window;
namespace mp = skin::macro_page;
using testing::clickAt;
using testing::runUntil;

TEST(RecordEndToEnd, ARecordedMacroOnAButtonReachesTheMouseAsKarvoctlComputesIt) {
    testing::TempDir dir;
    fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);

    testing::WindowProgram p(dir.path());
    ASSERT_TRUE(p.start());
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 1; })) << "the start-up write";
    MacroPageEditor editor(
        {{p.state.macros, p.macroControls, p.state.texts, p.state.keys, p.warning, nullptr,
          [&p](int what) {
              p.queue.post({msg::WM_MACRO_GROUP_FILE, static_cast<std::uintptr_t>(what), 0});
          },
          msOfDayNow, nullptr},
         nullptr,
         nullptr,
         [&p] {
             if (auto* page = p.window.macroPage())
                 page->sync();
         },
         nullptr,
         nullptr});
    editor.commands().setLanguage(p.state.language);
    p.dlg.setMacroEditor(&editor);
    p.macroControls.setLanguage(p.state.language);
    p.macroControls.setKeyNum(p.state.description.keyNum);
    p.macroControls.reload();

    QWidget* w = p.window.widget();
    const MainSkin& skin = p.state.skin;
    clickAt(w, skin.main().rect(mw::kTabFirst + 2));  // the macro page
    CListBoxXI& macros = p.macroControls.macroList();
    while (!p.macroControls.selectedMacro() && macros.onKey(CListBoxXI::Key::Down)) {
    }
    const auto selected = p.macroControls.selectedMacro();
    ASSERT_TRUE(selected);
    const auto [group, macro] = *selected;

    clickAt(w, skin.macro().rect(mp::kRecord));
    ASSERT_TRUE(editor.recording());
    testing::postCtrlC(p.queue);
    ASSERT_TRUE(runUntil([&] { return p.macroControls.stepList().lines().size() == 8; }));
    clickAt(w, skin.macro().rect(mp::kRecord));
    ASSERT_FALSE(editor.recording());
    const MacroRecord recorded = p.state.macros.groupMacro(group, macro);
    ASSERT_EQ(recorded.stepCount, 4);
    EXPECT_EQ(recorded.steps[0].key, 224);
    EXPECT_EQ(recorded.steps[1].key, 6);

    const std::int32_t function = MacroPageControls::macroFunction(group, macro);
    p.state.settings.edit([&](Settings& s) { s.current().buttons[2].function = function; });
    clickAt(w, skin.main().rect(mw::kApply));
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 2; })) << "the apply's write";
    ASSERT_TRUE(p.mouse->saveState());

    EXPECT_TRUE(testing::mouseMatchesKarvoctlImage(dir.path()));
}

}  // namespace
}  // namespace karvo
