// logind's sleep signal as the window's power broadcast.
#include "platform/qt/qt_resume_watcher.h"

#include <QDBusConnection>

#include <cstdio>

#include "app/window_messages.h"

namespace karvo::qt {

QtResumeWatcher::QtResumeWatcher(MessageQueue& queue) : queue_(queue) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (bus.isConnected()) {
        watching_ = bus.connect("org.freedesktop.login1", "/org/freedesktop/login1",
                                "org.freedesktop.login1.Manager", "PrepareForSleep", this,
                                SLOT(onPrepareForSleep(bool)));
    }
    if (!watching_)
        std::fprintf(stderr,
                     "karvo-gmouse: no system bus: the mouse is not written again after a "
                     "resume from sleep\n");
}

void QtResumeWatcher::onPrepareForSleep(bool start) {
    if (!start)
        queue_.post({msg::WM_POWERBROADCAST, msg::PBT_APMRESUMEAUTOMATIC, 0});
}

}  // namespace karvo::qt
