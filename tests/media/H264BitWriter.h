#pragma once
// Writes H.264 syntax elements for building parameter sets the encoders at hand never emit.

#include <QByteArray>

#include <cstdint>

class H264BitWriter {
public:
    void bits(uint32_t value, int n)
    {
        for (int i = n - 1; i >= 0; --i)
            bit((value >> i) & 1);
    }
    void bit(int b)
    {
        if (m_used == 0)
            m_bytes.append('\0');
        if (b)
            m_bytes[m_bytes.size() - 1] = char(uint8_t(m_bytes.back()) | (0x80 >> m_used));
        m_used = (m_used + 1) % 8;
    }
    void ue(uint32_t value)
    {
        const uint64_t v = uint64_t(value) + 1;
        int len = 0;
        while ((v >> len) > 1)
            ++len;
        bits(0, len);
        bits(1, 1);
        bits(uint32_t(v & ((uint64_t(1) << len) - 1)), len);
    }
    void se(int32_t value) { ue(value > 0 ? uint32_t(2 * int64_t(value) - 1) : uint32_t(-2 * int64_t(value))); }

    // RBSP with its stop bit, then emulation prevention as an encoder inserts it.
    QByteArray payload() const
    {
        H264BitWriter copy = *this;
        copy.bit(1);
        while (copy.m_used != 0)
            copy.bit(0);
        QByteArray out;
        int zeros = 0;
        for (char c : copy.m_bytes) {
            const uint8_t b = uint8_t(c);
            if (zeros >= 2 && b <= 3) {
                out.append('\x03');
                zeros = 0;
            }
            out.append(char(b));
            zeros = b == 0 ? zeros + 1 : 0;
        }
        return out;
    }

private:
    QByteArray m_bytes;
    int m_used = 0;
};
