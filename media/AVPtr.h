#pragma once
// Owning smart pointers for FFmpeg objects: each frees its object with the matching FFmpeg
// call, so early returns and thread hand-overs cannot leak or double-free.

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/buffer.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

struct AVPacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct AVFrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct AVCodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct AVCodecParametersDeleter {
    void operator()(AVCodecParameters* params) const { avcodec_parameters_free(&params); }
};
struct AVCodecParserContextDeleter {
    void operator()(AVCodecParserContext* parser) const { av_parser_close(parser); }
};
struct SwsContextDeleter {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct SwrContextDeleter {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
// For contexts opened with avformat_open_input.
struct AVFormatInputDeleter {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct AVBufferRefDeleter {
    void operator()(AVBufferRef* ref) const { av_buffer_unref(&ref); }
};

using AVPacketPtr = std::unique_ptr<AVPacket, AVPacketDeleter>;
using AVFramePtr = std::unique_ptr<AVFrame, AVFrameDeleter>;
using AVCodecContextPtr = std::unique_ptr<AVCodecContext, AVCodecContextDeleter>;
using AVCodecParametersPtr = std::unique_ptr<AVCodecParameters, AVCodecParametersDeleter>;
using AVCodecParserContextPtr = std::unique_ptr<AVCodecParserContext, AVCodecParserContextDeleter>;
using AVBufferRefPtr = std::unique_ptr<AVBufferRef, AVBufferRefDeleter>;
using SwsContextPtr = std::unique_ptr<SwsContext, SwsContextDeleter>;
using SwrContextPtr = std::unique_ptr<SwrContext, SwrContextDeleter>;
using AVFormatInputPtr = std::unique_ptr<AVFormatContext, AVFormatInputDeleter>;

// Takes ownership of what the allocation returned (null stays null).
inline AVPacketPtr makeAVPacket() { return AVPacketPtr(av_packet_alloc()); }
inline AVFramePtr makeAVFrame() { return AVFramePtr(av_frame_alloc()); }
