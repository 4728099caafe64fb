// Drawing the list box icons: simple line glyphs, readable on the lists' dark background and on
// the highlight of a selected line.
#include "tools/skin_painter/list_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/skin_painter/painter_kit.h"
#include "ui/controls/list_box_xi.h"

namespace karvo::painter {

namespace {
constexpr int kCell = kListIconSize;

QPolygonF arrow(bool down) {
    // Shaft and head of a vertical arrow in the middle of a cell.
    const qreal tip = down ? 14 : 2;
    const qreal base = down ? 8.5 : 7.5;
    const qreal tail = down ? 2 : 14;
    return QPolygonF({QPointF(6.5, tail), QPointF(9.5, tail), QPointF(9.5, base), QPointF(13, base),
                      QPointF(8, tip), QPointF(3, base), QPointF(6.5, base)});
}

void drawCell(QPainter& p, ListIcon icon) {
    const QColor ink = Theme::text();
    const QColor accent = Theme::accent();
    p.setBrush(Qt::NoBrush);
    switch (icon) {
        case ListIcon::Delay:  // a clock
            p.setPen(QPen(Theme::muted(), 1.4));
            p.drawEllipse(QPointF(8, 8), 6, 6);
            p.drawLine(QPointF(8, 8), QPointF(8, 4));
            p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
            break;
        case ListIcon::Press:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3B, 0xE8, 0x8B));
            p.drawPolygon(arrow(true));
            break;
        case ListIcon::Release:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xFF, 0xB3, 0x2E));
            p.drawPolygon(arrow(false));
            break;
        case ListIcon::Move: {  // four arrow heads around a cross
            p.setPen(QPen(accent, 1.4));
            p.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
            p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
            p.setPen(Qt::NoPen);
            p.setBrush(accent);
            p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(5, 4.5), QPointF(11, 4.5)}));
            p.drawPolygon(QPolygonF({QPointF(8, 15), QPointF(5, 11.5), QPointF(11, 11.5)}));
            p.drawPolygon(QPolygonF({QPointF(1, 8), QPointF(4.5, 5), QPointF(4.5, 11)}));
            p.drawPolygon(QPolygonF({QPointF(15, 8), QPointF(11.5, 5), QPointF(11.5, 11)}));
            break;
        }
        case ListIcon::Lighting: {  // a sun: disc and rays
            const QColor sun(0xFF, 0xD8, 0x4A);
            p.setPen(Qt::NoPen);
            p.setBrush(sun);
            p.drawEllipse(QPointF(8, 8), 3.2, 3.2);
            p.setPen(QPen(sun, 1.4, Qt::SolidLine, Qt::RoundCap));
            const QPointF rays[][2] = {{{8, 1.5}, {8, 3.2}},       {{8, 12.8}, {8, 14.5}},
                                       {{1.5, 8}, {3.2, 8}},       {{12.8, 8}, {14.5, 8}},
                                       {{3.4, 3.4}, {4.6, 4.6}},   {{11.4, 11.4}, {12.6, 12.6}},
                                       {{3.4, 12.6}, {4.6, 11.4}}, {{11.4, 4.6}, {12.6, 3.4}}};
            for (const auto& r : rays)
                p.drawLine(r[0], r[1]);
            break;
        }
        case ListIcon::Sensitivity: {  // a gauge with its needle
            p.setPen(QPen(QColor(0x8A, 0x5C, 0xFF), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(2, 3, 12, 12), 0, 180 * 16);
            p.drawLine(QPointF(2, 9), QPointF(14, 9));
            p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 9), QPointF(11.5, 5));
            break;
        }
        case ListIcon::GroupCollapsed:
        case ListIcon::GroupExpanded: {  // a folder with the expansion triangle on it
            p.setPen(QPen(accent, 1.2));
            p.setBrush(Theme::accentSoft(70));
            QPainterPath folder;
            folder.moveTo(1.5, 3.5);
            folder.lineTo(6, 3.5);
            folder.lineTo(7.5, 5);
            folder.lineTo(14.5, 5);
            folder.lineTo(14.5, 13.5);
            folder.lineTo(1.5, 13.5);
            folder.closeSubpath();
            p.drawPath(folder);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            if (icon == ListIcon::GroupCollapsed)
                p.drawPolygon(QPolygonF({QPointF(6, 6.5), QPointF(11, 9.25), QPointF(6, 12)}));
            else
                p.drawPolygon(QPolygonF({QPointF(5, 7), QPointF(11, 7), QPointF(8, 12)}));
            break;
        }
        case ListIcon::Macro: {  // a page with a play mark
            p.setPen(QPen(ink, 1.2));
            p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(accent);
            p.drawPolygon(QPolygonF({QPointF(6, 4.5), QPointF(11.5, 8), QPointF(6, 11.5)}));
            break;
        }
        case ListIcon::Button: {  // a mouse: body, the split between the buttons, the wheel
            p.setPen(QPen(ink, 1.2));
            p.drawRoundedRect(QRectF(3.5, 1.5, 9, 13), 4.5, 4.5);
            p.drawLine(QPointF(3.5, 7), QPointF(12.5, 7));
            p.drawLine(QPointF(8, 1.5), QPointF(8, 7));
            p.setPen(QPen(accent, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 3.5), QPointF(8, 5));
            break;
        }
    }
}
}  // namespace

QImage ListIcons::draw() {
    QImage strip(kCell * kListIconCount, kCell, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < kListIconCount; ++i) {
        p.save();
        p.translate(i * kCell, 0);
        p.setClipRect(QRect(0, 0, kCell, kCell));
        drawCell(p, static_cast<ListIcon>(i));
        p.restore();
    }
    return strip;
}

void ListIcons::write(SkinWriter& out) {
    out.save(QStringLiteral("list_icons.png"), draw());
}

}  // namespace karvo::painter
