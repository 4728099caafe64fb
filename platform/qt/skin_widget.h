// A frameless window that shows one skinned window controller: it forwards the mouse to the
// controller, repaints when the controller says so, and paints by letting the controller draw
// on a QtCanvas. It decides nothing itself.
#pragma once

#include <QWidget>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/skin_access.h"
#include "ui/skin/skinned_window.h"
#include "ui/skin/view_fit.h"

namespace karvo::qt {

class SkinWidget final : public QWidget, public SkinnedSurface {
  public:
    SkinWidget(SkinnedWindow& controller, PictureCache& pictures, const QtFonts& fonts,
               QWidget* parent = nullptr);

    // Called after every event the controller handled; a modal loop ends here.
    void setAfterEvent(std::function<void()> afterEvent) { afterEvent_ = std::move(afterEvent); }
    // What the last paint produced (window pixels).
    const QImage& lastFrame() const { return canvas_.result(); }
    SkinnedWindow* skinnedController() const override { return &controller_; }
    // Shows the controller's window pixels scaled by `fit` (the widget's own size follows
    // from its owner), and hands it the mouse in window pixels.
    void setViewFit(ViewFit fit);
    const ViewFit& viewFit() const { return fit_; }
    SkinRect toShown(const SkinRect& r) const override { return fit_.toShown(r); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab move over the controller's entries, not over Qt's focus chain.
    bool focusNextPrevChild(bool) override { return false; }

  private:
    void handled(bool repaint);
    QPoint toWindow(QPointF shown) const;

    SkinnedWindow& controller_;
    QtCanvas canvas_;
    ViewFit fit_;
    std::function<void()> afterEvent_;
};

}  // namespace karvo::qt
