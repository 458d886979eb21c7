#pragma once
#include "media/AVPtr.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
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
    // to finish once the queue is empty; a later packet withdraws that request.
    void enqueue(const AVPacket* packet);
    // Asks the thread to finish, lets it decode what is queued and waits for it.
    void stopDecoding();

    // The pts of the last enqueued packet, AV_NOPTS_VALUE before the first.
    int64_t lastTimestamp() const;

signals:
    void onStreamStop();

protected:
    void run() override;

private:
    // Packets waiting for the thread; owns them. Closing refuses further packets.
    class PacketQueue {
    public:
        bool push(AVPacketPtr packet);
        // Waits while the queue is open and empty; null when closed and empty.
        AVPacketPtr pop();
        int count() const;
        void close();
        void reopen();

    private:
        mutable std::mutex m_mutex;
        std::condition_variable m_condition;
        std::deque<AVPacketPtr> m_packets;
        int m_count = 0;
        bool m_closed = false;
    };

    AVPacketPtr nextPacket();
    bool createParser();
    void decodeLoop();
    bool processPacket(const AVPacket* packet);
    bool appendPending(const AVPacket* packet);
    bool decodePacket(const AVPacket* packet);
    void finishThread();

    Decoder* m_decoder = nullptr;
    AVCodecParserContextPtr m_parser;
    bool m_pending = false;
    AVPacketPtr m_pendingPacket;
    std::atomic<int64_t> m_lastTimestamp;
    bool m_stop = false;
    std::mutex m_wakeMutex;
    std::condition_variable m_wakeCondition;
    PacketQueue m_queue;
};
