#include "media/VideoBuffer.h"

#include <utility>

VideoBuffer::VideoBuffer() = default;

VideoBuffer::~VideoBuffer()
{
    release();
}

bool VideoBuffer::initialize()
{
    AVFramePtr write = makeAVFrame();
    AVFramePtr display = makeAVFrame();
    if (!write || !display) {
        m_fpsCounter.stop();
        return false;
    }
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_writeFrame = std::move(write);
        m_displayFrame = std::move(display);
        m_consumed = true;
    }
    m_fpsCounter.start();
    return true;
}

void VideoBuffer::release()
{
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_writeFrame.reset();
        m_displayFrame.reset();
    }
    m_fpsCounter.stop();
}

void VideoBuffer::lock()
{
    m_mutex.lock();
}

void VideoBuffer::unlock()
{
    m_mutex.unlock();
}

AVFrame* VideoBuffer::writeFrame()
{
    // Only the decoding thread touches the write frame between publications.
    return m_writeFrame.get();
}

void VideoBuffer::publishFrame(bool& previousDropped)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    if (m_fpsCounter.isRunning() && !m_consumed)
        m_fpsCounter.countDropped();
    std::swap(m_writeFrame, m_displayFrame);
    previousDropped = !m_consumed;
    m_consumed = false;
}

AVFrame* VideoBuffer::takeFrame()
{
    m_consumed = true;
    if (m_fpsCounter.isRunning())
        m_fpsCounter.countDisplayed();
    return m_displayFrame.get();
}

AVFrame* VideoBuffer::peekFrame()
{
    return m_displayFrame.get();
}

FpsCounter& VideoBuffer::fpsCounter()
{
    return m_fpsCounter;
}
