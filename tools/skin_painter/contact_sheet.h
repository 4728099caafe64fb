// One PNG that shows every generated picture with its name, and the four pages as the window
// would draw them with the English texts, so a change of the skin can be judged at a glance.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "tools/skin_painter/skin_writer.h"
#include "ui/skin/main_skin.h"

namespace karvo::painter {

class ContactSheet {
  public:
    // `previews`: the page pictures with texts, shown large at the top.
    static QImage build(const std::vector<QImage>& previews,
                        const std::vector<SkinWriter::Written>& pictures);

    // A picture with the layout's texts drawn centred in their entries, white, as the window
    // draws them.
    static QImage withTexts(QImage picture, const SkinLayout& layout, int first, int last);
};

}  // namespace karvo::painter
