// Queued calls on the window thread.
#include "platform/qt/qt_message_queue.h"

#include <QMetaObject>
#include <QThread>

namespace karvo::qt {

void QtMessageQueue::post(const WindowMessage& message) {
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            if (handler_)
                handler_(message);
        },
        Qt::QueuedConnection);
}

bool QtMessageQueue::onWindowThread() const {
    return QThread::currentThread() == thread();
}

}  // namespace karvo::qt
