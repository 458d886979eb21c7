#pragma once
// Starts the real local web service (tools/pivora-api) on a free loopback port for a test.

#include "support/StopProcess.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>

class ApiServerProcess {
public:
    ~ApiServerProcess() { stop(); }

    // Starts the service with the given config (default: the sample config) and waits until
    // it listens. False when it could not be started or the environment lacks the paths.
    bool start(QString config = {}, int waitMs = 15000)
    {
        const QString bin = qEnvironmentVariable("PIVORA_BIN_DIR");
        const QString source = qEnvironmentVariable("PIVORA_SOURCE_DIR");
        if (bin.isEmpty() || source.isEmpty())
            return false;
        if (config.isEmpty())
            config = source + "/tools/pivora-api/pivora-api.json";
        m_process.start(bin + "/pivora-api", {"--port", "0", "--config", config});
        if (!m_process.waitForStarted(waitMs))
            return false;
        const QRegularExpression listening("listening on (http://127\\.0\\.0\\.1:\\d+)");
        QByteArray output;
        for (;;) {
            const QRegularExpressionMatch match = listening.match(QString::fromUtf8(output));
            if (match.hasMatch()) {
                m_url = match.captured(1);
                return true;
            }
            if (!m_process.waitForReadyRead(waitMs))
                return false;
            output += m_process.readAllStandardOutput();
        }
    }

    void stop() { stopProcess(m_process); }

    QString url() const { return m_url; }

private:
    QProcess m_process;
    QString m_url;
};
