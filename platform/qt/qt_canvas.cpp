// Drawing operations on a QPainter.
#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>

namespace karvo::qt {

bool QtCanvas::begin(const std::string& picture) {
    painter_.reset();
    const QImage* image = pictures_.get(picture);
    if (image)
        canvas_ = image->copy();
    else
        canvas_.fill(Qt::black);
    painter_.emplace(&canvas_);
    painter_->setRenderHint(QPainter::TextAntialiasing);
    return image != nullptr;
}

void QtCanvas::beginBlank(QSize size) {
    painter_.reset();
    canvas_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    canvas_.fill(Qt::black);
    painter_.emplace(&canvas_);
    painter_->setRenderHint(QPainter::TextAntialiasing);
}

void QtCanvas::copyRect(const std::string& picture, const SkinRect& r) {
    const QImage* image = pictures_.get(picture);
    if (!image || !painter_)
        return;
    const QRect area(r.x, r.y, r.width, r.height);
    painter_->drawImage(area.topLeft(), *image, area);
}

void QtCanvas::fillRect(const SkinRect& r, ColourRef colour) {
    if (painter_)
        painter_->fillRect(QRect(r.x, r.y, r.width, r.height), toQColor(colour));
}

bool QtCanvas::drawPicture(const std::string& picture, std::int32_t x, std::int32_t y) {
    const QImage* image = pictures_.get(picture);
    if (!image || !painter_)
        return false;
    painter_->drawImage(QPoint(x, y), *image);
    return true;
}

bool QtCanvas::drawPicturePart(const std::string& picture, const SkinRect& source, std::int32_t x,
                               std::int32_t y) {
    const QImage* image = pictures_.get(picture);
    if (!image || !painter_)
        return false;
    painter_->drawImage(QPoint(x, y), *image,
                        QRect(source.x, source.y, source.width, source.height));
    return true;
}

TextSize QtCanvas::measureText(std::string_view text, FontRole role) {
    const QFontMetrics metrics(fonts_.font(role));
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(s), metrics.height()};
}

void QtCanvas::drawText(std::string_view text, std::int32_t x, std::int32_t y, FontRole role,
                        ColourRef colour) {
    if (!painter_)
        return;
    painter_->setFont(fonts_.font(role));
    painter_->setPen(toQColor(colour));
    const QFontMetrics metrics(fonts_.font(role));
    painter_->drawText(QPoint(x, y + metrics.ascent()),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtCanvas::finish(int scale) {
    painter_.reset();
    result_ = scale > 1 ? canvas_.scaled(canvas_.size() * scale, Qt::IgnoreAspectRatio,
                                         Qt::FastTransformation)
                        : canvas_;
}

}  // namespace karvo::qt
