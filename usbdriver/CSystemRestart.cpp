#include "usbdriver/CSystemRestart.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

namespace CSystemRestart {

bool reboot(const QString& message)
{
    qInfo("Restarting the computer: %s", qPrintable(message));
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("Reboot"));
    call << true; // interactive: logind may ask for authorisation
    const QDBusReply<void> reply = QDBusConnection::systemBus().call(call, QDBus::Block, 30000);
    if (!reply.isValid()) {
        qWarning("Restart refused: %s", qPrintable(reply.error().message()));
        return false;
    }
    return true;
}

} // namespace CSystemRestart
