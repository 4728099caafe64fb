// Drawing the program icon; see program_icon.h.
#include "tools/skin_painter/program_icon.h"

#include <QPainter>
#include <QPolygonF>

#include "tools/skin_painter/painter_kit.h"

namespace karvo::painter {

namespace {

// The icon's shapes on a square of side s: the rounded square and the chevron's four points.
struct IconShape {
    QRectF square;
    double radius;
    double border;
    QPolygonF mark;
};

IconShape iconShape(double s) {
    IconShape shape;
    shape.square = QRectF(s / 32, s / 32, s - s / 16, s - s / 16);
    shape.radius = s / 5;
    shape.border = s / 32;
    // The same four-point chevron as the header's logo, filling most of the square.
    const double left = s * 0.30;
    const double mid = s / 2;
    shape.mark << QPointF(left, mid - s * 0.30) << QPointF(left + s * 0.36, mid)
               << QPointF(left, mid + s * 0.30) << QPointF(left + s * 0.14, mid);
    return shape;
}

}  // namespace

QString programIconSvg() {
    const double s = 64;
    const IconShape shape = iconShape(s);
    QString points;
    for (const QPointF& p : shape.mark)
        points += QStringLiteral("%1,%2 ").arg(p.x()).arg(p.y());
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
               "viewBox=\"0 0 %1 %1\">\n"
               "  <rect x=\"%2\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\" ry=\"%4\" "
               "fill=\"%5\" stroke=\"%6\" stroke-width=\"%7\"/>\n"
               "  <polygon points=\"%8\" fill=\"%9\"/>\n"
               "</svg>\n")
        .arg(s)
        .arg(shape.square.x())
        .arg(shape.square.width())
        .arg(shape.radius)
        .arg(Theme::bar().name(), Theme::accentDeep().name())
        .arg(shape.border)
        .arg(points.trimmed(), Theme::accent().name());
}

QImage programIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const IconShape shape = iconShape(s);
    p.setPen(QPen(Theme::accentDeep(), shape.border));
    p.setBrush(Theme::bar());
    p.drawRoundedRect(shape.square, shape.radius, shape.radius);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::accent());
    p.drawPolygon(shape.mark);
    return img;
}

}  // namespace karvo::painter
