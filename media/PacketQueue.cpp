#include "media/PacketQueue.h"

#include <QtGlobal>

#include <algorithm>
#include <utility>

bool PacketQueue::isPicture(const Entry& entry)
{
    return entry.packet->pts != AV_NOPTS_VALUE;
}

bool PacketQueue::isKeyFrame(const Entry& entry)
{
    return isPicture(entry) && (entry.packet->flags & AV_PKT_FLAG_KEY);
}

PacketQueue::PushResult PacketQueue::push(AVPacketPtr packet, int64_t arrivalUs)
{
    PushResult result;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_closed || !packet)
            return result;  // the packet is freed on return
        Entry entry{std::move(packet), arrivalUs};
        if (m_awaitingKeyFrame && isPicture(entry)) {
            if (!isKeyFrame(entry)) {
                // The request may have been lost; ask again now and then.
                if (arrivalUs - m_keyFrameAskedUs > kMaxBacklogUs) {
                    m_keyFrameAskedUs = arrivalUs;
                    result.needKeyFrame = true;
                }
                return result;
            }
            m_awaitingKeyFrame = false;
        }
        m_entries.push_back(std::move(entry));
        result = trimBacklog(arrivalUs);
        result.queued = true;
    }
    m_condition.notify_all();
    return result;
}

PacketQueue::PushResult PacketQueue::trimBacklog(int64_t nowUs)
{
    PushResult result;
    const auto oldest = std::find_if(m_entries.begin(), m_entries.end(), isPicture);
    if (oldest == m_entries.end() || nowUs - oldest->arrivalUs <= kMaxBacklogUs)
        return result;

    // Pictures before the newest key frame that follows the oldest picture go; the oldest
    // itself does not count as that key frame, since keeping it would keep the whole backlog.
    // Without such a key frame every picture goes.
    size_t firstKept = m_entries.size();
    for (size_t i = m_entries.size(); i-- > size_t(oldest - m_entries.begin()) + 1;) {
        if (isKeyFrame(m_entries[i])) {
            firstKept = i;
            break;
        }
    }
    result.trim = firstKept < m_entries.size() ? Trim::ToKeyFrame : Trim::AwaitKeyFrame;
    std::deque<Entry> kept;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (i < firstKept && isPicture(m_entries[i]))
            ++result.dropped;
        else
            kept.push_back(std::move(m_entries[i]));
    }
    m_entries.swap(kept);
    if (result.trim == Trim::AwaitKeyFrame) {
        m_awaitingKeyFrame = true;
        m_keyFrameAskedUs = nowUs;
        result.needKeyFrame = true;
    }
    return result;
}

AVPacketPtr PacketQueue::pop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_condition.wait(lock, [this] { return m_closed || !m_entries.empty(); });
    if (m_entries.empty()) {
        qDebug("No item to remove. item count: %d", int(m_entries.size()));
        return nullptr;
    }
    AVPacketPtr packet = std::move(m_entries.front().packet);
    m_entries.pop_front();
    return packet;
}

int PacketQueue::count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_entries.size());
}

bool PacketQueue::awaitingKeyFrame() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_awaitingKeyFrame;
}

void PacketQueue::close()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
    }
    m_condition.notify_all();
}

void PacketQueue::reopen()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = false;
    }
    m_condition.notify_all();
}
