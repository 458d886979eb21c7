#include "PvoFrameRing.h"

#include <algorithm>
#include <cstring>

PvoFrameRing::PvoFrameRing(int capacityFrames)
    : m_samples(static_cast<size_t>(std::max(capacityFrames, 1)) * 2),
      m_capacity(std::max(capacityFrames, 1))
{
}

int PvoFrameRing::write(const int16_t* frames, int count)
{
    if (count <= 0)
        return 0;
    int dropped = 0;
    if (count >= m_capacity) {
        dropped = m_size + (count - m_capacity);
        frames += static_cast<size_t>(count - m_capacity) * 2;
        count = m_capacity;
        m_head = 0;
        m_size = 0;
    } else if (m_size + count > m_capacity) {
        dropped = m_size + count - m_capacity;
        m_head = (m_head + dropped) % m_capacity;
        m_size -= dropped;
    }
    copyIn(frames, count);
    return dropped;
}

void PvoFrameRing::copyIn(const int16_t* frames, int count)
{
    const int tail = (m_head + m_size) % m_capacity;
    const int first = std::min(count, m_capacity - tail);
    memcpy(&m_samples[static_cast<size_t>(tail) * 2], frames, static_cast<size_t>(first) * 4);
    if (count > first)
        memcpy(&m_samples[0], frames + static_cast<size_t>(first) * 2,
               static_cast<size_t>(count - first) * 4);
    m_size += count;
}

int PvoFrameRing::read(int16_t* out, int count)
{
    count = std::min(count, m_size);
    if (count <= 0)
        return 0;
    const int first = std::min(count, m_capacity - m_head);
    memcpy(out, &m_samples[static_cast<size_t>(m_head) * 2], static_cast<size_t>(first) * 4);
    if (count > first)
        memcpy(out + static_cast<size_t>(first) * 2, &m_samples[0],
               static_cast<size_t>(count - first) * 4);
    m_head = (m_head + count) % m_capacity;
    m_size -= count;
    return count;
}

void PvoFrameRing::clear()
{
    m_head = 0;
    m_size = 0;
}
