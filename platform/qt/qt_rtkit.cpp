// RealtimeKit through QtDBus; see qt_rtkit.h.
#include "platform/qt/qt_rtkit.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariant>

namespace karvo::qt {

std::optional<std::string> rtkitMakeThreadRealtime(long tid, int priority) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return std::string("no system bus");
    QDBusInterface rtkit(QStringLiteral("org.freedesktop.RealtimeKit1"),
                         QStringLiteral("/org/freedesktop/RealtimeKit1"),
                         QStringLiteral("org.freedesktop.RealtimeKit1"), bus);
    rtkit.setTimeout(1000);
    if (!rtkit.isValid())
        return std::string("not offered on this system");
    const QVariant most = rtkit.property("MaxRealtimePriority");
    if (most.isValid() && most.toInt() < priority)
        return "it allows priorities up to " + std::to_string(most.toInt()) + " only";
    const QDBusMessage reply =
        rtkit.call(QStringLiteral("MakeThreadRealtime"), static_cast<qulonglong>(tid),
                   static_cast<uint>(priority));
    if (reply.type() == QDBusMessage::ErrorMessage)
        return reply.errorMessage().toStdString();
    return std::nullopt;
}

}  // namespace karvo::qt
