// Repaint of the main page after a hover change, offscreen: with the picture cache and with
// every picture decoded on every paint, side by side. Prints the medians and the ratio.
#include <QGuiApplication>

#include <cstdio>
#include <filesystem>

#include "app/ckarvo_gmousedlg.h"
#include "bench_util.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_fonts.h"
#include "ui/skin/layout_index.h"

namespace {

class NoWindow final : public karvo::WindowHost {
  public:
    void invalidate() override {}
    void minimise() override {}
    void restore() override {}
    void hide() override {}
    void close() override {}
    void startSystemMove() override {}
    void addTrayIcon() override {}
    void removeTrayIcon() override {}
    void setTrayMenu(std::vector<karvo::TrayMenuItem>) override {}
    void messageBox(std::string_view) override {}
    std::uintptr_t showSystemMenu(std::int32_t, std::int32_t,
                                  std::span<const karvo::SystemMenuEntry>) override {
        return 0;
    }
    void showAbout() override {}
    karvo::SkinRect frame() const override { return {}; }
    bool hidden() const override { return false; }
};

class NoQueue final : public karvo::MessageQueue {
  public:
    void post(const karvo::WindowMessage&) override {}
    bool onWindowThread() const override { return true; }
};

class NoRunner final : public karvo::ModalRunner {
  public:
    karvo::TextSize pictureSize(const std::string&) override { return {}; }
    int run(karvo::SkinnedWindow&, const karvo::SkinRect&) override { return 0; }
    void endAll() override {}
};

double repaintMs(karvo::qt::PictureCache::Mode mode, const karvo::MainSkin& skin,
                 const karvo::PagePictures& pictures) {
    karvo::SettingsModel settings;
    NoWindow window;
    NoQueue queue;
    NoRunner runner;
    karvo::WarningDlg warning(runner, queue, {});
    karvo::CKarvo_GMouseDlg dlg({skin, settings, window, queue, warning, nullptr}, pictures, 8);
    karvo::qt::PictureCache cache(mode);
    karvo::qt::QtFonts fonts;
    karvo::qt::QtCanvas canvas(cache, fonts);
    const karvo::SkinRect a = skin.main().rect(karvo::skin::main_window::kHotspotFirst);
    const karvo::SkinRect b = skin.main().rect(karvo::skin::main_window::kHotspotFirst + 1);
    bool flip = false;
    dlg.paint(canvas);  // warm the cache
    return karvo::bench::medianMs(200, [&] {
        const karvo::SkinRect& r = flip ? a : b;
        flip = !flip;
        dlg.onMouseMove(r.x + 2, r.y + 2);
        dlg.paint(canvas);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const std::filesystem::path skins = KARVO_DATA_OUT_DIR;
    karvo::RecordingNotifier notifier;
    karvo::MainSkin skin;
    if (skin.load(skins / "1_INI_EN", 1, "Disabled", notifier) != karvo::MainSkin::Load::Loaded) {
        std::fprintf(stderr, "no skin under %s: build first\n", skins.string().c_str());
        return 1;
    }
    const auto pictures = karvo::PagePictures::in(skins, skins / "1_INI_EN");
    const double cached =
        repaintMs(karvo::qt::PictureCache::Mode::KeepUntilChanged, skin, pictures);
    const double decoded =
        repaintMs(karvo::qt::PictureCache::Mode::DecodeEveryPaint, skin, pictures);
    karvo::bench::report("main page repaint after a hover change, picture cache", cached);
    karvo::bench::report("main page repaint after a hover change, decoding every paint", decoded);
    std::printf("cache is %.1f times faster\n", decoded / cached);
    return 0;
}
