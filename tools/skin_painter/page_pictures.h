// The four pages of the main window (buttons, advanced, macro, lighting) in their normal, over
// and down pictures, with the window mask, the lighting page's cover pictures and the slider
// knob. Every control is drawn where the English layout files place it.
#pragma once

#include <QImage>

#include "tools/skin_painter/painter_kit.h"
#include "tools/skin_painter/skin_writer.h"
#include "ui/skin/main_skin.h"

namespace karvo::painter {

class PagePictures {
  public:
    explicit PagePictures(const MainSkin& skin) : skin_(skin) {}

    void write(SkinWriter& out) const;

    QImage buttonsPage(State s) const;
    QImage advancedPage(State s) const;
    QImage macroPage(State s) const;
    QImage lightingPage(State s) const;

  private:
    void header(QPainter& p, State s) const;
    void controls(QPainter& p, LayoutFile file, const SkinLayout& layout, State s, int first,
                  int last) const;
    void mouse(QPainter& p, State s) const;

    const MainSkin& skin_;
};

QRect toQRect(const SkinRect& r);

}  // namespace karvo::painter
