// Nested event loops for the modal dialogs.
#include "platform/qt/qt_modal_runner.h"

#include "platform/qt/skin_widget.h"

namespace karvo::qt {

TextSize QtModalRunner::pictureSize(const std::string& picture) {
    const QImage* image = pictures_.get(picture);
    return image ? TextSize{image->width(), image->height()} : TextSize{};
}

int QtModalRunner::run(SkinnedWindow& dialog, const SkinRect& frame) {
    SkinWidget window(dialog, pictures_, fonts_);
    window.setWindowModality(Qt::ApplicationModal);
    window.setGeometry(frame.x, frame.y, frame.width, frame.height);
    QEventLoop loop;
    window.setAfterEvent([&] {
        if (dialog.result())
            loop.quit();
    });
    loops_.push_back(&loop);
    window.show();
    loop.exec();
    loops_.pop_back();
    return dialog.result().value_or(0);
}

void QtModalRunner::endAll() {
    for (QEventLoop* loop : loops_)
        loop->quit();
}

}  // namespace karvo::qt
