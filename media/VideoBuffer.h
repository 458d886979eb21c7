#pragma once
#include "media/AVPtr.h"
#include "media/FpsCounter.h"

#include <mutex>

// Hand-off of decoded pictures from a decoding thread to the display: the decoder fills the
// write frame and publishes it, which swaps it with the display frame. A display frame that
// was not taken before the next publication is overwritten and counted as dropped, so the
// display is never more than one frame behind and the decoder never waits for it.
class VideoBuffer {
public:
    VideoBuffer();
    virtual ~VideoBuffer();

    VideoBuffer(const VideoBuffer&) = delete;
    VideoBuffer& operator=(const VideoBuffer&) = delete;

    // Allocates both frames and starts the counter (GUI thread).
    bool initialize();
    void release();

    // The consumer holds the lock from takeFrame until it has its own reference to the frame.
    void lock();
    void unlock();

    // Decoder side: the frame to decode into, then its publication. previousDropped tells
    // whether the frame published before had not been taken yet.
    AVFrame* writeFrame();
    void publishFrame(bool& previousDropped);

    // Consumer side, lock held: the last complete frame. takeFrame marks it consumed and
    // counts it as displayed; peekFrame leaves it as it is.
    AVFrame* takeFrame();
    AVFrame* peekFrame();

    FpsCounter& fpsCounter();

private:
    AVFramePtr m_writeFrame;
    AVFramePtr m_displayFrame;
    std::mutex m_mutex;
    bool m_consumed = true;
    FpsCounter m_fpsCounter;
};
