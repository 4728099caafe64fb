// Window operations of the main window.
#include "platform/qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "app/window_messages.h"

namespace karvo::qt {

QtMainWindow::QtMainWindow(PictureCache& pictures, const QtFonts& fonts, MessageQueue& queue)
    : pictures_(pictures), fonts_(fonts), queue_(queue) {}

QtMainWindow::~QtMainWindow() {
    // The tray icon and its menu go before the widget they would show.
    tray_.reset();
    trayMenu_.reset();
}

void QtMainWindow::attach(SkinnedWindow& controller) {
    widget_ = std::make_unique<SkinWidget>(controller, pictures_, fonts_);
    widget_->installEventFilter(this);
    widget_->setWindowTitle(title_);
    if (!icon_.isNull())
        widget_->setWindowIcon(icon_);
    applyFit();
}

void QtMainWindow::setTitle(const QString& title) {
    title_ = title;
    if (widget_)
        widget_->setWindowTitle(title);
}

void QtMainWindow::setIcon(const QIcon& icon) {
    icon_ = icon;
    if (widget_)
        widget_->setWindowIcon(icon);
    if (tray_)
        tray_->setIcon(icon);
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A close from the window manager (a keyboard shortcut, a taskbar menu) is the system's
    // close command: the window goes to the tray and the program keeps running. Only the
    // exit entries end it, through the shutdown path.
    if (watched == widget_.get() && event->type() == QEvent::Close && !ending_) {
        event->ignore();
        queue_.post({msg::WM_SYSCOMMAND, msg::SC_CLOSE, 0});
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void QtMainWindow::setFixedSize(QSize size) {
    size_ = size;
    applyFit();
}

void QtMainWindow::setFitToScreen(bool fit) {
    fitToScreen_ = fit;
    applyFit();
}

void QtMainWindow::applyFit() {
    if (!widget_ || !size_.isValid())
        return;
    fit_ = ViewFit{};
    if (fitToScreen_) {
        const QScreen* screen =
            widget_->screen() ? widget_->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QSize free = screen->availableGeometry().size();
            fit_ = ViewFit::toFit({size_.width(), size_.height()}, {free.width(), free.height()});
        }
    }
    const TextSize shown = fit_.shown({size_.width(), size_.height()});
    widget_->setFixedSize(shown.width, shown.height);
    widget_->setViewFit(fit_);
    // The child controls (the macro page's lists and boxes) keep their layout rectangle and
    // are placed where the scaled window shows it.
    for (QWidget* child : widget_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVariant kept = child->property("karvoLayoutRect");
        if (!kept.isValid()) {
            kept = child->geometry();
            child->setProperty("karvoLayoutRect", kept);
        }
        const QRect r = kept.toRect();
        const SkinRect s = fit_.toShown({r.x(), r.y(), r.width(), r.height()});
        child->setGeometry(s.x, s.y, s.width, s.height);
    }
}

void QtMainWindow::createMacroPage(MacroPageControls& controls, const MainSkin& skin) {
    if (!widget_)
        return;
    macroPage_ = std::make_unique<QtMacroPage>(controls, skin, pictures_, fonts_, widget_.get());
    applyFit();
}

void QtMainWindow::showMacroControls(bool visible) {
    if (macroPage_) {
        macroPage_->sync();
        macroPage_->setVisible(visible);
    }
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
        // Shows a window hidden in the tray as well as one that is minimised.
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
    // The close filter below must not refuse the program's own end.
    ending_ = true;
    // Later, so the event that asked for it finishes before the loop ends. Not quit(): that
    // first asks every window to close, and the main window refuses a close that is not ours.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

void QtMainWindow::startSystemMove() {
    if (widget_ && widget_->windowHandle())
        widget_->windowHandle()->startSystemMove();
}

void QtMainWindow::addTrayIcon() {
    if (tray_ || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    tray_ = std::make_unique<QSystemTrayIcon>(icon_);
    tray_->setToolTip(title_);
    QObject::connect(tray_.get(), &QSystemTrayIcon::activated, this, [this](auto reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            queue_.post({msg::WM_TRAY_NOTIFY, msg::kTrayIconId, msg::WM_LBUTTONDBLCLK});
    });
    buildTrayMenu();
    tray_->show();
}

void QtMainWindow::removeTrayIcon() {
    tray_.reset();
    trayMenu_.reset();
}

bool QtMainWindow::trayIconShown() const {
    return tray_ && tray_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void QtMainWindow::setTrayMenu(std::vector<TrayMenuItem> items) {
    trayItems_ = std::move(items);
    buildTrayMenu();
}

void QtMainWindow::buildTrayMenu() {
    if (!tray_)
        return;
    // The system shows the menu on a right click, in its own way on each desktop; each entry
    // posts its command to the controller, which decides what it does.
    auto menu = std::make_unique<QMenu>();
    for (const TrayMenuItem& item : trayItems_) {
        const std::uintptr_t command = item.command;
        QObject::connect(menu->addAction(QString::fromStdString(item.text)), &QAction::triggered,
                         this, [this, command] {
                             queue_.post({msg::WM_COMMAND, command, 0});
                         });
    }
    tray_->setContextMenu(menu.get());
    trayMenu_ = std::move(menu);
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
    const SkinRect at = fit_.toShown({x, y, 0, 0});
    const QAction* chosen = menu.exec(widget_->mapToGlobal(QPoint(at.x, at.y)));
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

SkinRect QtMainWindow::workArea() const {
    const QScreen* screen = widget_ ? widget_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect a = screen->availableGeometry();
    return {a.x(), a.y(), a.width(), a.height()};
}

std::optional<std::pair<std::int32_t, std::int32_t>> QtMainWindow::cursor() const {
    if (!widget_)
        return std::nullopt;
    const QPoint p = widget_->mapFromGlobal(QCursor::pos(widget_->screen()));
    return std::pair<std::int32_t, std::int32_t>{p.x(), p.y()};
}

void QtMainWindow::openUrl(std::string_view url) {
    QString text = QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())).trimmed();
    // The skin keeps the address without its scheme.
    if (!text.contains("://"))
        text.prepend("https://");
    const QUrl address(text, QUrl::StrictMode);
    if (address.isValid() && (address.scheme() == "http" || address.scheme() == "https"))
        QDesktopServices::openUrl(address);
}

SkinRect QtMainWindow::frame() const {
    if (!widget_)
        return {};
    const QRect g = widget_->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

SkinRect QtMainWindow::onScreen(const SkinRect& r) const {
    const SkinRect f = frame();
    const SkinRect s = fit_.toShown(r);
    return {f.x + s.x, f.y + s.y, s.width, s.height};
}

bool QtMainWindow::hidden() const {
    return !widget_ || !widget_->isVisible();
}

}  // namespace karvo::qt
