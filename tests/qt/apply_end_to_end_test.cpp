// A user's path through the whole window program on the emulated mouse: a DPI level switched
// off, a colour chosen (through a fake colour dialog), a lighting option and the wheel speed
// set by clicks on the offscreen window, then Apply. Once the window reports the end of the
// write, the emulated mouse's memory must be, byte for byte, the image karvoctl computes from
// the folder the window saved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
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
#include "temp_dir.h"
#include "ui/dialogs/warning_dlg.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
namespace mw = skin::main_window;
namespace adv = skin::advanced;
namespace li = skin::lighting;

class PickedColour final : public ColourDialog {
  public:
    std::optional<RgbColour> choose(RgbColour) override { return RgbColour{255, 32, 0}; }
};

std::vector<char> readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The window program as main() builds it, on a copy of the data tree and the emulated mouse.
struct Program {
    explicit Program(const fs::path& folder) : programFolder(folder) {
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
    ~Program() {
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
    ProgramState state{programFolder, warning, pointer};
    CKarvo_GMouseDlg dlg{{state.skin, state.settings, window, queue, warning, &state.link,
                          &state.macroRegion, &state.keys},
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
};

void clickAt(QWidget* w, const SkinRect& r) {
    const QPointF p(r.x + r.width / 2.0, r.y + r.height / 2.0);
    QMouseEvent move(QEvent::MouseMove, p, p, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, p, p, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, p, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
    QApplication::processEvents();
}

// Handles the window's events until `done` or 20 s have passed.
template <class F>
bool runUntil(F done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(ApplyEndToEnd, WhatTheWindowSetsReachesTheMouseAsKarvoctlComputesIt) {
    const char* bin = std::getenv("KARVO_BIN_DIR");
    ASSERT_NE(bin, nullptr) << "KARVO_BIN_DIR names the folder of karvoctl";
    testing::TempDir dir;
    fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);

    Program p(dir.path());
    qt::QtStartupPlatform platform(p.window, p.fonts, p.pictures, p.emulated, &p.emulatedNotifier,
                                   p.pointer, &p.macroControls);
    StartupSequence startup(
        p.state, {platform, p.window, p.queue, p.warning, *p.deviceThreads, nullptr, &p.warning});
    ASSERT_EQ(startup.run(""), StartupSequence::Result::Running);
    p.dlg.setPictures(PagePictures::in(p.state.paths.skinFolder, p.state.paths.languageFolder),
                      p.state.description.keyNum);
    p.window.widget()->show();
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 1; })) << "the start-up write";

    QWidget* w = p.window.widget();
    const MainSkin& skin = p.state.skin;
    const Settings before = p.state.settings.snapshot();
    clickAt(w, skin.main().rect(mw::kTabFirst + 1));  // advanced page
    clickAt(w, skin.advanced().rect(adv::kDpiToggleFirst + 5));
    clickAt(w, skin.advanced().rect(adv::kDpiColourFirst + 1));
    const SkinRect wheel = skin.advanced().rect(adv::kWheelSpeed);
    clickAt(w, {wheel.x + wheel.width - 2, wheel.y, 1, wheel.height});
    clickAt(w, skin.main().rect(mw::kTabFirst + 3));  // lighting page
    const SkinRect speed = skin.lighting().rect(li::kSpeed);
    clickAt(w, {speed.x + 1, speed.y, 1, speed.height});

    const Settings set = p.state.settings.snapshot();
    EXPECT_NE(set.shared.dpi[5].enabled, before.shared.dpi[5].enabled);
    EXPECT_EQ(set.shared.dpi[1].colour, (ColourLevels{0, 13, 15}));
    EXPECT_EQ(set.shared.wheelSpeed, 11);
    EXPECT_EQ(set.shared.ledCycleTime, 0);
    EXPECT_NE(before.shared.ledCycleTime, 0);

    clickAt(w, skin.main().rect(mw::kApply));
    ASSERT_TRUE(runUntil([&] { return p.downloadsDone == 2; })) << "the apply's write";
    EXPECT_EQ(p.dlg.lastResult(), 0);
    ASSERT_TRUE(p.mouse->saveState());

    const fs::path image = dir.path() / "image.bin";
    const std::string command = std::string(bin) + "/karvoctl --data " + dir.path().string() +
                                " image --bin " + image.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<char> expected = readAll(image);
    const std::vector<char> written = readAll(dir.path() / "mouse.bin");
    ASSERT_EQ(expected.size(), 65536u);
    ASSERT_EQ(written.size(), expected.size());
    std::size_t firstDifference = 0;
    while (firstDifference < written.size() &&
           written[firstDifference] == expected[firstDifference])
        ++firstDifference;
    EXPECT_EQ(firstDifference, written.size()) << "first differing address " << firstDifference;
    if (std::getenv("KARVO_KEEP_E2E"))
        fs::copy(dir.path(), std::getenv("KARVO_KEEP_E2E"), fs::copy_options::recursive);
}

}  // namespace
}  // namespace karvo
