#include "media/Stream.h"

#include "app/PVDebug.h"
#include "media/Decoder.h"

#include <QtGlobal>

#include <SDL.h>

#include <chrono>
#include <cstring>
#include <utility>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

// ---- stream ----

namespace {

int64_t steadyMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

Stream::Stream(QObject* parent)
    : QThread(parent), m_lastTimestamp(AV_NOPTS_VALUE), m_clock(steadyMicroseconds)
{
}

Stream::~Stream()
{
    stopDecoding();
}

bool Stream::initMedia()
{
    // Sound may still be missing on this machine; the mixer reports that on its own.
    SDL_Init(SDL_INIT_AUDIO);
    if (avformat_network_init() < 0)
        return false;
    av_log_set_callback(PVDebug::ffmpegLogCallback);
    return true;
}

void Stream::deinitMedia()
{
    avformat_network_deinit();
    SDL_Quit();
}

void Stream::setDecoder(Decoder* decoder)
{
    m_decoder = decoder;
}

void Stream::startDecoding()
{
    {
        // Cleared here rather than in the thread, so a stop requested right after the start
        // is not lost.
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_stop = false;
    }
    m_queue.reopen();
    start(QThread::InheritPriority);
}

void Stream::enqueue(const AVPacket* packet)
{
    PacketQueue::PushResult pushed;
    std::function<void()> requestKeyFrame;
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_stop = packet == nullptr;
        if (packet) {
            m_lastTimestamp.exchange(packet->pts);
            AVPacketPtr clone(av_packet_clone(packet));
            if (clone) {
                clone->stream_index = 0;
                pushed = m_queue.push(std::move(clone), m_clock());
            } else {
                qWarning("Could not copy video packet");
            }
        }
        if (pushed.needKeyFrame)
            requestKeyFrame = m_requestKeyFrame;
        // Woken under the mutex: the thread checks and waits under it, so no wake-up is lost.
        m_wakeCondition.notify_one();
    }
    // Outside the lock: the request may go out over the network.
    reportTrim(pushed);
    if (pushed.needKeyFrame && requestKeyFrame)
        requestKeyFrame();
}

void Stream::setKeyFrameRequest(std::function<void()> request)
{
    std::lock_guard<std::mutex> lock(m_wakeMutex);
    m_requestKeyFrame = std::move(request);
}

void Stream::setClock(std::function<int64_t()> clock)
{
    std::lock_guard<std::mutex> lock(m_wakeMutex);
    m_clock = clock ? std::move(clock) : steadyMicroseconds;
}

void Stream::reportTrim(const PacketQueue::PushResult& result)
{
    switch (result.trim) {
    case PacketQueue::Trim::None:
        break;
    case PacketQueue::Trim::ToKeyFrame:
        qWarning("Video decoding fell more than a second behind; dropped %d queued pictures up to "
                 "the next key frame",
                 result.dropped);
        break;
    case PacketQueue::Trim::AwaitKeyFrame:
        qWarning("Video decoding fell more than a second behind; dropped %d queued pictures and "
                 "waits for a key frame",
                 result.dropped);
        break;
    }
}

void Stream::stopDecoding()
{
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_stop = true;
        m_queue.close();
        m_wakeCondition.notify_one();
    }
    if (QThread::currentThread() == this)
        return;
    wait();
    // Pairs with the lock taken as the thread ends, so that the thread's last writes are
    // ordered before anything the caller does next, for analysis tools too.
    std::lock_guard<std::mutex> lock(m_wakeMutex);
}

int64_t Stream::lastTimestamp() const
{
    return m_lastTimestamp.load();
}

void Stream::run()
{
    m_parser.reset();
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
    if (!codec)
        qCritical("H.264 decoder not found");
    else if (m_decoder && !m_decoder->open(codec, nullptr))
        qCritical("Could not open m_decoder");
    else if (createParser())
        decodeLoop();
    finishThread();
}

bool Stream::createParser()
{
    m_parser.reset(av_parser_init(AV_CODEC_ID_H264));
    if (!m_parser) {
        qCritical("Could not initialize parser");
        return false;
    }
    m_parser->flags |= PARSER_FLAG_COMPLETE_FRAMES;
    return true;
}

void Stream::decodeLoop()
{
    for (;;) {
        AVPacketPtr packet = nextPacket();
        if (!packet) {
            std::lock_guard<std::mutex> lock(m_wakeMutex);
            if (m_stop && m_queue.count() == 0)
                break;
            continue;
        }
        // A failure has been logged; the next packet is decoded regardless.
        processPacket(packet.get());
    }
    qDebug("End of video frames");
    m_pending = false;
    m_pendingPacket.reset();
    m_parser.reset();
}

AVPacketPtr Stream::nextPacket()
{
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    m_wakeCondition.wait(lock, [this] { return m_stop || m_queue.count() != 0; });
    if (m_stop && m_queue.count() == 0)
        return nullptr;
    return m_queue.pop();
}

void Stream::finishThread()
{
    if (m_decoder)
        m_decoder->close();
    while (m_queue.count() >= 1)
        m_queue.pop();
    emit onStreamStop();
    std::lock_guard<std::mutex> lock(m_wakeMutex);
}

bool Stream::processPacket(const AVPacket* packet)
{
    const bool configuration = packet->pts == AV_NOPTS_VALUE;
    if (!m_pending && !configuration)
        return decodePacket(packet);
    if (!appendPending(packet))
        return false;
    // Configuration bytes wait for the picture they describe.
    if (configuration)
        return true;
    m_pendingPacket->pts = packet->pts;
    m_pendingPacket->dts = packet->dts;
    m_pendingPacket->flags = packet->flags;
    const bool decoded = decodePacket(m_pendingPacket.get());
    m_pending = false;
    av_packet_unref(m_pendingPacket.get());
    return decoded;
}

bool Stream::appendPending(const AVPacket* packet)
{
    if (packet->size <= 0)
        return true;
    int offset = 0;
    if (m_pending) {
        offset = m_pendingPacket->size;
        if (av_grow_packet(m_pendingPacket.get(), packet->size) < 0) {
            qCritical("Could not grow packet");
            return false;
        }
    } else {
        if (!m_pendingPacket)
            m_pendingPacket = makeAVPacket();
        if (!m_pendingPacket || av_new_packet(m_pendingPacket.get(), packet->size) < 0) {
            qCritical("Could not create packet");
            return false;
        }
        m_pending = true;
    }
    std::memcpy(m_pendingPacket->data + offset, packet->data, static_cast<size_t>(packet->size));
    return true;
}

bool Stream::decodePacket(const AVPacket* packet)
{
    return m_decoder ? m_decoder->decode(packet) : true;
}
