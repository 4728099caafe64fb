// The main window controller driven by a fake window: pages and tabs, profiles, hover and
// press, window drag, the system menu, minimise, the exit entry with its reports, sliders and
// the paint.
#include "app/ckarvo_gmousedlg.h"

#include <gtest/gtest.h>

#include "app/window_messages.h"
#include "fake_window.h"
#include "recording_canvas.h"
#include "services/language_text_index.h"
#include "skin_fixture.h"
#include "tests/device/mouse_on_desk.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace mw = skin::main_window;
namespace adv = skin::advanced;
using testing::RecordingCanvas;

struct MainWindowFixture {
    explicit MainWindowFixture(int scale = 1) : shipped(scale) {
        settings.edit([&](Settings& s) { s = shipped.settings; });
    }
    // The centre of an entry, in window pixels.
    static std::pair<int, int> centre(const SkinLayout& t, int i) {
        const SkinRect& r = t.rect(i);
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    void click(const SkinLayout& t, int i) {
        const auto [x, y] = centre(t, i);
        dlg.onMouseMove(x, y);
        dlg.onLeftDown(x, y);
        dlg.onLeftUp(x, y);
    }

    testing::ShippedSkin shipped;
    SettingsModel settings;
    testing::FakeWindow window;
    testing::RecordingQueue queue;
    testing::ScriptedRunner runner;
    WarningDlg warning{runner, queue, {}};
    testing::MouseOnDesk desk;
    PaintRegion macroRegion{{0, 0, 10, 10}};
    CKarvo_GMouseDlg dlg{{shipped.skin, settings, window, queue, warning, &desk.link, &macroRegion},
                         shipped.pictures,
                         8};
};

TEST(CKarvo_GMouseDlg, APageTabSwitchesThePageOnPress) {
    MainWindowFixture f;
    const auto [x, y] = f.centre(f.shipped.skin.main(), mw::kTabFirst + 3);
    f.dlg.onMouseMove(x, y);
    f.dlg.onLeftDown(x, y);
    EXPECT_EQ(f.dlg.page(), Page::Lighting);
    EXPECT_FALSE(f.dlg.mainPageShown());
    EXPECT_GT(f.window.invalidated, 0);
}

TEST(CKarvo_GMouseDlg, OnlyTheMacroPageLimitsItsPaintAndEveryPageChangeIsTold) {
    MainWindowFixture f;
    std::vector<Page> told;
    f.dlg.setOnPageChanged([&told](Page p) { told.push_back(p); });
    EXPECT_EQ(f.dlg.paintRegion(), nullptr);
    f.click(f.shipped.skin.main(), mw::kTabFirst + 2);
    EXPECT_EQ(f.dlg.paintRegion(), &f.macroRegion);
    f.click(f.shipped.skin.main(), mw::kTabFirst + 2);  // the same page again: no change
    f.dlg.showPage(Page::Advanced);
    EXPECT_EQ(f.dlg.paintRegion(), nullptr);
    EXPECT_EQ(told, (std::vector<Page>{Page::Macro, Page::Advanced}));
}

TEST(CKarvo_GMouseDlg, AProfileTabMakesItsProfileCurrentOnRelease) {
    MainWindowFixture f;
    f.click(f.shipped.skin.main(), mw::kProfileFirst + 2);
    EXPECT_EQ(f.settings.snapshot().currentProfile, 2);
}

TEST(CKarvo_GMouseDlg, MovesUpdateAllFourHotItemsButRepaintOnlyOnAChange) {
    MainWindowFixture f;
    const auto [x, y] = f.centre(f.shipped.skin.main(), mw::kApply);
    EXPECT_TRUE(f.dlg.onMouseMove(x, y));
    EXPECT_EQ(f.dlg.hot(LayoutFile::Main), mw::kApply);
    EXPECT_FALSE(f.dlg.onMouseMove(x + 1, y));
    const auto [sx, sy] = f.centre(f.shipped.skin.advanced(), adv::kFireTime);
    f.dlg.onMouseMove(sx, sy);
    EXPECT_EQ(f.dlg.hot(LayoutFile::Advance), adv::kFireTime);
}

TEST(CKarvo_GMouseDlg, TheMainPagesButtonsAreNotHotOnOtherPages) {
    MainWindowFixture f;
    f.dlg.showPage(Page::Advanced);
    const auto [x, y] = f.centre(f.shipped.skin.main(), mw::kHotspotFirst);
    f.dlg.onMouseMove(x, y);
    EXPECT_EQ(f.dlg.hot(LayoutFile::Main), NO_ITEM);
}

TEST(CKarvo_GMouseDlg, APressOnTheBackgroundLetsTheSystemDragTheWindow) {
    MainWindowFixture f;
    ASSERT_EQ(ImageStateWindow::hitTest(f.shipped.skin.main(), 10, 300, 79), NO_ITEM);
    f.dlg.onLeftDown(10, 300);  // the left margin: no entry there
    ASSERT_EQ(f.queue.posted.size(), 1u);
    EXPECT_EQ(f.queue.posted[0],
              (WindowMessage{msg::WM_NCLBUTTONDOWN, msg::HTCAPTION, (300 << 16) | 10}));
    EXPECT_FALSE(f.dlg.pressed());
    f.dlg.onMessage(f.queue.posted[0]);
    EXPECT_EQ(f.window.calls, std::vector<std::string>{"move"});
}

TEST(CKarvo_GMouseDlg, TheMinimiseEntryPostsTheSystemCommandThatMinimises) {
    MainWindowFixture f;
    f.click(f.shipped.skin.main(), mw::kMinimise);
    ASSERT_EQ(f.queue.posted.size(), 1u);
    EXPECT_EQ(f.queue.posted[0], (WindowMessage{msg::WM_SYSCOMMAND, msg::SC_MINIMIZE, 0}));
    f.dlg.onMessage(f.queue.posted[0]);
    EXPECT_EQ(f.window.calls, std::vector<std::string>{"minimise"});
}

TEST(CKarvo_GMouseDlg, TheExitEntryHidesSendsRefreshAndClosingAndEndsOnce) {
    MainWindowFixture f;
    f.desk.attach();
    f.click(f.shipped.skin.main(), mw::kClose);
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"hide", "tray off", "close"}));
    const auto sets = f.desk.sets();
    ASSERT_GE(sets.size(), 3u);
    EXPECT_EQ(sets[sets.size() - 3][1], 0x18);  // refresh: 18 10 ...
    EXPECT_EQ(sets[sets.size() - 3][2], 0x10);
    EXPECT_EQ(sets.back()[1], 0x20);  // closing
    f.dlg.onMessage({msg::WM_CLOSE, 0, 0});
    EXPECT_EQ(f.window.calls.size(), 3u);
    EXPECT_EQ(f.desk.sets().size(), sets.size());
}

TEST(CKarvo_GMouseDlg, TheTrayShowsTheHiddenWindowAndItsExitRunsTheShutdownPath) {
    MainWindowFixture f;
    f.desk.attach();
    f.dlg.onMessage({msg::WM_SYSCOMMAND, msg::SC_CLOSE, 0});
    f.dlg.onMessage({msg::WM_TRAY_NOTIFY, msg::kTrayIconId, 0x0202});  // a single click
    f.dlg.onMessage({msg::WM_TRAY_NOTIFY, 7, msg::WM_LBUTTONDBLCLK});  // not our icon
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"minimise", "hide"}));
    f.dlg.onMessage({msg::WM_TRAY_NOTIFY, msg::kTrayIconId, msg::WM_LBUTTONDBLCLK});
    f.dlg.onMessage({msg::WM_COMMAND, msg::ID_TRAY_SHOW, 0});
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"minimise", "hide", "restore", "restore"}));

    const std::size_t before = f.desk.sets().size();
    f.dlg.onMessage({msg::WM_COMMAND, msg::ID_TRAY_EXIT, 0});
    EXPECT_TRUE(f.dlg.shutDown());
    EXPECT_EQ(f.window.calls.back(), "close");
    EXPECT_EQ(f.desk.sets().size(), before + 3);  // refresh (two reports) and closing
    EXPECT_EQ(f.desk.sets().back()[1], 0x20);
}

TEST(CKarvo_GMouseDlg, TheTrayMenuHasShowThenExitInTheLanguage) {
    LanguageTextTable texts;
    RecordingNotifier notices;
    ASSERT_EQ(texts.load(testing::builtSkinFolder() / "1_INI_EN", notices),
              LanguageTextTable::Load::Loaded);
    const auto items = trayMenuItems(texts);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], (TrayMenuItem{msg::ID_TRAY_SHOW, "Show"}));
    EXPECT_EQ(items[1], (TrayMenuItem{msg::ID_TRAY_EXIT, "Exit"}));
}

TEST(CKarvo_GMouseDlg, EndingTheProgramEndsAnOpenNoticeFirst) {
    MainWindowFixture f;
    f.desk.attach();
    std::vector<std::string> callsWhileOpen;
    f.runner.script = [&](SkinnedWindow&) {
        // The user picks the tray's exit while a notice is on screen.
        f.dlg.onMessage({msg::WM_COMMAND, msg::ID_TRAY_EXIT, 0});
        callsWhileOpen = f.window.calls;
    };
    EXPECT_EQ(f.warning.showWarning("still open"), 0);
    EXPECT_EQ(f.runner.ended, 1);
    EXPECT_TRUE(f.warning.closed());
    EXPECT_EQ(callsWhileOpen, (std::vector<std::string>{"tray off", "close"}));
}

TEST(CKarvo_GMouseDlg, UnpluggingTheMouseEndsTheWindowWithoutReports) {
    MainWindowFixture f;
    f.desk.attach();
    const std::size_t before = f.desk.sets().size();
    f.dlg.mouseRemoved();
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"tray off", "close"}));
    EXPECT_TRUE(f.warning.closed());
    EXPECT_EQ(f.desk.sets().size(), before);
    f.dlg.onMessage({msg::WM_EXIT_PROGRAM, 0, 0});  // already ended: nothing more
    EXPECT_EQ(f.window.calls.size(), 2u);
}

TEST(CKarvo_GMouseDlg, TheSystemCloseCommandOnlyHidesTheWindow) {
    MainWindowFixture f;
    f.dlg.onMessage({msg::WM_SYSCOMMAND, msg::SC_CLOSE, 0});
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"minimise", "hide"}));
    EXPECT_FALSE(f.dlg.shutDown());
}

TEST(CKarvo_GMouseDlg, WithoutATrayClosingMinimisesAndSaysWhyOnce) {
    MainWindowFixture f;
    f.window.hasTray = false;
    int notices = 0;
    f.runner.script = [&](SkinnedWindow&) { ++notices; };
    f.dlg.onMessage({msg::WM_SYSCOMMAND, msg::SC_CLOSE, 0});
    f.dlg.onMessage({msg::WM_SYSCOMMAND, msg::SC_CLOSE, 0});
    // Never hidden: without a tray icon nothing could bring it back.
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"minimise", "minimise"}));
    EXPECT_FALSE(f.window.hidden());
    EXPECT_EQ(notices, 1);
    EXPECT_FALSE(f.dlg.shutDown());
    // A tray that appeared later takes the window again.
    f.window.hasTray = true;
    f.dlg.onMessage({msg::WM_SYSCOMMAND, msg::SC_CLOSE, 0});
    EXPECT_TRUE(f.window.hidden());
    EXPECT_EQ(notices, 1);
}

TEST(CKarvo_GMouseDlg, ARightClickOnTheBackgroundOpensTheSystemMenuThereOnly) {
    MainWindowFixture f;
    f.dlg.onRightUp(10, 300);  // the left margin, where a left press drags the window
    ASSERT_EQ(f.window.calls, std::vector<std::string>{"system menu"});
    EXPECT_EQ(f.window.menuPoint, std::make_pair(10, 300));
    std::vector<std::uintptr_t> commands;
    for (const SystemMenuEntry& e : f.window.menuEntries) {
        commands.push_back(e.command);
        EXPECT_EQ(e.text.empty(), e.command == 0) << e.text;
    }
    EXPECT_EQ(commands, (std::vector<std::uintptr_t>{msg::SC_RESTORE, msg::SC_MINIMIZE,
                                                     msg::SC_CLOSE, 0, msg::IDM_ABOUTBOX}));
    EXPECT_TRUE(f.queue.posted.empty());  // dismissed: nothing to do

    // On an entry of the header, of the main page, or of another page: no menu.
    f.window.calls.clear();
    for (const int entry :
         {mw::kApply, mw::kTabFirst + 1, mw::kProfileFirst + 2, mw::kHotspotFirst}) {
        const auto [x, y] = f.centre(f.shipped.skin.main(), entry);
        f.dlg.onRightUp(x, y);
    }
    f.dlg.showPage(Page::Advanced);
    const auto [sx, sy] = f.centre(f.shipped.skin.advanced(), adv::kWheelSpeed);
    f.dlg.onRightUp(sx, sy);
    EXPECT_TRUE(f.window.calls.empty());
    EXPECT_TRUE(f.queue.posted.empty());
    EXPECT_EQ(f.settings.snapshot().currentProfile, f.shipped.settings.currentProfile);

    // Nor while a slider is being dragged, wherever the right button comes up.
    f.dlg.onMouseMove(sx, sy);
    f.dlg.onLeftDown(sx, sy);
    ASSERT_EQ(f.dlg.drag(), CKarvo_GMouseDlg::Drag::WheelSpeed);
    f.dlg.onRightUp(10, 300);
    EXPECT_TRUE(f.window.calls.empty());
}

TEST(CKarvo_GMouseDlg, TheSystemMenuKeyOpensTheMenuWhereverTheCursorIs) {
    MainWindowFixture f;
    const auto [x, y] = f.centre(f.shipped.skin.main(), mw::kApply);
    f.window.menuChoice = msg::SC_MINIMIZE;
    f.dlg.onSystemMenuKey(x, y);
    EXPECT_EQ(f.window.calls, std::vector<std::string>{"system menu"});
    EXPECT_EQ(f.window.menuPoint, std::make_pair(x, y));
    EXPECT_EQ(f.queue.posted,
              (std::vector<WindowMessage>{{msg::WM_SYSCOMMAND, msg::SC_MINIMIZE, 0}}));
}

TEST(CKarvo_GMouseDlg, EachSystemMenuEntryLeadsToItsWindowOperation) {
    struct Case {
        std::uintptr_t command;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {msg::SC_RESTORE, {"restore"}},
        {msg::SC_MINIMIZE, {"minimise"}},
        {msg::SC_CLOSE, {"minimise", "hide"}},  // to the tray; the program keeps running
        {msg::IDM_ABOUTBOX, {"about"}},
    };
    for (const Case& c : cases) {
        MainWindowFixture f;
        f.desk.attach();
        const std::size_t reports = f.desk.sets().size();
        f.window.menuChoice = c.command;
        f.dlg.onRightUp(10, 300);
        // The choice goes through the queue, as the system's own commands do.
        ASSERT_EQ(f.queue.posted, (std::vector<WindowMessage>{{msg::WM_SYSCOMMAND, c.command, 0}}))
            << c.command;
        f.window.calls.clear();
        f.dlg.onMessage(f.queue.posted[0]);
        EXPECT_EQ(f.window.calls, c.calls) << c.command;
        EXPECT_FALSE(f.dlg.shutDown()) << c.command;
        EXPECT_EQ(f.desk.sets().size(), reports) << c.command;  // no closing report
    }
}

TEST(CKarvo_GMouseDlg, DraggingTheDpiSliderFromTheLeftStoresTheFirstStep) {
    MainWindowFixture f;
    f.dlg.showPage(Page::Advanced);
    const SkinRect slider = f.shipped.skin.advanced().rect(adv::kDpiSlider);
    const int y = slider.y + slider.height / 2;
    f.dlg.onMouseMove(slider.x + 1, y);
    f.dlg.onLeftDown(slider.x + 1, y);
    EXPECT_EQ(f.dlg.drag(), CKarvo_GMouseDlg::Drag::DpiValue);
    EXPECT_EQ(f.settings.snapshot().shared.dpi[0].step, 0);
    f.dlg.onMouseMove(slider.x + slider.width + 50, y);
    EXPECT_EQ(f.settings.snapshot().shared.dpi[0].step, 16);
    f.dlg.onLeftUp(slider.x + slider.width + 50, y);
    EXPECT_EQ(f.dlg.drag(), CKarvo_GMouseDlg::Drag::None);
}

TEST(CKarvo_GMouseDlg, TheFireTimeNeverStoresLessThanEight) {
    MainWindowFixture f;
    f.dlg.showPage(Page::Advanced);
    const SkinRect r = f.shipped.skin.advanced().rect(adv::kFireTime);
    f.dlg.onMouseMove(r.x + 1, r.y + r.height / 2);
    f.dlg.onLeftDown(r.x + 1, r.y + r.height / 2);
    EXPECT_EQ(f.settings.snapshot().shared.fireTime, 8);
}

TEST(CKarvo_GMouseDlg, LeavingTheWindowEndsADragOnlyWithTheButtonUp) {
    MainWindowFixture f;
    f.dlg.showPage(Page::Advanced);
    const auto [x, y] = f.centre(f.shipped.skin.advanced(), adv::kWheelSpeed);
    f.dlg.onMouseMove(x, y);
    f.dlg.onLeftDown(x, y);
    EXPECT_FALSE(f.dlg.onMouseLeave(true));
    EXPECT_EQ(f.dlg.drag(), CKarvo_GMouseDlg::Drag::WheelSpeed);
    EXPECT_TRUE(f.dlg.onMouseLeave(false));
    EXPECT_EQ(f.dlg.drag(), CKarvo_GMouseDlg::Drag::None);
}

TEST(CKarvo_GMouseDlg, APaintStartsFromThePagePictureAndEndsWithTheStretch) {
    MainWindowFixture f(2);
    f.dlg.showPage(Page::Macro);
    RecordingCanvas c;
    f.dlg.paint(c);
    ASSERT_GE(c.ops.size(), 2u);
    EXPECT_EQ(c.ops.front().kind, RecordingCanvas::Op::Kind::Begin);
    EXPECT_TRUE(c.ops.front().picture.ends_with("mac_normal.jpg"));
    EXPECT_EQ(c.ops.back().kind, RecordingCanvas::Op::Kind::Finish);
    EXPECT_EQ(c.ops.back().scale, 2);
    // At scale 2 the header copies are at picture size, half the layout's.
    EXPECT_TRUE(
        c.copied("mac_down.jpg", toPicture(f.shipped.skin.main().rect(mw::kTabFirst + 2), 2)));
}

TEST(CKarvo_GMouseDlg, TheEffectBoxNamesTheChosenEffectInTheLanguage) {
    MainWindowFixture f;
    const auto texts = [](const RecordingCanvas& c) {
        std::vector<std::string> out;
        for (const auto& op : c.ofKind(RecordingCanvas::Op::Kind::Text))
            out.push_back(op.picture);
        return out;
    };
    const auto has = [](const std::vector<std::string>& all, const std::string& t) {
        return std::find(all.begin(), all.end(), t) != all.end();
    };
    f.dlg.showPage(Page::Lighting);
    f.settings.edit([](Settings& s) { s.shared.ledType = 6; });
    // Without the language's texts the box keeps its caption.
    RecordingCanvas plain;
    f.dlg.paint(plain);
    EXPECT_TRUE(has(texts(plain), "Choose an effect"));

    LanguageTextTable language;
    RecordingNotifier notices;
    ASSERT_EQ(language.load(testing::builtSkinFolder() / "1_INI_EN", notices),
              LanguageTextTable::Load::Loaded);
    CKarvo_GMouseDlg dlg{{f.shipped.skin, f.settings, f.window, f.queue, f.warning, nullptr,
                          nullptr, nullptr, nullptr, &language},
                         f.shipped.pictures,
                         8};
    dlg.showPage(Page::Lighting);
    RecordingCanvas named;
    dlg.paint(named);
    const std::string breathing = language.text(TextSection::Led, text::led::kEffectFirst + 6);
    EXPECT_TRUE(has(texts(named), breathing)) << breathing;
    EXPECT_FALSE(has(texts(named), "Choose an effect"));
    // Another effect chosen: the next paint names it.
    f.settings.edit([](Settings& s) { s.shared.ledType = 0; });
    RecordingCanvas again;
    dlg.paint(again);
    EXPECT_TRUE(has(texts(again), language.text(TextSection::Led, text::led::kEffectFirst)));
    EXPECT_FALSE(has(texts(again), breathing));

    // Each button's box names its reaction lighting.
    f.settings.edit([](Settings& s) {
        s.profiles[static_cast<std::size_t>(s.currentProfile)].buttons[2].ledReactType = 3;
    });
    RecordingCanvas reactions;
    dlg.paint(reactions);
    const auto drawn = texts(reactions);
    const std::string glow = language.text(TextSection::Led, text::led::kReactionFirst + 3);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), glow), 1) << glow;
    EXPECT_GE(std::count(drawn.begin(), drawn.end(),
                         language.text(TextSection::Led, text::led::kReactionFirst)),
              7);
}

TEST(CKarvo_GMouseDlg, TheDownloadsProgressShowsUnderTheApplyEntryUntilItEnds) {
    MainWindowFixture f;
    f.dlg.onMessage({msg::WM_DOWNLOAD_PROGRESS, 5, 20});
    RecordingCanvas c;
    f.dlg.paint(c);
    const SkinRect apply = f.shipped.skin.main().rect(mw::kApply);
    const auto fills = c.ofKind(RecordingCanvas::Op::Kind::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (SkinRect{apply.x, apply.y + apply.height - 3, apply.width / 4, 3}));
    f.dlg.onMessage({msg::WM_DOWNLOAD_DONE, 0, 0});
    c.ops.clear();
    f.dlg.paint(c);
    // Written: the whole strip, in the colour that says so.
    const auto done = c.ofKind(RecordingCanvas::Op::Kind::Fill);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].rect.width, apply.width);
    EXPECT_NE(done[0].colour, fills[0].colour);
    f.dlg.onMessage({msg::WM_DOWNLOAD_DONE, 2, 0});  // the mouse went: no strip, a notice
    c.ops.clear();
    f.dlg.paint(c);
    EXPECT_TRUE(c.ofKind(RecordingCanvas::Op::Kind::Fill).empty());
    EXPECT_EQ(f.runner.frames.size(), 1u);
}

TEST(CKarvo_GMouseDlg, AMissingBadgeIsToldOnceNotOnEveryRepaint) {
    MainWindowFixture f;
    f.settings.edit([](Settings& s) { s.profiles[0].buttons[0].function = 300; });
    const auto [x, y] = f.centre(f.shipped.skin.main(), mw::kHotspotFirst);
    f.dlg.onMouseMove(x, y);
    RecordingCanvas c;
    c.missingPictures = true;
    f.dlg.paint(c);
    f.dlg.paint(c);
    EXPECT_EQ(f.window.calls, std::vector<std::string>{"box zhi.png"});
}

TEST(CKarvo_GMouseDlg, ARepaintRequestFromADeviceThreadRepaints) {
    MainWindowFixture f;
    const int before = f.window.invalidated;
    f.dlg.onMessage({msg::WM_REPAINT, 0, 0});
    EXPECT_EQ(f.window.invalidated, before + 1);
}

}  // namespace
}  // namespace karvo
