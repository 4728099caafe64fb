// The canvas of the Qt back-end: executes a controller's drawing on an image of the picture
// size and stretches it to the window size at the end.
#pragma once

#include <optional>

#include <QImage>
#include <QPainter>

#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "ui/skin/canvas.h"

namespace karvo::qt {

class QtCanvas final : public Canvas {
  public:
    QtCanvas(PictureCache& pictures, const QtFonts& fonts) : pictures_(pictures), fonts_(fonts) {}

    bool begin(const std::string& picture) override;
    // Starts a paint on a blank canvas of `size` (a child control has no picture of its own).
    void beginBlank(QSize size);
    void copyRect(const std::string& picture, const SkinRect& rect) override;
    void fillRect(const SkinRect& rect, ColourRef colour) override;
    bool drawPicture(const std::string& picture, std::int32_t x, std::int32_t y) override;
    bool drawPicturePart(const std::string& picture, const SkinRect& source, std::int32_t x,
                         std::int32_t y) override;
    TextSize measureText(std::string_view text, FontRole role) override;
    void drawText(std::string_view text, std::int32_t x, std::int32_t y, FontRole role,
                  ColourRef colour) override;
    void finish(int scale) override;

    // The finished picture, window-sized.
    const QImage& result() const { return result_; }

  private:
    static QColor toQColor(ColourRef c) {
        return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                      static_cast<int>((c >> 16) & 0xFF));
    }

    PictureCache& pictures_;
    const QtFonts& fonts_;
    QImage canvas_;
    std::optional<QPainter> painter_;
    QImage result_;
};

}  // namespace karvo::qt
