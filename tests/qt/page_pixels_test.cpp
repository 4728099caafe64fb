// The Qt back-end renders each page offscreen; pixels at chosen entries must equal the source
// pictures: the current tab from the down picture, a hovered entry from the over picture, a
// level swatch in its colour, and a replaced picture shows at the next paint.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include <filesystem>
#include <optional>

#include "app/ckarvo_gmousedlg.h"
#include "fake_window.h"
#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_fonts.h"
#include "skin_fixture.h"
#include "temp_dir.h"
#include "ui/skin/layout_index.h"

namespace karvo {
namespace {

namespace mw = skin::main_window;
namespace adv = skin::advanced;

QPoint inside(const SkinRect& r) {
    return {r.x + 3, r.y + 3};
}

// A point of `r` where two pictures differ, so a pixel there tells which one was drawn.
std::optional<QPoint> telling(const QImage& a, const QImage& b, const SkinRect& r) {
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

struct Offscreen {
    Offscreen() {
        settings.edit([&](Settings& s) { s = shipped.settings; });
    }
    QImage render() {
        qt::QtCanvas canvas(cache, fonts);
        dlg.paint(canvas);
        return canvas.result();
    }
    QRgb source(const std::string& picture, QPoint p) { return cache.get(picture)->pixel(p); }

    testing::ShippedSkin shipped;
    SettingsModel settings;
    testing::FakeWindow window;
    testing::RecordingQueue queue;
    testing::ScriptedRunner runner;
    WarningDlg warning{runner, queue, {}};
    qt::PictureCache cache;
    qt::QtFonts fonts;
    CKarvo_GMouseDlg dlg{
        {shipped.skin, settings, window, queue, warning, nullptr}, shipped.pictures, 8};
};

TEST(PagePixels, EachPageShowsItsTabFromTheDownPictureAndItsBodyFromTheNormalOne) {
    Offscreen o;
    const Page pages[] = {Page::Main, Page::Advanced, Page::Macro, Page::Lighting};
    for (const Page page : pages) {
        o.dlg.showPage(page);
        const QImage frame = o.render();
        const ImageStateSet& set = o.shipped.pictures.of(page);
        ASSERT_EQ(frame.size(), o.cache.get(set.normal)->size());
        // The profile tab: the normal picture shows it raised, the down picture pressed.
        const SkinRect profile = o.shipped.skin.main().rect(mw::kProfileFirst);
        const auto p = telling(*o.cache.get(set.down), *o.cache.get(set.normal), profile);
        ASSERT_TRUE(p) << static_cast<int>(page);
        EXPECT_EQ(frame.pixel(*p), o.source(set.down, *p)) << static_cast<int>(page);
        // Another profile's tab stays as the normal picture has it.
        const SkinRect other = o.shipped.skin.main().rect(mw::kProfileFirst + 1);
        const auto q = telling(*o.cache.get(set.down), *o.cache.get(set.normal), other);
        ASSERT_TRUE(q);
        EXPECT_EQ(frame.pixel(*q), o.source(set.normal, *q)) << static_cast<int>(page);
        const QPoint tab =
            inside(o.shipped.skin.main().rect(mw::kTabFirst + static_cast<int>(page)));
        EXPECT_EQ(frame.pixel(tab), o.source(set.down, tab)) << static_cast<int>(page);
        EXPECT_EQ(frame.pixel(QPoint(5, 690)), o.source(set.normal, QPoint(5, 690)));
    }
}

TEST(PagePixels, AHoveredHeaderEntryComesFromTheOverPicture) {
    Offscreen o;
    const SkinRect apply = o.shipped.skin.main().rect(mw::kImport);
    o.dlg.onMouseMove(apply.x + 3, apply.y + 3);
    const QImage frame = o.render();
    EXPECT_EQ(frame.pixel(inside(apply)), o.source(o.shipped.pictures.main.over, inside(apply)));
}

TEST(PagePixels, ADpiLevelSwatchIsFilledWithItsColour) {
    Offscreen o;
    o.settings.edit([](Settings& s) { s.shared.dpi[1].colour = {0, 15, 15}; });
    o.dlg.showPage(Page::Advanced);
    const QImage frame = o.render();
    const QPoint p = inside(o.shipped.skin.advanced().rect(adv::kDpiColourFirst + 1));
    EXPECT_EQ(frame.pixel(p), qRgb(255, 15, 15));
}

TEST(PagePixels, AReplacedPictureShowsAtTheNextPaint) {
    testing::TempDir dir;
    const std::string file = (dir / "swatch.png").string();
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(file)));
    qt::PictureCache cache;
    EXPECT_EQ(cache.get(file)->pixel(1, 1), qRgb(255, 0, 0));
    QImage blue(9, 8, QImage::Format_RGB32);  // another size, so the change shows in any case
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(QString::fromStdString(file)));
    EXPECT_EQ(cache.get(file)->pixel(1, 1), qRgb(0, 0, 255));
    std::filesystem::remove(file);
    EXPECT_EQ(cache.get(file), nullptr);
}

}  // namespace
}  // namespace karvo
