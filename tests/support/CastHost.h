#pragma once
// End-to-end harness: the application's side of the real receiver service, and simulated
// phones (pivora-cast processes) that mirror into it on loopback.

#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QPVDeviceWidget.h"

#include <QObject>
#include <QProcess>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace casthost {

inline QString castProgram()
{
    return QString::fromLocal8Bit(qgetenv("PIVORA_BIN_DIR")) + "/pivora-cast";
}

// A phone streaming to the service's first port; extra holds --file/--pattern and the rest.
inline std::unique_ptr<QProcess> startPhone(int port, const QString& id, int kind, const QStringList& extra)
{
    auto phone = std::make_unique<QProcess>();
    phone->start(castProgram(), QStringList{"--port", QString::number(port), "--id", id, "--name", id, "--kind",
                                            QString::number(kind)}
                                    + extra);
    return phone;
}

// A pivora-cast run to its end: exit status (-1 when it crashed or hung) and what it said on
// stderr. The event loop runs meanwhile, so blocking signals of the service are served.
struct CastRun {
    int exitCode = -1;
    QString err;
};

inline CastRun runCast(const QStringList& arguments, int timeoutMs = 60000)
{
    qRegisterMetaType<QProcess::ExitStatus>("QProcess::ExitStatus");
    QProcess phone;
    QSignalSpy finished(&phone, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    phone.start(castProgram(), arguments);
    CastRun run;
    if (!finished.wait(timeoutMs)) {
        phone.kill();
        phone.waitForFinished();
        run.err = QString::fromUtf8(phone.readAllStandardError());
        return run;
    }
    run.exitCode = phone.exitStatus() == QProcess::NormalExit ? phone.exitCode() : -1;
    run.err = QString::fromUtf8(phone.readAllStandardError());
    return run;
}

inline QPVDeviceWidget* windowOf(QPVAirPlayClient* client)
{
    PVDevice* session = client ? client->deviceSession() : nullptr;
    return session ? session->deviceWidget() : nullptr;
}

// Makes a device session for each new channel and removes ended channels, connected the way
// the application connects them. onPlay and onStop run on this thread while the engine waits:
// onPlay after the session has set up the stream and before it handles any picture of it,
// onStop after it has handled every picture of it. onSession runs once a new channel's session
// exists, onRemove just before an ended channel is removed (where the application tells the
// multi-device center).
class Host : public QObject {
public:
    explicit Host(QPVAirPlayService* service)
        : m_service(service)
    {
        connect(service, &QPVAirPlayService::didFindNewChannel, this, [this](QPVAirPlayClient* client) {
            if (!m_service->isListed(client))
                return;
            client->createDeviceSession();
            emit client->deviceSession()->volumeMuteChanged(false);
            if (onSession)
                onSession(client);
        }, Qt::BlockingQueuedConnection);
        connect(service, &QPVAirPlayService::didStopChannel, this, [this](QPVAirPlayClient* client) {
            if (!m_service->isListed(client))
                return;
            if (onRemove)
                onRemove(client);
            m_service->removeClient(client);
        }, Qt::QueuedConnection);
        connect(service, &QPVAirPlayService::didAirPlayMirroringPlay, this, [this](QPVAirPlayClient* client) {
            if (onPlay && m_service->isListed(client))
                onPlay(client);
        }, Qt::BlockingQueuedConnection);
        connect(service, &QPVAirPlayService::didAirPlayMirroringStop, this, [this](QPVAirPlayClient* client) {
            if (onStop && m_service->isListed(client))
                onStop(client);
        }, Qt::BlockingQueuedConnection);
    }

    std::function<void(QPVAirPlayClient*)> onPlay;
    std::function<void(QPVAirPlayClient*)> onStop;
    std::function<void(QPVAirPlayClient*)> onSession;
    std::function<void(QPVAirPlayClient*)> onRemove;

private:
    QPVAirPlayService* m_service;
};

} // namespace casthost
