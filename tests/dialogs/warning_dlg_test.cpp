// The warning dialog: where it opens, which release closes it with which result, what it
// paints, and notices raised on other threads.
#include "ui/dialogs/warning_dlg.h"

#include <gtest/gtest.h>

#include <thread>

#include "app/window_messages.h"
#include "fake_window.h"
#include "recording_canvas.h"

namespace karvo {
namespace {

using testing::RecordingCanvas;

struct WarningFixture {
    WarningFixture() {
        const_cast<SkinRect&>(layout.rect(0)) = {40, 100, 80, 30};
        const_cast<SkinRect&>(layout.rect(1)) = {180, 100, 80, 30};
        const_cast<SkinRect&>(layout.rect(2)) = {20, 20, 260, 60};
        dlg.setSkin(nullptr, &layout, 1);
    }
    testing::ScriptedRunner runner;
    testing::RecordingQueue queue;
    SkinLayout layout{8};
    WarningDlg dlg{runner, queue, {"warning_mask.jpg", "warning_normal.jpg", "warning_over.jpg"}};
};

TEST(WarningDlg, OpensAtItsOffsetFromTheMainWindowWhileThatIsOnScreen) {
    const WarningDlg::Placement on{0, 100, 50, {0, 0, 1920, 1080}};
    EXPECT_EQ(WarningDlg::frameFor(on, {300, 160}, 1), (SkinRect{430, 330, 300, 160}));
    EXPECT_EQ(WarningDlg::frameFor(on, {600, 320}, 2), (SkinRect{760, 610, 600, 320}));
}

TEST(WarningDlg, IsCentredOnTheDesktopWhileTheMainWindowIsInTheTray) {
    const WarningDlg::Placement tray{2, 100, 50, {0, 0, 1920, 1080}};
    EXPECT_EQ(WarningDlg::frameFor(tray, {300, 160}, 1), (SkinRect{810, 460, 300, 160}));
}

TEST(WarningDlg, ReleasingOnAButtonEndsWithThatButtonsNumber) {
    WarningFixture f;
    f.runner.script = [](SkinnedWindow& d) {
        d.onMouseMove(200, 110);
        d.onLeftUp(200, 110);
    };
    EXPECT_EQ(f.dlg.showWarning("Saved"), 2);
    f.runner.script = [](SkinnedWindow& d) { d.onLeftUp(50, 110); };
    EXPECT_EQ(f.dlg.showWarning("Saved"), 1);
}

TEST(WarningDlg, ReleasingOutsideBothButtonsLeavesItOpen) {
    WarningFixture f;
    f.runner.script = [](SkinnedWindow& d) {
        EXPECT_FALSE(d.onLeftDown(50, 110));
        d.onLeftUp(10, 10);
        EXPECT_FALSE(d.result().has_value());
    };
    EXPECT_EQ(f.dlg.showWarning("Saved"), 0);
}

TEST(WarningDlg, NothingIsHighlightedBeforeTheFirstMove) {
    WarningFixture f;
    f.runner.script = [&](SkinnedWindow& d) {
        EXPECT_EQ(f.dlg.hot(), 3);
        RecordingCanvas c;
        d.paint(c);
        EXPECT_TRUE(c.copiesFrom("warning_over.jpg").empty());
        EXPECT_TRUE(d.onMouseMove(50, 110));
        EXPECT_FALSE(d.onMouseMove(52, 111));
        c.ops.clear();
        d.paint(c);
        EXPECT_EQ(c.copiesFrom("warning_over.jpg"), (std::vector<SkinRect>{{40, 100, 80, 30}}));
    };
    f.dlg.showWarning("x");
}

TEST(WarningDlg, TheMessageIsCentredInItsAreaTwoPixelsRight) {
    WarningFixture f;
    f.runner.script = [](SkinnedWindow& d) {
        RecordingCanvas c;
        d.paint(c);
        const auto texts = c.ofKind(RecordingCanvas::Op::Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].picture, "Done");
        // The recording canvas measures 6 x 12 per character.
        EXPECT_EQ(texts[0].rect.x, 20 + (260 - 24) / 2 + 2);
        EXPECT_EQ(texts[0].rect.y, 20 + (60 - 12) / 2);
        EXPECT_EQ(texts[0].colour, kWhite);
    };
    f.dlg.showWarning("Done");
}

TEST(WarningDlg, ShowsTheLanguageTextOfATipWithItsSuffix) {
    WarningFixture f;
    std::string shown;
    f.runner.script = [&](SkinnedWindow& d) {
        RecordingCanvas c;
        d.paint(c);
        shown = c.ofKind(RecordingCanvas::Op::Kind::Text).at(0).picture;
    };
    f.dlg.tipText(1, "Karvo G7 Pro");
    EXPECT_EQ(shown, "Notice 1: Karvo G7 Pro");  // no language texts loaded in this test
}

TEST(WarningDlg, ANoticeFromAnotherThreadWaitsForTheWindowThread) {
    WarningFixture f;
    int shownCount = 0;
    f.runner.script = [&](SkinnedWindow&) { ++shownCount; };
    std::thread worker([&] {
        f.dlg.message("first");
        f.dlg.message("second");
    });
    worker.join();
    EXPECT_EQ(shownCount, 0);
    ASSERT_EQ(f.queue.posted.size(), 1u);  // one wake-up for both
    EXPECT_EQ(f.queue.posted[0].id, msg::WM_SHOW_NOTICES);
    f.dlg.showQueued();
    EXPECT_EQ(shownCount, 2);
}

TEST(WarningDlg, ClosingEndsTheOpenNoticeAndWritesLaterOnesOut) {
    WarningFixture f;
    std::thread worker([&] { f.dlg.message("queued before the end"); });
    worker.join();
    ::testing::internal::CaptureStderr();
    f.runner.script = [&](SkinnedWindow&) {
        // The program ends while this notice is on screen.
        f.dlg.close();
        EXPECT_TRUE(f.dlg.closed());
    };
    EXPECT_EQ(f.dlg.showWarning("open at the end"), 0);
    EXPECT_EQ(f.runner.ended, 1);
    f.dlg.message("after the end");
    f.dlg.showQueued();
    EXPECT_EQ(f.runner.frames.size(), 1u);  // no dialog opened after the close
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "queued before the end\nafter the end\n");

    f.dlg.close();  // a second close changes nothing
    EXPECT_EQ(f.runner.ended, 1);
}

TEST(WarningDlg, TheKeyboardClosesItAndScreenReadersHearTheNotice) {
    struct Case {
        std::vector<NavigationKey> keys;
        int result;
    };
    const Case cases[] = {
        {{NavigationKey::Enter}, 1},                          // nothing focused: the first
        {{NavigationKey::Escape}, 2},                         // as the second button
        {{NavigationKey::Tab, NavigationKey::Space}, 1},      // the first button focused
        {{NavigationKey::BackTab, NavigationKey::Enter}, 2},  // back round to the second
        {{NavigationKey::Tab, NavigationKey::Tab, NavigationKey::Tab, NavigationKey::Enter}, 1},
        {{NavigationKey::Down, NavigationKey::Left}, 0},  // not the dialog's keys: stays open
    };
    for (const Case& c : cases) {
        WarningFixture f;
        f.runner.script = [&](SkinnedWindow& d) {
            for (const NavigationKey k : c.keys)
                d.onKey(k);
        };
        EXPECT_EQ(f.dlg.showWarning("Saved"), c.result) << c.keys.size() << " keys";
    }
    WarningFixture f;
    f.runner.script = [](SkinnedWindow& d) {
        EXPECT_EQ(d.accessibleName(), "The mouse was unplugged");
        const std::vector<AccessibleEntry> entries = d.accessibleEntries();
        ASSERT_EQ(entries.size(), 3u);
        EXPECT_EQ(entries[0].role, AccessibleRole::StaticText);
        EXPECT_FALSE(entries[0].focusable);
        EXPECT_EQ(entries[1].name, "OK");
        EXPECT_EQ(entries[2].name, "Close");
        EXPECT_EQ(entries[2].rect, (SkinRect{180, 100, 80, 30}));
        // A focused button carries the ring.
        d.onKey(NavigationKey::Tab);
        EXPECT_EQ(d.focusedEntry(), entries[1].id);
        RecordingCanvas canvas;
        d.paint(canvas);
        bool ring = false;
        for (const auto& op : canvas.ofKind(RecordingCanvas::Op::Kind::Fill))
            ring |= op.colour == KeyboardFocus::kRingColour && op.rect == SkinRect{40, 100, 80, 2};
        EXPECT_TRUE(ring);
    };
    EXPECT_EQ(f.dlg.showWarning("The mouse was unplugged"), 0);
    // The next notice starts without a focus.
    f.runner.script = [](SkinnedWindow& d) { EXPECT_EQ(d.focusedEntry(), -1); };
    f.dlg.showWarning("Again");
}

}  // namespace
}  // namespace karvo
