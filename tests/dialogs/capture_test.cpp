// Key capture: physical keys to the virtual-key codes of the program's keyboard language
// (English, German and French layouts), the key messages, the combination dialog's state,
// texts and round trip through the stored form, and the key capture dialog's messages and
// capture lifetime.
#include <gtest/gtest.h>

#include "app/window_messages.h"
#include "settings/combination.h"
#include "tests/dialogs/menu_fixture.h"
#include "tests/support/recording_canvas.h"
#include "ui/dialogs/captured_keys.h"
#include "ui/dialogs/cdialog_get_key.h"
#include "ui/dialogs/cshortcut_get_key.h"
#include "ui/skin/image_state_window.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace ck = captured_keys;

constexpr int kEnglish = 1;
constexpr int kFrench = 2;
constexpr int kGerman = 4;

// Linux input event codes of the keys used below.
enum Evdev {
    KEY_1 = 2,
    KEY_MINUS = 12,
    KEY_Q = 16,
    KEY_W = 17,
    KEY_Y = 21,
    KEY_LEFTBRACE = 26,
    KEY_ENTER = 28,
    KEY_LEFTCTRL = 29,
    KEY_A = 30,
    KEY_SEMICOLON = 39,
    KEY_APOSTROPHE = 40,
    KEY_GRAVE = 41,
    KEY_Z = 44,
    KEY_M = 50,
    KEY_SLASH = 53,
    KEY_LEFTALT = 56,
    KEY_102ND = 86,
    KEY_KPENTER = 96,
    KEY_RIGHTCTRL = 97,
    KEY_RIGHTALT = 100,
    KEY_LEFTMETA = 125,
    KEY_F1 = 59,
};

struct Row {
    int evdev;
    int english;
    int german;
    int french;
};

// What Windows gives for each key position on the three standard layouts.
const Row kLayouts[] = {
    {KEY_Y, 89, 90, 89},            // Y; German Z
    {KEY_Z, 90, 89, 87},            // Z; German Y; French W
    {KEY_Q, 81, 81, 65},            // French A
    {KEY_A, 65, 65, 81},            // French Q
    {KEY_W, 87, 87, 90},            // French Z
    {KEY_SEMICOLON, 186, 192, 77},  // ;  German Ö  French M
    {KEY_M, 77, 77, 188},           // French ,
    {KEY_MINUS, 189, 219, 219},     // -  German ß  French )
    {KEY_LEFTBRACE, 219, 186, 221},
    {KEY_APOSTROPHE, 222, 222, 192},
    {KEY_GRAVE, 192, 220, 222},
    {KEY_SLASH, 191, 189, 223},
    {KEY_102ND, 226, 226, 226},  // the ISO key no English table lists
    {KEY_1, 49, 49, 49},
    {KEY_ENTER, 13, 13, 13},
    {KEY_KPENTER, 13, 13, 13},
    {KEY_LEFTCTRL, 162, 162, 162},
    {KEY_RIGHTCTRL, 163, 163, 163},
    {KEY_LEFTALT, 164, 164, 164},
    {KEY_RIGHTALT, 165, 165, 165},
    {KEY_LEFTMETA, 91, 91, 91},
    {KEY_F1, 112, 112, 112},
};

TEST(CapturedKeys, APhysicalKeyGivesTheVirtualKeyOfTheProgramsKeyboardLanguage) {
    const MacVkAndText keys;
    for (const Row& row : kLayouts) {
        SCOPED_TRACE(row.evdev);
        const int usage = ck::usageOfEvdev(row.evdev);
        ASSERT_NE(usage, 0);
        EXPECT_EQ(ck::virtualKeyOf(keys, kEnglish, usage), row.english);
        EXPECT_EQ(ck::virtualKeyOf(keys, kGerman, usage), row.german);
        EXPECT_EQ(ck::virtualKeyOf(keys, kFrench, usage), row.french);
    }
}

TEST(CapturedKeys, TheVirtualKeyLeadsBackToTheSameKeyPositionInEveryLanguage) {
    // The recorder converts the code back with the language's table: a letter key typed on
    // any layout must land on the key position it came from.
    const MacVkAndText keys;
    for (const int language : {kEnglish, kFrench, kGerman, 5, 6, 16}) {
        for (int evdev = KEY_Q; evdev <= KEY_M; ++evdev) {
            const int usage = ck::usageOfEvdev(evdev);
            if (usage < 4 || usage > 29)
                continue;  // letters only: every layout keeps them on letter keys
            const int vk = ck::virtualKeyOf(keys, language, usage);
            EXPECT_EQ(keys.toDeviceCode(language, vk, KeyMode::MacroSteps), usage)
                << "language " << language << " evdev " << evdev;
        }
    }
}

TEST(CapturedKeys, ALanguageWithoutKeysUsesEnglishAndUnknownKeysGiveNothing) {
    const MacVkAndText keys;
    EXPECT_EQ(ck::virtualKeyOf(keys, 25, ck::usageOfEvdev(KEY_Y)), 89);
    EXPECT_EQ(ck::usageOfEvdev(0), 0);
    EXPECT_EQ(ck::usageOfEvdev(5000), 0);
    EXPECT_EQ(ck::virtualKeyOf(keys, kEnglish, 0), 0);
    EXPECT_EQ(ck::virtualKeyOf(keys, kEnglish, 300), 0);
}

TEST(CapturedKeys, AltMakesASystemKeyUnlessCtrlIsHeldAndEventsWithoutACodeUseTheFallback) {
    const MacVkAndText keys;
    EXPECT_EQ(ck::translate(keys, kEnglish, {true, KEY_A, 0, false, false}),
              (ck::KeyMessage{ck::WM_KEYDOWN, 65}));
    EXPECT_EQ(ck::translate(keys, kEnglish, {false, KEY_A, 0, false, false}),
              (ck::KeyMessage{ck::WM_KEYUP, 65}));
    EXPECT_EQ(ck::translate(keys, kEnglish, {true, KEY_A, 0, true, false}),
              (ck::KeyMessage{ck::WM_SYSKEYDOWN, 65}));
    EXPECT_EQ(ck::translate(keys, kEnglish, {true, KEY_A, 0, true, true}),
              (ck::KeyMessage{ck::WM_KEYDOWN, 65}));
    EXPECT_EQ(ck::translate(keys, kEnglish, {false, KEY_LEFTALT, 0, false, false}),
              (ck::KeyMessage{ck::WM_SYSKEYUP, 164}));
    EXPECT_EQ(ck::translate(keys, kGerman, {true, 0, 0x41, false, false}),
              (ck::KeyMessage{ck::WM_KEYDOWN, 0x41}));
}

// The combination dialog driven as the user would, with a capture that hands its sink out.
class FakeCapture final : public KeyCapture {
  public:
    void begin(Sink s) override {
        sink = std::move(s);
        calls.push_back("begin");
    }
    void end() override {
        sink = nullptr;
        calls.push_back("end");
    }
    bool exclusive() const override { return true; }
    void press(int evdev, bool down = true) {
        ASSERT_TRUE(sink);
        sink({down, evdev, 0, false, false});
    }
    Sink sink;
    std::vector<std::string> calls;
};

class CaptureTest : public testing::MenuTest {
  protected:
    CaptureParts parts() {
        return {runner,
                capture,
                queue,
                keys,
                texts,
                notifier,
                paths.skinFolder,
                [this] { return paths.languageFolder; },
                [this] { return language; },
                1};
    }
    static SkinRect centre(const SkinLayout& layout, int entry) {
        const SkinRect r = layout.rect(entry);
        return {r.x + r.width / 2, r.y + r.height / 2, 0, 0};
    }
    void press(SkinnedWindow& dialog, const SkinLayout& layout, int entry) {
        const SkinRect c = centre(layout, entry);
        dialog.onMouseMove(c.x, c.y);
        dialog.onLeftDown(c.x, c.y);
        dialog.onLeftUp(c.x, c.y);
    }
    SkinLayout shortcutLayout() {
        auto d = DialogLayout::load(paths.languageFolder, LayoutFile::Shortcut, 1, notifier);
        return d ? d->layout() : SkinLayout{};
    }

    testing::ScriptedRunner runner;
    FakeCapture capture;
    int language = kEnglish;
};

TEST_F(CaptureTest, CtrlAltAGivesTheCombinationTextAndShowsCtrlPlusAlt) {
    CShortcutGetKey dialog(parts(), settings);
    const SkinLayout layout = shortcutLayout();
    runner.script = [&](SkinnedWindow& w) {
        EXPECT_EQ(capture.calls, std::vector<std::string>{"begin"});
        capture.press(KEY_LEFTCTRL);
        capture.press(KEY_LEFTALT);
        capture.press(KEY_A);
        capture.press(KEY_A, false);
        EXPECT_EQ(dialog.modifierText(), "Ctrl+Alt");
        EXPECT_EQ(dialog.keyName(), "A");
        EXPECT_EQ(dialog.resultText(), "Ctrl&split&Alt&split&A");
        testing::RecordingCanvas canvas;
        w.paint(canvas);
        bool shown = false;
        for (const auto& op : canvas.ofKind(testing::RecordingCanvas::Op::Kind::Text))
            shown |= op.picture == "Ctrl+Alt" && op.colour == 0xFFBC07;
        EXPECT_TRUE(shown);
        press(w, layout, karvo::skin::shortcut::kConfirm);
    };
    EXPECT_EQ(dialog.run(5, true, {0, 0, 1920, 1080}), CShortcutGetKey::kConfirmed);
    EXPECT_EQ(capture.calls, (std::vector<std::string>{"begin", "end"}));
    EXPECT_EQ(button(5).function, 33);

    ASSERT_EQ(queue.posted.size(), 1u);
    const WindowMessage m = queue.posted[0];
    EXPECT_EQ(m.id, msg::WM_COMBINATION_SET);
    EXPECT_EQ(m.wparam, (5u << 8) | 65u);
    const std::optional<std::string> text = m.text;
    EXPECT_EQ(*text, "Ctrl&split&Alt&split&A");

    // The main window stores it; the dialog opened again shows the same combination.
    settings.edit([&](Settings& s) {
        combination::store(s, keys, *text, static_cast<std::uint16_t>(m.wparam));
    });
    const std::string stored = button(5).combination;
    EXPECT_EQ(stored,
              "Ctrl&split&162&split&Shift&split&&split&Alt&split&164&split&Win&split&"
              "&split&A&split&65");
    EXPECT_EQ(combination::displayText(stored), "Ctrl+Alt+A");
    CShortcutGetKey again(parts(), settings);
    again.prefill(33, stored);
    EXPECT_TRUE(again.modifier(0));
    EXPECT_FALSE(again.modifier(1));
    EXPECT_TRUE(again.modifier(2));
    EXPECT_FALSE(again.modifier(3));
    EXPECT_EQ(again.keyName(), "A");
    EXPECT_EQ(again.keyCode(), 65);
    EXPECT_EQ(again.resultText(), *text);
}

TEST_F(CaptureTest, TheCombinationDialogTogglesClearsAndCancels) {
    CShortcutGetKey dialog(parts(), settings);
    const SkinLayout layout = shortcutLayout();
    runner.script = [&](SkinnedWindow& w) {
        EXPECT_EQ(dialog.keyCode(), CShortcutGetKey::kNoKey);         // code 4: nothing to fill in
        press(w, layout, karvo::skin::shortcut::kModifierFirst + 1);  // Shift on
        press(w, layout, karvo::skin::shortcut::kModifierFirst + 3);  // Win on
        EXPECT_EQ(dialog.resultText(), "Shift&split&Win");            // modifiers only
        press(w, layout, karvo::skin::shortcut::kModifierFirst + 3);  // Win off
        EXPECT_EQ(dialog.modifierText(), "Shift");
        capture.press(KEY_F1);
        press(w, layout, karvo::skin::shortcut::kClear);
        EXPECT_EQ(dialog.resultText(), "");
        EXPECT_EQ(dialog.keyCode(), CShortcutGetKey::kNoKey);
        capture.press(KEY_Y);
        EXPECT_EQ(dialog.resultText(), "Y");  // the key only
        press(w, layout, karvo::skin::shortcut::kCancel);
    };
    EXPECT_EQ(dialog.run(3, true, {0, 0, 1920, 1080}), CShortcutGetKey::kCancelled);
    EXPECT_TRUE(queue.posted.empty());
    EXPECT_EQ(button(3).function, 4);
}

TEST_F(CaptureTest, APressOnNoEntryOfTheCombinationDialogDragsItsWindow) {
    CShortcutGetKey dialog(parts(), settings);
    const SkinLayout layout = shortcutLayout();
    // A point of the dialog that no entry covers.
    std::optional<std::pair<int, int>> background;
    for (int y = 1; y < 330 && !background; y += 3) {
        for (int x = 1; x < 480 && !background; x += 3) {
            if (ImageStateWindow::hitTest(layout, x, y, 13) == NO_ITEM)
                background = std::pair{x, y};
        }
    }
    ASSERT_TRUE(background);
    runner.script = [&](SkinnedWindow& w) {
        press(w, layout, karvo::skin::shortcut::kModifierFirst);  // an entry: no drag
        EXPECT_EQ(runner.moves, 0);
        const auto [x, y] = *background;
        w.onMouseMove(x, y);
        w.onLeftDown(x, y);
        w.onLeftUp(x, y);
        EXPECT_EQ(runner.moves, 1);
        EXPECT_FALSE(w.result());  // the dialog stays open, Ctrl still chosen
        EXPECT_EQ(dialog.modifierText(), "Ctrl");
        // Its title, where a title bar would be, and the other texts drag it too; the fields
        // that show the choice do not.
        press(w, layout, karvo::skin::shortcut::kTitle);
        press(w, layout, karvo::skin::shortcut::kHint);
        EXPECT_EQ(runner.moves, 3);
        press(w, layout, karvo::skin::shortcut::kKeyName);
        press(w, layout, karvo::skin::shortcut::kModifiers);
        EXPECT_EQ(runner.moves, 3);
        press(w, layout, karvo::skin::shortcut::kCancel);
    };
    EXPECT_EQ(dialog.run(3, true, {0, 0, 1920, 1080}), CShortcutGetKey::kCancelled);
    EXPECT_EQ(runner.moves, 3);
}

TEST_F(CaptureTest, UnderAGermanProgramTheKeyRightOfTIsZ) {
    language = kGerman;
    CShortcutGetKey dialog(parts(), settings);
    const SkinLayout layout = shortcutLayout();
    runner.script = [&](SkinnedWindow& w) {
        capture.press(KEY_Y);
        EXPECT_EQ(dialog.keyName(), "Z");
        EXPECT_EQ(dialog.keyCode(), 90);
        press(w, layout, karvo::skin::shortcut::kConfirm);
    };
    dialog.run(2, false, {0, 0, 1920, 1080});
    ASSERT_EQ(queue.posted.size(), 1u);
    EXPECT_EQ(queue.posted[0].wparam, (2u << 8) | 90u);
    EXPECT_EQ(button(2).function, 3);  // not opened from the button menu: the code stays
}

TEST_F(CaptureTest, AnEmptyCombinationSendsNothing) {
    CShortcutGetKey dialog(parts(), settings);
    const SkinLayout layout = shortcutLayout();
    runner.script = [&](SkinnedWindow& w) { press(w, layout, karvo::skin::shortcut::kConfirm); };
    EXPECT_EQ(dialog.run(2, true, {0, 0, 1920, 1080}), CShortcutGetKey::kConfirmed);
    EXPECT_TRUE(queue.posted.empty());
    EXPECT_EQ(button(2).function, 3);
}

TEST_F(CaptureTest, ThePrefillReadsPairsAndAnEmptyKeyMeansNone) {
    CShortcutGetKey dialog(parts(), settings);
    dialog.prefill(33,
                   "Ctrl&split&162&split&Shift&split&&split&Alt&split&&split&Win&split&91"
                   "&split&&split&");
    EXPECT_TRUE(dialog.modifier(0));
    EXPECT_FALSE(dialog.modifier(1));
    EXPECT_FALSE(dialog.modifier(2));
    EXPECT_TRUE(dialog.modifier(3));
    EXPECT_EQ(dialog.keyCode(), CShortcutGetKey::kNoKey);
    EXPECT_EQ(dialog.keyName(), "");
    dialog.prefill(5, "Ctrl&split&162&split&&split&&split&A&split&65");
    EXPECT_FALSE(dialog.modifier(0));   // only code 33 carries a combination
    dialog.prefill(33, "A&split&999");  // not a key code
    EXPECT_EQ(dialog.keyCode(), CShortcutGetKey::kNoKey);
}

TEST_F(CaptureTest, TheKeyDialogPassesEveryKeyToTheWindowAndConfirmsWithItsMessage) {
    CDialogGetKey dialog(parts());
    auto layout = DialogLayout::load(paths.languageFolder, LayoutFile::Keyset, 1, notifier);
    ASSERT_TRUE(layout.has_value());
    const SkinLayout l = layout->layout();
    runner.script = [&](SkinnedWindow& w) {
        EXPECT_EQ(dialog.keyName(), "F5");
        capture.press(KEY_LEFTALT);
        capture.press(KEY_LEFTALT, false);
        capture.press(KEY_Q);
        EXPECT_EQ(dialog.keyName(), "Q");
        EXPECT_EQ(dialog.capturedKey(), 81);
        press(w, l, karvo::skin::keyset::kOk);
    };
    EXPECT_EQ(dialog.run("F5", 430, 330), CDialogGetKey::kOk);
    EXPECT_EQ(runner.frames.back(), (SkinRect{430, 330, 360, 200}));
    EXPECT_EQ(capture.calls, (std::vector<std::string>{"begin", "end"}));
    const std::vector<WindowMessage> expected = {{ck::WM_SYSKEYDOWN, 164, 0},
                                                 {ck::WM_SYSKEYUP, 164, 0},
                                                 {ck::WM_KEYDOWN, 81, 0},
                                                 {msg::WM_KEY_CAPTURED, 0, 0}};
    EXPECT_EQ(queue.posted, expected);
}

TEST_F(CaptureTest, TheKeyDialogsCancelSendsNothingAndEndsTheCaptureAnyway) {
    CDialogGetKey dialog(parts());
    auto layout = DialogLayout::load(paths.languageFolder, LayoutFile::Keyset, 1, notifier);
    ASSERT_TRUE(layout.has_value());
    const SkinLayout l = layout->layout();
    runner.script = [&](SkinnedWindow& w) { press(w, l, karvo::skin::keyset::kCancel); };
    EXPECT_EQ(dialog.run("A", 0, 0), CDialogGetKey::kCancelled);
    EXPECT_TRUE(queue.posted.empty());
    // Ended from outside (the program closing): the capture still ends.
    runner.script = nullptr;
    EXPECT_EQ(dialog.run("A", 0, 0), 0);
    EXPECT_EQ(capture.calls, (std::vector<std::string>{"begin", "end", "begin", "end"}));
}

TEST_F(CaptureTest, WithoutItsLayoutFileADialogDoesNotOpenNorCapture) {
    paths.languageFolder = paths.skinFolder / "no-such-language";
    CDialogGetKey dialog(parts());
    EXPECT_EQ(dialog.run("A", 0, 0), 0);
    CShortcutGetKey shortcut(parts(), settings);
    EXPECT_EQ(shortcut.run(1, true, {}), 0);
    EXPECT_TRUE(capture.calls.empty());
    EXPECT_TRUE(runner.frames.empty());
    EXPECT_FALSE(notifier.notices.empty());
}

}  // namespace
}  // namespace karvo
