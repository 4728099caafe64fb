// Nested event loops for the modal dialogs.
#include "platform/qt/qt_modal_runner.h"

#include <memory>
#include <vector>

#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

#include "platform/qt/skin_widget.h"
#include "ui/dialogs/dialog_edit_boxes.h"

namespace karvo::qt {

TextSize QtModalRunner::pictureSize(const std::string& picture) {
    const QImage* image = pictures_.get(picture);
    return image ? TextSize{image->width(), image->height()} : TextSize{};
}

int QtModalRunner::run(SkinnedWindow& dialog, const SkinRect& frame) {
    SkinWidget window(dialog, pictures_, fonts_);
    window.setWindowModality(Qt::ApplicationModal);
    window.setGeometry(frame.x, frame.y, frame.width, frame.height);
    // A dialog's edit boxes: line edits over its picture that follow its texts and states.
    auto* boxes = dynamic_cast<DialogEditBoxes*>(&dialog);
    std::vector<QLineEdit*> edits;
    const auto syncEdits = [&] {
        for (std::size_t i = 0; i < edits.size(); ++i) {
            const QString text = QString::fromStdString(boxes->editText(i));
            if (edits[i]->text() != text)
                edits[i]->setText(text);
            edits[i]->setEnabled(boxes->editEnabled(i));
        }
    };
    if (boxes) {
        for (std::size_t i = 0; i < boxes->editBoxCount(); ++i) {
            const SkinBox b = boxes->editBox(i);
            auto* edit = new QLineEdit(&window);
            edit->setGeometry(b.left, b.top, b.right - b.left, b.bottom - b.top);
            edit->setFont(fonts_.font(FontRole::Body));
            edit->setStyleSheet(QStringLiteral(
                "QLineEdit { color: white; background: black; border: 1px solid #202020; "
                "padding: 0 6px; } QLineEdit:disabled { color: #8b94a7; }"));
            QObject::connect(edit, &QLineEdit::textEdited, edit, [boxes, i](const QString& text) {
                boxes->onEditText(i, text.toStdString());
            });
            edits.push_back(edit);
        }
        syncEdits();
    }
    QEventLoop loop;
    window.setAfterEvent([&] {
        if (boxes)
            syncEdits();
        if (dialog.result())
            loop.quit();
    });
    loops_.push_back(&loop);
    windows_.push_back(&window);
    refreshers_.push_back([&] {
        if (boxes)
            syncEdits();
        window.update();
    });
    window.show();
    loop.exec();
    refreshers_.pop_back();
    windows_.pop_back();
    loops_.pop_back();
    return dialog.result().value_or(0);
}

namespace {
// Moves a window with the pointer from a press until the release, where no window manager
// moves it (a bare X server). The dialog still sees every event.
class FollowPointer final : public QObject {
  public:
    FollowPointer(QWidget& window, QPoint grip) : QObject(&window), window_(window), grip_(grip) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) {
            const auto* m = static_cast<QMouseEvent*>(e);
            if (m->buttons() & Qt::LeftButton)
                window_.move(m->globalPosition().toPoint() - grip_);
        } else if (e->type() == QEvent::MouseButtonRelease) {
            window_.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    QWidget& window_;
    QPoint grip_;
};
}  // namespace

void QtModalRunner::startSystemMove() {
    if (windows_.empty())
        return;
    QWidget& window = *windows_.back();
    if (QWindow* handle = window.windowHandle(); handle && handle->startSystemMove())
        return;
    new FollowPointer(window, QCursor::pos() - window.pos());
}

void QtModalRunner::refresh() {
    if (!refreshers_.empty())
        refreshers_.back()();
}

void QtModalRunner::endAll() {
    for (QEventLoop* loop : loops_)
        loop->quit();
}

}  // namespace karvo::qt
