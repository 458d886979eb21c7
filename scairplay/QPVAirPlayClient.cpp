#include "scairplay/QPVAirPlayClient.h"

#include "media/pvoaudio.h"

#include "media/PVDevice.h"
#include "scairplay/QPVAirPlayService.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {
constexpr int kVideoMedia = 0;
}

QPVAirPlayClient::QPVAirPlayClient(QPVAirPlayService* service, const char* channelId, uint32_t kind)
    : SCAirPlayClient(service, channelId, kind)
    , m_airplayService(service)
{
    addAudioSource();
}

QPVAirPlayClient::~QPVAirPlayClient()
{
    PVDevice* session = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_sessionMutex);
        session = m_session.data();
        m_session.clear();
    }
    delete session;
    removeAudioSource();
}

QString QPVAirPlayClient::channelId() const
{
    return QString::fromStdString(channelIdUtf8());
}

QString QPVAirPlayClient::modelId() const
{
    return QString::fromStdString(modelIdUtf8());
}

QString QPVAirPlayClient::systemVersion() const
{
    return QString::fromStdString(systemVersionUtf8());
}

QString QPVAirPlayClient::phoneName() const
{
    return QString::fromStdString(phoneNameUtf8());
}

QSize QPVAirPlayClient::frameSize() const
{
    int width = 0;
    int height = 0;
    portraitSize(&width, &height);
    return (width > 0 && height > 0) ? QSize(width, height) : QSize();
}

PVDevice* QPVAirPlayClient::deviceSession() const
{
    std::lock_guard<std::mutex> lock(m_sessionMutex);
    return m_session.data();
}

void QPVAirPlayClient::createDeviceSession()
{
    PVDevice* previous = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_sessionMutex);
        previous = m_session.data();
        m_session.clear();
    }
    if (previous) {
        qInfo("Channel %s: the device session of the earlier connection ends", qPrintable(channelId()));
        delete previous;
    }
    auto* session = new PVDevice(this);
    std::lock_guard<std::mutex> lock(m_sessionMutex);
    m_session = session;
}

void QPVAirPlayClient::shutdownDevice()
{
    m_airplayService->DisconnectChannel(this);
    emit m_airplayService->didStopChannel(this);
}

void QPVAirPlayClient::audioStopped()
{
    stopAudioSource();
    SCAirPlayClient::audioStopped();
}

void QPVAirPlayClient::mirroringStopped()
{
    {
        std::lock_guard<std::mutex> lock(m_sessionMutex);
        if (m_session)
            emit m_session->mirroringStop();
    }
    SCAirPlayClient::mirroringStopped();
}

void QPVAirPlayClient::informationChanged(int)
{
    std::lock_guard<std::mutex> lock(m_sessionMutex);
    if (m_session)
        emit m_session->deviceInfoChanged();
}

void QPVAirPlayClient::audioFormat(const AVCodecParameters* audioParameters, uint32_t extra)
{
    // Needs only the mixer's source, not the session.
    setAudioSourceFormat(audioParameters->bits_per_raw_sample, audioParameters->ch_layout.nb_channels,
                         audioParameters->sample_rate, extra);
}

void QPVAirPlayClient::audioPacket(const AVPacket* packet)
{
    {
        std::lock_guard<std::mutex> lock(m_sessionMutex);
        if (m_session && m_session->isMuted())
            return;
    }
    pushAudio(packet->data, packet->size, double(packet->pts));
}

void QPVAirPlayClient::streamStarted(const AVCodecParameters* video, const AVCodecParameters*)
{
    announceStream(video, true);
}

void QPVAirPlayClient::streamChanged(const AVCodecParameters* video, const AVCodecParameters*)
{
    announceStream(video, false);
}

void QPVAirPlayClient::announceStream(const AVCodecParameters* video, bool first)
{
    std::lock_guard<std::mutex> lock(m_sessionMutex);
    if (!m_session)
        return;
    const QSize size = video ? QSize(video->width, video->height) : QSize();
    if (first)
        emit m_session->mirroringPlay(size, lastTimestamp());
    else
        emit m_session->mirroringSizeChanged(size, lastTimestamp());
    m_waitingForKeyFrame = true;
}

void QPVAirPlayClient::videoPackets(const AVPacket* converted, const AVPacket* received, int, int)
{
    std::lock_guard<std::mutex> lock(m_sessionMutex);
    if (!m_session || !converted || converted->size <= 0)
        return;
    if (converted->flags & AV_PKT_FLAG_KEY)
        m_waitingForKeyFrame = false;
    // A decoder cannot start inside a group of pictures; configuration (no timestamp) still goes.
    if (m_waitingForKeyFrame && converted->pts != AV_NOPTS_VALUE)
        return;
    AVPacket* packet = av_packet_clone(converted);
    AVPacket* rawPacket = av_packet_clone(received);
    if (!packet || !rawPacket) {
        qCritical("Out of memory for a video packet; dropped");
        av_packet_free(&packet);
        av_packet_free(&rawPacket);
        return;
    }
    emit m_session->deliverMediaPacket(kVideoMedia, packet, rawPacket);
}

void QPVAirPlayClient::rotationChanged(int oldDir, int newDir)
{
    {
        std::lock_guard<std::mutex> lock(m_sessionMutex);
        if (!m_session)
            return;
        emit m_session->mirroringRotated(oldDir, newDir);
    }
    m_airplayService->Rotated(this, oldDir, newDir);
}

// --- Audio mixer source. The mixer library plugs in here; until then the phone's sound is
// converted and timed but not played.

void QPVAirPlayClient::addAudioSource()
{
    std::string name = channelIdUtf8();
    m_audioSource = pvoAudioAddSource(name.data(), true);
    if (!m_audioSource)
        qWarning("No audio mixer source for channel %s; the phone will be silent", name.c_str());
}

void QPVAirPlayClient::removeAudioSource()
{
    if (m_audioSource)
        pvoAudioRemoveSource(m_audioSource);
    m_audioSource = nullptr;
}

void QPVAirPlayClient::setAudioSourceFormat(int bitsPerSample, int channels, int sampleRate, uint32_t extra)
{
    if (m_audioSource && m_audioSource->source)
        m_audioSource->source->SetFormat(bitsPerSample, channels, sampleRate, extra);
}

void QPVAirPlayClient::pushAudio(const uint8_t* data, int size, double ptsMicroseconds)
{
    if (m_audioSource && m_audioSource->source)
        m_audioSource->source->PushSamples(data, size, ptsMicroseconds, 0);
}

void QPVAirPlayClient::stopAudioSource()
{
    if (m_audioSource && m_audioSource->source)
        m_audioSource->source->Stop();
}
