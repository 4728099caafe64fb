// The look of the program: one dark theme with one accent colour, and the drawing of each kind
// of control in its three states. Every picture of the skin is made from these pieces, so the
// normal, over and down pictures of a window differ only inside its controls.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include "ui/skin/layout_index.h"

namespace karvo::painter {

enum class State { Normal, Over, Down };

struct Theme {
    static QColor background() { return QColor(0x0E, 0x10, 0x14); }
    static QColor bar() { return QColor(0x13, 0x16, 0x1C); }
    static QColor card() { return QColor(0x17, 0x1B, 0x22); }
    static QColor cardBorder() { return QColor(0x24, 0x2A, 0x35); }
    static QColor control() { return QColor(0x1F, 0x24, 0x2D); }
    static QColor controlHover() { return QColor(0x2A, 0x31, 0x3D); }
    static QColor controlBorder() { return QColor(0x31, 0x38, 0x45); }
    static QColor inset() { return QColor(0x0A, 0x0C, 0x10); }
    static QColor muted() { return QColor(0x8B, 0x94, 0xA7); }
    static QColor text() { return QColor(0xE6, 0xE9, 0xEF); }
    static QColor accent() { return QColor(0x07, 0xBC, 0xFF); }
    static QColor accentDeep() { return QColor(0x0B, 0x7F, 0xBF); }
    static QColor accentSoft(int alpha = 48) { return QColor(0x07, 0xBC, 0xFF, alpha); }
    static QColor danger() { return QColor(0xE5, 0x48, 0x4D); }
    static QColor listBox() { return QColor(0x16, 0x16, 0x16); }
};

class PainterKit {
  public:
    // Fonts used for what the pictures themselves say (numbers, symbols, the product name).
    static QFont font(int pixelSize, int weight = QFont::Normal);

    static void card(QPainter& p, const QRect& r, int radius = 12);
    static void inset(QPainter& p, const QRect& r, int radius = 8);

    // Draws control `look` inside `r` in state `s`; `name` picks the symbol of icon buttons.
    static void control(QPainter& p, skin::Look look, const QRect& r, State s,
                        std::string_view name);

    static void slider(QPainter& p, const QRect& r, State s, int trackY, int ticks);
    static void toggle(QPainter& p, const QRect& box, State s);
    static void icon(QPainter& p, const QRect& r, std::string_view name, const QColor& colour);

    // The knob drawn at the end of a slider's fill, with alpha: 12 x 12 pixels.
    static QImage knob();
};

}  // namespace karvo::painter
