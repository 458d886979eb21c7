// MD5 as published in RFC 1321, written from the algorithm's description.
#include "hidlink/hidlink.h"

#include <cstring>

namespace {

// Per-round shift amounts.
constexpr uint32_t kShift[64] = {
    7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
    5, 9, 14, 20, 5, 9, 14, 20, 5, 9, 14, 20, 5, 9, 14, 20,
    4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
    6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21,
};

// floor(abs(sin(i + 1)) * 2^32).
constexpr uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

uint32_t rotateLeft(uint32_t value, uint32_t bits)
{
    return (value << bits) | (value >> (32 - bits));
}

uint32_t wordAt(const unsigned char* block, int index)
{
    const unsigned char* p = block + 4 * index;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void transform(uint32_t state[4], const unsigned char block[64])
{
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        uint32_t f;
        int g;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const uint32_t rotated = rotateLeft(a + f + kSine[i] + wordAt(block, g), kShift[i]);
        a = d;
        d = c;
        c = b;
        b = b + rotated;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

void init(MD5_CTX* context)
{
    context->state[0] = 0x67452301;
    context->state[1] = 0xefcdab89;
    context->state[2] = 0x98badcfe;
    context->state[3] = 0x10325476;
    context->bitCount = 0;
    std::memset(context->buffer, 0, sizeof context->buffer);
}

void update(MD5_CTX* context, const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    size_t used = size_t(context->bitCount / 8 % 64);
    context->bitCount += uint64_t(size) * 8;
    while (size > 0) {
        const size_t take = size < 64 - used ? size : 64 - used;
        std::memcpy(context->buffer + used, bytes, take);
        used += take;
        bytes += take;
        size -= take;
        if (used == 64) {
            transform(context->state, context->buffer);
            used = 0;
        }
    }
}

void finish(unsigned char digest[16], MD5_CTX* context)
{
    const uint64_t bitCount = context->bitCount;
    // A one bit, zeros up to 56 bytes into the block, then the message length in bits.
    static const unsigned char kPadding[64] = { 0x80 };
    const size_t used = size_t(bitCount / 8 % 64);
    update(context, kPadding, used < 56 ? 56 - used : 120 - used);
    unsigned char length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<unsigned char>(bitCount >> (8 * i));
    update(context, length, sizeof length);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            digest[4 * i + j] = static_cast<unsigned char>(context->state[i] >> (8 * j));
    std::memset(context, 0, sizeof *context);
}

} // namespace

// The exports only check their arguments: other libraries of the process (OpenSSL's) export
// the same names, so the library never calls its own exports.
extern "C" {

HIDLINK_EXPORT void MD5_Init(MD5_CTX* context)
{
    if (context)
        init(context);
}

HIDLINK_EXPORT void MD5_Update(MD5_CTX* context, const void* data, size_t size)
{
    if (context && (data || !size))
        update(context, data, size);
}

HIDLINK_EXPORT void MD5_Final(unsigned char digest[16], MD5_CTX* context)
{
    if (context && digest)
        finish(digest, context);
}

} // extern "C"
