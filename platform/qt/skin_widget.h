// A frameless window that shows one skinned window controller: it forwards the mouse to the
// controller, repaints when the controller says so, and paints by letting the controller draw
// on a QtCanvas. It decides nothing itself.
#pragma once

#include <QWidget>

#include "platform/qt/qt_canvas.h"
#include "ui/skin/skinned_window.h"

namespace karvo::qt {

class SkinWidget final : public QWidget {
  public:
    SkinWidget(SkinnedWindow& controller, PictureCache& pictures, const QtFonts& fonts,
               QWidget* parent = nullptr);

    // Called after every event the controller handled; a modal loop ends here.
    void setAfterEvent(std::function<void()> afterEvent) { afterEvent_ = std::move(afterEvent); }
    // What the last paint produced (window pixels).
    const QImage& lastFrame() const { return canvas_.result(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void handled(bool repaint);

    SkinnedWindow& controller_;
    QtCanvas canvas_;
    std::function<void()> afterEvent_;
};

}  // namespace karvo::qt
