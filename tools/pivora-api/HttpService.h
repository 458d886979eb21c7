#pragma once
// The HTTP(S) front of the service: cpp-httplib's server with a worker pool, body and time
// limits, safety headers, and one log line per request (never bodies).

#include <functional>
#include <memory>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

class ApiRouter;
class Console;

struct HttpSettings {
    std::string host = "127.0.0.1";
    int port = 0;            // 0: any free port
    std::string certificate; // both set: HTTPS
    std::string privateKey;
    int threads = 64;
};

class HttpService {
public:
    HttpService(const ApiRouter& router, Console& console, HttpSettings settings);
    ~HttpService();

    bool secure() const { return !m_settings.certificate.empty(); }
    // False when the certificate or key cannot be used.
    bool valid() const;
    // The port listened on, or -1.
    int bind();
    // Serves until stop(); false when it ended on an error.
    bool run();
    void stop();

    static constexpr size_t kMaxRequestBytes = 64 * 1024;

private:
    void answer(const httplib::Request& request, httplib::Response& response) const;

    const ApiRouter& m_router;
    Console& m_console;
    HttpSettings m_settings;
    std::unique_ptr<httplib::Server> m_server;
    std::function<void()> m_widenBacklog;
};

// 127.0.0.0/8, ::1 and "localhost".
bool isLoopbackHost(const std::string& host);
