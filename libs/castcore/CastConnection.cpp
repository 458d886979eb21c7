#include "CastConnection.h"

#include "CastAccess.h"
#include "CastEngine.h"
#include "CastLog.h"
#include "CastSocket.h"

#include <chrono>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kHelloTimeoutMs = 10000;
static_assert(std::chrono::milliseconds(kHelloTimeoutMs) == CastConnection::kHelloDeadline, "one HELLO time");
constexpr int kSendTimeoutMs = 3000;
constexpr int kDrainTimeoutMs = 2000;
constexpr size_t kDrainLimit = 4 * cast::kMaxPayload;

// Callbacks get a valid pointer even for empty data.
const uint8_t* dataOrEmpty(const uint8_t* data)
{
    static const uint8_t empty = 0;
    return data ? data : &empty;
}

// The address part of "address:port".
std::string addressOf(const std::string& peer)
{
    const size_t colon = peer.rfind(':');
    return colon == std::string::npos ? peer : peer.substr(0, colon);
}

} // namespace

CastConnection::CastConnection(CastEngine& engine, int fd, int serial, std::string peer)
    : m_engine(engine), m_fd(fd), m_serial(serial), m_peer(std::move(peer))
    , m_acceptedAt(std::chrono::steady_clock::now())
{
}

CastConnection::~CastConnection()
{
    join();
    ::close(m_fd);
}

void CastConnection::start()
{
    cast::setSendTimeout(m_fd, kSendTimeoutMs);
    cast::setReceiveTimeout(m_fd, kHelloTimeoutMs);
    m_thread = std::thread(&CastConnection::serve, this);
}

bool CastConnection::expireIfHelloLate(std::chrono::steady_clock::time_point now)
{
    if (!awaitingHello() || now - m_acceptedAt < kHelloDeadline || m_expired.exchange(true))
        return false;
    castcore::logLimited(castcore::Cause::NoHello, CASTCORE_LOG_WARNING,
                         "connection %d (%s): no HELLO within %d s; closing", m_serial, m_peer.c_str(),
                         int(kHelloDeadline.count()));
    shutdownBoth();
    return true;
}

void CastConnection::join()
{
    if (!m_thread.joinable())
        return;
    if (m_thread.get_id() == std::this_thread::get_id())
        m_thread.detach();  // ended from one of its own callbacks; nothing left to wait for
    else
        m_thread.join();
}

bool CastConnection::live() const
{
    return m_handle.load() && !m_dropped.load() && !m_superseded.load();
}

bool CastConnection::send(uint8_t type, const std::vector<uint8_t>& payload)
{
    std::lock_guard<std::mutex> lock(m_writeMutex);
    if (m_writeClosed)
        return false;
    if (cast::writeFrame(m_fd, type, payload))
        return true;
    castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): sending %s failed; closing",
                  m_serial, m_peer.c_str(), cast::frameTypeName(type).c_str());
    m_writeClosed = true;
    ::shutdown(m_fd, SHUT_RDWR);
    return false;
}

void CastConnection::disconnectByProgram()
{
    m_dropped.store(true);
    send(cast::Disconnect, {});
    std::lock_guard<std::mutex> lock(m_writeMutex);
    m_writeClosed = true;
    // Only the sending half: the phone reads DISCONNECT and closes, which ends the reader.
    ::shutdown(m_fd, SHUT_WR);
}

void CastConnection::supersede()
{
    m_superseded.store(true);
    shutdownBoth();
}

void CastConnection::abort()
{
    shutdownBoth();
}

void CastConnection::shutdownBoth()
{
    std::lock_guard<std::mutex> lock(m_writeMutex);
    m_writeClosed = true;
    ::shutdown(m_fd, SHUT_RDWR);
}

void CastConnection::serve()
{
    cast::Frame frame;
    std::string error;
    for (;;) {
        const uint32_t limit = m_helloReceived.load() ? cast::kMaxPayload : kMaxHelloPayload;
        const cast::ReadResult result = cast::readFrame(m_fd, frame, error, limit);
        if (result == cast::ReadResult::Frame) {
            if (!m_dropped.load() && !m_superseded.load() && handleFrame(frame))
                continue;
            if (m_dropped.load())
                drainUntilClosed();
            break;
        }
        logReadEnd(result, frame, error);
        break;
    }
    endChannel();
}

void CastConnection::logReadEnd(cast::ReadResult result, const cast::Frame& frame, const std::string& error)
{
    const bool ours = m_dropped.load() || m_superseded.load() || m_engine.stopping();
    if (ours || m_expired.load())
        return;  // closed on purpose, and said so where that was decided
    if (!m_helloReceived.load()) {
        // Strangers may repeat these by the thousand; logged per cause, not per connection.
        switch (result) {
        case cast::ReadResult::Closed:
        case cast::ReadResult::Truncated:
            castcore::logLimited(castcore::Cause::ClosedBeforeHello, CASTCORE_LOG_INFO,
                                 "connection %d (%s): closed by the phone before HELLO", m_serial, m_peer.c_str());
            break;
        case cast::ReadResult::TooLarge:
            castcore::logLimited(castcore::Cause::BadFirstFrame, CASTCORE_LOG_WARNING,
                                 "connection %d (%s): first frame (%s) announces %s, more than a HELLO; closing",
                                 m_serial, m_peer.c_str(), cast::frameTypeName(frame.type).c_str(), error.c_str());
            break;
        case cast::ReadResult::Error:
            castcore::logLimited(castcore::Cause::NoHello, CASTCORE_LOG_WARNING,
                                 "connection %d (%s): no HELLO (%s); closing", m_serial, m_peer.c_str(),
                                 error.c_str());
            break;
        case cast::ReadResult::Frame:
            break;
        }
        return;
    }
    switch (result) {
    case cast::ReadResult::Closed:
        castcore::log(CASTCORE_LOG_INFO, "connection %d (%s): closed by the phone without BYE", m_serial,
                      m_peer.c_str());
        break;
    case cast::ReadResult::Truncated:
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): closed inside a %s frame", m_serial,
                      m_peer.c_str(), cast::frameTypeName(frame.type).c_str());
        break;
    case cast::ReadResult::TooLarge:
        castcore::log(CASTCORE_LOG_WARNING,
                      "connection %d (%s): %s frame announces %s, more than the 8 MiB limit; closing", m_serial,
                      m_peer.c_str(), cast::frameTypeName(frame.type).c_str(), error.c_str());
        break;
    case cast::ReadResult::Error:
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): receive failed (%s); closing", m_serial,
                      m_peer.c_str(), error.c_str());
        break;
    case cast::ReadResult::Frame:
        break;
    }
}

void CastConnection::endChannel()
{
    shutdownBoth();
    if (m_hasPhoneSlot) {
        m_engine.releasePhoneSlot();
        m_hasPhoneSlot = false;
    }
    if (live()) {
        if (IAirPlayCallback* cb = m_engine.callback())
            cb->Disconnected(m_handle.load());
    }
    m_finished.store(true);
}

// After the program's DISCONNECT the phone may still have frames in flight; reading them
// until it closes avoids a reset that could discard the DISCONNECT on its side.
void CastConnection::drainUntilClosed()
{
    // Bounded in time too, so a phone that trickles bytes cannot keep the thread.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kDrainTimeoutMs);
    uint8_t buffer[16384];
    size_t total = 0;
    while (total < kDrainLimit && !m_engine.stopping()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        cast::setReceiveTimeout(m_fd, int(left.count()));
        const ssize_t r = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (r <= 0)
            break;
        total += size_t(r);
    }
}

bool CastConnection::refuse(uint8_t status)
{
    send(cast::Welcome, cast::encodeWelcome(status));
    {
        std::lock_guard<std::mutex> lock(m_writeMutex);
        m_writeClosed = true;
        ::shutdown(m_fd, SHUT_WR);
    }
    drainUntilClosed();
    return false;
}

bool CastConnection::malformed(const cast::Frame& frame)
{
    if (!m_helloReceived.load()) {
        castcore::logLimited(castcore::Cause::BadFirstFrame, CASTCORE_LOG_WARNING,
                             "connection %d (%s): malformed %s frame (%zu bytes) instead of HELLO; closing",
                             m_serial, m_peer.c_str(), cast::frameTypeName(frame.type).c_str(),
                             frame.payload.size());
        return false;
    }
    castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): malformed %s frame (%zu bytes); closing",
                  m_serial, m_peer.c_str(), cast::frameTypeName(frame.type).c_str(), frame.payload.size());
    return false;
}

bool CastConnection::handleFrame(const cast::Frame& frame)
{
    if (!m_helloDone) {
        if (frame.type != cast::Hello)
            return malformed(frame);
        return handleHello(frame.payload);
    }
    if (frame.type == cast::Hello) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): second HELLO; closing", m_serial,
                      m_peer.c_str());
        return false;
    }
    IAirPlayCallback* cb = m_engine.callback();
    if (!cb) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): the callback object is gone; closing",
                      m_serial, m_peer.c_str());
        return false;
    }
    return dispatch(frame, cb, m_handle.load());
}

bool CastConnection::handleHello(const std::vector<uint8_t>& payload)
{
    cast::HelloMsg hello;
    if (!cast::decodeHello(payload, hello))
        return malformed(cast::Frame{cast::Hello, payload});
    // From here the phone is past the stranger stage: the deadline and the small frame limit
    // no longer apply, and what happens to it is logged line by line.
    m_helloReceived.store(true);
    const int refusal = helloRefusal(hello);
    if (refusal >= 0)
        return refuse(uint8_t(refusal));
    IAirPlayCallback* cb = m_engine.callback();
    void* h = cb ? cb->Connect(hello.channelId.c_str(), hello.kind) : nullptr;
    if (!h) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): the program refused channel \"%s\"",
                      m_serial, m_peer.c_str(), hello.channelId.c_str());
        return refuse(cast::Refused);
    }
    m_engine.adoptHandle(this, h);
    m_helloDone = true;
    cast::setReceiveTimeout(m_fd, 0);
    castcore::log(CASTCORE_LOG_INFO, "connection %d (%s): phone \"%s\" joined as channel \"%s\", kind %u",
                  m_serial, m_peer.c_str(), hello.phoneName.c_str(), hello.channelId.c_str(),
                  unsigned(hello.kind));
    if (!send(cast::Welcome, cast::encodeWelcome(cast::Accepted)))
        return false;
    cb->Information(h, hello.phoneName.c_str(), hello.channelId.c_str(), hello.systemVersion.c_str(),
                    hello.model.c_str());
    return true;
}

int CastConnection::helloRefusal(const cast::HelloMsg& hello)
{
    if (hello.version != cast::kProtocolVersion) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): unsupported protocol version %u; refusing",
                      m_serial, m_peer.c_str(), unsigned(hello.version));
        return cast::UnsupportedVersion;
    }
    if (hello.kind < 1 || hello.kind > 4) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): device kind %u is not 1 to 4; refusing",
                      m_serial, m_peer.c_str(), unsigned(hello.kind));
        return cast::Refused;
    }
    if (hello.channelId.empty()) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): HELLO without a channel id; refusing",
                      m_serial, m_peer.c_str());
        return cast::Refused;
    }
    if (!m_engine.callback() || m_engine.stopping()) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): the receiver is not ready; refusing",
                      m_serial, m_peer.c_str());
        return cast::Refused;
    }
    if (!m_engine.takePhoneSlot()) {
        castcore::logLimited(castcore::Cause::Busy, CASTCORE_LOG_WARNING,
                             "connection %d (%s): phone \"%s\" refused: %zu phones are mirroring already",
                             m_serial, m_peer.c_str(), hello.phoneName.c_str(), CastEngine::kMaxPhones);
        return cast::Busy;
    }
    m_hasPhoneSlot = true;
    const int status = admit(hello);
    if (status != cast::Accepted) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): phone \"%s\" (channel \"%s\") refused: %s",
                      m_serial, m_peer.c_str(), hello.phoneName.c_str(), hello.channelId.c_str(),
                      cast::welcomeStatusText(uint8_t(status)));
        return status;
    }
    // The user may have taken a while; the receiver may be stopping by now.
    return m_engine.stopping() ? int(cast::Refused) : -1;
}

int CastConnection::admit(const cast::HelloMsg& hello)
{
    const std::string address = addressOf(m_peer);
    CastcoreAccessRequest request{};
    request.address = address.c_str();
    request.channelId = hello.channelId.c_str();
    request.phoneName = hello.phoneName.c_str();
    request.systemVersion = hello.systemVersion.c_str();
    request.model = hello.model.c_str();
    request.kind = hello.kind;
    request.speaksAccess = hello.accessVersion >= 1 ? 1 : 0;
    request.code = hello.accessCode.c_str();
    return m_engine.admit(request, [&] {
        // Only a phone that speaks the extension knows to wait longer than for a WELCOME.
        if (request.speaksAccess)
            send(cast::AccessPending, {});
    });
}

// Video control frames only make sense inside a mirroring session; outside one they are
// logged (once per connection) and ignored rather than ending the channel.
bool CastConnection::mirroringRequired(const cast::Frame& frame)
{
    if (m_mirroring)
        return true;
    if (!m_warnedBeforeStart) {
        castcore::log(CASTCORE_LOG_WARNING, "connection %d (%s): %s before MIRROR_START ignored",
                      m_serial, m_peer.c_str(), cast::frameTypeName(frame.type).c_str());
        m_warnedBeforeStart = true;
    }
    return false;
}

bool CastConnection::dispatch(const cast::Frame& frame, IAirPlayCallback* cb, void* h)
{
    switch (frame.type) {
    case cast::Info: {
        cast::InfoMsg info;
        if (!cast::decodeInfo(frame.payload, info))
            return malformed(frame);
        cb->Information(h, info.phoneName.c_str(), info.channelId.c_str(), info.systemVersion.c_str(),
                        info.model.c_str());
        return true;
    }
    case cast::MirrorStart: {
        cast::MirrorStartMsg start;
        if (!cast::decodeMirrorStart(frame.payload, start))
            return malformed(frame);
        m_mirroring = true;
        cb->MirroringStarted(h, start.width, start.height, dataOrEmpty(start.record), int(start.recordLength),
                             1, start.timestamp);
        return true;
    }
    case cast::Video: {
        cast::VideoMsg video;
        if (!cast::decodeVideo(frame.payload, video))
            return malformed(frame);
        if (mirroringRequired(frame))
            cb->MirroringData(h, dataOrEmpty(video.data), int(video.length), video.dataKind, video.timestamp,
                              video.rotation);
        return true;
    }
    case cast::MirrorStop:
        if (mirroringRequired(frame)) {
            m_mirroring = false;
            cb->MirroringStopped(h);
        }
        return true;
    case cast::FrameSize:
        if (mirroringRequired(frame))
            cb->FrameSizeChanged(h);
        return true;
    case cast::Rotated: {
        cast::RotatedMsg rotated;
        if (!cast::decodeRotated(frame.payload, rotated))
            return malformed(frame);
        if (mirroringRequired(frame))
            cb->Rotated(h, int(rotated.oldRotation), int(rotated.newRotation));
        return true;
    }
    case cast::AudioFormat: {
        cast::AudioFormatMsg format;
        if (!cast::decodeAudioFormat(frame.payload, format))
            return malformed(frame);
        cb->AudioFormat(h, int(format.bitsPerSample), int(format.channels), int(format.sampleRate), format.tag);
        return true;
    }
    case cast::AudioData: {
        cast::AudioDataMsg audio;
        if (!cast::decodeAudioData(frame.payload, audio))
            return malformed(frame);
        cb->AudioData(h, dataOrEmpty(audio.data), int(audio.length), audio.timestamp, audio.tag);
        return true;
    }
    case cast::AudioStop:
        cb->AudioStopped(h);
        return true;
    case cast::Bye:
        castcore::log(CASTCORE_LOG_INFO, "connection %d (%s): the phone said goodbye", m_serial, m_peer.c_str());
        return false;
    default:
        // Later protocol versions may add frames; this one reads and skips them.
        return true;
    }
}
