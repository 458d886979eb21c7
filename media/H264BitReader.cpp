#include "media/H264BitReader.h"

#include <QtGlobal>

#include <algorithm>
#include <new>

void h264LogError(int line, const char* message)
{
    qWarning("\"%s\" line %d [err]: %s", kH264LogUnit, line, message);
}

int H264BitReader::removeEmulationPrevention(uint8_t* data, int size)
{
    // The zero count restarts after a removed 03, so the 00 written just before it cannot pair
    // with later bytes: 00 00 03 00 03 is 00 00 00 03, not 00 00 00.
    int out = 0;
    int zeros = 0;
    for (int i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        if (zeros >= 2 && byte == 0x03) {
            zeros = 0;
            continue;
        }
        data[out++] = byte;
        zeros = byte == 0 ? zeros + 1 : 0;
    }
    return out;
}

H264BitReader::H264BitReader(std::vector<uint8_t> data)
    : m_data(std::move(data))
{
    m_data.resize(removeEmulationPrevention(m_data.data(), static_cast<int>(m_data.size())));
    m_totalBits = static_cast<int>(m_data.size()) * 8;
}

std::unique_ptr<H264BitReader> H264BitReader::create(const uint8_t* data, int length)
{
    if (!data) {
        h264LogError(__LINE__, "NULL ptr");
        return nullptr;
    }
    if (length < 0 || length > kMaxInputBytes) {
        h264LogError(__LINE__, "bitstream length out of range");
        return nullptr;
    }
    try {
        return std::unique_ptr<H264BitReader>(new H264BitReader(std::vector<uint8_t>(data, data + length)));
    } catch (const std::bad_alloc&) {
        h264LogError(__LINE__, "NULL ptr");
        return nullptr;
    }
}

int H264BitReader::readBit()
{
    if (m_bitPos >= m_totalBits) {
        m_overran = true;
        return 0;
    }
    const int bit = (m_data[m_bitPos / 8] >> (7 - m_bitPos % 8)) & 1;
    ++m_bitPos;
    return bit;
}

uint32_t H264BitReader::readBits(int n)
{
    if (n <= 0)
        return 0;
    n = std::min(n, 32);
    const int remaining = m_totalBits - m_bitPos;
    if (n > remaining) {
        m_overran = true;
        n = remaining;
        if (n == 0)
            return 0;
    }
    // At most five bytes hold n <= 32 bits, whatever the starting bit.
    const int first = m_bitPos / 8;
    const int last = (m_bitPos + n - 1) / 8;
    uint64_t acc = 0;
    for (int i = first; i <= last; ++i)
        acc = (acc << 8) | m_data[i];
    acc >>= (last + 1) * 8 - (m_bitPos + n);
    m_bitPos += n;
    return static_cast<uint32_t>(acc & ((uint64_t(1) << n) - 1));
}

uint32_t H264BitReader::readUe()
{
    int zeros = 0;
    while (zeros < 32 && readBit() == 0) {
        ++zeros;
        if (m_overran)
            return UINT32_MAX;
    }
    const uint64_t value = (uint64_t(1) << zeros) - 1 + readBits(zeros);
    return static_cast<uint32_t>(std::min<uint64_t>(value, UINT32_MAX));
}

int32_t H264BitReader::readSe()
{
    const uint64_t u = readUe();
    const int64_t magnitude = static_cast<int64_t>((u + 1) / 2);
    const int64_t value = (u & 1) ? magnitude : -magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
