// Event forwarding of the skinned window.
#include "platform/qt/skin_widget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace karvo::qt {

SkinWidget::SkinWidget(SkinnedWindow& controller, PictureCache& pictures, const QtFonts& fonts,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      controller_(controller),
      canvas_(pictures, fonts) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the skin takes the focus from a child box, which ends its editing.
    setFocusPolicy(Qt::ClickFocus);
}

void SkinWidget::paintEvent(QPaintEvent*) {
    controller_.paint(canvas_);
    QPainter p(this);
    if (const PaintRegion* region = controller_.paintRegion()) {
        QRegion clip;
        for (const SkinRect& r : region->rects())
            clip += QRect(r.x, r.y, r.width, r.height);
        p.setClipRegion(clip);
    }
    p.drawImage(0, 0, canvas_.result());
}

void SkinWidget::handled(bool repaint) {
    if (repaint)
        update();
    if (afterEvent_)
        afterEvent_();
}

void SkinWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    handled(controller_.onMouseMove(p.x(), p.y()));
}

void SkinWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = e->position().toPoint();
    handled(controller_.onLeftDown(p.x(), p.y()));
}

void SkinWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        handled(controller_.onLeftUp(p.x(), p.y()));
    else if (e->button() == Qt::RightButton)
        handled(controller_.onRightUp(p.x(), p.y()));
}

void SkinWidget::keyPressEvent(QKeyEvent* e) {
    // Alt+Space, the system menu's key on a window with a title bar.
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::AltModifier) {
        const QPoint p = mapFromGlobal(QCursor::pos());
        handled(controller_.onSystemMenuKey(p.x(), p.y()));
        return;
    }
    QWidget::keyPressEvent(e);
}

void SkinWidget::leaveEvent(QEvent*) {
    handled(controller_.onMouseLeave(QGuiApplication::mouseButtons() & Qt::LeftButton));
}

}  // namespace karvo::qt
