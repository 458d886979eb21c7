#pragma once
// A D-Bus bus of the test's own, configured like a system bus, in a temporary folder: what the
// code under test takes for the system bus (DBUS_SYSTEM_BUS_ADDRESS) without touching the
// machine's.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateSystemBus {
public:
    PrivateSystemBus()
    {
        if (!m_dir.isValid())
            return;
        const QString config = m_dir.filePath("bus.conf");
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QString(
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig>\n"
            "  <type>system</type>\n"
            "  <listen>unix:path=%1</listen>\n"
            "  <auth>EXTERNAL</auth>\n"
            "  <policy context=\"default\">\n"
            "    <allow user=\"*\"/>\n"
            "    <allow own=\"*\"/>\n"
            "    <allow send_destination=\"*\"/>\n"
            "    <allow receive_sender=\"*\"/>\n"
            "  </policy>\n"
            "</busconfig>\n").arg(m_dir.filePath("bus")).toUtf8());
        file.close();
        m_daemon.start("dbus-daemon", { "--config-file=" + config, "--nofork", "--nopidfile", "--print-address" });
        if (!m_daemon.waitForStarted(10000))
            return;
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateSystemBus() { stop(); }

    // The bus daemon ends, as when the system's bus restarts.
    void stop()
    {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    // An address of this folder where no bus listens.
    QString deadAddress() const { return "unix:path=" + m_dir.filePath("nobody-listens"); }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};
