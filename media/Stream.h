#pragma once
#include "media/AVPtr.h"
#include "media/PacketQueue.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class Decoder;

// The video thread of one phone. The producer (GUI thread) enqueues packets; the thread
// takes them in order, joins configuration packets (no pts) to the data packet that follows
// them and feeds the decoder. Stopping drains what is queued, then ends the thread.
class Stream : public QThread {
    Q_OBJECT
public:
    explicit Stream(QObject* parent = nullptr);
    // Stops the thread and waits for it when it is still running.
    ~Stream() override;

    // Process-wide media start-up and shut-down: SDL audio, FFmpeg networking, FFmpeg log.
    static bool initMedia();
    static void deinitMedia();

    // Not owned; set before startDecoding.
    void setDecoder(Decoder* decoder);
    void startDecoding();
    // Queues a copy of the packet (the caller keeps its own). A null packet asks the thread
    // to finish once the queue is empty; a later packet withdraws that request. When decoding
    // has fallen more than a second behind, queued pictures are dropped up to a key frame
    // (see PacketQueue); when none is queued, the key-frame request is called.
    void enqueue(const AVPacket* packet);
    // Called on the enqueuing thread when the stream needs a key frame to go on.
    void setKeyFrameRequest(std::function<void()> request);
    // The clock that stamps arriving packets, in microseconds; a steady clock by default.
    void setClock(std::function<int64_t()> clock);
    // Asks the thread to finish, lets it decode what is queued and waits for it.
    void stopDecoding();

    // The pts of the last enqueued packet, AV_NOPTS_VALUE before the first.
    int64_t lastTimestamp() const;

signals:
    void onStreamStop();

protected:
    void run() override;

private:
    AVPacketPtr nextPacket();
    bool createParser();
    void decodeLoop();
    bool processPacket(const AVPacket* packet);
    bool appendPending(const AVPacket* packet);
    bool decodePacket(const AVPacket* packet);
    void finishThread();
    // Logs what a push dropped.
    static void reportTrim(const PacketQueue::PushResult& result);

    Decoder* m_decoder = nullptr;
    AVCodecParserContextPtr m_parser;
    bool m_pending = false;
    AVPacketPtr m_pendingPacket;
    std::atomic<int64_t> m_lastTimestamp;
    bool m_stop = false;
    std::mutex m_wakeMutex;
    std::condition_variable m_wakeCondition;
    PacketQueue m_queue;
    std::function<void()> m_requestKeyFrame;
    std::function<int64_t()> m_clock;
};
