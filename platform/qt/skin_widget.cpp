// Event forwarding of the skinned window.
#include "platform/qt/skin_widget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace karvo::qt {

SkinWidget::SkinWidget(SkinnedWindow& controller, PictureCache& pictures, const QtFonts& fonts,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      controller_(controller),
      canvas_(pictures, fonts) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the skin takes the focus from a child box, which ends its editing; the
    // keyboard reaches the skin's entries through it too.
    setFocusPolicy(Qt::StrongFocus);
    installSkinAccessibility();
}

void SkinWidget::setViewFit(ViewFit fit) {
    fit_ = fit;
    update();
}

QPoint SkinWidget::toWindow(QPointF shown) const {
    const QPoint p = shown.toPoint();
    if (!fit_.scaled())
        return p;
    const QPoint floor(static_cast<int>(std::floor(shown.x())),
                       static_cast<int>(std::floor(shown.y())));
    return {fit_.toWindow(floor.x()), fit_.toWindow(floor.y())};
}

void SkinWidget::paintEvent(QPaintEvent*) {
    controller_.paint(canvas_);
    QPainter p(this);
    if (const PaintRegion* region = controller_.paintRegion()) {
        QRegion clip;
        for (SkinRect r : region->rects()) {
            r = fit_.toShown(r);
            clip += QRect(r.x, r.y, r.width, r.height);
        }
        p.setClipRegion(clip);
    }
    if (!fit_.scaled()) {
        p.drawImage(0, 0, canvas_.result());
        return;
    }
    // Scaled down from the full picture with filtering, and at the screen's own pixel density,
    // so text and edges stay sharp rather than dropping every other pixel.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage& frame = canvas_.result();
    const TextSize shown = fit_.shown({frame.width(), frame.height()});
    p.drawImage(QRect(0, 0, shown.width, shown.height), frame);
}

void SkinWidget::handled(bool repaint) {
    if (repaint)
        update();
    if (afterEvent_)
        afterEvent_();
}

void SkinWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = toWindow(e->position());
    handled(controller_.onMouseMove(p.x(), p.y()));
}

void SkinWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = toWindow(e->position());
    handled(controller_.onLeftDown(p.x(), p.y()));
}

void SkinWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = toWindow(e->position());
    if (e->button() == Qt::LeftButton)
        handled(controller_.onLeftUp(p.x(), p.y()));
    else if (e->button() == Qt::RightButton)
        handled(controller_.onRightUp(p.x(), p.y()));
}

void SkinWidget::keyPressEvent(QKeyEvent* e) {
    // Alt+Space, the system menu's key on a window with a title bar.
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::AltModifier) {
        const QPoint p = toWindow(mapFromGlobal(QCursor::pos()));
        handled(controller_.onSystemMenuKey(p.x(), p.y()));
        return;
    }
    if (const auto key = navigationKey(*e)) {
        const int before = controller_.focusedEntry();
        const bool taken = controller_.onKey(*key);
        handled(taken || controller_.focusedEntry() != before);
        if (controller_.focusedEntry() != before)
            announceFocus(this);
        if (taken || controller_.focusedEntry() != before)
            return;
    }
    QWidget::keyPressEvent(e);
}

void SkinWidget::leaveEvent(QEvent*) {
    handled(controller_.onMouseLeave(QGuiApplication::mouseButtons() & Qt::LeftButton));
}

}  // namespace karvo::qt
