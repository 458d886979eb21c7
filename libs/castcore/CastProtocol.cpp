#include "CastProtocol.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace cast {

namespace {

uint32_t readBE32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

// Timestamps become integer microseconds on the receiving side; NaN or infinity would make
// that conversion undefined, so such frames count as malformed.
bool finiteTimestamp(double t)
{
    return std::isfinite(t);
}

bool fitsInt(uint32_t v)
{
    return v <= uint32_t(INT_MAX);
}

// Cuts a UTF-8 text to at most max bytes without splitting a multi-byte sequence.
size_t utf8Cut(const std::string& s, size_t max)
{
    if (s.size() <= max)
        return s.size();
    size_t n = max;
    while (n > 0 && (uint8_t(s[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

} // namespace

FrameHeader decodeHeader(const uint8_t* header)
{
    FrameHeader h;
    h.type = header[0];
    h.length = readBE32(header + 1);
    return h;
}

bool payloadLengthAllowed(uint32_t length)
{
    return length <= kMaxPayload;
}

ParseStatus parseFrame(const uint8_t* data, size_t size, Frame& frame, size_t& consumed)
{
    consumed = 0;
    if (size < kHeaderSize)
        return ParseStatus::NeedMore;
    const FrameHeader h = decodeHeader(data);
    if (!payloadLengthAllowed(h.length))
        return ParseStatus::TooLarge;
    if (size - kHeaderSize < h.length)
        return ParseStatus::NeedMore;
    frame.type = h.type;
    frame.payload.assign(data + kHeaderSize, data + kHeaderSize + h.length);
    consumed = kHeaderSize + h.length;
    return ParseStatus::Complete;
}

std::vector<uint8_t> encodeFrame(uint8_t type, const uint8_t* payload, size_t length)
{
    std::vector<uint8_t> out;
    out.reserve(kHeaderSize + length);
    out.push_back(type);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(length >> shift));
    if (length)
        out.insert(out.end(), payload, payload + length);
    return out;
}

std::vector<uint8_t> encodeFrame(uint8_t type, const std::vector<uint8_t>& payload)
{
    return encodeFrame(type, payload.data(), payload.size());
}

// --- writer ---

PayloadWriter& PayloadWriter::u8(uint8_t v)
{
    m_data.push_back(v);
    return *this;
}

PayloadWriter& PayloadWriter::u16(uint16_t v)
{
    m_data.push_back(uint8_t(v >> 8));
    m_data.push_back(uint8_t(v));
    return *this;
}

PayloadWriter& PayloadWriter::u32(uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        m_data.push_back(uint8_t(v >> shift));
    return *this;
}

PayloadWriter& PayloadWriter::i32(int32_t v)
{
    return u32(uint32_t(v));
}

PayloadWriter& PayloadWriter::f32(float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return u32(bits);
}

PayloadWriter& PayloadWriter::f64(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    u32(uint32_t(bits >> 32));
    return u32(uint32_t(bits));
}

PayloadWriter& PayloadWriter::str(const std::string& v)
{
    const size_t n = utf8Cut(v, kMaxStringBytes);
    u16(uint16_t(n));
    return bytes(reinterpret_cast<const uint8_t*>(v.data()), n);
}

PayloadWriter& PayloadWriter::bytes(const uint8_t* data, size_t length)
{
    if (length)
        m_data.insert(m_data.end(), data, data + length);
    return *this;
}

// --- reader ---

bool PayloadReader::take(size_t n, const uint8_t*& at)
{
    if (!m_ok || m_size - m_pos < n) {
        m_ok = false;
        return false;
    }
    at = m_data + m_pos;
    m_pos += n;
    return true;
}

bool PayloadReader::u8(uint8_t& v)
{
    const uint8_t* p;
    if (!take(1, p))
        return false;
    v = p[0];
    return true;
}

bool PayloadReader::u16(uint16_t& v)
{
    const uint8_t* p;
    if (!take(2, p))
        return false;
    v = uint16_t((p[0] << 8) | p[1]);
    return true;
}

bool PayloadReader::u32(uint32_t& v)
{
    const uint8_t* p;
    if (!take(4, p))
        return false;
    v = readBE32(p);
    return true;
}

bool PayloadReader::i32(int32_t& v)
{
    uint32_t u;
    if (!u32(u))
        return false;
    v = int32_t(u);
    return true;
}

bool PayloadReader::f32(float& v)
{
    uint32_t bits;
    if (!u32(bits))
        return false;
    std::memcpy(&v, &bits, sizeof v);
    return true;
}

bool PayloadReader::f64(double& v)
{
    uint32_t hi, lo;
    if (!u32(hi) || !u32(lo))
        return false;
    const uint64_t bits = (uint64_t(hi) << 32) | lo;
    std::memcpy(&v, &bits, sizeof v);
    return true;
}

bool PayloadReader::str(std::string& v)
{
    uint16_t n;
    if (!u16(n))
        return false;
    if (n > kMaxStringBytes) {
        m_ok = false;
        return false;
    }
    const uint8_t* p;
    if (!take(n, p))
        return false;
    // Texts reach the program as zero-terminated strings; a zero inside would cut them there
    // and make different texts (channel ids) look alike.
    if (std::memchr(p, 0, n)) {
        m_ok = false;
        return false;
    }
    v.assign(reinterpret_cast<const char*>(p), n);
    return true;
}

bool PayloadReader::raw(const uint8_t*& data, size_t length)
{
    return take(length, data);
}

void PayloadReader::rest(const uint8_t*& data, size_t& length)
{
    length = remaining();
    data = m_ok ? m_data + m_pos : nullptr;
    m_pos = m_size;
}

// --- payloads ---

bool decodeHello(const std::vector<uint8_t>& payload, HelloMsg& msg)
{
    PayloadReader r(payload);
    const uint8_t* magic;
    if (!r.raw(magic, sizeof kMagic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0)
        return false;
    if (!r.u16(msg.version))
        return false;
    // Later versions may lay out the rest differently; the caller answers them by version.
    if (msg.version != kProtocolVersion)
        return true;
    r.u8(msg.kind);
    r.str(msg.channelId);
    r.str(msg.phoneName);
    r.str(msg.systemVersion);
    r.str(msg.model);
    if (!r.ok())
        return false;
    // The access extension follows when at least its version is there; shorter rests are
    // ignored like any bytes after the known fields.
    msg.accessVersion = 0;
    msg.accessCode.clear();
    if (r.remaining() < 2)
        return true;
    r.u16(msg.accessVersion);
    if (msg.accessVersion >= 1)
        r.str(msg.accessCode);
    return r.ok();
}

bool decodeInfo(const std::vector<uint8_t>& payload, InfoMsg& msg)
{
    PayloadReader r(payload);
    r.str(msg.phoneName);
    r.str(msg.channelId);
    r.str(msg.systemVersion);
    r.str(msg.model);
    return r.ok();
}

bool decodeMirrorStart(const std::vector<uint8_t>& payload, MirrorStartMsg& msg)
{
    PayloadReader r(payload);
    r.i32(msg.width);
    r.i32(msg.height);
    r.f64(msg.timestamp);
    if (!r.ok() || msg.width < 0 || msg.height < 0 || !finiteTimestamp(msg.timestamp))
        return false;
    r.rest(msg.record, msg.recordLength);
    return true;
}

bool decodeVideo(const std::vector<uint8_t>& payload, VideoMsg& msg)
{
    PayloadReader r(payload);
    r.f64(msg.timestamp);
    r.u8(msg.dataKind);
    r.u32(msg.rotation);
    if (!r.ok() || !finiteTimestamp(msg.timestamp))
        return false;
    r.rest(msg.data, msg.length);
    return true;
}

bool decodeRotated(const std::vector<uint8_t>& payload, RotatedMsg& msg)
{
    PayloadReader r(payload);
    r.u32(msg.oldRotation);
    r.u32(msg.newRotation);
    return r.ok() && fitsInt(msg.oldRotation) && fitsInt(msg.newRotation);
}

bool decodeAudioFormat(const std::vector<uint8_t>& payload, AudioFormatMsg& msg)
{
    PayloadReader r(payload);
    r.u32(msg.bitsPerSample);
    r.u32(msg.channels);
    r.u32(msg.sampleRate);
    r.u32(msg.tag);
    return r.ok() && fitsInt(msg.bitsPerSample) && fitsInt(msg.channels) && fitsInt(msg.sampleRate);
}

bool decodeAudioData(const std::vector<uint8_t>& payload, AudioDataMsg& msg)
{
    PayloadReader r(payload);
    r.f64(msg.timestamp);
    r.u32(msg.tag);
    if (!r.ok() || !finiteTimestamp(msg.timestamp))
        return false;
    r.rest(msg.data, msg.length);
    return true;
}

bool decodeWelcome(const std::vector<uint8_t>& payload, WelcomeMsg& msg)
{
    PayloadReader r(payload);
    r.u8(msg.status);
    r.u16(msg.version);
    msg.accessVersion = 0;
    if (r.ok() && r.remaining() >= 2)
        r.u16(msg.accessVersion);
    return r.ok();
}

bool decodeTouch(const std::vector<uint8_t>& payload, std::vector<TouchRecord>& records)
{
    PayloadReader r(payload);
    uint32_t count;
    if (!r.u32(count) || uint64_t(count) * 16u > r.remaining())
        return false;
    records.resize(count);
    for (TouchRecord& t : records) {
        r.u32(t.pressed);
        r.u32(t.pointerId);
        r.f32(t.x);
        r.f32(t.y);
    }
    return r.ok();
}

bool decodeKey(const std::vector<uint8_t>& payload, KeyMsg& msg)
{
    PayloadReader r(payload);
    r.i32(msg.action);
    r.u32(msg.code);
    return r.ok();
}

bool decodeSystemKey(const std::vector<uint8_t>& payload, uint32_t& mask)
{
    PayloadReader r(payload);
    return r.u32(mask);
}

std::vector<uint8_t> encodeHello(const HelloMsg& msg)
{
    PayloadWriter w;
    w.bytes(reinterpret_cast<const uint8_t*>(kMagic), sizeof kMagic)
        .u16(msg.version)
        .u8(msg.kind)
        .str(msg.channelId)
        .str(msg.phoneName)
        .str(msg.systemVersion)
        .str(msg.model);
    if (msg.accessVersion >= 1)
        w.u16(msg.accessVersion).str(msg.accessCode);
    return w.take();
}

std::vector<uint8_t> encodeInfo(const InfoMsg& msg)
{
    PayloadWriter w;
    w.str(msg.phoneName).str(msg.channelId).str(msg.systemVersion).str(msg.model);
    return w.take();
}

std::vector<uint8_t> encodeMirrorStart(int32_t width, int32_t height, double timestamp,
                                       const std::vector<uint8_t>& record)
{
    PayloadWriter w;
    w.i32(width).i32(height).f64(timestamp).bytes(record);
    return w.take();
}

std::vector<uint8_t> encodeVideo(double timestamp, uint8_t dataKind, uint32_t rotation,
                                 const uint8_t* data, size_t length)
{
    PayloadWriter w;
    w.f64(timestamp).u8(dataKind).u32(rotation).bytes(data, length);
    return w.take();
}

std::vector<uint8_t> encodeRotated(uint32_t oldRotation, uint32_t newRotation)
{
    PayloadWriter w;
    w.u32(oldRotation).u32(newRotation);
    return w.take();
}

std::vector<uint8_t> encodeAudioFormat(const AudioFormatMsg& msg)
{
    PayloadWriter w;
    w.u32(msg.bitsPerSample).u32(msg.channels).u32(msg.sampleRate).u32(msg.tag);
    return w.take();
}

std::vector<uint8_t> encodeAudioData(double timestamp, uint32_t tag, const uint8_t* data, size_t length)
{
    PayloadWriter w;
    w.f64(timestamp).u32(tag).bytes(data, length);
    return w.take();
}

std::vector<uint8_t> encodeWelcome(uint8_t status)
{
    PayloadWriter w;
    w.u8(status).u16(kProtocolVersion).u16(kAccessVersion);
    return w.take();
}

std::vector<uint8_t> encodeTouch(const TouchRecord* records, size_t count)
{
    PayloadWriter w;
    w.u32(uint32_t(count));
    for (size_t i = 0; i < count; ++i)
        w.u32(records[i].pressed).u32(records[i].pointerId).f32(records[i].x).f32(records[i].y);
    return w.take();
}

std::vector<uint8_t> encodeKey(int32_t action, uint32_t code)
{
    PayloadWriter w;
    w.i32(action).u32(code);
    return w.take();
}

std::vector<uint8_t> encodeSystemKey(uint32_t mask)
{
    PayloadWriter w;
    w.u32(mask);
    return w.take();
}

std::string frameTypeName(uint8_t type)
{
    switch (type) {
    case Hello: return "HELLO";
    case Info: return "INFO";
    case MirrorStart: return "MIRROR_START";
    case Video: return "VIDEO";
    case MirrorStop: return "MIRROR_STOP";
    case FrameSize: return "FRAME_SIZE";
    case Rotated: return "ROTATED";
    case AudioFormat: return "AUDIO_FORMAT";
    case AudioData: return "AUDIO_DATA";
    case AudioStop: return "AUDIO_STOP";
    case Bye: return "BYE";
    case Welcome: return "WELCOME";
    case AccessPending: return "ACCESS_PENDING";
    case Touch: return "TOUCH";
    case Key: return "KEY";
    case SystemKey: return "SYSTEM_KEY";
    case KeyFrame: return "KEYFRAME";
    case Disconnect: return "DISCONNECT";
    default: break;
    }
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", unsigned(type));
    return text;
}

const char* welcomeStatusText(uint8_t status)
{
    switch (status) {
    case Accepted: return "accepted";
    case UnsupportedVersion: return "unsupported protocol version";
    case Refused: return "refused";
    case CodeRequired: return "the receiver requires an access code";
    case WrongCode: return "wrong access code";
    case LockedOut: return "too many wrong access codes from this address; try again in a minute";
    case Busy: return "the receiver serves as many phones as it can";
    default: return "unknown status";
    }
}

} // namespace cast
