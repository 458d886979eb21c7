#include "CastEngine.h"

#include "CastConnection.h"
#include "CastLog.h"
#include "CastSocket.h"

#include <algorithm>
#include <chrono>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kReapIntervalMs = 500;
// A TOUCH payload must stay within the frame limit.
constexpr int kMaxTouchRecords = int((cast::kMaxPayload - 4) / 16);

std::string peerText(const sockaddr_storage& addr)
{
    char host[INET6_ADDRSTRLEN] = "?";
    int port = 0;
    if (addr.ss_family == AF_INET6) {
        const auto* a = reinterpret_cast<const sockaddr_in6*>(&addr);
        // IPv4 phones reach the dual-stack socket as mapped addresses; show them plainly.
        if (IN6_IS_ADDR_V4MAPPED(&a->sin6_addr))
            ::inet_ntop(AF_INET, &a->sin6_addr.s6_addr[12], host, sizeof host);
        else
            ::inet_ntop(AF_INET6, &a->sin6_addr, host, sizeof host);
        port = ntohs(a->sin6_port);
    } else if (addr.ss_family == AF_INET) {
        const auto* a = reinterpret_cast<const sockaddr_in*>(&addr);
        ::inet_ntop(AF_INET, &a->sin_addr, host, sizeof host);
        port = ntohs(a->sin_port);
    }
    return std::string(host) + ":" + std::to_string(port);
}

} // namespace

CastEngine::CastEngine() = default;

CastEngine::~CastEngine()
{
    Stop();
}

int CastEngine::Start(const char* /*reserved1*/, const char* /*reserved2*/,
                      int iosWiredFps, int iosWiredResolution, bool enableHID,
                      int androidWiredFps, int androidWiredResolution, int androidSystemVersion,
                      int androidWiredBitrate, bool androidWiredMic, bool androidWiredHID,
                      const char* receiverName,
                      int iosWirelessResolution, int iosWirelessFps,
                      int port1, int port2, int port3,
                      int androidWirelessFps, int androidWirelessResolution,
                      int androidWirelessBitrate, bool androidWirelessMic)
{
    std::lock_guard<std::mutex> lifecycle(m_lifecycleMutex);
    if (m_listenFd >= 0) {
        castcore::log(CASTCORE_LOG_WARNING, "start ignored: the engine is already listening on port %d",
                      m_port.load());
        return AlreadyStarted;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        CastEngineSettings& s = m_settings;
        s.iosWiredFps = iosWiredFps;
        s.iosWiredResolution = iosWiredResolution;
        s.enableHID = enableHID;
        s.androidWiredFps = androidWiredFps;
        s.androidWiredResolution = androidWiredResolution;
        s.androidSystemVersion = androidSystemVersion;
        s.androidWiredBitrate = androidWiredBitrate;
        s.androidWiredMic = androidWiredMic;
        s.androidWiredHID = androidWiredHID;
        s.iosWirelessResolution = iosWirelessResolution;
        s.iosWirelessFps = iosWirelessFps;
        s.ports[0] = port1;
        s.ports[1] = port2;
        s.ports[2] = port3;
        s.androidWirelessFps = androidWirelessFps;
        s.androidWirelessResolution = androidWirelessResolution;
        s.androidWirelessBitrate = androidWirelessBitrate;
        s.androidWirelessMic = androidWirelessMic;
        m_name = receiverName ? receiverName : "";
    }

    std::string error;
    const int fd = cast::listenTcp(port1, error);
    if (fd < 0) {
        castcore::log(CASTCORE_LOG_ERROR, "cannot listen on port %d: %s", port1, error.c_str());
        return CannotListen;
    }
    if (::pipe2(m_wakePipe, O_CLOEXEC) != 0) {
        castcore::log(CASTCORE_LOG_ERROR, "cannot create the wake-up pipe: %s", std::strerror(errno));
        ::close(fd);
        return NoThread;
    }
    m_listenFd = fd;
    m_port.store(cast::localPort(fd));
    m_stopping.store(false);
    m_acceptThread = std::thread(&CastEngine::acceptLoop, this);
    castcore::log(CASTCORE_LOG_INFO, "receiver \"%s\" listening on port %d", name().c_str(), m_port.load());
    return Started;
}

void CastEngine::SetCallback(IAirPlayCallback* callback)
{
    m_callback.store(callback);
}

void CastEngine::SetName(const char* receiverName)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_name = receiverName ? receiverName : "";
}

std::string CastEngine::name() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_name;
}

CastEngineSettings CastEngine::settings() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_settings;
}

template <typename T>
void CastEngine::store(T CastEngineSettings::*field, T value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_settings.*field = value;
}

void CastEngine::SetIntSetting(int value) { store(&CastEngineSettings::intSetting, value); }
void CastEngine::SetAndroidWiredResolution(int value) { store(&CastEngineSettings::androidWiredResolution, value); }
void CastEngine::SetAndroidSystemVersion(int value) { store(&CastEngineSettings::androidSystemVersion, value); }
void CastEngine::SetAndroidWiredFps(int value) { store(&CastEngineSettings::androidWiredFps, value); }
void CastEngine::SetAndroidWiredBitrate(int value) { store(&CastEngineSettings::androidWiredBitrate, value); }
void CastEngine::SetAndroidWiredMic(bool value) { store(&CastEngineSettings::androidWiredMic, value); }
void CastEngine::SetAndroidWiredHID(bool value) { store(&CastEngineSettings::androidWiredHID, value); }
void CastEngine::SetIosWiredFps(int value) { store(&CastEngineSettings::iosWiredFps, value); }
void CastEngine::SetIosWiredResolution(int value) { store(&CastEngineSettings::iosWiredResolution, value); }
void CastEngine::SetEnableHID(bool value) { store(&CastEngineSettings::enableHID, value); }
void CastEngine::SetIosWirelessFps(int value) { store(&CastEngineSettings::iosWirelessFps, value); }
void CastEngine::SetIosWirelessResolution(int value) { store(&CastEngineSettings::iosWirelessResolution, value); }
void CastEngine::SetAndroidWirelessResolution(int value) { store(&CastEngineSettings::androidWirelessResolution, value); }
void CastEngine::SetAndroidWirelessMic(bool value) { store(&CastEngineSettings::androidWirelessMic, value); }
void CastEngine::SetAndroidWirelessFps(int value) { store(&CastEngineSettings::androidWirelessFps, value); }
void CastEngine::SetAndroidWirelessBitrate(int value) { store(&CastEngineSettings::androidWirelessBitrate, value); }

void CastEngine::Stop()
{
    std::lock_guard<std::mutex> lifecycle(m_lifecycleMutex);
    if (m_listenFd < 0)
        return;
    m_stopping.store(true);
    const char wake = 1;
    if (::write(m_wakePipe[1], &wake, 1) < 0)
        castcore::log(CASTCORE_LOG_WARNING, "cannot wake the accept thread: %s", std::strerror(errno));
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    ::close(m_listenFd);
    ::close(m_wakePipe[0]);
    ::close(m_wakePipe[1]);
    m_listenFd = m_wakePipe[0] = m_wakePipe[1] = -1;

    std::vector<std::shared_ptr<CastConnection>> connections;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        connections.swap(m_connections);
    }
    // Each reader ends its channel itself (disconnected callback) once its socket is shut.
    for (const auto& c : connections)
        c->abort();
    for (const auto& c : connections)
        c->join();
    castcore::log(CASTCORE_LOG_INFO, "receiver stopped; %zu open connection(s) closed", connections.size());
    m_port.store(0);
}

void CastEngine::acceptLoop()
{
    pollfd fds[2] = {{m_listenFd, POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
    while (!m_stopping.load()) {
        const int n = ::poll(fds, 2, kReapIntervalMs);
        reapFinished();
        expireLateHellos();
        castcore::flushLimited();
        if (n < 0 && errno != EINTR) {
            castcore::log(CASTCORE_LOG_ERROR, "waiting for phones failed: %s", std::strerror(errno));
            break;
        }
        if (n > 0 && (fds[1].revents & POLLIN))
            break;
        if (n > 0 && (fds[0].revents & POLLIN))
            acceptOne();
    }
}

void CastEngine::acceptOne()
{
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    const int fd = ::accept4(m_listenFd, reinterpret_cast<sockaddr*>(&addr), &len, SOCK_CLOEXEC);
    if (fd < 0) {
        if (errno != EAGAIN && errno != EINTR && errno != ECONNABORTED)
            castcore::log(CASTCORE_LOG_WARNING, "accepting a phone failed: %s", std::strerror(errno));
        return;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (awaitingHelloCount() >= kMaxAwaitingHello) {
        castcore::logLimited(castcore::Cause::TurnedAway, CASTCORE_LOG_WARNING,
                             "connection from %s turned away: %zu connections are waiting for their HELLO",
                             peerText(addr).c_str(), kMaxAwaitingHello);
        ::close(fd);
        return;
    }
    auto connection = std::make_shared<CastConnection>(*this, fd, m_nextSerial++, peerText(addr));
    m_connections.push_back(connection);
    connection->start();
}

void CastEngine::reapFinished()
{
    std::vector<std::shared_ptr<CastConnection>> done;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto split = std::stable_partition(m_connections.begin(), m_connections.end(),
                                           [](const auto& c) { return !c->finished(); });
        done.assign(split, m_connections.end());
        m_connections.erase(split, m_connections.end());
    }
    // Joined and closed outside the lock; the threads have already ended.
    done.clear();
}

size_t CastEngine::awaitingHelloCount() const
{
    return size_t(std::count_if(m_connections.begin(), m_connections.end(),
                                [](const auto& c) { return c->awaitingHello(); }));
}

void CastEngine::expireLateHellos()
{
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& c : m_connections)
        c->expireIfHelloLate(now);
}

bool CastEngine::takePhoneSlot()
{
    int taken = m_phoneSlots.load();
    do {
        if (taken >= int(kMaxPhones))
            return false;
    } while (!m_phoneSlots.compare_exchange_weak(taken, taken + 1));
    return true;
}

void CastEngine::releasePhoneSlot()
{
    m_phoneSlots.fetch_sub(1);
}

void CastEngine::setAccessGate(const CastcoreAccessGate* gate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_gate = gate ? *gate : CastcoreAccessGate{nullptr, nullptr, nullptr};
}

int CastEngine::admit(const CastcoreAccessRequest& request, const std::function<void()>& pending)
{
    CastcoreAccessGate gate;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        gate = m_gate;
    }
    if (!gate.check)
        return cast::Accepted;
    int status = gate.check(gate.context, &request);
    if (status == CASTCORE_ACCESS_ASK) {
        if (!gate.ask)
            return cast::Refused;
        pending();
        status = gate.ask(gate.context, &request);
    }
    // A status that does not fit the WELCOME byte would let nobody know what happened.
    return (status >= 0 && status <= 255) ? status : cast::Refused;
}

void CastEngine::adoptHandle(CastConnection* connection, void* handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& c : m_connections) {
        if (c.get() != connection && c->handle() == handle && c->live()) {
            castcore::log(CASTCORE_LOG_INFO, "connection %d replaces connection %d of the same channel",
                          connection->serial(), c->serial());
            c->supersede();
        }
    }
    connection->setHandle(handle);
}

std::shared_ptr<CastConnection> CastEngine::findByHandle(void* handle)
{
    if (!handle)
        return nullptr;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& c : m_connections) {
        if (c->handle() == handle && c->live())
            return c;
    }
    return nullptr;
}

void CastEngine::sendTo(void* handle, uint8_t type, const std::vector<uint8_t>& payload)
{
    // A request for a channel that has just ended is dropped quietly: the program cannot
    // know when the phone went away.
    if (const auto c = findByHandle(handle))
        c->send(type, payload);
}

void CastEngine::Disconnect(void* handle)
{
    const auto c = findByHandle(handle);
    if (!c) {
        castcore::log(CASTCORE_LOG_INFO, "disconnect of a channel that is not connected ignored");
        return;
    }
    c->disconnectByProgram();
}

void CastEngine::Touch(void* handle, const CAirPlayTouchRecord* records, int count)
{
    if (!records || count <= 0 || count > kMaxTouchRecords) {
        castcore::log(CASTCORE_LOG_WARNING, "touch with %d records ignored", count);
        return;
    }
    std::vector<cast::TouchRecord> converted(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        converted[size_t(i)] = {records[i].pressed, records[i].pointerId, records[i].x, records[i].y};
    sendTo(handle, cast::Touch, cast::encodeTouch(converted.data(), converted.size()));
}

void CastEngine::Key(void* handle, int action, uint32_t keyCode)
{
    sendTo(handle, cast::Key, cast::encodeKey(action, keyCode));
}

void CastEngine::SystemKey(void* handle, uint32_t mask)
{
    sendTo(handle, cast::SystemKey, cast::encodeSystemKey(mask));
}

void CastEngine::RequestKeyFrame(void* handle)
{
    sendTo(handle, cast::KeyFrame, {});
}
