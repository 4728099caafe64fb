// Drawing the main window's pages; see page_pictures.h.
#include "tools/skin_painter/page_pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace karvo::painter {
namespace {

namespace mw = skin::main_window;
constexpr QSize kCanvas(1100, 700);

std::span<const skin::Control> controlsOf(LayoutFile file) {
    for (const auto& w : skin::allWindowControls()) {
        if (w.file == file)
            return w.controls;
    }
    return {};
}

QImage blank() {
    QImage img(kCanvas, QImage::Format_RGB32);
    img.fill(Theme::background());
    return img;
}

// The mouse seen from above: a long body, the two main buttons split by the wheel.
QPainterPath mouseBody() {
    QPainterPath path;
    const double cx = 550;
    path.moveTo(cx, 136);
    path.cubicTo(cx + 84, 136, cx + 112, 190, cx + 108, 290);
    path.cubicTo(cx + 104, 400, cx + 96, 546, cx, 548);
    path.cubicTo(cx - 96, 546, cx - 104, 400, cx - 108, 290);
    path.cubicTo(cx - 112, 190, cx - 84, 136, cx, 136);
    return path;
}

QColor tint(State s) {
    return s == State::Down ? Theme::accentSoft(120) : Theme::accentSoft(60);
}

}  // namespace

QRect toQRect(const SkinRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

void PagePictures::controls(QPainter& p, LayoutFile file, const SkinLayout& layout, State s,
                            int first, int last) const {
    for (const skin::Control& c : controlsOf(file)) {
        if (c.index < first || c.index > last)
            continue;
        PainterKit::control(p, c.look, toQRect(layout.rect(c.index)), s, c.name);
    }
}

void PagePictures::header(QPainter& p, State s) const {
    p.fillRect(QRect(0, 0, kCanvas.width(), 56), Theme::bar());
    p.fillRect(QRect(0, 56, kCanvas.width(), 1), Theme::cardBorder());
    // The product name is the same in every language, so the picture carries it.
    const QRect logo = toQRect(skin_.main().rect(mw::kLogo));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Theme::accent());
    p.setBrush(Theme::accent());
    QPolygonF mark;
    const double mx = logo.left() + 4;
    const double my = logo.center().y();
    mark << QPointF(mx, my - 10) << QPointF(mx + 10, my) << QPointF(mx, my + 10)
         << QPointF(mx + 4, my);
    p.drawPolygon(mark);
    p.setPen(Theme::text());
    p.setFont(PainterKit::font(19, QFont::Bold));
    p.drawText(logo.adjusted(22, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("KARVO"));
    p.setPen(Theme::accent());
    p.setFont(PainterKit::font(15, QFont::Medium));
    p.drawText(logo.adjusted(100, 1, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("G7 PRO"));
    // Footer line above the web link.
    p.fillRect(QRect(0, 662, kCanvas.width(), 1), Theme::cardBorder());
    p.setPen(Theme::muted().darker(140));
    p.setFont(PainterKit::font(11));
    p.drawText(QRect(24, 664, 400, 36), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("KARVO G7 PRO  ·  Gaming Mouse"));
    controls(p, LayoutFile::Main, skin_.main(), s, 0, mw::kHeaderCount - 1);
}

void PagePictures::mouse(QPainter& p, State s) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A soft accent glow under the mouse.
    QRadialGradient glow(QPointF(550, 340), 260);
    glow.setColorAt(0, Theme::accentSoft(34));
    glow.setColorAt(1, Theme::accentSoft(0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(550, 340), 300, 260);

    // Leader lines from each label to its button.
    p.setPen(QPen(Theme::controlBorder().lighter(125), 1.2));
    for (int n = 0; n < mw::kDrawnButtons; ++n) {
        const QRect label = toQRect(skin_.main().rect(mw::kLabelFirst + n));
        const QRect hot = toQRect(skin_.main().rect(mw::kHotspotFirst + n));
        const bool left = label.center().x() < 550;
        const QPointF from(left ? label.right() + 34 : label.left() - 34, label.center().y());
        const QPointF elbow(left ? from.x() + 26 : from.x() - 26, from.y());
        QPointF to = QRectF(hot).center();
        if (n == 3 || n == 4)
            to.setX(hot.left() + 2);
        p.drawPolyline(QPolygonF() << from << elbow << to);
        p.setBrush(Theme::controlBorder().lighter(160));
        p.drawEllipse(to, 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
    }

    const QPainterPath body = mouseBody();
    QLinearGradient shell(QPointF(440, 140), QPointF(660, 548));
    shell.setColorAt(0, QColor(0x2A, 0x30, 0x3B));
    shell.setColorAt(1, QColor(0x15, 0x18, 0x1E));
    p.setPen(QPen(QColor(0x3A, 0x42, 0x50), 1.5));
    p.setBrush(shell);
    p.drawPath(body);
    // Accent light strip along both flanks and the logo on the palm.
    p.setPen(QPen(Theme::accentSoft(200), 2.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath strip;
    strip.moveTo(456, 330);
    strip.cubicTo(452, 420, 470, 500, 520, 530);
    strip.moveTo(644, 330);
    strip.cubicTo(648, 420, 630, 500, 580, 530);
    p.setBrush(Qt::NoBrush);
    p.drawPath(strip);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::accentSoft(170));
    QPolygonF mark;
    mark << QPointF(540, 430) << QPointF(556, 446) << QPointF(540, 462) << QPointF(546, 446);
    p.drawPolygon(mark);
    // Seams: the split between the buttons and the edge of the palm.
    p.setPen(QPen(QColor(0x0B, 0x0D, 0x11), 2));
    p.drawLine(QPointF(550, 136), QPointF(550, 282));
    QPainterPath seam;
    seam.moveTo(446, 282);
    seam.cubicTo(500, 294, 600, 294, 654, 282);
    p.drawPath(seam);

    // The buttons, each in the picture's state.
    for (int n = 0; n < mw::kDrawnButtons; ++n) {
        const QRect r = toQRect(skin_.main().rect(mw::kHotspotFirst + n));
        if (n <= 1) {
            // The main buttons end at the palm seam and leave room for the wheel.
            QPainterPath front;
            front.moveTo(r.left(), r.top());
            front.lineTo(r.right() + 1, r.top());
            front.lineTo(r.right() + 1, 300);
            front.lineTo(r.left(), 300);
            front.closeSubpath();
            QPainterPath palm;
            palm.moveTo(430, 282);
            palm.cubicTo(500, 294, 600, 294, 670, 282);
            palm.lineTo(670, 560);
            palm.lineTo(430, 560);
            palm.closeSubpath();
            QPainterPath slot;
            slot.addRoundedRect(
                QRectF(toQRect(skin_.main().rect(mw::kHotspotFirst + 2))).adjusted(-2, -3, 2, 3),
                12, 12);
            QPainterPath area = front.intersected(body).subtracted(palm).subtracted(slot);
            if (s != State::Normal) {
                p.setPen(Qt::NoPen);
                p.setBrush(tint(s));
                p.drawPath(area);
            }
            continue;
        }
        const bool wheel = n == 2;
        const QColor fill = s == State::Normal
                                ? QColor(0x0F, 0x12, 0x17)
                                : (s == State::Down ? Theme::accentDeep() : Theme::controlHover());
        p.setPen(QPen(s == State::Normal ? QColor(0x3A, 0x42, 0x50) : Theme::accent(), 1.2));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(r).adjusted(2, 1, -2, -1), wheel ? 10 : 5, wheel ? 10 : 5);
        if (wheel) {
            p.setPen(QPen(s == State::Normal ? QColor(0x4A, 0x52, 0x60) : Theme::accent(), 1.5));
            for (int y = r.top() + 12; y < r.bottom() - 8; y += 7)
                p.drawLine(QPointF(r.left() + 8, y), QPointF(r.right() - 7, y));
        }
    }
    p.restore();
}

QImage PagePictures::buttonsPage(State s) const {
    QImage img = blank();
    QPainter p(&img);
    header(p, s);
    mouse(p, s);
    p.setRenderHint(QPainter::Antialiasing);
    // Callouts: a card per button with its number beside it.
    for (int n = 0; n < mw::kDrawnButtons; ++n) {
        const QRect r = toQRect(skin_.main().rect(mw::kLabelFirst + n));
        const bool left = r.center().x() < 550;
        const QColor border =
            s == State::Down
                ? Theme::accent()
                : (s == State::Over ? Theme::controlBorder().lighter(150) : Theme::controlBorder());
        p.setPen(QPen(border, s == State::Down ? 1.4 : 1.0));
        p.setBrush(s == State::Down
                       ? Theme::accentSoft(40)
                       : (s == State::Over ? Theme::controlHover() : Theme::control()));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
        if (s != State::Normal) {
            p.setPen(Qt::NoPen);
            p.setBrush(Theme::accent());
            const double x = left ? r.left() + 1 : r.right() - 3;
            p.drawRoundedRect(QRectF(x, r.top() + 10, 3, r.height() - 20), 1.5, 1.5);
        }
        const QRectF badge(left ? r.right() + 8 : r.left() - 32, r.center().y() - 12, 24, 24);
        p.setPen(QPen(Theme::accent(), 1.2));
        p.setBrush(Theme::background());
        p.drawEllipse(badge);
        p.setPen(Theme::accent());
        p.setFont(PainterKit::font(12, QFont::Bold));
        p.drawText(badge, Qt::AlignCenter, QString::number(n + 1));
    }
    // Bottom bar: wheel, lighting and DPI levels.
    PainterKit::card(p, QRect(24, 578, 1052, 78));
    controls(p, LayoutFile::Main, skin_.main(), s, mw::kHeaderCount, 79);
    return img;
}

QImage PagePictures::advancedPage(State s) const {
    namespace adv = skin::advanced;
    QImage img = blank();
    QPainter p(&img);
    header(p, s);
    PainterKit::card(p, QRect(24, 112, 628, 546));
    PainterKit::card(p, QRect(668, 112, 408, 546));
    // Numbered level rows; the DPI row's readout.
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < adv::kDpiLevels; ++k) {
        const QRect level = toQRect(skin_.advanced().rect(adv::kDpiLevelFirst + k));
        p.fillRect(QRect(44, level.bottom() + 4, 568, 1), Theme::cardBorder());
    }
    p.fillRect(QRect(44, 484, 568, 1), Theme::cardBorder());
    controls(p, LayoutFile::Advance, skin_.advanced(), s, 0, 137);
    return img;
}

QImage PagePictures::macroPage(State s) const {
    QImage img = blank();
    QPainter p(&img);
    header(p, s);
    PainterKit::card(p, QRect(24, 112, 328, 546));
    PainterKit::card(p, QRect(340, 112, 376, 546));
    PainterKit::card(p, QRect(724, 112, 352, 546));
    // Where the platform's list boxes and edit fields lie: their own colours, so the page
    // looks whole before they are created.
    p.setBrush(Qt::NoBrush);
    for (const SkinBox& b : skin_.macroDisplays()) {
        const QRect r(b.left, b.top, b.right - b.left, b.bottom - b.top);
        p.fillRect(r, Theme::listBox());
        p.setPen(Theme::cardBorder());
        p.drawRect(r.adjusted(-1, -1, 0, 0));
    }
    for (const SkinBox& b : skin_.editFields()) {
        const QRect r(b.left, b.top, b.right - b.left, b.bottom - b.top);
        p.fillRect(r, Qt::black);
        p.setPen(Theme::controlBorder());
        p.drawRect(r.adjusted(-1, -1, 0, 0));
    }
    controls(p, LayoutFile::Mac, skin_.macro(), s, 0, 19);
    // A record dot on the record button.
    const QRect rec = toQRect(skin_.macro().rect(skin::macro_page::kRecord));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(s == State::Down ? Theme::danger() : QColor(0xFF, 0x6B, 0x70));
    p.drawEllipse(QPointF(rec.left() + 22, rec.center().y() + 0.5), 6, 6);
    return img;
}

QImage PagePictures::lightingPage(State s) const {
    namespace led = skin::lighting;
    QImage img = blank();
    QPainter p(&img);
    header(p, s);
    PainterKit::card(p, QRect(24, 112, 676, 546));
    PainterKit::card(p, QRect(716, 112, 360, 546));
    p.setRenderHint(QPainter::Antialiasing);
    // Row separators between the option areas.
    for (const int area :
         {led::kColourArea, led::kBrightnessArea, led::kSpeedArea, led::kDirectionArea}) {
        const QRect r = toQRect(skin_.lighting().rect(area));
        p.fillRect(QRect(r.left() + 16, r.top() - 4, r.width() - 32, 1), Theme::cardBorder());
    }
    // The preview: the mouse's light strip in the colours of a spectrum.
    const QRect preview =
        toQRect(skin_.lighting().rect(led::kPreviewArea)).adjusted(14, 10, -14, -10);
    PainterKit::inset(p, preview, 10);
    QLinearGradient rainbow(preview.topLeft(), preview.topRight());
    const QColor stops[] = {QColor(0xFF, 0x3B, 0x6B), QColor(0xFF, 0xB3, 0x2E),
                            QColor(0x3B, 0xE8, 0x8B), Theme::accent(), QColor(0x8A, 0x5C, 0xFF)};
    for (int i = 0; i < 5; ++i)
        rainbow.setColorAt(i / 4.0, stops[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(rainbow);
    const QRectF strip(preview.left() + 16, preview.center().y() - 3, preview.width() - 32, 6);
    p.setOpacity(0.35);
    p.drawRoundedRect(strip.adjusted(-4, -6, 4, 6), 9, 9);
    p.setOpacity(1);
    p.drawRoundedRect(strip, 3, 3);
    controls(p, LayoutFile::Color, skin_.lighting(), s, 0, 102);
    return img;
}

void PagePictures::write(SkinWriter& out) const {
    const char* states[] = {"normal", "over", "down"};
    for (int i = 0; i < 3; ++i) {
        const State s = static_cast<State>(i);
        out.save(QStringLiteral("main_%1.jpg").arg(states[i]), buttonsPage(s));
        out.save(QStringLiteral("advanced_%1.jpg").arg(states[i]), advancedPage(s));
        out.save(QStringLiteral("mac_%1.jpg").arg(states[i]), macroPage(s));
        out.save(QStringLiteral("led_%1.jpg").arg(states[i]), lightingPage(s));
    }
    // The window's size and outline.
    QImage mask(kCanvas, QImage::Format_RGB32);
    mask.fill(Qt::white);
    out.save(QStringLiteral("main_mask.jpg"), mask);

    // Options an effect does not offer are covered with the same place of this picture.
    QImage null = lightingPage(State::Normal);
    {
        QPainter p(&null);
        p.fillRect(null.rect(), QColor(0x0E, 0x10, 0x14, 190));
    }
    out.save(QStringLiteral("led_null.jpg"), null);

    // While the lights are off, the options are covered by this picture's entry 78.
    QImage off = lightingPage(State::Normal);
    {
        QPainter p(&off);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect r = toQRect(skin_.lighting().rect(skin::lighting::kOffArea));
        p.fillRect(r, Theme::card());
        const QPointF c = QRectF(r).center();
        p.setPen(QPen(Theme::controlBorder(), 1.2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 70, 70);
        p.setPen(QPen(Theme::muted(), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 34, c.y() - 34, 68, 68), 120 * 16, 300 * 16);
        p.drawLine(c + QPointF(0, -44), c + QPointF(0, -8));
    }
    out.save(QStringLiteral("new_down.jpg"), off);
    out.save(QStringLiteral("moveRect.png"), PainterKit::knob());
}

}  // namespace karvo::painter
