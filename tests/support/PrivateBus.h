#pragma once
// A D-Bus daemon of the test's own, so nothing a test does reaches the machine's buses.

#include "support/ChildProcess.h"
#include "support/StopProcess.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class PrivateBus {
public:
    ~PrivateBus() { stopProcess(m_daemon); }

    // Starts the daemon; its address is then address(). No service activation, anyone may own
    // any name.
    bool start(int waitMs = 10000)
    {
        if (!m_folder.isValid())
            return false;
        const QString config = m_folder.filePath("bus.conf");
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                                  "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                  "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                  "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
                       .arg(m_folder.path())
                       .toUtf8());
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(waitMs))
            return false;
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(waitMs))
                return false;
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return !m_address.isEmpty();
    }

    QString address() const { return m_address; }
    // The daemon ends, as when the system's bus restarts.
    void stop() { stopProcess(m_daemon); }

private:
    // Short: the socket's whole path must fit in 108 bytes, under long test folders too.
    QTemporaryDir m_folder { QDir::tempPath() + QStringLiteral("/bus-XXXXXX") };
    ChildProcess m_daemon;
    QString m_address;
};
