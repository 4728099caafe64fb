// The start-up sequence of the main window.
#include "app/startup_sequence.h"

#include "app/ckarvo_gmousedlg.h"
#include "app/window_messages.h"
#include "services/language_fallback.h"

namespace karvo {

StartupSequence::StartupSequence(ProgramState& state, Services services)
    : state_(state), services_(services) {}

StartupSequence::Result StartupSequence::run(std::string_view commandLine) {
    ProgramState& s = state_;
    StartupPlatform& platform = services_.platform;
    MessageQueue& queue = services_.queue;

    // The threads start before any file is read; they wait for the link and the settings.
    services_.deviceThreads.start(DeviceThreadContext{s.link, s.settings, s.store, s.macros,
                                                      s.description, s.downloader, [&queue] {
                                                          queue.post({msg::WM_REPAINT, 0, 0});
                                                      }});
    if (services_.blink)
        services_.blink->start();
    platform.setWindowIcon((s.paths.skinFolder / "karvo_icon.png").string());

    const TextSize screen = platform.screenSize();
    s.screenWidth = screen.width;
    s.screenHeight = screen.height;
    s.layoutScale = layoutScale(screen.width);

    s.description = DeviceDescription::read(s.paths.configFile, services_.notifier);
    s.discovery = std::make_unique<device::DeviceDiscovery>(platform.hidBackend(), s.link,
                                                            s.description.devString);
    const int current = s.store.readCurrentProfile();
    s.language = usableLanguage(s.store.readLanguage(), s.paths.skinFolder, services_.notifier);
    s.paths.setLanguage(s.language);
    s.settings.edit([&](Settings& all) {
        all.currentProfile = current;
        all.language = s.language;
    });
    for (int p = 0; p < kProfiles; ++p)
        s.store.loadProfile(s.settings, p, ProfileStore::Source::Config);
    s.configNum = s.store.readConfigNum();

    // The font keys live in the language text file, so it is read before the fonts are chosen.
    if (s.texts.load(s.paths.languageFolder, services_.notifier) != LanguageTextTable::Load::Loaded)
        return Result::MissingFiles;
    const FontChoice fonts = chooseFonts(s.texts.fontKeys(), s.language, platform.logicalDpi(),
                                         s.layoutScale, s.embeddedFontsDone);
    if (!platform.applyFonts(fonts, s.paths.skinFolder))
        services_.notifier.tipText(5);
    s.embeddedFontsDone = s.embeddedFontsDone || fonts.registerEmbedded;
    platform.setWindowTitle(s.description.productName(s.language));

    if (s.skin.load(s.paths.languageFolder, s.layoutScale, s.texts.text(TextSection::Other, 1),
                    services_.notifier) != MainSkin::Load::Loaded)
        return Result::MissingFiles;
    if (services_.warning)
        services_.warning->setSkin(&s.texts, &s.skin.warning(), s.layoutScale);
    platform.createChildControls(s.skin);

    if (hid::DeviceNotifier* notifier = platform.deviceNotifier())
        s.discovery->registerNotifications(*notifier);

    const TextSize mask = platform.pictureSize(s.paths.maskImage.string());
    const TextSize window{mask.width * s.layoutScale, mask.height * s.layoutScale};
    platform.shapeWindow(window);
    s.macroRegion = macroPageRegion(window.width, window.height, s.skin);

    s.macros.load(s.paths, s.language);

    if (!s.discovery->discover()) {
        services_.notifier.tipText(1, s.description.productName(s.language));
        if (!s.discovery->message().empty())
            services_.notifier.message(s.discovery->message());
        return Result::NoMouse;
    }
    s.hideAtStart = startsHidden(commandLine);
    afterFind();
    return Result::Running;
}

void StartupSequence::afterFind() {
    ProgramState& s = state_;
    services_.host.addTrayIcon();
    services_.host.setTrayMenu(trayMenuItems(s.texts));

    const Settings now = s.settings.snapshot();
    if (now.shared.softHardMac == 1) {
        // Buttons whose function the program plays itself are switched off in the mouse.
        const int keyNum = std::min(s.description.keyNum, kButtonSlots);
        for (int n = 0; n < keyNum; ++n) {
            const std::int32_t code = now.current().buttons[static_cast<std::size_t>(n)].function;
            if (code != 18 && code <= 40)
                continue;
            if (const auto key = s.description.keyMap.keyOfSlot(n))
                s.link.sendKeyFunction(*key, 0);
        }
    }

    const std::int32_t variant = s.discovery->VariantFlag();
    s.downloader.setVariantFlag(variant);
    if (variant == 0) {
        services_.notifier.tipText(2);
        s.store.resetAll(s.settings);
        s.settings.edit([](Settings& all) { all.currentProfile = 0; });
        s.store.saveCurrentProfile(0);
    }
    MessageQueue& queue = services_.queue;
    s.downloader.startDownloadAll(
        [&queue](std::size_t written, std::size_t total) {
            queue.post({msg::WM_DOWNLOAD_PROGRESS, written, static_cast<std::intptr_t>(total)});
        },
        [&queue](device::Downloader::Result result) {
            queue.post({msg::WM_DOWNLOAD_DONE, static_cast<std::uintptr_t>(result), 0});
        });
    if (variant == 0)
        services_.notifier.tipText(3);
}

}  // namespace karvo
