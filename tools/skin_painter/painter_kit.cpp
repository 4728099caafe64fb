// Theme and control drawing; see painter_kit.h.
#include "tools/skin_painter/painter_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace karvo::painter {
namespace {

QRectF half(const QRect& r) {
    return QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
}

void roundBox(QPainter& p, const QRect& r, const QColor& fill, const QColor& border, double radius,
              double borderWidth = 1.0) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(border.alpha() ? QPen(border, borderWidth) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(half(r), radius, radius);
    p.restore();
}

bool has(std::string_view name, std::string_view part) {
    return name.find(part) != std::string_view::npos;
}

}  // namespace

QFont PainterKit::font(int pixelSize, int weight) {
    QFont f(QStringLiteral("Roboto"));
    f.setPixelSize(pixelSize);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void PainterKit::card(QPainter& p, const QRect& r, int radius) {
    roundBox(p, r, Theme::card(), Theme::cardBorder(), radius);
}

void PainterKit::inset(QPainter& p, const QRect& r, int radius) {
    roundBox(p, r, Theme::inset(), Theme::cardBorder(), radius);
}

void PainterKit::toggle(QPainter& p, const QRect& box, State s) {
    if (s == State::Down) {
        roundBox(p, box, Theme::accentDeep(), Theme::accent(), 5);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = QRectF(box).center();
        const double k = box.width() / 24.0;
        QPolygonF tick;
        tick << c + QPointF(-6 * k, 0.5 * k) << c + QPointF(-1.5 * k, 5 * k)
             << c + QPointF(6.5 * k, -4.5 * k);
        p.drawPolyline(tick);
        p.restore();
    } else {
        roundBox(p, box, Theme::inset(), s == State::Over ? Theme::accent() : Theme::muted(), 5,
                 1.4);
    }
}

void PainterKit::slider(QPainter& p, const QRect& r, State s, int trackY, int ticks) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track(r.left(), trackY - 2.5, r.width(), 5);
    p.setPen(Qt::NoPen);
    if (s == State::Down) {
        // The window copies this filled track from the left up to the value.
        QLinearGradient g(track.topLeft(), track.topRight());
        g.setColorAt(0, Theme::accentDeep());
        g.setColorAt(1, Theme::accent());
        p.setBrush(Theme::accentSoft(40));
        p.drawRoundedRect(track.adjusted(0, -3, 0, 3), 5, 5);
        p.setBrush(g);
    } else {
        p.setBrush(s == State::Over ? Theme::controlHover().lighter(130) : Theme::controlHover());
    }
    p.drawRoundedRect(track, 2.5, 2.5);
    if (ticks > 1) {
        const double step = r.width() / static_cast<double>(ticks);
        for (int i = 1; i <= ticks; ++i) {
            const double x = r.left() + i * step - 0.5;
            p.setBrush(s == State::Down ? Theme::accent() : Theme::controlBorder().lighter(120));
            p.drawRoundedRect(QRectF(x - 1, trackY + 8, 2, i % 4 == 0 ? 7 : 4), 1, 1);
        }
    }
    p.restore();
}

void PainterKit::icon(QPainter& p, const QRect& r, std::string_view name, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(r).center();
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (has(name, "close")) {
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(5, -5), c + QPointF(-5, 5));
    } else if (has(name, "tray")) {
        p.drawLine(c + QPointF(-6, 5), c + QPointF(6, 5));
        QPolygonF arrow;
        arrow << c + QPointF(-4, -3) << c + QPointF(0, 1) << c + QPointF(4, -3);
        p.drawPolyline(arrow);
        p.drawLine(c + QPointF(0, -7), c + QPointF(0, 1));
    } else if (has(name, "minimise")) {
        p.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
    } else if (has(name, "language") || has(name, "web")) {
        p.drawEllipse(c, 7, 7);
        p.drawEllipse(c, 3, 7);
        p.drawLine(c + QPointF(-7, 0), c + QPointF(7, 0));
    } else if (has(name, "more")) {
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        for (int i = -1; i <= 1; ++i)
            p.drawEllipse(c + QPointF(0, i * 5.5), 1.7, 1.7);
    } else if (has(name, "check")) {
        QPolygonF tick;
        tick << c + QPointF(-6, 0) << c + QPointF(-2, 4.5) << c + QPointF(6.5, -5);
        p.drawPolyline(tick);
    } else if (has(name, "chevron")) {
        QPolygonF v;
        v << c + QPointF(-4, -2) << c + QPointF(0, 2) << c + QPointF(4, -2);
        p.drawPolyline(v);
    } else if (has(name, "right")) {
        QPolygonF v;
        v << c + QPointF(-2, -4) << c + QPointF(2, 0) << c + QPointF(-2, 4);
        p.drawPolyline(v);
    }
    p.restore();
}

void PainterKit::control(QPainter& p, skin::Look look, const QRect& r, State s,
                         std::string_view name) {
    using skin::Look;
    const bool over = s == State::Over;
    const bool down = s == State::Down;
    switch (look) {
        case Look::Caption:
        case Look::Panel:
        case Look::Bar:
        case Look::List:
        case Look::Hotspot:
        case Look::Callout:
            return;  // drawn by the window pictures themselves
        case Look::Button:
            roundBox(p, r,
                     down ? Theme::control().darker(115)
                          : (over ? Theme::controlHover() : Theme::control()),
                     down ? Theme::accent() : Theme::controlBorder(), 8);
            return;
        case Look::AccentButton:
            roundBox(p, r,
                     down ? Theme::accentDeep().darker(125)
                          : (over ? Theme::accentDeep().lighter(118) : Theme::accentDeep()),
                     over ? Theme::accent() : QColor(0, 0, 0, 0), 8);
            return;
        case Look::IconButton: {
            const bool close = has(name, "close");
            if (over || down) {
                const QColor fill = close ? Theme::danger() : Theme::controlHover();
                roundBox(p, r, down && !close ? Theme::accentSoft(60) : fill, QColor(0, 0, 0, 0),
                         8);
            }
            icon(p, r, name,
                 down && !close ? Theme::accent() : (over ? Qt::white : Theme::muted()));
            return;
        }
        case Look::Tab:
            if (over || down) {
                p.fillRect(r.adjusted(0, 8, 0, 0),
                           down ? Theme::accentSoft(22) : Theme::controlHover());
            }
            if (down) {
                p.save();
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(Qt::NoPen);
                p.setBrush(Theme::accent());
                p.drawRoundedRect(QRectF(r.left() + 18, r.bottom() - 2.5, r.width() - 36, 3), 1.5,
                                  1.5);
                p.restore();
            }
            return;
        case Look::Segment:
            roundBox(
                p, r,
                down ? Theme::accentSoft(46) : (over ? Theme::controlHover() : Theme::control()),
                down ? Theme::accent()
                     : (over ? Theme::controlBorder().lighter(140) : Theme::controlBorder()),
                8, down ? 1.4 : 1.0);
            return;
        case Look::Toggle: {
            const int side = std::min({r.width(), r.height(), 22});
            const QRect box(r.left() + (r.width() > 40 ? 12 : (r.width() - side) / 2),
                            r.top() + (r.height() - side) / 2, side, side);
            if (r.width() > 40) {
                roundBox(p, r, over ? Theme::controlHover() : Theme::control(),
                         down ? Theme::accent() : Theme::controlBorder(), 8);
            }
            toggle(p, box, s);
            return;
        }
        case Look::Switch: {
            const QRectF track = QRectF(r).adjusted(2, 3, -2, -3);
            roundBox(p, track.toRect(), down ? Theme::accentDeep() : Theme::controlHover(),
                     down ? Theme::accent() : (over ? Theme::muted() : Theme::controlBorder()),
                     track.height() / 2);
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(down ? QColor(Qt::white) : Theme::muted());
            const double d = track.height() - 6;
            const double x = down ? track.right() - 3 - d : track.left() + 3;
            p.drawEllipse(QRectF(x, track.top() + 3, d, d));
            p.restore();
            return;
        }
        case Look::Slider: {
            const bool dpi = r.height() > 20;
            slider(p, r, s, dpi ? r.top() + 19 : r.top() + 6, dpi ? 17 : 0);
            return;
        }
        case Look::Swatch:
            roundBox(p, r.adjusted(-3, -3, 3, 3), QColor(0, 0, 0, 0),
                     down || over ? Theme::accent() : Theme::controlBorder(), 7, down ? 2.0 : 1.2);
            p.fillRect(r, Theme::inset());
            return;
        case Look::Field:
            roundBox(p, r, Theme::inset(),
                     over ? Theme::controlBorder().lighter(140) : Theme::controlBorder(), 8);
            return;
        case Look::Dropdown: {
            roundBox(
                p, r,
                down ? Theme::accentSoft(46) : (over ? Theme::controlHover() : Theme::control()),
                down || over ? Theme::accent() : Theme::controlBorder(), 8);
            const QRect chevron(r.right() - 28, r.top(), 24, r.height());
            icon(p, chevron, "chevron", down || over ? Theme::accent() : Theme::muted());
            return;
        }
        case Look::Indicator: {
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            if (down) {
                QRadialGradient g(QRectF(r).center(), r.width());
                g.setColorAt(0, Theme::accent());
                g.setColorAt(1, Theme::accentSoft(0));
                p.setBrush(g);
                p.drawEllipse(QRectF(r).adjusted(-1, -1, 1, 1));
                p.setBrush(Theme::accent());
            } else {
                p.setBrush(Theme::controlBorder().lighter(over ? 150 : 110));
            }
            p.drawEllipse(QRectF(r).adjusted(1, 1, -1, -1));
            p.restore();
            return;
        }
        case Look::Link:
            icon(p, r, "web", down ? Theme::accent() : (over ? Qt::white : Theme::muted()));
            return;
    }
}

QImage PainterKit::knob() {
    QImage img(12, 12, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Theme::accent(), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 1, 10, 10));
    return img;
}

}  // namespace karvo::painter
