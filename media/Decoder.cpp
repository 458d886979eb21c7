#include "media/Decoder.h"

#include "media/VideoBuffer.h"

#include <QtGlobal>

#include <array>

namespace {

// Tried in this order; the first device that can be created wins.
constexpr std::array<AVHWDeviceType, 3> kHardwareTypes = {
    AV_HWDEVICE_TYPE_VAAPI, AV_HWDEVICE_TYPE_VDPAU, AV_HWDEVICE_TYPE_CUDA};

bool codecSupportsDevice(const AVCodec* codec, AVHWDeviceType type)
{
    for (int i = 0;; ++i) {
        const AVCodecHWConfig* config = avcodec_get_hw_config(codec, i);
        if (!config)
            return false;
        if ((config->methods & AV_CODEC_HW_CONFIG_METHOD_HW_DEVICE_CTX) && config->device_type == type)
            return true;
    }
}

QByteArray errorText(int code)
{
    char text[255] = {};
    av_strerror(code, text, sizeof text - 1);
    return QByteArray(text);
}

} // namespace

Decoder::Decoder(VideoBuffer* buffer, QObject* parent) : QObject(parent), m_buffer(buffer) {}

Decoder::~Decoder()
{
    close();
}

void Decoder::setHardwareDecoding(int enabled)
{
    m_hardwareDecoding = enabled;
}

int Decoder::hardwareDecoding() const
{
    return m_hardwareDecoding;
}

bool Decoder::open(const AVCodec* codec, const AVCodecParameters* params)
{
    close();
    if (!codec) {
        qCritical("Could not open H.264 codec");
        return false;
    }
    AVCodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context) {
        qCritical("Could not allocate decoder context");
        return false;
    }
    if (params && avcodec_parameters_to_context(context.get(), params) < 0) {
        qCritical("Could not copy the video parameters into the decoder");
        return false;
    }
    if (m_hardwareDecoding != 0) {
        m_hardwareDevice = createHardwareDevice(codec);
        if (m_hardwareDevice) {
            context->hw_device_ctx = av_buffer_ref(m_hardwareDevice.get());
            m_hardwareFrame = makeAVFrame();
        }
    }
    // One thread: frame threading would hold pictures back by a frame per thread.
    context->thread_count = 1;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) {
        qCritical("Could not open H.264 codec");
        close();
        return false;
    }
    m_context = std::move(context);
    m_open = true;
    return true;
}

AVBufferRefPtr Decoder::createHardwareDevice(const AVCodec* codec)
{
    for (AVHWDeviceType type : kHardwareTypes) {
        if (!codecSupportsDevice(codec, type))
            continue;
        AVBufferRef* device = nullptr;
        if (av_hwdevice_ctx_create(&device, type, nullptr, nullptr, 0) >= 0 && device) {
            m_hardwareType = type;
            qInfo("Hardware video decoding through %s", av_hwdevice_get_type_name(type));
            return AVBufferRefPtr(device);
        }
    }
    qDebug("No hardware video decoder available, decoding in software");
    return nullptr;
}

bool Decoder::decode(const AVPacket* packet)
{
    if (!m_context || !m_buffer)
        return false;
    // An empty packet would put the decoder into draining mode and end all later decoding.
    if (!packet || packet->size <= 0) {
        qWarning("Empty video packet skipped");
        return false;
    }
    if (!sendPacket(packet))
        return false;
    return receiveFrames();
}

void Decoder::close()
{
    m_open = false;
    m_context.reset();
    m_hardwareFrame.reset();
    m_hardwareDevice.reset();
    m_hardwareType = AV_HWDEVICE_TYPE_NONE;
}

bool Decoder::isOpen() const
{
    return m_open;
}

AVHWDeviceType Decoder::hardwareDeviceType() const
{
    return m_hardwareType;
}

bool Decoder::sendPacket(const AVPacket* packet)
{
    const int result = avcodec_send_packet(m_context.get(), packet);
    if (result < 0) {
        qCritical("Could not send video packet: %s", errorText(result).constData());
        return false;
    }
    return true;
}

bool Decoder::receiveFrames()
{
    // Everything the packet yields is taken, so the decoder never refuses the next packet;
    // a picture the display did not take in time is dropped by the buffer.
    for (;;) {
        AVFrame* frame = m_buffer->writeFrame();
        if (!frame)
            return false;
        const int result = avcodec_receive_frame(m_context.get(), frame);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return true;
        if (result < 0) {
            qCritical("Could not receive video frame: %d", result);
            return false;
        }
        if (frame->hw_frames_ctx && !downloadHardwareFrame(frame))
            continue;
        publishFrame();
    }
}

bool Decoder::downloadHardwareFrame(AVFrame* frame)
{
    if (!m_hardwareFrame)
        m_hardwareFrame = makeAVFrame();
    if (!m_hardwareFrame) {
        av_frame_unref(frame);
        return false;
    }
    av_frame_unref(m_hardwareFrame.get());
    av_frame_move_ref(m_hardwareFrame.get(), frame);
    frame->format = AV_PIX_FMT_NV12;
    int result = av_hwframe_transfer_data(frame, m_hardwareFrame.get(), 0);
    if (result < 0) {
        // The device may not offer NV12 (e.g. 10-bit content); take its own format then.
        av_frame_unref(frame);
        result = av_hwframe_transfer_data(frame, m_hardwareFrame.get(), 0);
    }
    if (result >= 0)
        result = av_frame_copy_props(frame, m_hardwareFrame.get());
    if (result < 0) {
        qCritical("Could not download hardware video frame: %s", errorText(result).constData());
        av_frame_unref(frame);
        av_frame_unref(m_hardwareFrame.get());
        return false;
    }
    av_frame_unref(m_hardwareFrame.get());
    return true;
}

void Decoder::publishFrame()
{
    bool previousDropped = true;
    m_buffer->publishFrame(previousDropped);
    // A frame not taken yet still has its notification on the way.
    if (!previousDropped)
        emit onNewFrame();
}
