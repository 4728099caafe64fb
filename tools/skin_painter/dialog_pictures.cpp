// Drawing the dialogs; see dialog_pictures.h.
#include "tools/skin_painter/dialog_pictures.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>

#include "tools/skin_painter/page_pictures.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/layout_index.h"

namespace karvo::painter {
namespace {

QSize sizeOf(LayoutFile file) {
    switch (file) {
        case LayoutFile::Warning:
            return {440, 204};
        case LayoutFile::Keyset:
            return {360, 200};
        case LayoutFile::Shortcut:
            return {480, 330};
        case LayoutFile::Sound:
            return {520, 340};
        default:
            return {560, 380};
    }
}

std::span<const skin::Control> controlsOf(LayoutFile file) {
    for (const auto& w : skin::allWindowControls()) {
        if (w.file == file)
            return w.controls;
    }
    return {};
}

void frame(QPainter& p, const QSize& size) {
    p.fillRect(QRect(QPoint(0, 0), size), Theme::card());
    p.fillRect(QRect(0, 0, size.width(), 3), Theme::accent());
    p.setPen(Theme::cardBorder());
    p.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
}

// A stylised weapon for preset n: stock, body, barrel and magazine vary with n.
QImage weapon(int n) {
    QImage img(256, 128, QImage::Format_RGB32);
    img.fill(Theme::inset());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 30, 0, 100);
    g.setColorAt(0, QColor(0x5A, 0x64, 0x75));
    g.setColorAt(1, QColor(0x2C, 0x32, 0x3D));
    p.setPen(QPen(QColor(0x7A, 0x86, 0x9A), 1));
    p.setBrush(g);
    const int barrel = 60 + (n * 17) % 50;
    const int body = 70 + (n * 11) % 30;
    const int y = 52;
    QPainterPath gun;
    gun.addRoundedRect(QRectF(24, y + 2, 46, 22), 5, 5);                            // stock
    gun.addRoundedRect(QRectF(64, y - 4, body, 26), 4, 4);                          // body
    gun.addRoundedRect(QRectF(64 + body - 2, y + 2, barrel, 8), 3, 3);              // barrel
    gun.addRoundedRect(QRectF(70 + body / 2, y + 20, 16, 26 + (n % 3) * 6), 3, 3);  // magazine
    gun.addRoundedRect(QRectF(84, y + 20, 12, 22), 3, 3);                           // grip
    p.drawPath(gun.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::accent());
    p.drawRoundedRect(QRectF(80, y - 9, 28, 5), 2, 2);  // sight
    p.setPen(Theme::muted());
    p.setFont(PainterKit::font(13, QFont::Bold));
    p.drawText(QRect(0, 96, 244, 26), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("#%1").arg(n, 2, 10, QLatin1Char('0')));
    return img;
}

}  // namespace

DialogPictures::DialogPictures(const std::filesystem::path& englishFolder)
    : folder_(englishFolder) {}

SkinLayout DialogPictures::layoutOf(LayoutFile file) const {
    RecordingNotifier ignored;
    const auto d = DialogLayout::load(folder_, file, 1, ignored);
    return d ? d->layout() : SkinLayout();
}

QImage DialogPictures::dialog(LayoutFile file, State s) const {
    const QSize size = sizeOf(file);
    const SkinLayout layout = layoutOf(file);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    frame(p, size);
    if (file == LayoutFile::Warning) {
        // A warning sign, and the button captions drawn as symbols: the pictures are shared
        // by every language.
        const QPointF c(38, 30);
        p.setPen(QPen(QColor(0xFF, 0xB3, 0x2E), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xFF, 0xB3, 0x2E, 40));
        p.drawPolygon(QPolygonF() << c + QPointF(0, -11) << c + QPointF(12, 10)
                                  << c + QPointF(-12, 10));
        p.drawLine(c + QPointF(0, -4), c + QPointF(0, 3));
        p.drawPoint(c + QPointF(0, 7));
    }
    if (file == LayoutFile::Sound) {
        PainterKit::inset(p, QRect(20, 136, 480, 140), 10);
    }
    for (const skin::Control& c : controlsOf(file)) {
        const QRect r = toQRect(layout.rect(c.index));
        if (c.look == skin::Look::Bar) {
            // The window copies a centred band of this bar from the down picture.
            p.setPen(Qt::NoPen);
            if (s == State::Down) {
                QLinearGradient g(r.topLeft(), r.bottomLeft());
                g.setColorAt(0, Theme::accentSoft(120));
                g.setColorAt(0.5, Theme::accent());
                g.setColorAt(1, Theme::accentSoft(120));
                p.setBrush(g);
                p.drawRoundedRect(QRectF(r), 2.5, 2.5);
            }
            continue;
        }
        if (c.look == skin::Look::Panel) {
            PainterKit::inset(p, r, 8);
            continue;
        }
        PainterKit::control(p, c.look, r, s, c.name);
    }
    if (file == LayoutFile::Warning) {
        PainterKit::icon(p, toQRect(layout.rect(skin::warning::kFirstButton)), "check", Qt::white);
        PainterKit::icon(p, toQRect(layout.rect(skin::warning::kSecondButton)), "close",
                         Theme::text());
    }
    return img;
}

void DialogPictures::write(SkinWriter& out) const {
    struct Set {
        LayoutFile file;
        const char* stem;
        bool mask;
        bool down;
    };
    const Set sets[] = {
        {LayoutFile::Warning, "warning", true, false},
        {LayoutFile::Keyset, "keyset", true, true},
        {LayoutFile::Shortcut, "combinationKey", false, true},
        {LayoutFile::Sound, "sound", true, true},
        {LayoutFile::Gun, "gun", true, true},
    };
    for (const Set& set : sets) {
        const QString stem = QString::fromLatin1(set.stem);
        const QImage normal = dialog(set.file, State::Normal);
        out.save(stem + QStringLiteral("_normal.jpg"), normal);
        out.save(stem + QStringLiteral("_over.jpg"), dialog(set.file, State::Over));
        if (set.down)
            out.save(stem + QStringLiteral("_down.jpg"), dialog(set.file, State::Down));
        if (set.mask) {
            QImage mask(normal.size(), QImage::Format_RGB32);
            mask.fill(Qt::white);
            out.save(stem + QStringLiteral("_mask.jpg"), mask);
        }
    }
    for (int n = 1; n <= skin::gun::kPresets; ++n)
        out.save(QStringLiteral("Gun/%1.jpg").arg(n), weapon(n));
}

void DialogPictures::writeLanguage(SkinWriter& out, const QString& folder, const QString& badge,
                                   const QString& languageName, const QString& fallbackName) {
    // zhi.png: a small "macro" badge drawn over the main page at a fixed point.
    QFont f = PainterKit::font(12, QFont::Bold);
    f.setFamilies({QStringLiteral("Roboto"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("DejaVu Sans")});
    const int w = QFontMetrics(f).horizontalAdvance(badge) + 34;
    QImage zhi(w, 22, QImage::Format_ARGB32_Premultiplied);
    zhi.fill(Qt::transparent);
    {
        QPainter p(&zhi);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Theme::accentDeep());
        p.drawRoundedRect(QRectF(0, 0, w, 22), 11, 11);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 11), 3.5, 3.5);
        p.setPen(Qt::white);
        p.setFont(f);
        p.drawText(QRect(22, 0, w - 28, 22), Qt::AlignCenter, badge);
    }
    out.save(folder + QStringLiteral("/zhi.png"), zhi);

    // The language menu row (menu2 width, menu2 row height) in the language's own name.
    QFont nameFont = PainterKit::font(14, QFont::Medium);
    nameFont.setFamilies({QStringLiteral("Roboto"), QStringLiteral("Noto Sans CJK SC"),
                          QStringLiteral("DejaVu Sans")});
    // A script the build machine has no font for is shown by its English name instead.
    const QFontMetrics metrics(nameFont);
    bool drawable = true;
    for (const char32_t c : languageName.toUcs4())
        drawable = drawable && (c == U' ' || metrics.inFontUcs4(c));
    const QString shown = drawable ? languageName : fallbackName;
    for (const bool over : {false, true}) {
        QImage row(240, 30, QImage::Format_RGB32);
        row.fill(over ? Theme::controlHover() : Theme::card());
        QPainter p(&row);
        p.setRenderHint(QPainter::Antialiasing);
        if (over) {
            p.fillRect(QRect(0, 6, 3, 18), Theme::accent());
        }
        p.setPen(over ? Qt::white : Theme::text());
        p.setFont(nameFont);
        p.drawText(QRect(16, 0, 200, 30), Qt::AlignVCenter | Qt::AlignLeft, shown);
        out.save(
            folder + (over ? QStringLiteral("/ver_over.jpg") : QStringLiteral("/ver_normal.jpg")),
            row);
    }
}

}  // namespace karvo::painter
