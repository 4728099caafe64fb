// Screen metrics and window set-up on Qt.
#include "platform/qt/qt_startup_platform.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

namespace karvo::qt {

TextSize QtStartupPlatform::screenSize() {
    // Logical pixels: the window is laid out in them, and Qt already applies the system's
    // scale factor, so a 4K screen at 200 % reports 1920 here and the skin is not doubled.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry().width(), screen->geometry().height()};
}

int QtStartupPlatform::logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(screen->logicalDotsPerInchX()) : 96;
}

bool QtStartupPlatform::applyFonts(const FontChoice& choice,
                                   const std::filesystem::path& skinFolder) {
    return fonts_.apply(choice, skinFolder);
}

void QtStartupPlatform::setWindowTitle(const std::string& title) {
    window_.setTitle(QString::fromStdString(title));
}

void QtStartupPlatform::setWindowIcon(const std::string& picture) {
    if (const QImage* image = pictures_.get(picture))
        window_.setIcon(QIcon(QPixmap::fromImage(*image)));
}

TextSize QtStartupPlatform::pictureSize(const std::string& picture) {
    const QImage* image = pictures_.get(picture);
    return image ? TextSize{image->width(), image->height()} : TextSize{};
}

void QtStartupPlatform::shapeWindow(TextSize size) {
    if (size.width > 0 && size.height > 0)
        window_.setFixedSize(QSize(size.width, size.height));
}

void QtStartupPlatform::createChildControls(const MainSkin& skin) {
    if (macroControls_)
        window_.createMacroPage(*macroControls_, skin);
}

}  // namespace karvo::qt
