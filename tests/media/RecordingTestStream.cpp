#include "RecordingTestStream.h"

#include "scairplay/AvcConfig.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// NAL units of an Annex B byte stream, without their start codes.
QVector<QByteArray> splitAnnexB(const QByteArray& bytes)
{
    QVector<QByteArray> units;
    int start = -1;
    int i = 0;
    while (i + 2 < bytes.size()) {
        if (bytes[i] == 0 && bytes[i + 1] == 0 && bytes[i + 2] == 1) {
            if (start >= 0) {
                int end = i;
                while (end > start && bytes[end - 1] == 0)
                    --end;
                units.append(bytes.mid(start, end - start));
            }
            i += 3;
            start = i;
        } else {
            ++i;
        }
    }
    if (start >= 0 && start < bytes.size())
        units.append(bytes.mid(start));
    return units;
}

void appendBigEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xff));
}

} // namespace

DeviceTestStream DeviceTestStream::encode(int width, int height, int count, int keyInterval)
{
    DeviceTestStream stream;
    const H264TestStream h264 = H264TestStream::encode(width, height, count, keyInterval);
    QByteArray sps, pps;
    for (const QByteArray& unit : splitAnnexB(h264.configuration)) {
        if ((unit[0] & 0x1f) == 7 && sps.isEmpty())
            sps = unit;
        else if ((unit[0] & 0x1f) == 8 && pps.isEmpty())
            pps = unit;
    }
    if (sps.size() < 4 || pps.isEmpty())
        return stream;
    stream.record = QByteArray::fromHex("01") + sps.mid(1, 3) + QByteArray::fromHex("ffe1");
    appendBigEndian(stream.record, sps.size(), 2);
    stream.record += sps + QByteArray::fromHex("01");
    appendBigEndian(stream.record, pps.size(), 2);
    stream.record += pps;
    for (const QByteArray& picture : h264.pictures) {
        QByteArray frame;
        bool key = false;
        for (const QByteArray& unit : splitAnnexB(picture)) {
            key = key || (unit[0] & 0x1f) == 5;
            appendBigEndian(frame, unit.size(), 4);
            frame += unit;
        }
        stream.frames.append(frame);
        stream.keys.append(key);
    }
    return stream;
}

AVPacketPtr DeviceTestStream::configPacket() const
{
    return makeTestPacket(record, AV_NOPTS_VALUE);
}

AVPacketPtr DeviceTestStream::framePacket(int index) const
{
    const int64_t pts = H264TestStream::ptsOf(index);
    AVPacketPtr packet = makeTestPacket(frames[index], pts, index ? H264TestStream::ptsOf(index - 1) : 0,
                                        keys[index] ? AV_PKT_FLAG_KEY : 0);
    packet->duration = index ? pts - H264TestStream::ptsOf(index - 1) : 0;
    return packet;
}

AVCodecParametersPtr DeviceTestStream::videoParameters() const
{
    AVCodecParametersPtr params(avcodec_parameters_alloc());
    fillAvcVideoParameters(params.get(), reinterpret_cast<const uint8_t*>(record.constData()),
                           record.size());
    return params;
}

ProbedFile ProbedFile::read(const QString& path)
{
    ProbedFile probed;
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return probed;
    if (avformat_find_stream_info(input, nullptr) < 0) {
        avformat_close_input(&input);
        return probed;
    }
    probed.opened = true;
    probed.streams = int(input->nb_streams);
    if (const AVDictionaryEntry* comment = av_dict_get(input->metadata, "comment", nullptr, 0))
        probed.comment = QString::fromUtf8(comment->value);
    AVPacketPtr packet = makeAVPacket();
    while (av_read_frame(input, packet.get()) >= 0) {
        const AVStream* stream = input->streams[packet->stream_index];
        const AVCodecParameters* par = stream->codecpar;
        const double end = (packet->pts + packet->duration) * av_q2d(stream->time_base);
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            probed.videoCodec = par->codec_id;
            probed.videoSize = QSize(par->width, par->height);
            probed.videoExtradata = QByteArray(reinterpret_cast<const char*>(par->extradata), par->extradata_size);
            probed.videoData.append(QByteArray(reinterpret_cast<const char*>(packet->data), packet->size));
            probed.videoPtsUs.append(av_rescale_q(packet->pts, stream->time_base, AVRational{1, 1000000}));
            probed.videoKeys.append(packet->flags & AV_PKT_FLAG_KEY);
            probed.videoSeconds = std::max(probed.videoSeconds, end);
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            probed.audioCodec = par->codec_id;
            probed.sampleRate = par->sample_rate;
            probed.channels = par->ch_layout.nb_channels;
            probed.audioPts.append(av_rescale_q(packet->pts, stream->time_base, AVRational{1, par->sample_rate}));
            probed.audioSeconds = std::max(probed.audioSeconds, end);
        }
        av_packet_unref(packet.get());
    }
    avformat_close_input(&input);
    return probed;
}
