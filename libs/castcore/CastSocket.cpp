#include "CastSocket.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace cast {

namespace {

enum class Fill { Full, Eof, Error };

// A peer's announced length is only a promise; memory follows what arrives, from this much on.
constexpr size_t kFirstPayloadChunk = 64 * 1024;

// Reads exactly n bytes; got tells how many arrived before an end.
Fill readExact(int fd, uint8_t* buf, size_t n, size_t& got)
{
    got = 0;
    while (got < n) {
        const ssize_t r = ::recv(fd, buf + got, n - got, 0);
        if (r > 0) {
            got += size_t(r);
        } else if (r == 0) {
            return Fill::Eof;
        } else if (errno != EINTR) {
            return Fill::Error;
        }
    }
    return Fill::Full;
}

std::string errnoText()
{
    if (errno == EAGAIN || errno == EWOULDBLOCK)
        return "timed out";
    return std::strerror(errno);
}

void setTimeout(int fd, int option, int milliseconds)
{
    timeval tv{};
    tv.tv_sec = milliseconds / 1000;
    tv.tv_usec = (milliseconds % 1000) * 1000;
    ::setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}

int bindAndListen(int family, int port, std::string& errorText)
{
    const int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        errorText = errnoText();
        return -1;
    }
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    int rc;
    if (family == AF_INET6) {
        const int zero = 0;
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &zero, sizeof zero);
        sockaddr_in6 addr{};
        addr.sin6_family = AF_INET6;
        addr.sin6_addr = in6addr_any;
        addr.sin6_port = htons(uint16_t(port));
        rc = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    } else {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_ANY);
        addr.sin_port = htons(uint16_t(port));
        rc = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    }
    // Room for a burst of connects; strangers beyond the limits are closed right after accept.
    if (rc != 0 || ::listen(fd, 128) != 0) {
        const int saved = errno;
        errorText = errnoText();
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

// Reads a payload of length bytes into frame.payload, growing it as bytes arrive.
Fill readPayload(int fd, std::vector<uint8_t>& payload, size_t length)
{
    payload.resize(std::min(length, kFirstPayloadChunk));
    size_t have = 0;
    for (;;) {
        size_t got = 0;
        const Fill fill = readExact(fd, payload.data() + have, payload.size() - have, got);
        have += got;
        if (fill != Fill::Full || have == length)
            return fill;
        payload.resize(std::min(length, payload.size() * 2));
    }
}

} // namespace

ReadResult readFrame(int fd, Frame& frame, std::string& errorText, uint32_t maxPayload)
{
    uint8_t header[kHeaderSize];
    size_t got = 0;
    switch (readExact(fd, header, kHeaderSize, got)) {
    case Fill::Full:
        break;
    case Fill::Eof:
        frame.type = got > 0 ? header[0] : 0;
        return got == 0 ? ReadResult::Closed : ReadResult::Truncated;
    case Fill::Error:
        errorText = errnoText();
        return ReadResult::Error;
    }
    const FrameHeader h = decodeHeader(header);
    frame.type = h.type;
    if (!payloadLengthAllowed(h.length) || h.length > maxPayload) {
        frame.payload.clear();
        errorText = std::to_string(h.length) + " bytes";
        return ReadResult::TooLarge;
    }
    switch (readPayload(fd, frame.payload, h.length)) {
    case Fill::Full:
        return ReadResult::Frame;
    case Fill::Eof:
        return ReadResult::Truncated;
    case Fill::Error:
        errorText = errnoText();
        return ReadResult::Error;
    }
    return ReadResult::Error;
}

bool writeAll(int fd, const uint8_t* data, size_t size)
{
    size_t sent = 0;
    while (sent < size) {
        const ssize_t w = ::send(fd, data + sent, size - sent, MSG_NOSIGNAL);
        if (w > 0)
            sent += size_t(w);
        else if (w < 0 && errno == EINTR)
            continue;
        else
            return false;
    }
    return true;
}

bool writeFrame(int fd, uint8_t type, const std::vector<uint8_t>& payload)
{
    const std::vector<uint8_t> bytes = encodeFrame(type, payload);
    return writeAll(fd, bytes.data(), bytes.size());
}

int listenTcp(int port, std::string& errorText)
{
    if (port <= 0 || port > 65535) {
        errorText = "invalid port " + std::to_string(port);
        return -1;
    }
    const int fd = bindAndListen(AF_INET6, port, errorText);
    if (fd >= 0)
        return fd;
    // Hosts without IPv6 still take IPv4; a busy port fails both ways.
    if (errno == EADDRINUSE)
        return -1;
    return bindAndListen(AF_INET, port, errorText);
}

int connectTcp(const std::string& host, int port, std::string& errorText)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
    if (rc != 0) {
        errorText = ::gai_strerror(rc);
        return -1;
    }
    int fd = -1;
    errorText = "no address";
    for (addrinfo* ai = list; ai; ai = ai->ai_next) {
        fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC, ai->ai_protocol);
        if (fd < 0) {
            errorText = errnoText();
            continue;
        }
        if (::connect(fd, ai->ai_addr, ai->ai_addrlen) == 0)
            break;
        errorText = errnoText();
        ::close(fd);
        fd = -1;
    }
    ::freeaddrinfo(list);
    if (fd >= 0) {
        const int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    return fd;
}

void setSendTimeout(int fd, int milliseconds)
{
    setTimeout(fd, SO_SNDTIMEO, milliseconds);
}

void setReceiveTimeout(int fd, int milliseconds)
{
    setTimeout(fd, SO_RCVTIMEO, milliseconds);
}

int localPort(int fd)
{
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        return 0;
    if (addr.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port);
    if (addr.ss_family == AF_INET)
        return ntohs(reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
    return 0;
}

} // namespace cast
