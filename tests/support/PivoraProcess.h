#pragma once
// The real program, started for a test with its own data folder and web service address.

#include "support/ChildProcess.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

class PivoraProcess {
public:
    PivoraProcess(const QString& dataHome, const QString& apiUrl,
        const QProcessEnvironment& extra = QProcessEnvironment())
        : m_dataHome(dataHome)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dataHome);
        env.insert("PIVORA_API_URL", apiUrl);
        env.insert("QT_QPA_PLATFORM", "xcb");
        // The home screen asks the system bus for the Wi-Fi name; a test's program never reaches
        // the machine's own bus (a test may hand it a private one).
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + dataHome + "/no-system-bus");
        env.insert(extra);
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~PivoraProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    bool start(int waitMs = 30000)
    {
        m_process.start(qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora", QStringList());
        return m_process.waitForStarted(waitMs);
    }
    QProcess& process() { return m_process; }

    QString dataDir() const { return m_dataHome + "/pivora"; }
    // Today's log of the program.
    QString logText() const
    {
        QFile log(dataDir() + "/log/" + QDate::currentDate().toString("yyyy-MM-dd") + "/log.txt");
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }

private:
    QString m_dataHome;
    ChildProcess m_process;
};
