#include "PatternSource.h"

#include "H264Units.h"

#include <algorithm>
#include <cstdio>

extern "C" {
#include <libavutil/opt.h>
}

namespace {

// Seven-segment masks for 0..9: bits a b c d e f g from the top clockwise, g in the middle.
constexpr uint8_t kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void fillRect(AVFrame* f, int plane, int x, int y, int w, int h, uint8_t value)
{
    const int shift = plane == 0 ? 0 : 1;
    const int pw = (f->width + shift) >> shift;
    const int ph = (f->height + shift) >> shift;
    const int x0 = std::clamp(x >> shift, 0, pw), x1 = std::clamp((x + w) >> shift, 0, pw);
    const int y0 = std::clamp(y >> shift, 0, ph), y1 = std::clamp((y + h) >> shift, 0, ph);
    for (int row = y0; row < y1; ++row)
        std::fill(f->data[plane] + row * f->linesize[plane] + x0, f->data[plane] + row * f->linesize[plane] + x1,
                  value);
}

void fillColour(AVFrame* f, int x, int y, int w, int h, uint8_t Y, uint8_t U, uint8_t V)
{
    fillRect(f, 0, x, y, w, h, Y);
    fillRect(f, 1, x, y, w, h, U);
    fillRect(f, 2, x, y, w, h, V);
}

void drawDigit(AVFrame* f, int digit, int x, int y, int w, int h, int t)
{
    const uint8_t m = kSegments[digit];
    const int half = h / 2;
    const struct { int bit, x, y, w, h; } segments[] = {
        {0, x, y, w, t},                  // a
        {1, x + w - t, y, t, half},       // b
        {2, x + w - t, y + half, t, half},// c
        {3, x, y + h - t, w, t},          // d
        {4, x, y + half, t, half},        // e
        {5, x, y, t, half},               // f
        {6, x, y + half - t / 2, w, t},   // g
    };
    for (const auto& s : segments)
        if (m & (1 << s.bit))
            fillColour(f, s.x, s.y, s.w, s.h, 235, 128, 128);
}

} // namespace

PatternSource::PatternSource(int width, int height, int fps) : m_width(width), m_height(height), m_fps(fps) {}

bool PatternSource::open(std::string& error)
{
    m_packet.reset(av_packet_alloc());
    return m_packet && openEncoder(error);
}

bool PatternSource::openEncoder(std::string& error)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec) {
        error = "the libx264 encoder is not available in this FFmpeg";
        return false;
    }
    AVCodecContextPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx) {
        error = "out of memory";
        return false;
    }
    ctx->width = m_width;
    ctx->height = m_height;
    ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx->time_base = AVRational{1, m_fps};
    ctx->framerate = AVRational{m_fps, 1};
    ctx->gop_size = 2 * m_fps;
    ctx->max_b_frames = 0;
    // Parameter sets go into extradata, which becomes the configuration record.
    ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(ctx->priv_data, "preset", "ultrafast", 0);
    av_opt_set(ctx->priv_data, "tune", "zerolatency", 0);
    av_opt_set(ctx->priv_data, "forced-idr", "1", 0);
    const int rc = avcodec_open2(ctx.get(), codec, nullptr);
    if (rc < 0) {
        error = "cannot open the libx264 encoder: " + ffmpegError(rc);
        return false;
    }
    std::vector<uint8_t> record = h264::configRecordFromAnnexB(ctx->extradata, size_t(ctx->extradata_size));
    if (record.empty()) {
        error = "the encoder gave no parameter sets";
        return false;
    }
    AVFramePtr frame(av_frame_alloc());
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = m_width;
    frame->height = m_height;
    if (av_frame_get_buffer(frame.get(), 0) < 0) {
        error = "out of memory";
        return false;
    }
    m_encoder = std::move(ctx);
    m_frame = std::move(frame);
    m_record = std::move(record);
    return true;
}

bool PatternSource::swapOrientation()
{
    std::swap(m_width, m_height);
    std::string error;
    if (!openEncoder(error)) {
        std::fprintf(stderr, "pivora-cast: cannot turn the picture: %s\n", error.c_str());
        std::swap(m_width, m_height);
        return false;
    }
    return true;
}

void PatternSource::setTouch(float x, float y)
{
    m_touchX.store(x);
    m_touchY.store(y);
}

void PatternSource::paint(AVFrame* f) const
{
    const int w = f->width, h = f->height;
    // Diagonal bands that move one step per frame, so a frozen picture is obvious.
    for (int y = 0; y < h; ++y) {
        uint8_t* row = f->data[0] + y * f->linesize[0];
        for (int x = 0; x < w; ++x)
            row[x] = uint8_t(40 + ((x + y + m_frameIndex * 4) / 16 % 8) * 16);
    }
    const uint8_t hue = uint8_t(m_frameIndex % 256);
    fillRect(f, 1, 0, 0, w, h, uint8_t(96 + hue / 4));
    fillRect(f, 2, 0, 0, w, h, uint8_t(160 - hue / 4));

    // Frame counter, top left, on a dark box.
    const int dh = std::max(10, h / 8), dw = std::max(6, dh / 2), t = std::max(2, dh / 8), gap = dw / 2;
    char digits[24];
    const int n = std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(m_frameIndex));
    fillColour(f, 0, 0, gap + n * (dw + gap), dh + 2 * gap, 16, 128, 128);
    for (int i = 0; i < n; ++i)
        drawDigit(f, digits[i] - '0', gap + i * (dw + gap), gap, dw, dh, t);

    // Touch marker: a red cross with a white centre.
    const float tx = m_touchX.load(), ty = m_touchY.load();
    if (tx >= 0 && ty >= 0) {
        const int cx = int(tx * float(w)), cy = int(ty * float(h));
        const int arm = std::max(8, std::min(w, h) / 10), thick = std::max(2, arm / 6);
        fillColour(f, cx - arm, cy - thick / 2, 2 * arm, thick, 82, 90, 240);
        fillColour(f, cx - thick / 2, cy - arm, thick, 2 * arm, 82, 90, 240);
        fillColour(f, cx - thick, cy - thick, 2 * thick, 2 * thick, 235, 128, 128);
    }
}

bool PatternSource::next(MediaUnit& unit)
{
    if (av_frame_make_writable(m_frame.get()) < 0)
        return false;
    paint(m_frame.get());
    m_frame->pts = m_frameIndex;
    m_frame->pict_type = takeKeyFrameRequest() ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    int rc = avcodec_send_frame(m_encoder.get(), m_frame.get());
    if (rc < 0) {
        std::fprintf(stderr, "pivora-cast: encoding failed: %s\n", ffmpegError(rc).c_str());
        return false;
    }
    ++m_frameIndex;
    unit.data.clear();
    unit.key = false;
    // Zero-latency encoding gives one packet per picture.
    while ((rc = avcodec_receive_packet(m_encoder.get(), m_packet.get())) >= 0) {
        std::vector<uint8_t> au = h264::annexBToLengthPrefixed(m_packet->data, size_t(m_packet->size));
        unit.data.insert(unit.data.end(), au.begin(), au.end());
        unit.key = unit.key || (m_packet->flags & AV_PKT_FLAG_KEY);
        unit.timestamp = double(m_packet->pts) / m_fps;
        av_packet_unref(m_packet.get());
    }
    if (rc != AVERROR(EAGAIN)) {
        std::fprintf(stderr, "pivora-cast: encoding failed: %s\n", ffmpegError(rc).c_str());
        return false;
    }
    unit.kind = MediaUnit::Video;
    unit.sendTime = double(m_frameIndex - 1) / m_fps;
    if (unit.data.empty())
        unit.timestamp = unit.sendTime;
    return true;
}
