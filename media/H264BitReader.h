#pragma once
// Bit reader over one H.264 RBSP: works on a private copy of the input with the emulation
// prevention bytes removed, reads most significant bit first and never reads past the copy.

#include <cstdint>
#include <memory>
#include <vector>

// Name under which the H.264 parsing code reports problems.
inline constexpr char kH264LogUnit[] = "scairplay/SCMFH264";

// One diagnostic line of the H.264 parsing code, prefixed with the unit name and source line.
void h264LogError(int line, const char* message);

class H264BitReader {
public:
    // Largest input accepted; parameter sets are tiny, this only keeps bit counts in range.
    static constexpr int kMaxInputBytes = 1 << 24;

    // Null (with a log line) for null data, a negative length or an oversized input.
    static std::unique_ptr<H264BitReader> create(const uint8_t* data, int length);

    // Next bit, 0 or 1; 0 past the end (the position stays at the end).
    int readBit();
    // Next n bits (n clamped to 0..32) as an unsigned value; only the bits that remain are read.
    uint32_t readBits(int n);
    // Exp-Golomb codes; a prefix stops after 32 zeros and the value saturates.
    uint32_t readUe();
    int32_t readSe();

    int size() const { return static_cast<int>(m_data.size()); }
    const uint8_t* data() const { return m_data.data(); }
    int bitPosition() const { return m_bitPos; }
    int totalBits() const { return m_totalBits; }
    int bitInByte() const { return m_bitPos % 8; }
    // True once a read asked for more bits than the copy holds.
    bool overran() const { return m_overran; }

    // Removes emulation prevention bytes (the 03 of each 00 00 03) in place; returns the new size.
    static int removeEmulationPrevention(uint8_t* data, int size);

private:
    explicit H264BitReader(std::vector<uint8_t> data);

    std::vector<uint8_t> m_data;
    int m_bitPos = 0;
    int m_totalBits = 0;
    bool m_overran = false;
};
