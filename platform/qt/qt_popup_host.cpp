// Pop-up windows of the menus; see qt_popup_host.h.
#include "platform/qt/qt_popup_host.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/skin_access.h"

namespace karvo::qt {

// One level's window: paints its controller and hands its mouse to the host.
class PopupWidget final : public QWidget, public SkinnedSurface {
  public:
    PopupWidget(QtPopupHost& host, PictureCache& pictures, const QtFonts& fonts)
        : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint),
          host_(host),
          canvas_(pictures, fonts) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setObjectName(QStringLiteral("karvo-popup"));
        installSkinAccessibility();
    }
    void setController(SkinnedWindow* controller) { controller_ = controller; }
    SkinnedWindow* controller() const { return controller_; }
    SkinnedWindow* skinnedController() const override { return controller_; }
    void setHiding(bool hiding) { hiding_ = hiding; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!controller_)
            return;
        controller_->paint(canvas_);
        QPainter(this).drawImage(0, 0, canvas_.result());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        host_.route(QtPopupHost::Mouse::Move, e->globalPosition().toPoint(), false);
    }
    void mousePressEvent(QMouseEvent* e) override {
        host_.route(QtPopupHost::Mouse::Press, e->globalPosition().toPoint(),
                    e->button() == Qt::LeftButton);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        host_.route(QtPopupHost::Mouse::Release, e->globalPosition().toPoint(),
                    e->button() == Qt::LeftButton);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const auto key = navigationKey(*e);
        if (!key)
            return;
        if (*key == NavigationKey::Escape)
            host_.cancelled();
        else
            host_.key(*key);
    }
    bool focusNextPrevChild(bool) override { return false; }
    void closeEvent(QCloseEvent* e) override {
        // The desktop (or Qt, for a press it saw first) closed the pop-up: the menus end as
        // after Escape. A hide asked by the menus themselves is not a close.
        QWidget::closeEvent(e);
        if (!hiding_) {
            QPointer<PopupWidget> self(this);
            QTimer::singleShot(0, [self] {
                if (self)
                    self->host_.cancelled();
            });
        }
    }

  private:
    QtPopupHost& host_;
    QtCanvas canvas_;
    SkinnedWindow* controller_ = nullptr;
    bool hiding_ = false;
};

QtPopupHost::QtPopupHost(PictureCache& pictures, const QtFonts& fonts)
    : pictures_(pictures), fonts_(fonts) {}

QtPopupHost::~QtPopupHost() {
    for (auto& w : widgets_) {
        if (w) {
            w->setHiding(true);
            w->hide();
        }
    }
}

QWidget* QtPopupHost::widget(PopupLevel level) {
    return widgets_[static_cast<std::size_t>(level)].get();
}

TextSize QtPopupHost::pictureSize(const std::string& picture) {
    const QImage* image = pictures_.get(picture);
    return image ? TextSize{image->width(), image->height()} : TextSize{};
}

SkinRect QtPopupHost::workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void QtPopupHost::show(PopupLevel level, SkinnedWindow& window, const SkinRect& frame) {
    auto& w = widgets_[static_cast<std::size_t>(level)];
    if (!w)
        w = std::make_unique<PopupWidget>(*this, pictures_, fonts_);
    w->setController(&window);
    w->setGeometry(frame.x, frame.y, frame.width, frame.height);
    w->setFixedSize(frame.width, frame.height);
    w->show();
    w->raise();
    w->update();
}

void QtPopupHost::hide(PopupLevel level) {
    auto& w = widgets_[static_cast<std::size_t>(level)];
    if (!w)
        return;
    w->setHiding(true);
    w->hide();
    w->setHiding(false);
    w->setController(nullptr);
}

void QtPopupHost::repaint(PopupLevel level) {
    if (auto& w = widgets_[static_cast<std::size_t>(level)])
        w->update();
}

void QtPopupHost::setCancelHandler(std::function<void()> handler) {
    cancel_ = std::move(handler);
}

void QtPopupHost::setKeyHandler(std::function<void(NavigationKey)> handler) {
    key_ = std::move(handler);
}

void QtPopupHost::key(NavigationKey key) {
    if (!key_)
        return;
    key_(key);
    // The focus is the hot row of whichever level has the keyboard now.
    for (auto& w : widgets_) {
        if (w && w->isVisible() && w->controller() && w->controller()->focusedEntry() >= 0)
            announceFocus(w.get());
    }
}

void QtPopupHost::cancelled() {
    if (cancel_)
        cancel_();
}

void QtPopupHost::route(Mouse what, QPoint global, bool leftButton) {
    // The topmost level under the pointer gets the event, in its own pixels.
    for (int level = kPopupLevels - 1; level >= 0; --level) {
        PopupWidget* w = widgets_[static_cast<std::size_t>(level)].get();
        if (!w || !w->isVisible() || !w->controller() || !w->geometry().contains(global))
            continue;
        const QPoint p = w->mapFromGlobal(global);
        SkinnedWindow& c = *w->controller();
        // The controller may close pop-ups (its own among them) while it acts.
        const QPointer<PopupWidget> guard(w);
        bool repaint = false;
        if (what == Mouse::Move)
            repaint = c.onMouseMove(p.x(), p.y());
        else if (what == Mouse::Press && leftButton)
            repaint = c.onLeftDown(p.x(), p.y());
        else if (what == Mouse::Release && leftButton)
            repaint = c.onLeftUp(p.x(), p.y());
        if (repaint && guard && guard->isVisible())
            guard->update();
        // Hovering a row can open or change a deeper level, which repaints itself on show.
        return;
    }
    if (what == Mouse::Press)
        cancelled();
    else if (what == Mouse::Move && outsideMove_)
        outsideMove_(global);
}

}  // namespace karvo::qt
