// The first painted frame, told through a pipe; see first_frame_signal.h.
#include "platform/qt/first_frame_signal.h"

#include <QEvent>
#include <QMetaObject>

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace karvo::qt {

FirstFrameSignal::FirstFrameSignal(QObject* widget) {
    const char* fd = std::getenv("KARVO_FIRST_FRAME_FD");
    if (!fd || !widget)
        return;
    try {
        fd_ = std::stoi(fd);
    } catch (const std::exception&) {
        return;
    }
    ::unsetenv("KARVO_FIRST_FRAME_FD");  // not for programs it starts
    widget->installEventFilter(this);
}

bool FirstFrameSignal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && fd_ >= 0) {
        watched->removeEventFilter(this);
        // Queued: it runs once this paint has been drawn.
        QMetaObject::invokeMethod(
            this,
            [fd = fd_] {
                const char byte = 'F';
                (void)!::write(fd, &byte, 1);
                ::close(fd);
            },
            Qt::QueuedConnection);
        fd_ = -1;
    }
    return false;
}

}  // namespace karvo::qt
