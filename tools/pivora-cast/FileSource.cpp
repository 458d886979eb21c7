#include "FileSource.h"

#include "H264Units.h"

#include <cstdio>

extern "C" {
#include <libavutil/channel_layout.h>
}

FileSource::FileSource(std::string path, bool loop) : m_path(std::move(path)), m_loop(loop) {}

bool FileSource::open(std::string& error)
{
    AVFormatContext* raw = nullptr;
    int rc = avformat_open_input(&raw, m_path.c_str(), nullptr, nullptr);
    if (rc < 0) {
        error = "cannot open " + m_path + ": " + ffmpegError(rc);
        return false;
    }
    m_format.reset(raw);
    rc = avformat_find_stream_info(m_format.get(), nullptr);
    if (rc < 0) {
        error = "cannot read the streams of " + m_path + ": " + ffmpegError(rc);
        return false;
    }
    m_packet.reset(av_packet_alloc());
    if (!m_packet || !openVideo(error))
        return false;
    openAudio();
    return true;
}

bool FileSource::openVideo(std::string& error)
{
    m_videoStream = av_find_best_stream(m_format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (m_videoStream < 0) {
        error = m_path + " has no video track";
        return false;
    }
    const AVCodecParameters* par = m_format->streams[m_videoStream]->codecpar;
    if (par->codec_id != AV_CODEC_ID_H264) {
        error = m_path + ": the video track is " + avcodec_get_name(par->codec_id) + ", not H.264";
        return false;
    }
    m_width = par->width;
    m_height = par->height;
    if (par->extradata_size > 0 && par->extradata[0] == 1) {
        m_record.assign(par->extradata, par->extradata + par->extradata_size);
    } else if (par->extradata_size > 0) {
        m_annexB = true;
        m_record = h264::configRecordFromAnnexB(par->extradata, size_t(par->extradata_size));
    }
    if (m_record.empty()) {
        error = m_path + ": the H.264 track has no parameter sets";
        return false;
    }
    return true;
}

void FileSource::openAudio()
{
    m_audioStream = av_find_best_stream(m_format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (m_audioStream < 0)
        return;
    const AVCodecParameters* par = m_format->streams[m_audioStream]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    AVCodecContextPtr ctx(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!ctx || avcodec_parameters_to_context(ctx.get(), par) < 0 || avcodec_open2(ctx.get(), codec, nullptr) < 0) {
        std::fprintf(stderr, "pivora-cast: the sound of %s cannot be decoded; sending the picture only\n",
                     m_path.c_str());
        m_audioStream = -1;
        return;
    }
    AVChannelLayout out;
    const int channels = ctx->ch_layout.nb_channels >= 2 ? 2 : 1;
    av_channel_layout_default(&out, channels);
    SwrContext* swr = nullptr;
    if (swr_alloc_set_opts2(&swr, &out, AV_SAMPLE_FMT_S16, ctx->sample_rate, &ctx->ch_layout, ctx->sample_fmt,
                            ctx->sample_rate, 0, nullptr) < 0 || swr_init(swr) < 0) {
        swr_free(&swr);
        std::fprintf(stderr, "pivora-cast: the sound of %s cannot be converted; sending the picture only\n",
                     m_path.c_str());
        m_audioStream = -1;
        return;
    }
    m_resampler.reset(swr);
    m_audioFrame.reset(av_frame_alloc());
    m_audioFormat.bitsPerSample = 16;
    m_audioFormat.channels = uint32_t(channels);
    m_audioFormat.sampleRate = uint32_t(ctx->sample_rate);
    m_audioFormat.tag = 0;
    m_audioDecoder = std::move(ctx);
}

double FileSource::seconds(int64_t value, AVRational timeBase) const
{
    return double(value) * av_q2d(timeBase) + m_loopOffset;
}

bool FileSource::takeVideo(const AVPacket* packet, MediaUnit& unit)
{
    const bool key = packet->flags & AV_PKT_FLAG_KEY;
    // A key-frame request on stored material skips ahead to its next key frame.
    if (takeKeyFrameRequest())
        m_skipToKey = true;
    if (m_skipToKey && !key)
        return false;
    m_skipToKey = false;
    const AVRational tb = m_format->streams[m_videoStream]->time_base;
    const int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    const int64_t dts = packet->dts != AV_NOPTS_VALUE ? packet->dts : pts;
    if (pts == AV_NOPTS_VALUE)
        return false;
    unit.kind = MediaUnit::Video;
    unit.key = key;
    unit.timestamp = seconds(pts, tb);
    unit.sendTime = seconds(dts, tb);
    if (m_annexB)
        unit.data = h264::annexBToLengthPrefixed(packet->data, size_t(packet->size));
    else
        unit.data.assign(packet->data, packet->data + packet->size);
    m_lastEnd = std::max(m_lastEnd, double(pts + packet->duration) * av_q2d(tb));
    return true;
}

void FileSource::decodeAudio(const AVPacket* packet)
{
    if (avcodec_send_packet(m_audioDecoder.get(), packet) < 0)
        return;  // a damaged packet costs its own samples only
    const AVRational tb = m_format->streams[m_audioStream]->time_base;
    while (avcodec_receive_frame(m_audioDecoder.get(), m_audioFrame.get()) >= 0) {
        AVFrame* f = m_audioFrame.get();
        const int capacity = swr_get_out_samples(m_resampler.get(), f->nb_samples);
        MediaUnit unit;
        unit.kind = MediaUnit::Audio;
        unit.data.resize(size_t(std::max(capacity, 0)) * m_audioFormat.channels * 2);
        uint8_t* out[1] = {unit.data.data()};
        const int got = swr_convert(m_resampler.get(), out, capacity, const_cast<const uint8_t**>(f->extended_data),
                                    f->nb_samples);
        const int64_t pts = f->best_effort_timestamp;
        av_frame_unref(f);
        if (got <= 0 || pts == AV_NOPTS_VALUE)
            continue;
        unit.data.resize(size_t(got) * m_audioFormat.channels * 2);
        unit.timestamp = unit.sendTime = seconds(pts, tb);
        m_pendingAudio.push_back(std::move(unit));
    }
}

bool FileSource::restart()
{
    if (av_seek_frame(m_format.get(), -1, 0, AVSEEK_FLAG_BACKWARD) < 0) {
        std::fprintf(stderr, "pivora-cast: cannot start %s over\n", m_path.c_str());
        return false;
    }
    if (m_audioDecoder)
        avcodec_flush_buffers(m_audioDecoder.get());
    m_loopOffset += m_lastEnd;
    m_lastEnd = 0;
    m_skipToKey = false;
    return true;
}

bool FileSource::next(MediaUnit& unit)
{
    for (;;) {
        if (!m_pendingAudio.empty()) {
            unit = std::move(m_pendingAudio.front());
            m_pendingAudio.pop_front();
            return true;
        }
        if (m_draining)
            return false;
        const int rc = av_read_frame(m_format.get(), m_packet.get());
        if (rc < 0) {
            if (rc != AVERROR_EOF)
                std::fprintf(stderr, "pivora-cast: reading %s failed: %s\n", m_path.c_str(), ffmpegError(rc).c_str());
            if (m_loop && m_lastEnd > 0 && restart())
                continue;
            // The decoder still holds the last samples.
            if (m_audioDecoder)
                decodeAudio(nullptr);
            m_draining = true;
            continue;
        }
        bool taken = false;
        if (m_packet->stream_index == m_videoStream)
            taken = takeVideo(m_packet.get(), unit);
        else if (m_packet->stream_index == m_audioStream)
            decodeAudio(m_packet.get());
        av_packet_unref(m_packet.get());
        if (taken)
            return true;
    }
}
