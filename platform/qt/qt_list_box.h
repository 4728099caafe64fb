// The Qt widget of an owner-drawn list box: paints its CListBoxXI on a QtCanvas and forwards
// clicks, the wheel and the arrow keys to it. The list box decides; the widget shows.
#pragma once

#include <functional>

#include <QWidget>

#include "platform/qt/qt_canvas.h"
#include "ui/controls/list_box_xi.h"

namespace karvo::qt {

class QtListBox final : public QWidget {
  public:
    QtListBox(CListBoxXI& list, PictureCache& pictures, const QtFonts& fonts, QWidget* parent);

    // Called after input the list box acted on, so the page can bring its other controls up
    // to date.
    void setAfterInput(std::function<void()> afterInput) { afterInput_ = std::move(afterInput); }
    // Called at a right click with the line under the cursor (CListBoxXI::kNone below the
    // lines) and the click's point on the screen.
    void setOnRightClick(std::function<void(int line, QPoint global)> handler) {
        onRightClick_ = std::move(handler);
    }
    // What the last paint drew, in the widget's pixels.
    const QImage& lastFrame() const { return canvas_.result(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void handled(bool changed);

    CListBoxXI& list_;
    QtCanvas canvas_;
    int wheelRest_ = 0;  // eighths of a degree not yet a whole notch (fine-grained wheels)
    std::function<void()> afterInput_;
    std::function<void(int, QPoint)> onRightClick_;
};

}  // namespace karvo::qt
