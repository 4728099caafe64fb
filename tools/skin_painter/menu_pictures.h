// The pop-up menus of every kind and their sub-menus, including the macro editor's menus under
// MacMenu/: rows of a fixed height, 15 rows per picture (the profile and "more" menus have 4
// and 3), so the menu code finds each row at (row - 1) x height.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "tools/skin_painter/painter_kit.h"
#include "tools/skin_painter/skin_writer.h"

namespace karvo::painter {

class MenuPictures {
  public:
    void write(SkinWriter& out) const;

    struct Menu {
        QString stem;    // "menu1", "MacMenu/MacG", ...
        QString suffix;  // "" or "2" (MacR_normal2.jpg)
        int width;
        int rows;  // rows in the picture: height = rows x rowHeight
        int rowHeight;
        bool mask;                     // writes <stem>_mask<suffix>.jpg
        bool normal;                   // writes <stem>_normal<suffix>.jpg
        std::vector<int> subMenuRows;  // rows with a chevron
        enum class Content { None, RowNumbers, Profiles, More } content = Content::None;
        bool contentOnMask = false;  // the mask doubles as the base picture
    };
    static const std::vector<Menu>& menus();
    static QImage draw(const Menu& m, State s, bool asMask);
};

}  // namespace karvo::painter
