#pragma once

// Owning pointers for the FFmpeg objects the renderers use.

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace render {

struct SwsContextDeleter {
    void operator()(SwsContext *context) const { sws_freeContext(context); }
};
using SwsContextPtr = std::unique_ptr<SwsContext, SwsContextDeleter>;

struct AVFrameDeleter {
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
using AVFramePtr = std::unique_ptr<AVFrame, AVFrameDeleter>;

}  // namespace render
