#include "H264TestStream.h"

#include <cstring>

extern "C" {
#include <libavutil/opt.h>
}

namespace {

void fillPicture(AVFrame* frame, int luma)
{
    for (int y = 0; y < frame->height; ++y)
        std::memset(frame->data[0] + y * frame->linesize[0], luma, frame->width);
    for (int plane = 1; plane < 3; ++plane)
        for (int y = 0; y < frame->height / 2; ++y)
            std::memset(frame->data[plane] + y * frame->linesize[plane], 128, frame->width / 2);
}

void collect(AVCodecContext* encoder, AVPacket* packet, QVector<QByteArray>& pictures)
{
    while (avcodec_receive_packet(encoder, packet) == 0) {
        pictures.append(QByteArray(reinterpret_cast<const char*>(packet->data), packet->size));
        av_packet_unref(packet);
    }
}

} // namespace

H264TestStream H264TestStream::encode(int width, int height, int count, int keyInterval)
{
    H264TestStream stream;
    stream.width = width;
    stream.height = height;
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    AVCodecContextPtr encoder(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!encoder)
        return stream;
    encoder->width = width;
    encoder->height = height;
    encoder->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder->time_base = AVRational{1, 60};
    encoder->thread_count = 1;
    if (keyInterval > 0) {
        encoder->gop_size = keyInterval;
        encoder->keyint_min = keyInterval;
        av_opt_set(encoder->priv_data, "x264-params", "scenecut=0", 0);
    }
    encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER; // parameter sets apart, as a phone sends them
    av_opt_set(encoder->priv_data, "preset", "ultrafast", 0);
    av_opt_set(encoder->priv_data, "tune", "zerolatency", 0);
    if (avcodec_open2(encoder.get(), codec, nullptr) < 0)
        return stream;
    stream.configuration = QByteArray(reinterpret_cast<const char*>(encoder->extradata),
                                      encoder->extradata_size);
    AVFramePtr frame = makeAVFrame();
    AVPacketPtr packet = makeAVPacket();
    frame->width = width;
    frame->height = height;
    frame->format = AV_PIX_FMT_YUV420P;
    av_frame_get_buffer(frame.get(), 0);
    for (int i = 0; i < count; ++i) {
        av_frame_make_writable(frame.get());
        fillPicture(frame.get(), lumaOf(i));
        frame->pts = i;
        avcodec_send_frame(encoder.get(), frame.get());
        collect(encoder.get(), packet.get(), stream.pictures);
    }
    avcodec_send_frame(encoder.get(), nullptr);
    collect(encoder.get(), packet.get(), stream.pictures);
    return stream;
}

AVPacketPtr makeTestPacket(const QByteArray& bytes, int64_t pts, int64_t dts, int flags)
{
    AVPacketPtr packet = makeAVPacket();
    if (!bytes.isEmpty()) {
        av_new_packet(packet.get(), bytes.size());
        std::memcpy(packet->data, bytes.constData(), bytes.size());
    }
    packet->pts = pts;
    packet->dts = dts;
    packet->flags = flags;
    return packet;
}
