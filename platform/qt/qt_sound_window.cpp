// The sound-reactive lighting window and its timers on Qt.
#include "platform/qt/qt_sound_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace karvo::qt {

QtSoundWindow::QtSoundWindow(PictureCache& pictures, const QtFonts& fonts)
    : pictures_(pictures), fonts_(fonts) {}

QtSoundWindow::~QtSoundWindow() {
    timers_.clear();
}

void QtSoundWindow::attach(SkinnedWindow& controller, std::function<void(int)> onTimer) {
    onTimer_ = std::move(onTimer);
    widget_ = std::make_unique<SkinWidget>(controller, pictures_, fonts_);
    widget_->setWindowTitle(QStringLiteral("SoundWave"));
}

TextSize QtSoundWindow::pictureSize(const std::string& picture) {
    const QImage* image = pictures_.get(picture);
    return image ? TextSize{image->width(), image->height()} : TextSize{};
}

SkinRect QtSoundWindow::desktop() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void QtSoundWindow::show(const SkinRect& frame) {
    if (!widget_)
        return;
    widget_->setGeometry(frame.x, frame.y, frame.width, frame.height);
    widget_->setFixedSize(frame.width, frame.height);
    showAgain();
}

void QtSoundWindow::showAgain() {
    if (!widget_)
        return;
    widget_->showNormal();
    widget_->raise();
    widget_->activateWindow();
}

void QtSoundWindow::hide() {
    if (widget_)
        widget_->hide();
}

void QtSoundWindow::invalidate() {
    // A hidden dialog goes on sampling; only a visible one has anything to repaint.
    if (widget_ && widget_->isVisible())
        widget_->update();
}

void QtSoundWindow::startSystemMove() {
    if (widget_ && widget_->windowHandle())
        widget_->windowHandle()->startSystemMove();
}

void QtSoundWindow::startTimer(int id, std::chrono::milliseconds period) {
    std::unique_ptr<QTimer>& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        // The beat timers set the effect's pace: a coarse timer would let it drift by 5 %.
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] {
            if (onTimer_)
                onTimer_(id);
        });
    }
    timer->start(period);
}

void QtSoundWindow::stopTimer(int id) {
    if (const auto it = timers_.find(id); it != timers_.end())
        it->second->stop();
}

void QtSoundWindow::close() {
    for (auto& [id, timer] : timers_)
        timer->stop();
    if (widget_)
        widget_->hide();
}

}  // namespace karvo::qt
