// Drawing the menus; see menu_pictures.h.
#include "tools/skin_painter/menu_pictures.h"

#include <QPainterPath>

namespace karvo::painter {

const std::vector<MenuPictures::Menu>& MenuPictures::menus() {
    using C = Menu::Content;
    static const std::vector<Menu> kMenus = {
        {"Profile", "", 168, 4, 36, true, true, {}, C::Profiles, false},
        {"menu1", "", 232, 15, 32, true, true, {7, 8, 9, 11}, C::None, false},
        {"menu", "", 208, 15, 30, true, true, {}, C::RowNumbers, true},
        {"menu2", "", 240, 15, 30, true, true, {}, C::None, false},
        {"more", "", 264, 3, 40, true, false, {}, C::More, true},
        {"led_menu", "", 220, 15, 30, true, true, {}, C::None, false},
        {"Macro_menu", "", 220, 15, 30, false, true, {}, C::None, false},
        {"MacMenu/MacG", "", 220, 15, 30, true, true, {}, C::None, false},
        {"MacMenu/MacR", "", 200, 15, 30, true, true, {}, C::None, false},
        {"MacMenu/MacR", "2", 200, 15, 30, true, true, {}, C::None, false},
        {"MacMenu/Insert", "", 220, 15, 32, true, true, {1, 2, 3, 4}, C::None, false},
        {"MacMenu/Insert2th", "", 220, 15, 30, true, true, {}, C::None, false},
        {"MacMenu/Insert3th", "", 220, 15, 30, true, true, {}, C::None, false},
    };
    return kMenus;
}

QImage MenuPictures::draw(const Menu& m, State s, bool asMask) {
    const int height = m.rows * m.rowHeight;
    QImage img(m.width, height, QImage::Format_RGB32);
    img.fill(Theme::card());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 1; row <= m.rows; ++row) {
        const QRect r(0, (row - 1) * m.rowHeight, m.width, m.rowHeight);
        if (s == State::Over) {
            p.fillRect(r.adjusted(4, 2, -4, -2), Theme::controlHover());
            p.fillRect(QRect(4, r.top() + 7, 3, m.rowHeight - 14), Theme::accent());
        } else if (s == State::Down) {
            p.fillRect(r.adjusted(4, 2, -4, -2), Theme::accentSoft(56));
            p.fillRect(QRect(4, r.top() + 7, 3, m.rowHeight - 14), Theme::accent());
        }
        if (row < m.rows && s == State::Normal)
            p.fillRect(QRect(12, r.bottom(), m.width - 24, 1), QColor(0x20, 0x25, 0x2E));
        const bool sub =
            std::find(m.subMenuRows.begin(), m.subMenuRows.end(), row) != m.subMenuRows.end();
        if (sub) {
            PainterKit::icon(p, QRect(m.width - 30, r.top(), 24, m.rowHeight), "right",
                             s == State::Normal ? Theme::muted() : Theme::accent());
        }
        const bool content = !asMask || m.contentOnMask;
        const QColor ink = s == State::Normal ? Theme::text() : Qt::white;
        if (content && m.content == Menu::Content::RowNumbers) {
            p.setPen(s == State::Normal ? Theme::muted().darker(130) : Theme::accent());
            p.setFont(PainterKit::font(11, QFont::Medium));
            p.drawText(QRect(m.width - 34, r.top(), 24, m.rowHeight), Qt::AlignCenter,
                       QString::number(row));
        } else if (content && m.content == Menu::Content::Profiles) {
            const QRectF chip(16, r.top() + 7, 28, m.rowHeight - 14);
            p.setPen(QPen(Theme::accent(), 1.2));
            p.setBrush(s == State::Normal ? Theme::background() : Theme::accentSoft(80));
            p.drawRoundedRect(chip, 6, 6);
            p.setPen(Theme::accent());
            p.setFont(PainterKit::font(13, QFont::Bold));
            p.drawText(chip, Qt::AlignCenter, QString::number(row));
            p.setPen(ink);
            p.setFont(PainterKit::font(14, QFont::Medium));
            p.drawText(QRect(56, r.top(), m.width - 60, m.rowHeight), Qt::AlignVCenter,
                       QStringLiteral("P%1").arg(row));
        } else if (content && m.content == Menu::Content::More) {
            // Start with the session, information, write everything to the mouse, as symbols;
            // the window draws each row's text beside its symbol.
            const QPointF c(26, r.center().y() + 0.5);
            p.setPen(QPen(ink, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 9, 9);
            p.setFont(PainterKit::font(12, QFont::Bold));
            const QString glyph[] = {QStringLiteral("▸"), QStringLiteral("i"), QStringLiteral("↓")};
            p.drawText(QRectF(c.x() - 9, c.y() - 9, 18, 18), Qt::AlignCenter, glyph[row - 1]);
        }
    }
    p.setPen(Theme::cardBorder());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, m.width - 1, height - 1));
    return img;
}

void MenuPictures::write(SkinWriter& out) const {
    for (const Menu& m : menus()) {
        const auto name = [&m](const char* state) {
            return m.stem + QLatin1Char('_') + QLatin1String(state) + m.suffix +
                   QStringLiteral(".jpg");
        };
        if (m.mask)
            out.save(name("mask"), draw(m, State::Normal, true));
        if (m.normal)
            out.save(name("normal"), draw(m, State::Normal, false));
        out.save(name("over"), draw(m, State::Over, false));
        out.save(name("down"), draw(m, State::Down, false));
    }
}

}  // namespace karvo::painter
