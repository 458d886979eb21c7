#include "PvoResampler.h"

#include "PvoLog.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libswresample/swresample.h>
}

namespace {
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;

AVSampleFormat sampleFormatOf(int bits)
{
    switch (bits) {
    case 8: return AV_SAMPLE_FMT_U8;
    case 16: return AV_SAMPLE_FMT_S16;
    case 32: return AV_SAMPLE_FMT_FLT;
    default: return AV_SAMPLE_FMT_NONE;
    }
}

std::string errorText(int err)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(err, text, sizeof text);
    return text;
}
}

bool PvoPcmFormat::isValid() const
{
    return sampleFormatOf(bits) != AV_SAMPLE_FMT_NONE && (channels == 1 || channels == 2)
        && rate >= kMinRate && rate <= kMaxRate;
}

void PvoResampler::SwrDeleter::operator()(SwrContext* swr) const
{
    swr_free(&swr);
}

bool PvoResampler::open(const PvoPcmFormat& format)
{
    close();
    AVChannelLayout inLayout, outLayout;
    av_channel_layout_default(&inLayout, format.channels);
    av_channel_layout_default(&outLayout, kMixChannels);
    SwrContext* swr = nullptr;
    int err = swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_S16, kMixRate, &inLayout,
                                  sampleFormatOf(format.bits), format.rate, 0, nullptr);
    std::unique_ptr<SwrContext, SwrDeleter> owner(swr);
    // Mono goes to both speakers at full level rather than the -3 dB centre downmix.
    static const double monoToStereo[2] = {1.0, 1.0};
    if (err >= 0 && format.channels == 1)
        err = swr_set_matrix(swr, monoToStereo, 1);
    if (err >= 0)
        err = swr_init(swr);
    if (err < 0) {
        pvoLog("cannot convert %d-bit %d-channel %d Hz audio: %s", format.bits, format.channels,
               format.rate, errorText(err).c_str());
        return false;
    }
    m_swr = std::move(owner);
    return true;
}

void PvoResampler::close()
{
    m_swr.reset();
}

void PvoResampler::convert(const uint8_t* data, int count, std::vector<int16_t>& out)
{
    if (m_swr && count > 0)
        run(data, count, out);
}

void PvoResampler::flush(std::vector<int16_t>& out)
{
    if (m_swr)
        run(nullptr, 0, out);
}

void PvoResampler::run(const uint8_t* data, int count, std::vector<int16_t>& out)
{
    const int room = swr_get_out_samples(m_swr.get(), count);
    if (room <= 0)
        return;
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(room) * kMixChannels);
    uint8_t* outPlane = reinterpret_cast<uint8_t*>(out.data() + start);
    const int made = swr_convert(m_swr.get(), &outPlane, room, data ? &data : nullptr, count);
    if (made < 0) {
        pvoLog("audio conversion failed: %s", errorText(made).c_str());
        out.resize(start);
        return;
    }
    out.resize(start + static_cast<size_t>(made) * kMixChannels);
}
