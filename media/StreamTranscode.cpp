#include "media/StreamTranscode.h"

#include "media/AVCompat.h"
#include "media/Recorder.h"

#include <QDebug>

#include <chrono>

extern "C" {
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
}

namespace {
constexpr AVRational kMicroseconds{1, 1000000};
constexpr std::chrono::milliseconds kPoll(10);
} // namespace

StreamTranscode::StreamTranscode(QObject* parent)
    : QThread(parent)
{
}

StreamTranscode::~StreamTranscode()
{
    stopEncoder();
    releaseCodecState();
    av_channel_layout_uninit(&m_resampleLayout);
}

void StreamTranscode::setOutput(bool audio, const AVCodecParameters* encoderParams)
{
    m_streamIndex = audio ? 1 : 0;
    m_encoderParams.reset(avcodec_parameters_alloc());
    if (m_encoderParams && encoderParams)
        avcodec_parameters_copy(m_encoderParams.get(), encoderParams);
}

void StreamTranscode::setSink(Recorder* sink)
{
    std::unique_lock<std::mutex> locker(m_mutex);
    m_sink = sink;
}

bool StreamTranscode::startEncoder()
{
    if (!m_encoder) {
        const AVCodec* codec = m_encoderParams ? avcodec_find_encoder(m_encoderParams->codec_id) : nullptr;
        AVCodecContextPtr encoder(codec ? avcodec_alloc_context3(codec) : nullptr);
        bool opened = encoder && avcodec_parameters_to_context(encoder.get(), m_encoderParams.get()) >= 0;
        if (opened) {
            encoder->time_base = AVRational{1, encoder->sample_rate > 0 ? encoder->sample_rate : 1};
            opened = avcodec_open2(encoder.get(), codec, nullptr) >= 0;
        }
        if (!opened) {
            qCritical("Could not open encode codec");
            return false;
        }
        m_openedParams.reset(avcodec_parameters_alloc());
        if (m_openedParams)
            avcodec_parameters_from_context(m_openedParams.get(), encoder.get());
        m_encoder = std::move(encoder);
    }
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_stop = false;
        m_accepting = true;
    }
    start(QThread::InheritPriority);
    return true;
}

bool StreamTranscode::encoderParameters(AVCodecParameters* out) const
{
    return m_openedParams && out && avcodec_parameters_copy(out, m_openedParams.get()) >= 0;
}

void StreamTranscode::pushFrame(const AVFrame* frame)
{
    if (!frame)
        return;
    std::unique_lock<std::mutex> locker(m_mutex);
    if (!m_sink || !m_sink->isStarted() || !m_accepting || m_stop)
        return;
    if (m_encoderClock == AV_NOPTS_VALUE)
        m_encoderClock = frame->pts == AV_NOPTS_VALUE ? 0 : frame->pts;
    AVFramePtr clone(av_frame_clone(frame));
    if (!clone) {
        qWarning("Could not queue an audio frame for encoding");
        return;
    }
    m_frames.push_back(std::move(clone));
    m_condition.notify_one();
}

void StreamTranscode::stopEncoder()
{
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        m_stop = true;
        m_condition.notify_one();
    }
    wait();
    // Pairs with the lock at the end of run(), so race checkers see the thread's writes first.
    std::unique_lock<std::mutex> locker(m_mutex);
}

AVFramePtr StreamTranscode::takeFrame()
{
    std::unique_lock<std::mutex> locker(m_mutex);
    for (;;) {
        if (!m_frames.empty()) {
            AVFramePtr frame = std::move(m_frames.front());
            m_frames.pop_front();
            if (m_clockBase == AV_NOPTS_VALUE && m_encoder)
                m_clockBase = av_rescale_q(m_encoderClock, kMicroseconds, m_encoder->time_base);
            return frame;
        }
        if (m_stop) {
            m_accepting = false;
            return nullptr;
        }
        m_condition.wait_for(locker, kPoll);
    }
}

void StreamTranscode::run()
{
    while (AVFramePtr frame = takeFrame())
        encodeFrame(frame.get());
    if (m_encoder) {
        // Flush: the encoder holds back a few frames of look-ahead.
        sendFrame(nullptr);
    }
    qDebug("End of StreamTranscode Frames");
    releaseCodecState();
    emit onStreamStop();
    std::unique_lock<std::mutex> locker(m_mutex);
}

void StreamTranscode::releaseCodecState()
{
    m_encoder.reset();
    swr_free(&m_resampler);
    if (m_fifo) {
        av_audio_fifo_free(m_fifo);
        m_fifo = nullptr;
    }
}

bool StreamTranscode::frameMatchesEncoder(const AVFrame* frame) const
{
    return frame->format == m_encoder->sample_fmt && frame->sample_rate == m_encoder->sample_rate
        && av_channel_layout_compare(&frame->ch_layout, &m_encoder->ch_layout) == 0
        && frame->nb_samples == m_encoder->frame_size;
}

void StreamTranscode::encodeFrame(const AVFrame* frame)
{
    if (!m_encoder)
        return;
    if (frameMatchesEncoder(frame)) {
        AVFramePtr copy(av_frame_clone(frame));
        if (!copy)
            return;
        if (copy->pts != AV_NOPTS_VALUE)
            copy->pts = av_rescale_q(copy->pts, kMicroseconds, m_encoder->time_base);
        setFrameDuration(copy.get(), m_encoder->frame_size);
        sendFrame(copy.get());
        return;
    }
    if (!prepareResampler(frame))
        return;
    resampleIntoFifo(frame);
    encodeFifo();
}

bool StreamTranscode::prepareResampler(const AVFrame* frame)
{
    if (frame->sample_rate <= 0 || frame->ch_layout.nb_channels <= 0 || frame->nb_samples <= 0
        || av_get_bytes_per_sample(static_cast<AVSampleFormat>(frame->format)) <= 0) {
        qWarning("Audio frame with an unusable format dropped");
        return false;
    }
    const bool sameInput = m_resampler && frame->format == m_resampleFormat
        && frame->sample_rate == m_resampleRate
        && av_channel_layout_compare(&frame->ch_layout, &m_resampleLayout) == 0;
    if (sameInput)
        return true;
    swr_free(&m_resampler);
    av_channel_layout_uninit(&m_resampleLayout);
    av_channel_layout_copy(&m_resampleLayout, &frame->ch_layout);
    m_resampleFormat = frame->format;
    m_resampleRate = frame->sample_rate;
    if (swr_alloc_set_opts2(&m_resampler, &m_encoder->ch_layout, m_encoder->sample_fmt,
                            m_encoder->sample_rate, &m_resampleLayout,
                            static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0,
                            nullptr) < 0
        || swr_init(m_resampler) < 0) {
        swr_free(&m_resampler);
        return false;
    }
    if (!m_fifo)
        m_fifo = av_audio_fifo_alloc(m_encoder->sample_fmt, m_encoder->ch_layout.nb_channels,
                                     m_encoder->sample_rate);
    return m_fifo != nullptr;
}

void StreamTranscode::resampleIntoFifo(const AVFrame* frame)
{
    const int capacity = static_cast<int>(av_rescale_rnd(
        swr_get_delay(m_resampler, frame->sample_rate) + frame->nb_samples, m_encoder->sample_rate,
        frame->sample_rate, AV_ROUND_UP));
    AVFramePtr converted = makeAVFrame();
    if (!converted)
        return;
    converted->format = m_encoder->sample_fmt;
    converted->sample_rate = m_encoder->sample_rate;
    converted->nb_samples = capacity;
    av_channel_layout_copy(&converted->ch_layout, &m_encoder->ch_layout);
    if (av_frame_get_buffer(converted.get(), 0) < 0)
        return;
    const int produced = swr_convert(m_resampler, converted->data, capacity,
                                     const_cast<const uint8_t**>(frame->extended_data),
                                     frame->nb_samples);
    if (produced <= 0)
        return;
    if (av_audio_fifo_write(m_fifo, reinterpret_cast<void**>(converted->data), produced) < produced)
        qWarning("Could not buffer resampled audio");
}

void StreamTranscode::encodeFifo()
{
    const int frameSize = m_encoder->frame_size > 0 ? m_encoder->frame_size : 1024;
    while (av_audio_fifo_size(m_fifo) >= frameSize) {
        AVFramePtr frame = makeAVFrame();
        if (!frame)
            return;
        frame->format = m_encoder->sample_fmt;
        frame->sample_rate = m_encoder->sample_rate;
        frame->nb_samples = frameSize;
        av_channel_layout_copy(&frame->ch_layout, &m_encoder->ch_layout);
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            return;
        if (av_audio_fifo_read(m_fifo, reinterpret_cast<void**>(frame->data), frameSize) < frameSize)
            return;
        // Timestamps count samples from the first frame's time, so they never drift.
        frame->pts = m_clockBase + m_samplesSent;
        setFrameDuration(frame.get(), frameSize);
        m_samplesSent += frameSize;
        sendFrame(frame.get());
    }
}

// frame: timestamps in the encoder's time base; null flushes the encoder.
void StreamTranscode::sendFrame(AVFrame* frame)
{
    if (frame)
        frame->pkt_dts = frame->pts;
    for (;;) {
        const int sent = avcodec_send_frame(m_encoder.get(), frame);
        drainPackets();
        if (sent != AVERROR(EAGAIN))
            return;
    }
}

void StreamTranscode::drainPackets()
{
    AVPacketPtr packet = makeAVPacket();
    if (!packet)
        return;
    Recorder* sink;
    {
        std::unique_lock<std::mutex> locker(m_mutex);
        sink = m_sink;
    }
    while (avcodec_receive_packet(m_encoder.get(), packet.get()) == 0) {
        packet->stream_index = m_streamIndex;
        av_packet_rescale_ts(packet.get(), m_encoder->time_base, kMicroseconds);
        if (sink)
            sink->push(packet.get());
        av_packet_unref(packet.get());
    }
}
