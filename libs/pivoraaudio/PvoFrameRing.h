#pragma once
// Bounded ring of interleaved stereo S16 frames. Not locked: the owner guards it.

#include <cstdint>
#include <vector>

class PvoFrameRing {
public:
    explicit PvoFrameRing(int capacityFrames);

    // Appends count frames; when they do not fit, the oldest frames make room. Returns how
    // many frames were dropped (old ones or, for an oversized write, its own first ones).
    int write(const int16_t* frames, int count);
    // Moves up to count frames to out; returns how many.
    int read(int16_t* out, int count);
    void clear();

    int size() const { return m_size; }
    int capacity() const { return m_capacity; }

private:
    void copyIn(const int16_t* frames, int count);

    std::vector<int16_t> m_samples;
    int m_capacity;
    int m_head = 0; // first frame to read
    int m_size = 0;
};
