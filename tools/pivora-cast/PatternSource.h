#pragma once
// A live test picture encoded with libx264: moving colour bands, a frame counter and a
// marker where the receiver last touched.

#include "FfmpegPtr.h"
#include "MediaSource.h"

class PatternSource : public MediaSource {
public:
    PatternSource(int width, int height, int fps);

    bool open(std::string& error) override;
    bool next(MediaUnit& unit) override;
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    const std::vector<uint8_t>& configRecord() const override { return m_record; }
    bool swapOrientation() override;
    void setTouch(float x, float y) override;

private:
    bool openEncoder(std::string& error);
    void paint(AVFrame* frame) const;

    int m_width;
    int m_height;
    const int m_fps;
    int64_t m_frameIndex = 0;
    AVCodecContextPtr m_encoder;
    AVFramePtr m_frame;
    AVPacketPtr m_packet;
    std::vector<uint8_t> m_record;
    std::atomic<float> m_touchX{-1.0f};
    std::atomic<float> m_touchY{-1.0f};
};
