#pragma once
// Starts the real local web service (tools/pivora-api) on a free loopback port for a test.

#include "support/ChildProcess.h"
#include "support/StopProcess.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

class ApiServerProcess {
public:
    ~ApiServerProcess() { stop(); }

    // Starts the service with the given config (default: the sample config) and further
    // arguments, and waits until it listens. False when it could not be started or the
    // environment lacks the paths.
    bool start(QString config = {}, int waitMs = 15000, const QStringList& extra = {})
    {
        const QString bin = qEnvironmentVariable("PIVORA_BIN_DIR");
        const QString source = qEnvironmentVariable("PIVORA_SOURCE_DIR");
        if (bin.isEmpty() || source.isEmpty())
            return false;
        if (config.isEmpty())
            config = source + "/tools/pivora-api/pivora-api.json";
        m_process.start(bin + "/pivora-api", QStringList{"--port", "0", "--config", config} + extra);
        if (!m_process.waitForStarted(waitMs))
            return false;
        const QRegularExpression listening("listening on (https?://127\\.0\\.0\\.1:\\d+)");
        for (;;) {
            const QRegularExpressionMatch match = listening.match(output());
            if (match.hasMatch()) {
                m_url = match.captured(1);
                return true;
            }
            if (!m_process.waitForReadyRead(waitMs))
                return false;
        }
    }

    void stop() { stopProcess(m_process); }

    QString url() const { return m_url; }

    // Everything the service printed on standard output so far.
    QString output()
    {
        m_output += m_process.readAllStandardOutput();
        return QString::fromUtf8(m_output);
    }

    // From the newest JSON line whose matchKey is matchValue, the value of key: the
    // development output's {"captcha": ..., "uuid": ...} and {"outbox": ..., "code": ...}.
    QString printedValue(const QString& key, const QString& matchKey, const QString& matchValue)
    {
        QString found;
        const QStringList lines = output().split('\n');
        for (const QString& line : lines) {
            const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
            if (object.value(matchKey).toString() == matchValue && object.contains(key))
                found = object.value(key).toString();
        }
        return found;
    }

    // printedValue, waiting up to waitMs for the line to appear (without an event loop).
    QString waitForPrinted(const QString& key, const QString& matchKey, const QString& matchValue, int waitMs = 15000)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            const QString value = printedValue(key, matchKey, matchValue);
            if (!value.isEmpty() || timer.elapsed() > waitMs)
                return value;
            m_process.waitForReadyRead(100);
        }
    }

    // Takes what the service prints for up to waitMs, so a busy service never stalls on a full
    // pipe while nobody reads (no event loop needed).
    void readFor(int waitMs)
    {
        m_process.waitForReadyRead(waitMs);
        m_output += m_process.readAllStandardOutput();
    }

private:
    ChildProcess m_process;
    QByteArray m_output;
    QString m_url;
};
