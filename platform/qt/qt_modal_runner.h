// Modal skinned dialogs on Qt: each runs in a SkinWidget of its own with a nested event loop.
#pragma once

#include <functional>
#include <vector>

#include <QEventLoop>
#include <QWidget>

#include "platform/qt/picture_cache.h"
#include "platform/qt/qt_fonts.h"
#include "ui/dialogs/modal_runner.h"

namespace karvo::qt {

class QtModalRunner final : public ModalRunner {
  public:
    QtModalRunner(PictureCache& pictures, const QtFonts& fonts)
        : pictures_(pictures), fonts_(fonts) {}
    TextSize pictureSize(const std::string& picture) override;
    int run(SkinnedWindow& dialog, const SkinRect& frame) override;
    void endAll() override;
    void startSystemMove() override;
    void refresh() override;

  private:
    PictureCache& pictures_;
    const QtFonts& fonts_;
    std::vector<QEventLoop*> loops_;
    std::vector<QWidget*> windows_;  // the running dialogs' windows, innermost last
    // Per running dialog, innermost last: what refresh() does for it.
    std::vector<std::function<void()>> refreshers_;
};

}  // namespace karvo::qt
