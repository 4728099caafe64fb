// The macro page used as its owner uses it, on the whole window program with the emulated mouse
// and the real pop-up menus: a step inserted through the insert menu and the macro given to a
// button through the button menu, then Apply, and the mouse holds what karvoctl computes; the
// host playing the macro once the page's host playback entry is on (and not once it is off);
// and a group exported and imported again under another name through the macro list's menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/macro_page_editor.h"
#include "fake_window.h"
#include "platform/private_profile.h"
#include "platform/qt/qt_macro_page.h"
#include "platform/qt/qt_window_menus.h"
#include "services/language_text_index.h"
#include "temp_dir.h"
#include "ui/dialogs/cmenu_dlg.h"
#include "ui/dialogs/csub_menu_dlg.h"
#include "ui/dialogs/mac_sel_menu_dlg.h"
#include "ui/skin/layout_index.h"
#include "window_program.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
namespace mw = skin::main_window;
namespace mp = skin::macro_page;
using testing::clickAt;
using testing::runUntil;

// The window program with its menus and the macro page's editor, wired as main() wires them.
struct MacroPageProgram {
    MacroPageProgram() {
        fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);
    }
    // Starts the program and waits for the start-up write; false when that failed.
    bool start() {
        if (!p.start() || !runUntil([&] { return p.downloadsDone == 1; }))
            return false;
        menus.emplace(qt::QtWindowMenus::Parts{
            p.state, p.queue, p.runner, p.warning, *p.platform, p.pictures, p.fonts, {}});
        p.dlg.setMenuOpener(&menus->opener());
        p.dlg.setActions(&actions);
        editor.commands().setLanguage(p.state.language);
        p.dlg.setMacroEditor(&editor);
        p.macroControls.setLanguage(p.state.language);
        p.macroControls.setKeyNum(p.state.description.keyNum);
        p.macroControls.reload();
        if (auto* page = p.window.macroPage())
            page->setCommands(&editor.commands(),
                              [this](const MacroEditCommands::MenuRequest& r, QPoint at) {
                                  editor.openMenu(r, at.x(), at.y());
                              });
        return true;
    }
    PopupMenus& popups() { return menus->menus(); }
    QWidget* window() { return p.window.widget(); }
    // Moves to, presses and releases on row `row` of the pop-up of `level`, as the pointer
    // would: the events go to the pop-up window under the point, in screen pixels.
    void hoverRow(PopupLevel level, MenuWindow& menu, int row) {
        rowEvent(level, menu, row, false);
    }
    void clickRow(PopupLevel level, MenuWindow& menu, int row) { rowEvent(level, menu, row, true); }
    // Selects the first macro of the first group through the list's keys.
    std::optional<std::pair<int, int>> selectFirstMacro() {
        CListBoxXI& macros = p.macroControls.macroList();
        while (!p.macroControls.selectedMacro() && macros.onKey(CListBoxXI::Key::Down)) {
        }
        if (auto* page = p.window.macroPage())
            page->sync();
        return p.macroControls.selectedMacro();
    }
    // Apply, and the write that follows.
    bool apply() {
        const int before = p.downloadsDone;
        clickAt(window(), p.state.skin.main().rect(mw::kApply));
        return runUntil([&] { return p.downloadsDone == before + 1; });
    }

    testing::TempDir dir;
    testing::WindowProgram p{dir.path()};
    testing::ScriptedFiles files;
    ProgramActions actions{
        {p.state, p.queue, p.warning, &files, &p.macroControls, nullptr, &p.lighting}};
    std::optional<qt::QtWindowMenus> menus;
    MacroPageEditor editor{
        {{p.state.macros, p.macroControls, p.state.texts, p.state.keys, p.warning, nullptr,
          [this](int what) {
              p.queue.post({msg::WM_MACRO_GROUP_FILE, static_cast<std::uintptr_t>(what), 0});
          },
          msOfDayNow, nullptr},
         [this]() -> MenuOpener& { return p.dlg.menus(); },
         nullptr,
         [this] {
             if (auto* page = p.window.macroPage())
                 page->sync();
         },
         nullptr,
         [this]() -> PopupMenus* { return menus ? &menus->menus() : nullptr; }}};

  private:
    void rowEvent(PopupLevel level, MenuWindow& menu, int row, bool click) {
        const SkinRect frame = popups().frame(level);
        const SkinRect r = menu.rowRect(row);
        const QPoint global(frame.x + r.x + r.width / 2, frame.y + r.y + r.height / 2);
        QWidget* target = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() == Qt::Popup && w->geometry().contains(global))
                target = w;
        ASSERT_NE(target, nullptr) << "no pop-up window at row " << row;
        const QPointF local(target->mapFromGlobal(global));
        const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent e(type, local, QPointF(global), button, held, Qt::NoModifier);
            QApplication::sendEvent(target, &e);
        };
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        if (click) {
            send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
            send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        }
        QApplication::processEvents();
    }
};

// The group rows of the page's pop-ups have texts; a row is found by what it reads.
int rowReading(const MenuWindow& menu, const std::string& text) {
    for (int r = 1; r <= menu.rowCount(); ++r)
        if (menu.rows()[static_cast<std::size_t>(r - 1)].text == text)
            return r;
    return 0;
}

TEST(MacroPageEndToEnd, AnInsertedStepAndTheButtonMenusMacroChoiceReachTheMouse) {
    MacroPageProgram m;
    ASSERT_TRUE(m.start());
    testing::WindowProgram& p = m.p;
    const MainSkin& skin = p.state.skin;
    clickAt(m.window(), skin.main().rect(mw::kTabFirst + 2));  // the macro page
    const auto selected = m.selectFirstMacro();
    ASSERT_TRUE(selected);
    const int group = selected->first;
    const int macro = selected->second;
    const MacroRecord before = p.state.macros.groupMacro(group, macro);
    ASSERT_GT(before.stepCount, 0);
    ASSERT_LT(before.stepCount, 270);

    // Insert, "Insert after", "Left button down": after the selected (first) step.
    p.macroControls.stepList().setSelection(0);
    clickAt(m.window(), skin.macro().rect(mp::kInsert));
    ASSERT_NE(m.popups().menu(), nullptr);
    ASSERT_EQ(m.popups().menu()->kind(), MenuKind::Insert);
    m.hoverRow(PopupLevel::Menu, *m.popups().menu(), 2);
    ASSERT_NE(m.popups().subMenu(), nullptr);
    m.clickRow(PopupLevel::SubMenu, *m.popups().subMenu(), 1);
    ASSERT_TRUE(runUntil(
        [&] { return p.state.macros.groupMacro(group, macro).stepCount == before.stepCount + 1; }));
    EXPECT_FALSE(m.popups().isOpen());
    const MacroRecord edited = p.state.macros.groupMacro(group, macro);
    EXPECT_EQ(edited.steps[1].key, macrokey::kMouseLeft);
    EXPECT_EQ(edited.steps[1].kind, stepkind::kPress);
    EXPECT_EQ(edited.steps[1].delay, 100);
    EXPECT_EQ(edited.steps[2], before.steps[1]);

    // The buttons page: button 3's menu, "Macro", the group, the macro.
    const int slot = 2;
    clickAt(m.window(), skin.main().rect(mw::kTabFirst));
    clickAt(m.window(), skin.main().rect(mw::kHotspotFirst + slot));
    ASSERT_NE(m.popups().menu(), nullptr);
    ASSERT_EQ(m.popups().menu()->kind(), MenuKind::ButtonFunction);
    m.hoverRow(PopupLevel::Menu, *m.popups().menu(), 9);
    ASSERT_NE(m.popups().subMenu(), nullptr);
    m.hoverRow(PopupLevel::SubMenu, *m.popups().subMenu(), group + 1);
    ASSERT_NE(m.popups().macroChoice(), nullptr);
    m.clickRow(PopupLevel::MacroChoice, *m.popups().macroChoice(), macro + 1);
    EXPECT_FALSE(m.popups().isOpen());
    const std::int32_t function = MacroPageControls::macroFunction(group, macro);
    EXPECT_EQ(p.state.settings.read([&](const Settings& s) {
        return s.current().buttons[static_cast<std::size_t>(slot)].function;
    }),
              function);

    ASSERT_TRUE(m.apply());
    ASSERT_TRUE(p.mouse->saveState());
    EXPECT_TRUE(testing::mouseMatchesKarvoctlImage(m.dir.path()));
    EXPECT_TRUE(p.mouse->protocolErrors().empty());
    // What karvoctl read is the edit and the assignment: both are in the saved folder.
    EXPECT_EQ(ini::readString(p.state.paths.configFile, "Config0", "K2", "", 64),
              std::to_string(function));
}

// The 0x15 key lists a key-only macro makes the mouse send: each press adds its key, each
// release takes it out, the rest of the six places zero.
std::vector<std::array<std::uint8_t, 6>> keyListsOf(const MacroRecord& macro) {
    std::vector<std::array<std::uint8_t, 6>> lists;
    std::vector<std::uint8_t> held;
    for (const MacroAction& s : macro.validSteps()) {
        if (s.kind == stepkind::kPress)
            held.push_back(s.key);
        else
            std::erase(held, s.key);
        std::array<std::uint8_t, 6> list{};
        std::copy(held.begin(), held.end(), list.begin());
        lists.push_back(list);
    }
    return lists;
}

TEST(MacroPageEndToEnd, WithHostPlaybackOnTheComputerPlaysTheRecordedMacroOfAPressedButton) {
    MacroPageProgram m;
    ASSERT_TRUE(m.start());
    testing::WindowProgram& p = m.p;
    const MainSkin& skin = p.state.skin;
    clickAt(m.window(), skin.main().rect(mw::kTabFirst + 2));
    const auto selected = m.selectFirstMacro();
    ASSERT_TRUE(selected);
    const int group = selected->first;
    const int macro = selected->second;

    // Recorded on the page: Ctrl+C, played once per press.
    clickAt(m.window(), skin.macro().rect(mp::kModeCount));
    clickAt(m.window(), skin.macro().rect(mp::kRecord));
    ASSERT_TRUE(m.editor.recording());
    testing::postCtrlC(p.queue);
    ASSERT_TRUE(runUntil([&] { return p.macroControls.stepList().lines().size() == 8; }));
    clickAt(m.window(), skin.macro().rect(mp::kRecord));
    ASSERT_FALSE(m.editor.recording());
    const MacroRecord recorded = p.state.macros.groupMacro(group, macro);
    ASSERT_EQ(recorded.stepCount, 4);
    ASSERT_EQ(recorded.mode & 3, 0);
    ASSERT_EQ(recorded.repeatCount, 1);

    const int slot = 2;
    const auto key = p.state.description.keyMap.keyOfSlot(slot);
    ASSERT_TRUE(key);
    p.state.settings.edit([&](Settings& s) {
        s.current().buttons[static_cast<std::size_t>(slot)].function =
            MacroPageControls::macroFunction(group, macro);
    });
    const auto keyLists = [&] {
        std::vector<std::array<std::uint8_t, 6>> out;
        for (const auto& c : p.mouse->liveCommands())
            if (c.code == 0x15)
                out.push_back(c.args);
        return out;
    };

    // Host playback on, Apply: the mouse hands the button to the computer.
    ASSERT_EQ(p.state.settings.snapshot().shared.softHardMac, 0);
    clickAt(m.window(), skin.macro().rect(mp::kSoftwarePlayback));
    EXPECT_EQ(p.state.settings.snapshot().shared.softHardMac, 1);
    ASSERT_TRUE(m.apply());
    EXPECT_EQ(ini::readString(p.state.paths.configFile, "ShareData", "SOFT_HARD_MAC", "", 64), "1");
    const auto handedOver = [&] {
        for (const auto& c : p.mouse->liveCommands())
            if (c.code == 0x10 && c.args[0] == *key && c.args[1] == 0)
                return true;
        return false;
    }();
    EXPECT_TRUE(handedOver) << "no key function 0 for key " << *key;

    const std::size_t listsBefore = keyLists().size();
    p.mouse->keyDown(*key);
    p.mouse->keyUp(*key);
    const auto expected = keyListsOf(recorded);
    ASSERT_TRUE(runUntil([&] { return keyLists().size() >= listsBefore + expected.size(); }))
        << keyLists().size() - listsBefore << " key lists";
    const auto lists = keyLists();
    const std::vector<std::array<std::uint8_t, 6>> played(
        lists.begin() + static_cast<std::ptrdiff_t>(listsBefore),
        lists.begin() + static_cast<std::ptrdiff_t>(listsBefore + expected.size()));
    EXPECT_EQ(played, expected);
    EXPECT_EQ(expected[1], (std::array<std::uint8_t, 6>{224, 6, 0, 0, 0, 0}));  // Ctrl and C
    // The end of a macro lets go of everything: one more, empty list.
    ASSERT_TRUE(runUntil([&] { return keyLists().size() >= listsBefore + expected.size() + 1; }));
    EXPECT_EQ(keyLists()[listsBefore + expected.size()], (std::array<std::uint8_t, 6>{}));

    // Host playback off, Apply: a press plays nothing on the computer any more. The computer
    // deals with presses in turn, and a consumer key's usage is sent whatever the setting, so
    // once the next button's usage arrives the macro button's press has been dealt with.
    const int consumerSlot = 3;
    const auto consumerKey = p.state.description.keyMap.keyOfSlot(consumerSlot);
    ASSERT_TRUE(consumerKey);
    p.state.settings.edit([&](Settings& s) {
        s.current().buttons[static_cast<std::size_t>(consumerSlot)].function = 25;
    });
    clickAt(m.window(), skin.macro().rect(mp::kSoftwarePlayback));
    EXPECT_EQ(p.state.settings.snapshot().shared.softHardMac, 0);
    ASSERT_TRUE(m.apply());
    const std::size_t afterOff = keyLists().size();
    const auto usages = [&] {
        std::size_t n = 0;
        for (const auto& c : p.mouse->liveCommands())
            n += c.code == 0x17 ? 1 : 0;
        return n;
    };
    const std::size_t usagesBefore = usages();
    p.mouse->keyDown(*key);
    p.mouse->keyUp(*key);
    // A press offered while the one before is still being dealt with is dropped: press again.
    bool usageSent = false;
    for (int attempt = 0; attempt < 20 && !usageSent; ++attempt) {
        p.mouse->keyDown(*consumerKey);
        p.mouse->keyUp(*consumerKey);
        usageSent = runUntil([&] { return usages() > usagesBefore; }, 500);
    }
    ASSERT_TRUE(usageSent);
    EXPECT_EQ(keyLists().size(), afterOff);
    EXPECT_TRUE(p.mouse->protocolErrors().empty());
}

TEST(MacroPageEndToEnd, AGroupExportedAndImportedUnderAnotherNameHoldsTheSameRows) {
    MacroPageProgram m;
    ASSERT_TRUE(m.start());
    testing::WindowProgram& p = m.p;
    clickAt(m.window(), p.state.skin.main().rect(mw::kTabFirst + 2));
    const auto selected = m.selectFirstMacro();
    ASSERT_TRUE(selected);
    const int group = selected->first;
    const std::string name = p.state.macros.withGroups(
        [&](MacroGroup& g) { return std::string(g.groupName(static_cast<std::size_t>(group))); });
    const int groupsBefore = p.state.macros.groupCount();
    const fs::path macroFolder = p.state.paths.macroFolder;

    // A right click on the macro list, "Export group", a file outside the program's folders.
    const auto openListMenu = [&] {
        qt::QtListBox* list = p.window.macroPage()->list(0);
        const QPointF at(20, p.macroControls.macroList().lineHeight() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, list->mapToGlobal(at), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
        QApplication::processEvents();
        return m.popups().menu();
    };
    const auto rowOf = [&](int item) {
        return rowReading(
            *m.popups().menu(),
            p.state.texts.text(TextSection::DevMac, text::devmac::kGroupMenuFirst + item - 1));
    };
    // The exported file's name is the new group's.
    testing::TempDir outside;
    const fs::path exported = outside.path() / "Shooter.dat";
    m.files.answer = exported;
    ASSERT_NE(openListMenu(), nullptr);
    ASSERT_EQ(m.popups().menu()->kind(), MenuKind::MacroStep);
    const int exportRow = rowOf(7);
    ASSERT_GT(exportRow, 0);
    m.clickRow(PopupLevel::Menu, *m.popups().menu(), exportRow);
    ASSERT_TRUE(runUntil([&] { return fs::exists(exported); }));
    ASSERT_EQ(m.files.asked.size(), 1u);
    EXPECT_EQ(m.files.asked[0].folder, macroFolder);
    EXPECT_EQ(m.files.asked[0].filter, "All Files(*.dat)");
    EXPECT_EQ(m.files.asked[0].suggestedName, name + ".dat");

    // "Import group" of the exported file.
    ASSERT_NE(openListMenu(), nullptr);
    const int importRow = rowOf(6);
    ASSERT_GT(importRow, 0);
    m.clickRow(PopupLevel::Menu, *m.popups().menu(), importRow);
    ASSERT_TRUE(runUntil([&] { return p.state.macros.groupCount() == groupsBefore + 1; }));
    ASSERT_EQ(m.files.asked.size(), 2u);
    EXPECT_EQ(m.files.asked[1].folder, macroFolder);

    // The list ends with the new group, whose file is a copy under its own name, and whose
    // macros are the exported group's row for row.
    const auto names = p.state.macros.withGroups([](MacroGroup& g) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < g.groupCount(); ++i)
            out.push_back(std::string(g.groupName(i)));
        return out;
    });
    ASSERT_EQ(names.size(), static_cast<std::size_t>(groupsBefore + 1));
    EXPECT_EQ(names.back(), "Shooter");
    EXPECT_EQ(ini::readString(macroFolder / "macroGrp.ini", "MACRO_GROUP_NAME",
                              std::to_string(groupsBefore), "", 256),
              "Shooter");
    EXPECT_EQ(testing::readAll(macroFolder / "Shooter.dat"), testing::readAll(exported));
    const int copy = groupsBefore;
    ASSERT_EQ(p.state.macros.macroCount(copy), p.state.macros.macroCount(group));
    for (int i = 0; i < p.state.macros.macroCount(group); ++i)
        EXPECT_EQ(p.state.macros.groupMacro(copy, i), p.state.macros.groupMacro(group, i))
            << "macro " << i;
    bool listed = false;
    for (const ListLine& l : p.macroControls.macroList().lines())
        listed |= l.text == "Shooter";
    EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace karvo
