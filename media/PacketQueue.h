#pragma once
#include "media/AVPtr.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

// Packets waiting for a decoding thread, oldest first; the queue owns them. Closing refuses
// further packets.
//
// The backlog is bounded: when the oldest queued picture arrived more than kMaxBacklogUs
// before the packet being pushed, the decoder has fallen that far behind, so the pictures
// before the newest queued key frame are dropped. When no later key frame is queued, every
// queued picture goes and the queue refuses pictures until a key frame arrives, so the
// decoder never gets a picture whose reference was dropped (the caller asks the phone for one). Configuration packets (no pts)
// are always kept: they are tiny and the next key frame may need them.
class PacketQueue {
public:
    static constexpr int64_t kMaxBacklogUs = 1000000;

    enum class Trim {
        None,          // nothing dropped
        ToKeyFrame,    // pictures before a queued key frame were dropped
        AwaitKeyFrame  // all queued pictures were dropped; waiting for a key frame
    };
    struct PushResult {
        bool queued = false;  // false: closed, or a picture while waiting for a key frame
        Trim trim = Trim::None;
        int dropped = 0;      // queued pictures dropped by the trim
        // A key frame should be asked for: on entering the wait, and again each further
        // kMaxBacklogUs without one.
        bool needKeyFrame = false;
    };

    // arrivalUs: when the packet arrived, on any steady microsecond clock.
    PushResult push(AVPacketPtr packet, int64_t arrivalUs);
    // Waits while the queue is open and empty; null when closed and empty.
    AVPacketPtr pop();
    int count() const;
    bool awaitingKeyFrame() const;
    void close();
    void reopen();

private:
    struct Entry {
        AVPacketPtr packet;
        int64_t arrivalUs = 0;
    };

    static bool isPicture(const Entry& entry);
    static bool isKeyFrame(const Entry& entry);
    // Called with the mutex held, after a push.
    PushResult trimBacklog(int64_t nowUs);

    mutable std::mutex m_mutex;
    std::condition_variable m_condition;
    std::deque<Entry> m_entries;
    bool m_closed = false;
    bool m_awaitingKeyFrame = false;
    int64_t m_keyFrameAskedUs = 0;
};
