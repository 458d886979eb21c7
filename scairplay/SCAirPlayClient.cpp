#include "scairplay/SCAirPlayClient.h"

#include "scairplay/AvcConfig.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mathematics.h>
}

namespace {

constexpr int kConfigurationRecord = 1;
constexpr int kVideoStreamIndex = 0;
constexpr int kAudioStreamIndex = 1;
constexpr int kAudioFrameSize = 1024;
constexpr int kDefaultSampleRate = 44100;
constexpr AVRational kMicroseconds = {1, 1000000};

std::string textOf(const char* text)
{
    return text ? std::string(text) : std::string();
}

// A packet holding a copy of `length` bytes with FFmpeg's zero padding.
AVPacketPtr packetWithCopy(const uint8_t* data, int length)
{
    AVPacketPtr packet = makeAVPacket();
    if (!packet || av_new_packet(packet.get(), length) < 0) {
        qCritical("Out of memory for a %d-byte media packet", length);
        return nullptr;
    }
    if (length > 0)
        std::memcpy(packet->data, data, size_t(length));
    return packet;
}

// The built-in audio format of a channel until the phone names its own.
AVCodecParametersPtr defaultAudioParameters()
{
    AVCodecParametersPtr par(avcodec_parameters_alloc());
    if (!par)
        return nullptr;
    par->codec_type = AVMEDIA_TYPE_AUDIO;
    par->codec_id = AV_CODEC_ID_PCM_S16LE;
    par->format = AV_SAMPLE_FMT_S16;
    av_channel_layout_uninit(&par->ch_layout);
    par->ch_layout = AV_CHANNEL_LAYOUT_STEREO;
    par->sample_rate = kDefaultSampleRate;
    par->bits_per_raw_sample = 16;
    par->frame_size = kAudioFrameSize;
    return par;
}

} // namespace

SCAirPlayClient::SCAirPlayClient(SCAirPlayService* service, const char* channelId, uint32_t kind)
    : m_service(service)
    , m_kind(kind)
    , m_channelId(textOf(channelId))
{
}

SCAirPlayClient::~SCAirPlayClient() = default;

void SCAirPlayClient::end()
{
    audioStopped();
    mirroringStopped();
    delete this;
}

void SCAirPlayClient::audioStopped()
{
}

void SCAirPlayClient::mirroringStopped()
{
    m_videoStreamIndex = -1;
    m_audioStreamIndex = -1;
    {
        std::lock_guard<std::mutex> lock(m_videoMutex);
        m_videoParameters.reset();
    }
    m_audioParameters.reset();
    m_audioFromFormat = false;
}

void SCAirPlayClient::informationChanged(int)
{
}

PVDevice* SCAirPlayClient::deviceSession() const
{
    return nullptr;
}

void SCAirPlayClient::audioFormat(const AVCodecParameters*, uint32_t)
{
}

void SCAirPlayClient::audioPacket(const AVPacket*)
{
}

void SCAirPlayClient::streamStarted(const AVCodecParameters*, const AVCodecParameters*)
{
}

void SCAirPlayClient::videoPackets(const AVPacket*, const AVPacket*, int, int)
{
}

void SCAirPlayClient::streamChanged(const AVCodecParameters*, const AVCodecParameters*)
{
}

void SCAirPlayClient::rotationChanged(int, int)
{
}

int64_t SCAirPlayClient::toMicroseconds(double seconds)
{
    const double us = seconds * 1000000.0;
    // The engine checks its timestamps; a value that still cannot be held counts as 0.
    if (!std::isfinite(us) || us >= 9.2e18 || us <= -9.2e18)
        return 0;
    return static_cast<int64_t>(us);
}

void SCAirPlayClient::handleMirroringStarted(const uint8_t* data, int length, int dataKind, double timestamp)
{
    m_lastTimestamp = toMicroseconds(timestamp);
    m_rotation.store(0);
    m_videoStreamIndex = kVideoStreamIndex;
    handleData(data, length, dataKind, timestamp, 0, true);
}

void SCAirPlayClient::handleMirroringData(const uint8_t* data, int length, int dataKind, double timestamp,
                                          int rotation)
{
    handleData(data, length, dataKind, timestamp, rotation, false);
}

void SCAirPlayClient::handleData(const uint8_t* data, int length, int dataKind, double timestamp, int rotation,
                                 bool first)
{
    if (!data || length <= 0) {
        qWarning("Empty mirroring data ignored");
        return;
    }
    AVPacketPtr received = packetWithCopy(data, length);
    if (!received)
        return;
    received->stream_index = m_videoStreamIndex;

    AVPacketPtr converted;
    if (dataKind != kConfigurationRecord) {
        converted = packetWithCopy(data, length);
        if (!converted)
            return;
        const AvcNalRewrite rewrite = rewriteNalLengthsToStartCodes(converted->data, length);
        if (rewrite.keyFrame) {
            received->flags |= AV_PKT_FLAG_KEY;
            converted->flags |= AV_PKT_FLAG_KEY;
        }
    } else {
        AvcConfigRecord record;
        parseAvcConfigRecord(data, length, &record);  // keeps the complete sets of a cut record
        const QByteArray annexB = avcConfigToAnnexB(record);
        converted = packetWithCopy(reinterpret_cast<const uint8_t*>(annexB.constData()), annexB.size());
        if (!converted)
            return;
    }
    converted->stream_index = m_videoStreamIndex;

    if (dataKind == kConfigurationRecord) {
        for (AVPacket* p : {received.get(), converted.get()}) {
            p->pts = AV_NOPTS_VALUE;
            p->dts = AV_NOPTS_VALUE;
            p->duration = 0;
        }
        buildStreamParameters(data, length);
        if (first)
            streamStarted(m_videoParameters.get(), m_audioParameters.get());
        else
            streamChanged(m_videoParameters.get(), m_audioParameters.get());
    } else {
        const int64_t now = toMicroseconds(timestamp);
        for (AVPacket* p : {received.get(), converted.get()}) {
            p->pts = now;
            p->dts = m_lastTimestamp;
            p->duration = std::max<int64_t>(0, now - m_lastTimestamp);
        }
        m_lastTimestamp = now;
    }

    videoPackets(converted.get(), received.get(), dataKind, rotation);
    converted.reset();
    received.reset();

    const int stored = m_rotation.load();
    if (rotation != stored) {
        rotationChanged(stored, rotation);
        m_rotation.store(rotation);
    }
    updateFrameSize();
}

bool SCAirPlayClient::buildStreamParameters(const uint8_t* data, int length)
{
    AVCodecParametersPtr video(avcodec_parameters_alloc());
    if (!video) {
        qCritical("Out of memory for the video parameters");
        return false;
    }
    const bool complete = fillAvcVideoParameters(video.get(), data, length);
    {
        std::lock_guard<std::mutex> lock(m_videoMutex);
        m_videoParameters.swap(video);
    }
    video.reset();  // the replaced parameters, freed outside the lock
    // A format the phone announced stays; only a channel without one gets the built-in format.
    if (!m_audioFromFormat || !m_audioParameters)
        m_audioParameters = defaultAudioParameters();
    return complete;
}

bool SCAirPlayClient::copyVideoParameters(AVCodecParameters* out) const
{
    std::lock_guard<std::mutex> lock(m_videoMutex);
    return out && m_videoParameters && avcodec_parameters_copy(out, m_videoParameters.get()) >= 0;
}

void SCAirPlayClient::updateFrameSize()
{
    const AVCodecParameters* par = m_videoParameters.get();
    if (!par)
        return;
    std::lock_guard<std::mutex> lock(m_infoMutex);
    if (m_frameWidth > 0 && m_frameHeight > 0)
        return;
    // A configuration whose size could not be read leaves the size unknown, not 0x0.
    if (par->width <= 0 || par->height <= 0)
        return;
    m_frameWidth = std::min(par->width, par->height);
    m_frameHeight = std::max(par->width, par->height);
}

void SCAirPlayClient::portraitSize(int* width, int* height) const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    *width = m_frameWidth;
    *height = m_frameHeight;
}

void SCAirPlayClient::handleAudioFormat(int bitsPerSample, int channels, int sampleRate, uint32_t extra)
{
    AVCodecID codec = AV_CODEC_ID_NONE;
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    switch (bitsPerSample) {
    case 8:
        codec = AV_CODEC_ID_PCM_U8;
        format = AV_SAMPLE_FMT_U8;
        break;
    case 16:
        codec = AV_CODEC_ID_PCM_S16LE;
        format = AV_SAMPLE_FMT_S16;
        break;
    case 32:
        codec = AV_CODEC_ID_PCM_F32LE;
        format = AV_SAMPLE_FMT_FLT;
        break;
    default:
        qWarning("Audio format with %d bits per sample is not supported; ignored", bitsPerSample);
        return;
    }
    if (channels <= 0 || sampleRate <= 0) {
        qWarning("Audio format with %d channels at %d Hz ignored", channels, sampleRate);
        return;
    }
    AVCodecParametersPtr par(avcodec_parameters_alloc());
    if (!par) {
        qCritical("Out of memory for the audio parameters");
        return;
    }
    par->codec_type = AVMEDIA_TYPE_AUDIO;
    par->codec_id = codec;
    par->format = format;
    av_channel_layout_uninit(&par->ch_layout);
    if (channels == 1)
        par->ch_layout = AV_CHANNEL_LAYOUT_MONO;
    else if (channels == 2)
        par->ch_layout = AV_CHANNEL_LAYOUT_STEREO;
    else
        av_channel_layout_default(&par->ch_layout, channels);  // keeps the real channel count
    par->sample_rate = sampleRate;
    par->bits_per_raw_sample = bitsPerSample;
    par->frame_size = kAudioFrameSize;

    m_audioStreamIndex = kAudioStreamIndex;
    m_audioParameters = std::move(par);
    m_audioFromFormat = true;
    audioFormat(m_audioParameters.get(), extra);
}

void SCAirPlayClient::handleAudioData(const uint8_t* data, int length, double timestamp)
{
    m_audioStreamIndex = kAudioStreamIndex;
    const AVCodecParameters* par = m_audioParameters.get();
    if (!par || par->ch_layout.nb_channels <= 0 || par->bits_per_raw_sample < 8 || par->sample_rate <= 0)
        return;  // no format yet: nothing to say what the bytes are
    if (!data || length <= 0)
        return;
    const int bytesPerSample = par->bits_per_raw_sample / 8;
    const int64_t samples = length / par->ch_layout.nb_channels / bytesPerSample;

    AVPacketPtr packet = packetWithCopy(data, length);
    if (!packet)
        return;
    packet->stream_index = kAudioStreamIndex;
    packet->pts = toMicroseconds(timestamp);
    packet->dts = packet->pts;
    packet->duration = av_rescale_q(samples, AVRational{1, par->sample_rate}, kMicroseconds);
    audioPacket(packet.get());
}

void SCAirPlayClient::setInformation(const char* phoneName, const char* channelId, const char* systemVersion,
                                     const char* model)
{
    int majorMinor = 0;
    const std::string version = textOf(systemVersion);
    const int number = versionNumberOf(version, &majorMinor);
    {
        std::lock_guard<std::mutex> lock(m_infoMutex);
        m_phoneName = textOf(phoneName);
        m_channelId = textOf(channelId);
        m_systemVersion = version;
        m_modelId = textOf(model);
    }
    m_versionNumber.store(number);
    informationChanged(majorMinor);
}

int SCAirPlayClient::versionNumberOf(const std::string& systemVersion, int* majorMinor)
{
    int parts[3] = {0, 0, 0};
    size_t pos = 0;
    for (int& part : parts) {
        if (pos >= systemVersion.size())
            break;
        // Leading digits of this part; anything else ends it. Large values are capped so that
        // a silly version text cannot overflow the sum.
        int value = 0;
        while (pos < systemVersion.size() && systemVersion[pos] >= '0' && systemVersion[pos] <= '9') {
            value = std::min(value * 10 + (systemVersion[pos] - '0'), 100000);
            ++pos;
        }
        part = value;
        const size_t dot = systemVersion.find('.', pos);
        if (dot == std::string::npos)
            break;
        pos = dot + 1;
    }
    if (majorMinor)
        *majorMinor = parts[0] * 10 + parts[1];
    return parts[0] * 100 + parts[1] * 10 + parts[2];
}

std::string SCAirPlayClient::channelIdUtf8() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return m_channelId;
}

std::string SCAirPlayClient::modelIdUtf8() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return m_modelId;
}

std::string SCAirPlayClient::systemVersionUtf8() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return m_systemVersion;
}

std::string SCAirPlayClient::phoneNameUtf8() const
{
    std::lock_guard<std::mutex> lock(m_infoMutex);
    return m_phoneName;
}
