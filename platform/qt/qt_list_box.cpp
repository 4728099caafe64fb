// Input forwarding and painting of the list box widget.
#include "platform/qt/qt_list_box.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace karvo::qt {

namespace {
constexpr int kNotch = 120;  // angle delta of one wheel notch
}

QtListBox::QtListBox(CListBoxXI& list, PictureCache& pictures, const QtFonts& fonts,
                     QWidget* parent)
    : QWidget(parent), list_(list), canvas_(pictures, fonts) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // A line holds a text of the body font or an icon, whichever is taller, with a margin.
    const int text = QFontMetrics(fonts.font(FontRole::Body)).height();
    list_.setLineHeight(std::max(text, kListIconSize) + 6);
}

void QtListBox::resizeEvent(QResizeEvent*) {
    list_.setSize(width(), height());
}

void QtListBox::paintEvent(QPaintEvent*) {
    list_.setSize(width(), height());
    canvas_.beginBlank(size());
    list_.paint(canvas_);
    canvas_.finish(1);
    QPainter p(this);
    p.drawImage(0, 0, canvas_.result());
}

void QtListBox::handled(bool changed) {
    if (!changed)
        return;
    update();
    if (afterInput_)
        afterInput_();
}

void QtListBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton && onRightClick_) {
        const QPoint p = e->position().toPoint();
        onRightClick_(list_.lineAt(p.y()), e->globalPosition().toPoint());
        update();
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint p = e->position().toPoint();
    handled(list_.onLeftDown(p.x(), p.y()));
}

void QtListBox::wheelEvent(QWheelEvent* e) {
    wheelRest_ += e->angleDelta().y();
    const int notches = wheelRest_ / kNotch;
    wheelRest_ -= notches * kNotch;
    if (notches != 0)
        handled(list_.onWheel(notches));
    e->accept();
}

void QtListBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up)
        handled(list_.onKey(CListBoxXI::Key::Up));
    else if (e->key() == Qt::Key_Down)
        handled(list_.onKey(CListBoxXI::Key::Down));
    else
        QWidget::keyPressEvent(e);
}

}  // namespace karvo::qt
