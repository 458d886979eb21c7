#pragma once
// Framing and payload layouts of the cast protocol, shared by the receiver engine and the
// simulated phone. Pure functions over byte buffers: nothing here touches a socket.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cast {

constexpr uint16_t kProtocolVersion = 1;
// Version of the access extension (access codes, WELCOME statuses 3 to 6, ACCESS_PENDING).
constexpr uint16_t kAccessVersion = 1;
constexpr size_t kHeaderSize = 5;
constexpr uint32_t kMaxPayload = 8u * 1024u * 1024u;
constexpr size_t kMaxStringBytes = 255;
constexpr char kMagic[6] = {'P', 'V', 'C', 'A', 'S', 'T'};

enum FrameType : uint8_t {
    // phone to receiver
    Hello = 0x01,
    Info = 0x02,
    MirrorStart = 0x10,
    Video = 0x11,
    MirrorStop = 0x12,
    FrameSize = 0x13,
    Rotated = 0x14,
    AudioFormat = 0x20,
    AudioData = 0x21,
    AudioStop = 0x22,
    Bye = 0x7F,
    // receiver to phone
    Welcome = 0x81,
    AccessPending = 0x82,
    Touch = 0x90,
    Key = 0x91,
    SystemKey = 0x92,
    KeyFrame = 0x93,
    Disconnect = 0x94,
};

enum WelcomeStatus : uint8_t {
    Accepted = 0,
    UnsupportedVersion = 1,
    Refused = 2,
    // access extension
    CodeRequired = 3,
    WrongCode = 4,
    LockedOut = 5,
    Busy = 6,
};

// Phone orientation codes carried by VIDEO and ROTATED.
enum Orientation : uint32_t {
    Upright = 0,
    UpsideDown = 3,
    TurnedLeft = 4,   // 90 degrees
    TurnedRight = 7,  // 270 degrees
};

struct FrameHeader {
    uint8_t type = 0;
    uint32_t length = 0;
};

struct Frame {
    uint8_t type = 0;
    std::vector<uint8_t> payload;
};

enum class ParseStatus {
    Complete,    // a whole frame was taken from the buffer
    NeedMore,    // the buffer ends inside a frame
    TooLarge,    // the announced payload exceeds kMaxPayload
};

FrameHeader decodeHeader(const uint8_t* header);
bool payloadLengthAllowed(uint32_t length);

// Takes one frame from the front of data. On Complete, consumed is the frame's full size.
ParseStatus parseFrame(const uint8_t* data, size_t size, Frame& frame, size_t& consumed);

std::vector<uint8_t> encodeFrame(uint8_t type, const std::vector<uint8_t>& payload);
std::vector<uint8_t> encodeFrame(uint8_t type, const uint8_t* payload, size_t length);

// Appends big-endian fields to a payload.
class PayloadWriter {
public:
    PayloadWriter& u8(uint8_t v);
    PayloadWriter& u16(uint16_t v);
    PayloadWriter& u32(uint32_t v);
    PayloadWriter& i32(int32_t v);
    PayloadWriter& f32(float v);
    PayloadWriter& f64(double v);
    // Longer texts are cut to kMaxStringBytes, never inside a UTF-8 sequence.
    PayloadWriter& str(const std::string& v);
    PayloadWriter& bytes(const uint8_t* data, size_t length);
    PayloadWriter& bytes(const std::vector<uint8_t>& data) { return bytes(data.data(), data.size()); }

    const std::vector<uint8_t>& data() const { return m_data; }
    std::vector<uint8_t> take() { return std::move(m_data); }

private:
    std::vector<uint8_t> m_data;
};

// Reads big-endian fields with bounds checks; a failed read leaves the reader failed and
// every later read fails too, so decoders check once at the end.
class PayloadReader {
public:
    PayloadReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    explicit PayloadReader(const std::vector<uint8_t>& payload)
        : PayloadReader(payload.data(), payload.size()) {}

    bool u8(uint8_t& v);
    bool u16(uint16_t& v);
    bool u32(uint32_t& v);
    bool i32(int32_t& v);
    bool f32(float& v);
    bool f64(double& v);
    bool str(std::string& v);
    bool raw(const uint8_t*& data, size_t length);
    // The unread rest of the payload.
    void rest(const uint8_t*& data, size_t& length);

    bool ok() const { return m_ok; }
    size_t remaining() const { return m_ok ? m_size - m_pos : 0; }

private:
    bool take(size_t n, const uint8_t*& at);

    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

// Payloads. Decoders return false when the payload is malformed; "data" members point into
// the decoded payload and live as long as it does.

struct HelloMsg {
    uint16_t version = kProtocolVersion;
    uint8_t kind = 3;
    std::string channelId;
    std::string phoneName;
    std::string systemVersion;
    std::string model;
    // Access extension: 0 when the phone does not speak it (nothing follows the model).
    uint16_t accessVersion = kAccessVersion;
    std::string accessCode;
};

struct InfoMsg {
    std::string phoneName;
    std::string channelId;
    std::string systemVersion;
    std::string model;
};

struct MirrorStartMsg {
    int32_t width = 0;
    int32_t height = 0;
    double timestamp = 0;
    const uint8_t* record = nullptr;
    size_t recordLength = 0;
};

struct VideoMsg {
    double timestamp = 0;
    uint8_t dataKind = 0;
    uint32_t rotation = 0;
    const uint8_t* data = nullptr;
    size_t length = 0;
};

struct RotatedMsg {
    uint32_t oldRotation = 0;
    uint32_t newRotation = 0;
};

struct AudioFormatMsg {
    uint32_t bitsPerSample = 16;
    uint32_t channels = 2;
    uint32_t sampleRate = 44100;
    uint32_t tag = 0;
};

struct AudioDataMsg {
    double timestamp = 0;
    uint32_t tag = 0;
    const uint8_t* data = nullptr;
    size_t length = 0;
};

struct WelcomeMsg {
    uint8_t status = Accepted;
    uint16_t version = kProtocolVersion;
    uint16_t accessVersion = 0;  // 0 from receivers without the access extension
};

struct TouchRecord {
    uint32_t pressed = 0;
    uint32_t pointerId = 0;
    float x = 0;
    float y = 0;
};

struct KeyMsg {
    int32_t action = 0;
    uint32_t code = 0;
};

// A HELLO with the wrong magic fails; a different version decodes (the caller answers it).
bool decodeHello(const std::vector<uint8_t>& payload, HelloMsg& msg);
bool decodeInfo(const std::vector<uint8_t>& payload, InfoMsg& msg);
bool decodeMirrorStart(const std::vector<uint8_t>& payload, MirrorStartMsg& msg);
bool decodeVideo(const std::vector<uint8_t>& payload, VideoMsg& msg);
bool decodeRotated(const std::vector<uint8_t>& payload, RotatedMsg& msg);
bool decodeAudioFormat(const std::vector<uint8_t>& payload, AudioFormatMsg& msg);
bool decodeAudioData(const std::vector<uint8_t>& payload, AudioDataMsg& msg);
bool decodeWelcome(const std::vector<uint8_t>& payload, WelcomeMsg& msg);
bool decodeTouch(const std::vector<uint8_t>& payload, std::vector<TouchRecord>& records);
bool decodeKey(const std::vector<uint8_t>& payload, KeyMsg& msg);
bool decodeSystemKey(const std::vector<uint8_t>& payload, uint32_t& mask);

std::vector<uint8_t> encodeHello(const HelloMsg& msg);
std::vector<uint8_t> encodeInfo(const InfoMsg& msg);
std::vector<uint8_t> encodeMirrorStart(int32_t width, int32_t height, double timestamp,
                                       const std::vector<uint8_t>& record);
std::vector<uint8_t> encodeVideo(double timestamp, uint8_t dataKind, uint32_t rotation,
                                 const uint8_t* data, size_t length);
std::vector<uint8_t> encodeRotated(uint32_t oldRotation, uint32_t newRotation);
std::vector<uint8_t> encodeAudioFormat(const AudioFormatMsg& msg);
std::vector<uint8_t> encodeAudioData(double timestamp, uint32_t tag, const uint8_t* data, size_t length);
std::vector<uint8_t> encodeWelcome(uint8_t status);
std::vector<uint8_t> encodeTouch(const TouchRecord* records, size_t count);
std::vector<uint8_t> encodeKey(int32_t action, uint32_t code);
std::vector<uint8_t> encodeSystemKey(uint32_t mask);

// Name of a frame type for log lines ("VIDEO", "0x33" for unknown types).
std::string frameTypeName(uint8_t type);
// What a WELCOME status means, for messages ("unknown status" for others).
const char* welcomeStatusText(uint8_t status);

} // namespace cast
