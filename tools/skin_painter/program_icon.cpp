// Drawing the program icon; see program_icon.h.
#include "tools/skin_painter/program_icon.h"

#include <QPainter>
#include <QPolygonF>

#include "tools/skin_painter/painter_kit.h"

namespace karvo::painter {

QImage programIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(Theme::accentDeep(), s / 32));
    p.setBrush(Theme::bar());
    p.drawRoundedRect(QRectF(s / 32, s / 32, s - s / 16, s - s / 16), s / 5, s / 5);
    // The same four-point chevron as the header's logo, filling most of the square.
    QPolygonF mark;
    const double left = s * 0.30;
    const double mid = s / 2;
    mark << QPointF(left, mid - s * 0.30) << QPointF(left + s * 0.36, mid)
         << QPointF(left, mid + s * 0.30) << QPointF(left + s * 0.14, mid);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::accent());
    p.drawPolygon(mark);
    return img;
}

}  // namespace karvo::painter
