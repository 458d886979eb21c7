#include "scairplay/QPVAirPlayService.h"

#include "libs/castcore/CastLog.h"
#include "scairplay/QPVAirPlayClient.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHostAddress>
#include <QTcpServer>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>

namespace {

constexpr auto kEventPumpInterval = std::chrono::milliseconds(20);

// Engine lines join the program's log; called from any engine thread.
void logEngineLine(int level, const char* message)
{
    switch (level) {
    case CASTCORE_LOG_ERROR:
        qCritical("castcore: %s", message);
        break;
    case CASTCORE_LOG_WARNING:
        qWarning("castcore: %s", message);
        break;
    default:
        qInfo("castcore: %s", message);
        break;
    }
}

} // namespace

QPVAirPlayService::QPVAirPlayService(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<QPVAirPlayClient*>("QPVAirPlayClient*");
    // The answer slot of didAskAccess, filled in by a blocking queued receiver.
    qRegisterMetaType<int*>("int*");
    castcoreSetLogFunction(&logEngineLine);
}

QPVAirPlayService::~QPVAirPlayService()
{
    // Done here, while the overrides still exist; the base destructor finds nothing left.
    stop();
    castcoreSetLogFunction(nullptr);
}

QPVAirPlayClient* QPVAirPlayService::listedClient(void* handle) const
{
    return indexOfChannel(handle) >= 0 ? static_cast<QPVAirPlayClient*>(handle) : nullptr;
}

void* QPVAirPlayService::Connect(const char* channelId, uint32_t kind)
{
    bool created = false;
    void* handle = connectChannel(channelId, kind, &created);
    if (handle) {
        if (!created)
            qInfo("Receiver: channel %s connected again", channelId);
        // Also for a known channel: the application gives it a fresh device session.
        emit didFindNewChannel(static_cast<QPVAirPlayClient*>(handle));
    }
    return handle;
}

void QPVAirPlayService::Disconnected(void* handle)
{
    // The channel is removed on the receiving (GUI) thread.
    if (QPVAirPlayClient* client = listedClient(handle))
        emit didStopChannel(client);
}

void QPVAirPlayService::Information(void* handle, const char* phoneName, const char* channelId,
                                    const char* systemVersion, const char* model)
{
    storeInformation(handle, phoneName, channelId, systemVersion, model);
    if (QPVAirPlayClient* client = listedClient(handle))
        emit didDeviceInfoChanged(client);
}

void QPVAirPlayService::MirroringStarted(void* handle, int, int, const uint8_t* data, int length, int dataKind,
                                         double timestamp)
{
    // The signal goes out after the channel is released, so that a removal waiting for the
    // channel never waits for the receiver of a blocking signal.
    if (forwardMirroringStarted(handle, data, length, dataKind, timestamp))
        emit didAirPlayMirroringPlay(static_cast<QPVAirPlayClient*>(handle));
}

void QPVAirPlayService::MirroringStopped(void* handle)
{
    if (forwardMirroringStopped(handle))
        emit didAirPlayMirroringStop(static_cast<QPVAirPlayClient*>(handle));
}

void QPVAirPlayService::FrameSizeChanged(void* handle)
{
    if (QPVAirPlayClient* client = listedClient(handle))
        emit didAirPlayMirroringFrameSizeChanged(client);
}

void QPVAirPlayService::Rotated(void* handle, int oldRotation, int newRotation)
{
    if (QPVAirPlayClient* client = listedClient(handle))
        emit didAirPlayMirroringRotated(client, oldRotation, newRotation);
}

SCAirPlayClient* QPVAirPlayService::clientFromHandle(void* handle) const
{
    return static_cast<QPVAirPlayClient*>(handle);
}

void* QPVAirPlayService::createChannel(const char* channelId, uint32_t kind)
{
    auto* client = new (std::nothrow) QPVAirPlayClient(this, channelId, kind);
    if (!client)
        return nullptr;
    // Made on an engine thread; it belongs with the service and its device session.
    if (client->thread() != thread())
        client->moveToThread(thread());
    return client;
}

bool QPVAirPlayService::probePort(int port)
{
    QTcpServer server;
    const bool free = server.listen(QHostAddress::Any, quint16(port));
    server.close();
    return free;
}

int QPVAirPlayService::findFreePort(int port, int attempts)
{
    for (int i = 0; i < attempts && port + i <= 65535; ++i) {
        if (probePort(port + i))
            return port + i;
    }
    return -1;
}

bool QPVAirPlayService::reservePorts(int* ports, int count)
{
    for (int i = 0; i < count; ++i) {
        const int free = findFreePort(ports[i], kPortAttempts);
        if (free < 0) {
            qCritical("Receiver: ports %d to %d are all busy", ports[i], ports[i] + kPortAttempts - 1);
            return false;
        }
        if (free != ports[i])
            qInfo("Receiver: port %d is busy, using %d", ports[i], free);
        ports[i] = free;
    }
    return true;
}

void QPVAirPlayService::shutDownEngine()
{
    const bool ownerThread = QThread::currentThread() == thread() && QCoreApplication::instance();
    if (!ownerThread) {
        SCAirPlayService::shutDownEngine();
        return;
    }
    // Questions about phones that arrive while this thread pumps below are answered Deny.
    access().setClosed(true);
    // Stopping the engine waits for its threads, and one of them may be waiting for this
    // thread to handle a blocking signal. Stop it on a helper thread and keep handling those
    // calls until it is done.
    std::mutex mutex;
    std::condition_variable condition;
    bool done = false;
    std::thread stopper([&] {
        SCAirPlayService::shutDownEngine();
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
        condition.notify_all();
    });
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            if (condition.wait_for(lock, kEventPumpInterval, [&] { return done; }))
                break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
    stopper.join();
    // Phones that connected while the engine was stopping.
    disconnectAllChannels();
}

void QPVAirPlayService::setAccessMode(SCReceiverAccess::Mode mode)
{
    const QString before = accessCode();
    if (access().mode() != mode)
        qInfo("Receiver access: \"%s\"", SCReceiverAccess::modeText(mode));
    access().setMode(mode);
    const QString after = accessCode();
    if (after != before)
        emit didAccessCodeChanged(after);
}

void QPVAirPlayService::setRememberedPhones(const QStringList& channelIds)
{
    std::vector<std::string> ids;
    for (const QString& id : channelIds)
        ids.push_back(id.toStdString());
    access().setRemembered(ids);
}

QString QPVAirPlayService::accessCode() const
{
    const SCReceiverAccess& a = access();
    return a.mode() == SCReceiverAccess::Mode::Pin ? QString::fromStdString(a.code()) : QString();
}

SCReceiverAccess::Answer QPVAirPlayService::askAccess(const SCReceiverAccess::Phone& phone)
{
    int answer = int(SCReceiverAccess::Answer::Deny);
    emit didAskAccess(QString::fromStdString(phone.phoneName), QString::fromStdString(phone.channelId),
                      QString::fromStdString(phone.address), &answer);
    switch (answer) {
    case int(SCReceiverAccess::Answer::Allow):
        return SCReceiverAccess::Answer::Allow;
    case int(SCReceiverAccess::Answer::AlwaysAllow):
        return SCReceiverAccess::Answer::AlwaysAllow;
    default:
        return SCReceiverAccess::Answer::Deny;
    }
}

QPVAirPlayClient* QPVAirPlayService::clientAt(int index) const
{
    return static_cast<QPVAirPlayClient*>(channelAt(index));
}

int QPVAirPlayService::indexOfClient(const QPVAirPlayClient* client) const
{
    return indexOfChannel(const_cast<QPVAirPlayClient*>(client));
}

QPVAirPlayClient* QPVAirPlayService::findClientByPhoneName(const QString& phoneName) const
{
    return static_cast<QPVAirPlayClient*>(findChannelByPhoneName(phoneName.toUtf8().constData()));
}

void QPVAirPlayService::removeClient(QPVAirPlayClient* client)
{
    removeChannel(client);
}
