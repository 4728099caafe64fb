// The window program as main() builds it, on a copy of the data tree and the emulated mouse
// with the real clock: for the end-to-end test and the apply benchmark.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ckarvo_gmousedlg.h"
#include "app/device_threads.h"
#include "app/lighting_animation.h"
#include "app/macro_page_controls.h"
#include "app/program_actions.h"
#include "app/program_state.h"
#include "app/startup_sequence.h"
#include "app/window_messages.h"
#include "device/sim/emulated_device_notifier.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "platform/null_pointer_settings.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_message_queue.h"
#include "platform/qt/qt_modal_runner.h"
#include "platform/qt/qt_startup_platform.h"
#include "platform/qt/qt_window_menus.h"
#include "ui/dialogs/warning_dlg.h"

namespace karvo::testing {

namespace fs = std::filesystem;

// The colour dialog answers with one colour.
class PickedColour final : public ColourDialog {
  public:
    std::optional<RgbColour> choose(RgbColour) override { return RgbColour{255, 32, 0}; }
};

struct WindowProgram {
    explicit WindowProgram(const fs::path& folder) : programFolder(folder) {
        mouse = std::make_shared<sim::EmulatedMouse>(clock, [&] {
            sim::EmulatedMouse::Options o;
            o.keepReports = false;
            o.stateFile = folder / "mouse.bin";
            return o;
        }());
        emulated.setNotifier(&emulatedNotifier);
        emulated.plug(mouse, "sim:0");
        window.attach(dlg);
        dlg.setColourDialog(&colours);
        dlg.setActions(&actions);
        queue.setHandler([this](const WindowMessage& m) {
            dlg.onMessage(m);
            if (m.id == msg::WM_DOWNLOAD_DONE)
                ++downloadsDone;
        });
    }
    ~WindowProgram() {
        dlg.setMenuOpener(nullptr);
        dlg.setCombinationOpener(nullptr);
        dlg.setLanguageSwitch(nullptr);
        actions.waitForApply();
        deviceThreads->stop();
        state.downloader.waitForWorker();
        state.link.close();
    }

    fs::path programFolder;
    SystemClock clock;
    std::shared_ptr<sim::EmulatedMouse> mouse;
    sim::EmulatedHidBackend emulated;
    sim::EmulatedDeviceNotifier emulatedNotifier;
    NullPointerSettings pointer;
    qt::PictureCache pictures;
    qt::QtFonts fonts;
    qt::QtMessageQueue queue;
    qt::QtModalRunner runner{pictures, fonts};
    WarningDlg warning{runner, queue, {}};
    qt::QtMainWindow window{pictures, fonts, queue};
    ProgramState state{ProgramPaths::build(programFolder, 1), warning, pointer};
    CKarvo_GMouseDlg dlg{{state.skin, state.settings, window, queue, warning, &state.link,
                          &state.macroRegion, &state.keys, &state.description},
                         {},
                         0};
    MacroPageControls macroControls{
        {state.macros, state.texts, state.keys, state.skin, state.settings, {}}};
    PickedColour colours;
    LightingAnimation lighting{state.settings, [this] { return dlg.lightingPageShown(); },
                               [this] {
                                   queue.post({msg::WM_REPAINT, 0, 0});
                               }};
    ProgramActions actions{{state, queue, warning, nullptr, &macroControls, nullptr, &lighting}};
    std::unique_ptr<DeviceThreads> deviceThreads = makeDeviceThreads();
    int downloadsDone = 0;

    // Runs the start-up sequence and shows the window; false when the mouse was not found.
    bool start() {
        platform = std::make_unique<qt::QtStartupPlatform>(
            window, fonts, pictures, emulated, &emulatedNotifier, pointer, &macroControls);
        StartupSequence startup(
            state, {*platform, window, queue, warning, *deviceThreads, nullptr, &warning});
        if (startup.run("") != StartupSequence::Result::Running)
            return false;
        dlg.setPictures(PagePictures::in(state.paths.skinFolder, state.paths.languageFolder),
                        state.description.keyNum);
        window.widget()->show();
        return true;
    }
    std::unique_ptr<qt::QtStartupPlatform> platform;

    // The window's pop-up menus, the combination dialog and the language switch, as the
    // program gives them to the window; after start().
    qt::QtWindowMenus& attachMenus() {
        menus.emplace(qt::QtWindowMenus::Parts{state, queue, runner, warning, *platform, pictures,
                                               fonts, [] {}});
        dlg.setMenuOpener(&menus->opener());
        dlg.setCombinationOpener(&menus->combination());
        dlg.setLanguageSwitch(&menus->languages());
        menus->followPointerOutside(window.widget(), dlg);
        return *menus;
    }
    std::optional<qt::QtWindowMenus> menus;
};

// A move to `local` in `w` (`global` on the screen), then a press and release there when
// `click`; the events a pointer would give the widget.
inline void pointerAt(QWidget* w, QPointF local, QPointF global, bool click) {
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    if (click) {
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
    QApplication::processEvents();
}

// Moves to the middle of row `row` of the pop-up window `popup` shows, then presses and
// releases there unless `hoverOnly`.
inline void rowEvent(QWidget* popup, const MenuWindow& menu, int row, bool hoverOnly = false) {
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    const SkinRect r = menu.rowRect(row);
    const QPointF p(r.x + r.width / 2.0, r.y + r.height / 2.0);
    pointerAt(popup, p, popup->mapToGlobal(p), !hoverOnly);
}

inline std::vector<char> readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether the emulated mouse's saved memory (`folder`/mouse.bin) is, byte for byte, the image
// karvoctl computes from the same program folder: what the window wrote against what it should.
inline ::testing::AssertionResult mouseMatchesKarvoctlImage(const fs::path& folder) {
    const char* bin = std::getenv("KARVO_BIN_DIR");
    if (!bin)
        return ::testing::AssertionFailure() << "KARVO_BIN_DIR names the folder of karvoctl";
    const fs::path image = folder / "image.bin";
    const std::string command =
        std::string(bin) + "/karvoctl --data " + folder.string() + " image --bin " + image.string();
    if (std::system(command.c_str()) != 0)
        return ::testing::AssertionFailure() << command << " failed";
    const std::vector<char> expected = readAll(image);
    const std::vector<char> written = readAll(folder / "mouse.bin");
    if (expected.size() != 65536u || written.size() != expected.size())
        return ::testing::AssertionFailure()
               << "sizes: image " << expected.size() << ", mouse " << written.size();
    std::size_t first = 0;
    while (first < written.size() && written[first] == expected[first])
        ++first;
    if (first != written.size())
        return ::testing::AssertionFailure() << "first differing address " << first;
    return ::testing::AssertionSuccess();
}

// A press and release at the centre of `r` (window pixels), after a move there.
inline void clickAt(QWidget* w, const SkinRect& r) {
    const QPointF p(r.x + r.width / 2.0, r.y + r.height / 2.0);
    pointerAt(w, p, p, true);
}

// Ctrl+C pressed and let go while the macro page records: the four key messages the recording's
// keyboard capture posts to the window (left Ctrl 162, C 67), each handled before the next.
inline void postCtrlC(MessageQueue& queue) {
    for (const auto& [message, vk] : {std::pair<std::uint32_t, int>{msg::WM_KEYDOWN, 162},
                                      {msg::WM_KEYDOWN, 67},
                                      {msg::WM_KEYUP, 67},
                                      {msg::WM_KEYUP, 162}}) {
        queue.post({message, static_cast<std::uintptr_t>(vk), 0});
        QApplication::processEvents();
    }
}

// Handles the window's events until `done` or `limitMs` have passed.
template <class F>
bool runUntil(F done, int limitMs = 20000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace karvo::testing
