// Window operations of the main window.
#include "platform/qt/qt_main_window.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace karvo::qt {

QtMainWindow::QtMainWindow(PictureCache& pictures, const QtFonts& fonts)
    : pictures_(pictures), fonts_(fonts) {}

void QtMainWindow::attach(SkinnedWindow& controller) {
    widget_ = std::make_unique<SkinWidget>(controller, pictures_, fonts_);
    widget_->setWindowTitle(title_);
    if (size_.isValid())
        widget_->setFixedSize(size_);
}

void QtMainWindow::setTitle(const QString& title) {
    title_ = title;
    if (widget_)
        widget_->setWindowTitle(title);
}

void QtMainWindow::setFixedSize(QSize size) {
    size_ = size;
    if (widget_)
        widget_->setFixedSize(size);
}

void QtMainWindow::invalidate() {
    if (widget_)
        widget_->update();
}

void QtMainWindow::minimise() {
    if (widget_)
        widget_->showMinimized();
}

void QtMainWindow::restore() {
    if (widget_) {
        // Shows a window hidden in the tray as well as one minimised to the taskbar.
        widget_->showNormal();
        widget_->raise();
        widget_->activateWindow();
    }
}

void QtMainWindow::hide() {
    if (widget_)
        widget_->hide();
}

void QtMainWindow::close() {
    // Later, so the event that asked for it finishes before the loop ends.
    QTimer::singleShot(0, qApp, &QApplication::quit);
}

void QtMainWindow::startSystemMove() {
    if (widget_ && widget_->windowHandle())
        widget_->windowHandle()->startSystemMove();
}

void QtMainWindow::addTrayIcon() {
    if (tray_ || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    tray_ = std::make_unique<QSystemTrayIcon>(
        QIcon(QPixmap::fromImage(QImage(32, 32, QImage::Format_RGB32))));
    tray_->setToolTip(title_);
    QObject::connect(tray_.get(), &QSystemTrayIcon::activated, [this](auto reason) {
        if (reason == QSystemTrayIcon::DoubleClick && widget_) {
            widget_->show();
            restore();
        }
    });
    tray_->show();
}

void QtMainWindow::removeTrayIcon() {
    tray_.reset();
}

void QtMainWindow::messageBox(std::string_view text) {
    // Never inside the paint that found the reason for it.
    const QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTimer::singleShot(0, qApp,
                       [message, this] { QMessageBox::warning(widget_.get(), title_, message); });
}

std::uintptr_t QtMainWindow::showSystemMenu(std::int32_t x, std::int32_t y,
                                            std::span<const SystemMenuEntry> entries) {
    if (!widget_)
        return 0;
    QMenu menu(widget_.get());
    for (const SystemMenuEntry& entry : entries) {
        if (entry.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setData(QVariant::fromValue<qulonglong>(entry.command));
    }
    const QAction* chosen = menu.exec(widget_->mapToGlobal(QPoint(x, y)));
    return chosen ? static_cast<std::uintptr_t>(chosen->data().toULongLong()) : 0;
}

void QtMainWindow::showAbout() {
    const QString name = title_.isEmpty() ? QCoreApplication::applicationName() : title_;
    QString text = name + QStringLiteral(
                              "\n\nConfiguration program for the mouse's buttons, sensitivity, "
                              "lighting and macros.");
#ifdef KARVO_VERSION
    text += QStringLiteral("\n\nVersion " KARVO_VERSION);
#endif
    QMessageBox::about(widget_.get(), QStringLiteral("About ") + name, text);
}

SkinRect QtMainWindow::frame() const {
    if (!widget_)
        return {};
    const QRect g = widget_->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

bool QtMainWindow::hidden() const {
    return !widget_ || !widget_->isVisible();
}

}  // namespace karvo::qt
