#include "PhoneLink.h"

#include "CastSocket.h"
#include "ControlJson.h"

#include <chrono>
#include <cstdio>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kWelcomeTimeoutMs = 10000;
// After ACCESS_PENDING the receiver's user decides; its prompt gives up after a minute.
constexpr int kAskTimeoutMs = 90000;
constexpr int kSendTimeoutMs = 10000;
constexpr int kPollMs = 200;
constexpr auto kFinishWait = std::chrono::seconds(5);

std::string refusalText(uint8_t status)
{
    std::string text = "the receiver refused the phone (WELCOME status " + std::to_string(status) + ": " +
                       cast::welcomeStatusText(status) + ")";
    if (status == cast::CodeRequired || status == cast::WrongCode)
        text += "; give the code its main window shows with --pin";
    return text;
}

} // namespace

PhoneLink::~PhoneLink()
{
    m_finishing.store(true);
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_RDWR);
    if (m_reader.joinable())
        m_reader.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

bool PhoneLink::connect(const std::string& host, int port, const cast::HelloMsg& hello, std::string& error)
{
    std::string why;
    m_fd = cast::connectTcp(host, port, why);
    if (m_fd < 0) {
        error = "cannot connect to " + host + ":" + std::to_string(port) + ": " + why;
        return false;
    }
    cast::setSendTimeout(m_fd, kSendTimeoutMs);
    if (!send(cast::Hello, cast::encodeHello(hello))) {
        error = "cannot send HELLO to " + host + ":" + std::to_string(port);
        return false;
    }
    cast::Frame frame;
    if (!readWelcome(frame, error))
        return false;
    cast::WelcomeMsg welcome;
    if (frame.type != cast::Welcome || !cast::decodeWelcome(frame.payload, welcome)) {
        error = "the receiver answered HELLO with " + cast::frameTypeName(frame.type) + " instead of WELCOME";
        return false;
    }
    if (welcome.status != cast::Accepted) {
        error = refusalText(welcome.status);
        return false;
    }
    return true;
}

// The receiver's first frame after ACCESS_PENDING, if it sends that.
bool PhoneLink::readWelcome(cast::Frame& frame, std::string& error)
{
    std::string why;
    cast::setReceiveTimeout(m_fd, kWelcomeTimeoutMs);
    cast::ReadResult result = cast::readFrame(m_fd, frame, why);
    if (result == cast::ReadResult::Frame && frame.type == cast::AccessPending) {
        std::fprintf(stderr, "pivora-cast: the receiver asks its user to allow this phone; waiting\n");
        cast::setReceiveTimeout(m_fd, kAskTimeoutMs);
        result = cast::readFrame(m_fd, frame, why);
    }
    cast::setReceiveTimeout(m_fd, 0);
    if (result == cast::ReadResult::Frame)
        return true;
    error = "the receiver closed the connection without WELCOME";
    if (result == cast::ReadResult::Error)
        error += " (" + why + ")";
    return false;
}

void PhoneLink::startReader(Handlers handlers)
{
    m_handlers = std::move(handlers);
    m_reader = std::thread(&PhoneLink::readLoop, this);
}

bool PhoneLink::send(uint8_t type, const std::vector<uint8_t>& payload)
{
    std::lock_guard<std::mutex> lock(m_writeMutex);
    if (m_closed.load() || m_fd < 0)
        return false;
    if (cast::writeFrame(m_fd, type, payload))
        return true;
    m_closed.store(true);
    return false;
}

void PhoneLink::readLoop()
{
    cast::Frame frame;
    std::string error;
    auto deadline = std::chrono::steady_clock::time_point::max();
    for (;;) {
        if (m_finishing.load() && deadline == std::chrono::steady_clock::time_point::max())
            deadline = std::chrono::steady_clock::now() + kFinishWait;
        if (std::chrono::steady_clock::now() > deadline)
            break;
        pollfd p{m_fd, POLLIN, 0};
        const int n = ::poll(&p, 1, kPollMs);
        if (n <= 0)
            continue;
        const cast::ReadResult result = cast::readFrame(m_fd, frame, error);
        if (result != cast::ReadResult::Frame) {
            if (result == cast::ReadResult::TooLarge || result == cast::ReadResult::Truncated)
                std::fprintf(stderr, "pivora-cast: broken frame from the receiver; closing\n");
            break;
        }
        if (!handleFrame(frame)) {
            std::fprintf(stderr, "pivora-cast: malformed %s frame from the receiver; closing\n",
                         cast::frameTypeName(frame.type).c_str());
            break;
        }
    }
    m_closed.store(true);
}

bool PhoneLink::handleFrame(const cast::Frame& frame)
{
    switch (frame.type) {
    case cast::Touch: {
        std::vector<cast::TouchRecord> records;
        if (!cast::decodeTouch(frame.payload, records))
            return false;
        controljson::print(controljson::touch(records));
        if (!records.empty() && m_handlers.touch)
            m_handlers.touch(records.front().x, records.front().y);
        return true;
    }
    case cast::Key: {
        cast::KeyMsg key;
        if (!cast::decodeKey(frame.payload, key))
            return false;
        controljson::print(controljson::key(key.action, key.code));
        return true;
    }
    case cast::SystemKey: {
        uint32_t mask;
        if (!cast::decodeSystemKey(frame.payload, mask))
            return false;
        controljson::print(controljson::systemKey(mask));
        return true;
    }
    case cast::KeyFrame:
        controljson::print(controljson::simple("keyframe"));
        if (m_handlers.keyFrame)
            m_handlers.keyFrame();
        return true;
    case cast::Disconnect:
        controljson::print(controljson::simple("disconnect"));
        m_disconnectRequested.store(true);
        return true;
    default:
        return true;  // frames of later versions
    }
}

void PhoneLink::finish(bool sayBye)
{
    if (m_fd < 0)
        return;
    if (sayBye)
        send(cast::Bye, {});
    {
        std::lock_guard<std::mutex> lock(m_writeMutex);
        ::shutdown(m_fd, SHUT_WR);
    }
    m_finishing.store(true);
    if (m_reader.joinable())
        m_reader.join();
}
