#include "BenchReceiver.h"

#include "media/PVDevice.h"
#include "render/QRenderWidget.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QMDControlCenter.h"
#include "ui/QPVDeviceWidget.h"

#include <QGuiApplication>
#include <QScreen>

// --- CallbackTap

void CallbackTap::setRecordLatency(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_recordLatency = on;
}

void CallbackTap::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& entry : m_channels) {
        entry.second.figures = ChannelFigures();
        entry.second.arrivals.clear();
    }
}

QMap<QString, ChannelFigures> CallbackTap::figures() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QMap<QString, ChannelFigures> out;
    for (const auto& entry : m_channels)
        out.insert(QString::fromStdString(entry.first), entry.second.figures);
    return out;
}

void CallbackTap::frameShown(const std::string& channelId, int64_t pts)
{
    const Clock::time_point now = Clock::now();
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_channels.find(channelId);
    if (found == m_channels.end())
        return;
    Channel& channel = found->second;
    ++channel.figures.shown;
    auto arrival = channel.arrivals.find(pts);
    if (arrival == channel.arrivals.end())
        return;
    ++channel.figures.matched;
    channel.figures.latencyMs.push_back(std::chrono::duration<double, std::milli>(now - arrival->second).count());
    // Units older than the shown one will never be shown: the display skipped them.
    for (auto it = channel.arrivals.begin(); it != channel.arrivals.end();) {
        if (it->first <= pts)
            it = channel.arrivals.erase(it);
        else
            ++it;
    }
}

void CallbackTap::framePainted(const std::string& channelId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_channels.find(channelId);
    if (found != m_channels.end())
        ++found->second.figures.painted;
}

void* CallbackTap::Connect(const char* channelId, uint32_t kind)
{
    void* handle = m_target->Connect(channelId, kind);
    if (handle && channelId) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_handles[handle] = channelId;
        m_channels[channelId] = Channel();
    }
    return handle;
}

void CallbackTap::Disconnected(void* handle)
{
    m_target->Disconnected(handle);
}

void CallbackTap::InformationLegacy(void* handle, const char* phoneName, const char* channelId,
                                    const char* systemVersion, const char* model)
{
    m_target->InformationLegacy(handle, phoneName, channelId, systemVersion, model);
}

void CallbackTap::MirroringStarted(void* handle, int width, int height, const uint8_t* data, int length,
                                   int dataKind, double timestamp)
{
    m_target->MirroringStarted(handle, width, height, data, length, dataKind, timestamp);
}

void CallbackTap::MirroringData(void* handle, const uint8_t* data, int length, int dataKind, double timestamp,
                                uint32_t rotation)
{
    const Clock::time_point now = Clock::now();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto name = m_handles.find(handle);
        // Configuration records (kind 1) carry no picture.
        if (name != m_handles.end() && dataKind != 1) {
            Channel& channel = m_channels[name->second];
            ++channel.figures.units;
            if (m_recordLatency)
                channel.arrivals.emplace(SCAirPlayClient::toMicroseconds(timestamp), now);
        }
    }
    m_target->MirroringData(handle, data, length, dataKind, timestamp, rotation);
}

void CallbackTap::MirroringStopped(void* handle)
{
    m_target->MirroringStopped(handle);
}

void CallbackTap::AudioFormat(void* handle, int bitsPerSample, int channels, int sampleRate, uint32_t tag)
{
    m_target->AudioFormat(handle, bitsPerSample, channels, sampleRate, tag);
}

void CallbackTap::AudioData(void* handle, const uint8_t* data, int length, double timestamp, uint32_t tag)
{
    m_target->AudioData(handle, data, length, timestamp, tag);
}

void CallbackTap::AudioStopped(void* handle)
{
    m_target->AudioStopped(handle);
}

void CallbackTap::DisconnectChannel(void* handle)
{
    m_target->DisconnectChannel(handle);
}

void CallbackTap::Information(void* handle, const char* phoneName, const char* channelId,
                              const char* systemVersion, const char* model)
{
    m_target->Information(handle, phoneName, channelId, systemVersion, model);
}

void CallbackTap::FrameSizeChanged(void* handle)
{
    m_target->FrameSizeChanged(handle);
}

void CallbackTap::Rotated(void* handle, int oldRotation, int newRotation)
{
    m_target->Rotated(handle, oldRotation, newRotation);
}

// --- BenchReceiver

BenchReceiver::BenchReceiver()
    : m_service(std::make_unique<QPVAirPlayService>())
{
    m_tap = std::make_unique<CallbackTap>(m_service.get());
    QPVAirPlayService* service = m_service.get();
    // Connected the way the application connects them.
    connect(service, &QPVAirPlayService::didFindNewChannel, this, &BenchReceiver::newChannel,
            Qt::BlockingQueuedConnection);
    connect(service, &QPVAirPlayService::didStopChannel, this, &BenchReceiver::stopChannel, Qt::QueuedConnection);
    connect(service, &QPVAirPlayService::didAirPlayMirroringPlay, this, &BenchReceiver::updateChannel,
            Qt::BlockingQueuedConnection);
    connect(service, &QPVAirPlayService::didAirPlayMirroringStop, this, &BenchReceiver::updateChannel,
            Qt::BlockingQueuedConnection);
}

BenchReceiver::~BenchReceiver()
{
    closeCenter();
    m_service.reset();
}

QMDControlCenter* BenchReceiver::openCenter()
{
    if (!m_center) {
        m_center = new QMDControlCenter(m_service.get());
        // What showMaximized gives with a window manager; the benchmark's display may have none.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            m_center->setGeometry(screen->availableGeometry());
        m_center->show();
    }
    return m_center;
}

void BenchReceiver::closeCenter()
{
    if (m_center)
        m_center->close();
    // Deleted on close, from the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BenchReceiver::updateChannel(QPVAirPlayClient* client)
{
    if (m_center && m_service->isListed(client))
        m_center->updateDevice(client);
}

bool BenchReceiver::start()
{
    // Benchmarks keep to loopback: no Avahi daemon is reached, so nothing is announced.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/pivora-bench-bus");
    if (!m_service->start("Pivora-(bench)", nullptr) || !m_service->engine())
        return false;
    m_service->engine()->SetCallback(m_tap.get());
    return true;
}

int BenchReceiver::port() const
{
    return m_service->ports()[0];
}

int BenchReceiver::phonesShowing(const QString& prefix) const
{
    int count = 0;
    for (auto it = m_showing.cbegin(); it != m_showing.cend(); ++it)
        count += it.value() && it.key().startsWith(prefix) ? 1 : 0;
    return count;
}

void BenchReceiver::newChannel(QPVAirPlayClient* client)
{
    if (!m_service->isListed(client))
        return;
    client->createDeviceSession();
    PVDevice* session = client->deviceSession();
    QPVDeviceWidget* window = session ? session->deviceWidget() : nullptr;
    if (!window)
        return;
    const QString id = client->channelId();
    const std::string key = id.toStdString();
    m_showing.insert(id, false);
    connect(window, &QPVDeviceWidget::frameShown, this, [this, id, key](int64_t pts) {
        m_showing[id] = true;
        m_tap->frameShown(key, pts);
    });
    m_renderEngine =
        window->renderWidget()->engine() == QRenderWidget::OpenGL ? QStringLiteral("OpenGL") : QStringLiteral("raster");
    if (m_center)
        m_center->addDevice(client);
    if (QWidget* renderer = window->renderWidget()->renderWidget()) {
        m_renderers[renderer] = key;
        renderer->installEventFilter(this);
        connect(renderer, &QObject::destroyed, this, [this](QObject* gone) { m_renderers.erase(gone); });
    }
}

bool BenchReceiver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        auto found = m_renderers.find(watched);
        if (found != m_renderers.end())
            m_tap->framePainted(found->second);
    }
    return QObject::eventFilter(watched, event);
}

void BenchReceiver::stopChannel(QPVAirPlayClient* client)
{
    if (!m_service->isListed(client))
        return;
    m_showing.remove(client->channelId());
    if (m_center)
        m_center->removeDevice(client);
    m_service->removeClient(client);
}
