// Entry point of the window program: picks the mouse back-end (the real mouse through hidapi,
// or the emulated one with --simulate), builds the Qt back-end, runs the start-up sequence and
// the window's event loop, and takes the threads down when the window ends.
#include <QApplication>
#include <QDir>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/blink_thread.h"
#include "app/ckarvo_gmousedlg.h"
#include "app/device_threads.h"
#include "app/lighting_animation.h"
#include "app/macro_page_controls.h"
#include "app/macro_page_editor.h"
#include "app/program_actions.h"
#include "app/program_state.h"
#include "app/sound_lighting.h"
#include "app/startup_sequence.h"
#include "app/window_messages.h"
#include "app/window_options.h"
#include "device/logging_hid_backend.h"
#include "device/report_log.h"
#include "device/sim/emulated_device_notifier.h"
#include "device/sim/emulated_hid_backend.h"
#include "device/sim/emulated_mouse.h"
#include "device/written_image_file.h"
#include "platform/command_runner.h"
#include "platform/linux/desktop_pointer_settings.h"
#include "platform/linux/hidapi_backend.h"
#include "platform/linux/hidraw_connection.h"
#include "platform/linux/pulse_peak_meter.h"
#include "platform/linux/realtime_thread.h"
#include "platform/linux/udev_device_notifier.h"
#include "platform/null_pointer_settings.h"
#include "platform/process.h"
#include "platform/qt/first_frame_signal.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_message_queue.h"
#include "platform/qt/qt_modal_runner.h"
#include "platform/qt/qt_rtkit.h"
#include "platform/qt/qt_sound_window.h"
#include "platform/qt/qt_startup_platform.h"
#include "services/user_files.h"
#ifdef KARVO_HAVE_QTDBUS
#include "platform/qt/qt_resume_watcher.h"
#endif
#include "platform/qt/qt_window_menus.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "ui/dialogs/captured_keys.h"
#include "ui/dialogs/dialog_gun.h"
#include "ui/dialogs/warning_dlg.h"

namespace {

// The mouse the program talks to: the system's HID devices, or one emulated mouse.
struct MouseBackend {
    MouseBackend(bool simulate, const std::string& stateFile, const std::string& reportLog) {
        if (!reportLog.empty()) {
            log = std::make_unique<karvo::device::ReportLog>(clock, reportLog);
            if (!log->ok()) {
                std::fprintf(stderr, "karvo-gmouse: cannot write the report log %s\n",
                             reportLog.c_str());
                log.reset();
            }
        }
        if (simulate) {
            karvo::sim::EmulatedMouse::Options o;
            o.keepReports = false;
            o.stateFile = stateFile;
            mouse = std::make_shared<karvo::sim::EmulatedMouse>(clock, o);
            emulated.setNotifier(&emulatedNotifier);
            emulated.plug(mouse, "sim:0");
        } else {
            hidapi = std::make_unique<karvo::hid::HidapiBackend>();
            udev = std::make_unique<karvo::hid::UdevDeviceNotifier>();
        }
        if (log)
            logging = std::make_unique<karvo::device::LoggingHidBackend>(system(), *log);
    }
    karvo::hid::HidBackend& system() {
        return hidapi ? static_cast<karvo::hid::HidBackend&>(*hidapi) : emulated;
    }
    karvo::hid::HidBackend& hid() {
        return logging ? static_cast<karvo::hid::HidBackend&>(*logging) : system();
    }
    // The emulated mouse's memory into its state file, so what the window wrote can be read
    // from outside (karvoctl image --simulate=STATEFILE).
    void saveState() {
        if (mouse && !mouse->options().stateFile.empty() && !mouse->saveState())
            std::fprintf(stderr, "karvo-gmouse: cannot save the state file %s\n",
                         mouse->options().stateFile.string().c_str());
    }
    karvo::hid::DeviceNotifier* notifier() {
        return udev ? static_cast<karvo::hid::DeviceNotifier*>(udev.get()) : &emulatedNotifier;
    }

    karvo::SystemClock clock;
    std::shared_ptr<karvo::sim::EmulatedMouse> mouse;
    karvo::sim::EmulatedHidBackend emulated;
    karvo::sim::EmulatedDeviceNotifier emulatedNotifier;
    std::unique_ptr<karvo::hid::HidapiBackend> hidapi;
    std::unique_ptr<karvo::hid::UdevDeviceNotifier> udev;
    std::unique_ptr<karvo::device::ReportLog> log;
    std::unique_ptr<karvo::device::LoggingHidBackend> logging;
};

// Each page as the window shows it, child controls included. On the macro page the selection
// moves down twice, as with the arrow keys, so a group is expanded and one of its macros shows
// its steps; the selection stays in memory, nothing is saved.
int renderPages(karvo::CKarvo_GMouseDlg& dlg, karvo::qt::QtMainWindow& window,
                karvo::MacroPageControls& macroControls, const QString& folder) {
    QDir().mkpath(folder);
    karvo::CListBoxXI& macros = macroControls.macroList();
    if (macros.onKey(karvo::CListBoxXI::Key::Down))  // the first group line: expands it
        macros.onKey(karvo::CListBoxXI::Key::Down);  // its first macro
    const char* names[] = {"main", "advanced", "macro", "lighting"};
    for (int p = 0; p < 4; ++p) {
        dlg.showPage(static_cast<karvo::Page>(p));
        const QImage frame = window.widget()->grab().toImage();
        const QString file = folder + "/" + names[p] + ".png";
        if (!frame.save(file)) {
            std::cerr << "cannot write " << file.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before anything else, without a display or a lock.
    const karvo::WindowOptions options =
        karvo::WindowOptions::parse(std::vector<std::string>(argv, argv + argc));
    switch (options.action) {
        case karvo::WindowOptions::Action::Help:
            std::cout << karvo::WindowOptions::helpText();
            return 0;
        case karvo::WindowOptions::Action::Version:
            std::cout << "karvo-gmouse " << karvo::programVersion() << '\n';
            return 0;
        case karvo::WindowOptions::Action::Refuse:
            std::cerr << "karvo-gmouse: " << options.error << '\n'
                      << karvo::WindowOptions::usage() << "\nTry 'karvo-gmouse --help' for more.\n";
            return 2;
        case karvo::WindowOptions::Action::Run:
            break;
    }
    // Caught from here on: a logout during start-up is kept until the window can take the exit
    // path, instead of killing the program halfway through writing its files.
    karvo::TerminationSignals signals;

    // One window program per session. A second start brings the running one's window back and
    // ends before it makes a window or a tray icon of its own. Rendering the pages is a batch
    // run that must work beside the window program, so it takes no lock.
    std::unique_ptr<karvo::InstanceGuard> instance;
    if (options.renderPages.empty()) {
        karvo::InstanceClaim claim = karvo::claimSingleInstance(karvo::kInstanceName);
        if (!claim.warning.empty())
            std::fprintf(stderr, "karvo-gmouse: %s\n", claim.warning.c_str());
        if (claim.result == karvo::InstanceClaim::Result::AlreadyRunning) {
            if (claim.warning.empty())
                std::fprintf(stderr,
                             "karvo-gmouse: already running; its window was brought back\n");
            return 1;
        }
        if (claim.result == karvo::InstanceClaim::Result::Unguarded)
            std::fprintf(stderr, "karvo-gmouse: starting without the single-instance lock\n");
        instance = std::move(claim.guard);
    }

    // Qt would abort with a list of plugins; say plainly what is missing instead.
    const bool hasDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
                            std::getenv("QT_QPA_PLATFORM") || !options.renderPages.empty();
    if (!hasDisplay) {
        std::fprintf(stderr,
                     "karvo-gmouse: no display to open the window on. Run it in a desktop "
                     "session, under Xvfb (see the README), or with QT_QPA_PLATFORM=offscreen.\n");
        return 1;
    }
    if (!options.renderPages.empty() && !std::getenv("QT_QPA_PLATFORM")) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    // The window lives on in the tray when hidden, and a notice closed while it is hidden is
    // not the end of the program: only the shutdown path ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    // The data tree: --data, the portable tree beside the program, or the installed one with
    // the user's own copies of the files the program writes.
    const karvo::PathEnvironment pathEnvironment = karvo::PathEnvironment::ofProcess(
        karvo::process::executableFolder(argv[0]), options.dataFolder);
    const karvo::ProgramLocation location = karvo::locateProgram(pathEnvironment, 1);
    if (!location.paths) {
        std::fprintf(stderr, "karvo-gmouse: %s\n", location.error.c_str());
        return 1;
    }
    for (const std::string& problem : karvo::UserFiles::provide(*location.paths).problems)
        std::fprintf(stderr, "karvo-gmouse: %s\n", problem.c_str());
    MouseBackend mouse(options.simulate, options.stateFile, options.reportLog);
    // The desktop's pointer speed and wheel lines follow the mouse's settings; the emulated
    // mouse is for trying things out and leaves the desktop alone.
    karvo::SystemCommandRunner commandRunner;
    karvo::DesktopPointerSettings desktopPointer;
    if (!options.simulate) {
        desktopPointer =
            karvo::openDesktopPointerSettings(karvo::DesktopSession::ofProcess(), commandRunner);
    } else {
        desktopPointer.settings = std::make_unique<karvo::NullPointerSettings>();
    }
    karvo::PointerSettings* pointer = desktopPointer.settings.get();

    karvo::qt::PictureCache pictures;
    karvo::qt::QtFonts fonts;
    karvo::qt::QtMessageQueue queue;
    karvo::qt::QtModalRunner runner(pictures, fonts);
    const auto skinFolder = location.paths->skinFolder;
    karvo::WarningDlg warning(
        runner, queue,
        {(skinFolder / "warning_mask.jpg").string(), (skinFolder / "warning_normal.jpg").string(),
         (skinFolder / "warning_over.jpg").string()});
    karvo::qt::QtMainWindow window(pictures, fonts, queue);
    karvo::ProgramState state(*location.paths, warning, *pointer);
    // On a real mouse, which karvoctl may write too, the last complete write is kept where
    // karvoctl keeps it, so neither compares with an image the other has overwritten. The
    // emulated mouse is the program's own: its downloader keeps the image in memory.
    std::unique_ptr<karvo::device::FileWrittenImageStore> writtenImages;
    if (!options.simulate) {
        using Identity = karvo::device::FileWrittenImageStore::Identity;
        writtenImages = std::make_unique<karvo::device::FileWrittenImageStore>(
            std::filesystem::path(), [&state]() -> std::optional<Identity> {
                // Read by the download, which starts once discovery has found the mouse.
                if (!state.discovery || state.discovery->featurePath().empty())
                    return std::nullopt;
                const std::string path = state.discovery->featurePath();
                const auto connection = karvo::hid::hidrawConnection(path);
                return connection ? std::optional(Identity{path, *connection}) : std::nullopt;
            });
        state.downloader.setWrittenImageStore(writtenImages.get());
    }

    karvo::CKarvo_GMouseDlg dlg({state.skin, state.settings, window, queue, warning, &state.link,
                                 &state.macroRegion, &state.keys, &state.description, &state.texts},
                                {}, 0);
    window.attach(dlg);
    // A screen whose free area is smaller than the window shows it scaled down to fit; the
    // rendered pages keep the layout's own size.
    window.setFitToScreen(options.renderPages.empty());
    karvo::qt::QtFileDialog fileDialog(window.widget());
    karvo::qt::QtColourDialog colourDialog(window.widget());
    dlg.setFileDialog(&fileDialog);
    dlg.setColourDialog(&colourDialog);
    const karvo::qt::FirstFrameSignal firstFrame(window.widget());
    karvo::MacroPageControls macroControls({state.macros, state.texts, state.keys, state.skin,
                                            state.settings,
                                            [&dlg, &window](std::optional<int> mode) {
                                                dlg.setSelectedMacroMode(mode);
                                                window.invalidate();
                                            }});
    macroControls.setIconStrip((skinFolder / "list_icons.png").string());
    dlg.setOnPageChanged([&window, &macroControls](karvo::Page page) {
        // Another profile or assignment may have changed the key list since the last visit.
        if (page == karvo::Page::Macro)
            macroControls.refreshKeys();
        window.showMacroControls(page == karvo::Page::Macro);
    });
    queue.setHandler([&dlg, &mouse](const karvo::WindowMessage& m) {
        dlg.onMessage(m);
        if (m.id == karvo::msg::WM_DOWNLOAD_DONE)
            mouse.saveState();
    });
    warning.setPlacement([&window, &state] {
        karvo::WarningDlg::Placement where;
        // In the tray (or not shown yet, during start-up) the notice is centred on the screen.
        where.mode = window.hidden() ? 2 : 0;
        const karvo::SkinRect frame = window.frame();
        where.mainLeft = frame.x;
        where.mainTop = frame.y;
        where.desktop = {0, 0, state.screenWidth, state.screenHeight};
        return where;
    });

    // Macro steps keep their time on a busy desktop only with real-time scheduling; said once
    // on stderr when the desktop does not grant it.
    karvo::LinuxThreadPriority playbackPriority(karvo::qt::rtkitMakeThreadRealtime);
    const std::unique_ptr<karvo::DeviceThreads> deviceThreads = karvo::makeDeviceThreads(
        &playbackPriority,
        [](const std::string& line) { std::fprintf(stderr, "karvo-gmouse: %s\n", line.c_str()); });
    // Sound-reactive lighting, made at the first opening of its dialog.
    karvo::qt::QtSoundWindow soundWindow(pictures, fonts);
    karvo::SoundLighting sound(
        {soundWindow, queue, warning, state.link, state.settings, state.clock, *deviceThreads,
         [&warning] {
             return std::make_unique<karvo::PulsePeakMeter>(warning,
                                                            karvo::PulsePeakMeter::Options{});
         },
         [](std::string_view line) {
             std::fprintf(stderr, "karvo-gmouse: %.*s\n", static_cast<int>(line.size()),
                          line.data());
         },
         [&state] {
             const auto& skin = state.paths.skinFolder;
             return karvo::SoundWave::Skin{
                 state.paths.languageFolder,
                 {(skin / "sound_mask.jpg").string(), (skin / "sound_normal.jpg").string(),
                  (skin / "sound_over.jpg").string(), (skin / "sound_down.jpg").string()},
                 state.paths.configFile,
                 state.layoutScale};
         }});
    soundWindow.attach(sound.dialog(), [&sound](int id) { sound.dialog().onTimer(id); });
    dlg.setSoundLighting(&sound);
    karvo::BlinkThread blink([&dlg] { return dlg.mainPageShown(); },
                             [&queue] {
                                 queue.post({karvo::msg::WM_REPAINT, 0, 0});
                             });
    karvo::LightingAnimation lighting(
        state.settings, [&dlg] { return dlg.lightingPageShown(); },
        [&queue] {
            queue.post({karvo::msg::WM_REPAINT, 0, 0});
        });
    dlg.setLightingPreview([&lighting] { return lighting.previewColour(); });
    karvo::ProgramActions::Parts actionParts{
        state,       queue,          warning,
        &fileDialog, &macroControls, options.renderPages.empty() ? &blink : nullptr,
        &lighting};
    // The "more" menu's autostart row starts this program, with the data folder it was given.
    if (const auto configHome = pathEnvironment.configHome()) {
        const char* dirs = std::getenv("XDG_CONFIG_DIRS");
        actionParts.autostart.emplace(*configHome, karvo::Autostart::splitDirs(dirs ? dirs : ""));
        actionParts.windowProgram = pathEnvironment.executableFolder / "karvo-gmouse";
        if (options.dataFolder) {
            std::error_code ec;
            actionParts.programArguments = {
                "--data",
                std::filesystem::absolute(*options.dataFolder, ec).lexically_normal().string()};
        }
    }
    karvo::ProgramActions actions(std::move(actionParts));
    dlg.setActions(&actions);
#ifdef KARVO_HAVE_QTDBUS
    std::unique_ptr<karvo::qt::QtResumeWatcher> resume;
    if (options.renderPages.empty())
        resume = std::make_unique<karvo::qt::QtResumeWatcher>(queue);
#endif
    karvo::qt::QtStartupPlatform platform(window, fonts, pictures, mouse.hid(), mouse.notifier(),
                                          *pointer, &macroControls);
    karvo::StartupSequence startup(state,
                                   {platform, window, queue, warning, *deviceThreads,
                                    options.renderPages.empty() ? &blink : nullptr, &warning});
    const auto result = startup.run(options.commandLine);

    int code = 0;
    // The menus, the capture dialogs and the language switch behind the window's seams.
    std::optional<karvo::qt::QtWindowMenus> menus;
    // The macro page's editing: step pop-ups, recording, the macro menus and the gun dialog.
    karvo::MacroPageEditor macroEditor(
        {{state.macros, macroControls, state.texts, state.keys, warning,
          karvo::MacroPageEditor::fileChooser(fileDialog),
          [&queue](int what) {
              queue.post({karvo::msg::WM_MACRO_GROUP_FILE, static_cast<std::uintptr_t>(what), 0});
          },
          karvo::msOfDayNow,
          [&](bool on) {
              // The recording's keyboard hook: every key goes to the window as a key message.
              if (!menus)
                  return;
              if (!on) {
                  menus->capture().end();
                  return;
              }
              menus->capture().begin([&](const karvo::PhysicalKeyEvent& event) {
                  const auto key =
                      karvo::captured_keys::translate(state.keys, state.language, event);
                  if (key.virtualKey != 0)
                      queue.post({key.message, static_cast<std::uintptr_t>(key.virtualKey), 0});
              });
          }},
         [&dlg]() -> karvo::MenuOpener& { return dlg.menus(); },
         [&] {
             // The dialog's menu button lists the presets; a choice shows the chosen one.
             karvo::CDialogGun::run(
                 {state.macros, queue, warning,
                  [&](karvo::CDialogGun& gun) {
                      if (menus)
                          gun.openPresetMenu(menus->menus(), [&runner] { runner.refresh(); });
                  }},
                 runner, state.paths.skinFolder, state.paths.languageFolder, state.layoutScale,
                 window.frame());
         },
         [&window] {
             if (auto* page = window.macroPage())
                 page->sync();
             window.invalidate();
         },
         [&](const std::string& name) -> std::optional<int> {
             if (!menus)
                 return std::nullopt;
             const karvo::SkinRect frame = window.frame();
             // Over the step list, where the design placed it.
             if (menus->keyDialog().run(name, frame.x + 330 * state.layoutScale,
                                        frame.y + 280 * state.layoutScale) !=
                 karvo::CDialogGetKey::kOk)
                 return std::nullopt;
             return menus->keyDialog().capturedKey();
         },
         [&]() -> karvo::PopupMenus* { return menus ? &menus->menus() : nullptr; }});
    dlg.setMacroEditor(&macroEditor);
    if (result == karvo::StartupSequence::Result::Running) {
        // Said once per user, not at every start.
        const std::string pointerNotice = karvo::pointerBackendNotice(desktopPointer.backend);
        if (!pointerNotice.empty() && options.renderPages.empty() &&
            karvo::UserFiles::firstTime(state.paths, "wayland-pointer"))
            warning.message(pointerNotice);
        menus.emplace(karvo::qt::QtWindowMenus::Parts{
            state, queue, runner, warning, platform, pictures, fonts, [&] {
                // Everything of the window that came from the old language folder.
                dlg.setPictures(
                    karvo::PagePictures::in(state.paths.skinFolder, state.paths.languageFolder),
                    state.description.keyNum);
                platform.createChildControls(state.skin);
                const karvo::TextSize mask = platform.pictureSize(state.paths.maskImage.string());
                state.macroRegion = karvo::macroPageRegion(
                    mask.width * state.layoutScale, mask.height * state.layoutScale, state.skin);
                macroControls.setLanguage(state.language);
                macroControls.reload();
                window.showMacroControls(dlg.page() == karvo::Page::Macro);
                window.invalidate();
            }});
        dlg.setMenuOpener(&menus->opener());
        dlg.setCombinationOpener(&menus->combination());
        dlg.setLanguageSwitch(&menus->languages());
        menus->followPointerOutside(window.widget(), dlg);
        dlg.setPictures(karvo::PagePictures::in(state.paths.skinFolder, state.paths.languageFolder),
                        state.description.keyNum);
        macroControls.setLanguage(state.language);
        macroEditor.commands().setLanguage(state.language);
        if (auto* page = window.macroPage())
            page->setCommands(&macroEditor.commands(),
                              [&macroEditor](const auto& request, QPoint at) {
                                  macroEditor.openMenu(request, at.x(), at.y());
                              });
        macroControls.setKeyNum(state.description.keyNum);
        macroControls.reload();
        window.showMacroControls(dlg.page() == karvo::Page::Macro);
        state.discovery->onMouseRemoved([&] {
            deviceThreads->suspend();
            dlg.mouseRemoved();
        });
        // Logout, shutdown or Ctrl+C take the same path as the exit entry.
        std::unique_ptr<QSocketNotifier> stopRequest;
        if (signals.ok()) {
            stopRequest =
                std::make_unique<QSocketNotifier>(signals.fileDescriptor(), QSocketNotifier::Read);
            QObject::connect(stopRequest.get(), &QSocketNotifier::activated, [&] {
                if (signals.takePending() > 0)
                    dlg.onMessage({karvo::msg::WM_CLOSE, 0, 0});
            });
        }
        std::unique_ptr<QSocketNotifier> hotPlug;
        if (auto* n = mouse.notifier(); n && n->fileDescriptor() >= 0) {
            hotPlug = std::make_unique<QSocketNotifier>(n->fileDescriptor(), QSocketNotifier::Read);
            QObject::connect(hotPlug.get(), &QSocketNotifier::activated,
                             [n] { n->dispatchPending(); });
        }
        // A later start asked for the window: out of the tray, out of the taskbar, in front.
        std::unique_ptr<QSocketNotifier> restoreRequests;
        if (instance && instance->fileDescriptor() >= 0) {
            restoreRequests = std::make_unique<QSocketNotifier>(instance->fileDescriptor(),
                                                                QSocketNotifier::Read);
            QObject::connect(restoreRequests.get(), &QSocketNotifier::activated, [&] {
                instance->dispatchPending([&queue] {
                    queue.post({karvo::msg::WM_SYSCOMMAND, karvo::msg::SC_RESTORE, 0});
                });
            });
        }
        if (!options.renderPages.empty()) {
            state.downloader.waitForWorker();
            QCoreApplication::processEvents();
            code = renderPages(dlg, window, macroControls,
                               QString::fromStdString(options.renderPages));
        } else {
            if (state.hideAtStart)
                window.widget()->showMinimized();
            else
                window.widget()->show();
            code = app.exec();
        }
    } else {
        code = 1;
    }

    sound.end();
    blink.stop();
    lighting.stop();
    actions.waitForApply();
    deviceThreads->stop();
    state.downloader.waitForWorker();
    mouse.saveState();
    state.link.close();
    return code;
}
