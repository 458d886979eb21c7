#pragma once
// FFmpeg fields and names that moved between the versions this program builds with (5.1 to 7):
// the current name where the headers have it, the older one otherwise.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
}

#include <cstdint>

// A frame's duration in its time base (5.1 still calls the field pkt_duration).
inline void setFrameDuration(AVFrame* frame, int64_t duration)
{
#if LIBAVUTIL_VERSION_INT >= AV_VERSION_INT(57, 30, 100)
    frame->duration = duration;
#else
    frame->pkt_duration = duration;
#endif
}

// AAC low complexity, the profile of recorded sound.
#ifdef AV_PROFILE_AAC_LOW
constexpr int kAacLowProfile = AV_PROFILE_AAC_LOW;
#else
constexpr int kAacLowProfile = FF_PROFILE_AAC_LOW;
#endif
