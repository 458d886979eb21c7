#include "HttpService.h"

#include "ApiRouter.h"
#include "Console.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <sys/socket.h>

namespace {

// cpp-httplib listens with a backlog of 5: a burst of new clients would wait for SYN
// retries (a second or more). The listening socket gets the system's full backlog.
template <class Base>
class WideBacklog : public Base {
public:
    using Base::Base;
    void widenBacklog() { ::listen(this->svr_sock_, SOMAXCONN); }
};

void addSafetyHeaders(httplib::Response& response, bool secure)
{
    response.set_header("Cache-Control", "no-store");
    response.set_header("X-Content-Type-Options", "nosniff");
    response.set_header("X-Frame-Options", "DENY");
    response.set_header("Referrer-Policy", "no-referrer");
    response.set_header("Content-Security-Policy",
                        "default-src 'none'; style-src 'unsafe-inline'; form-action 'self'; frame-ancestors 'none'");
    if (secure)
        response.set_header("Strict-Transport-Security", "max-age=31536000");
}

void setAnswer(httplib::Response& response, const HttpAnswer& answer)
{
    response.status = answer.status;
    response.set_content(answer.body, answer.contentType.c_str());
}

} // namespace

bool isLoopbackHost(const std::string& host)
{
    if (host == "localhost")
        return true;
    in_addr v4{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1)
        return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    return inet_pton(AF_INET6, host.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6);
}

HttpService::HttpService(const ApiRouter& router, Console& console, HttpSettings settings)
    : m_router(router)
    , m_console(console)
    , m_settings(std::move(settings))
{
    if (secure()) {
        auto server = std::make_unique<WideBacklog<httplib::SSLServer>>(m_settings.certificate.c_str(),
                                                                         m_settings.privateKey.c_str());
        m_widenBacklog = [raw = server.get()] { raw->widenBacklog(); };
        m_server = std::move(server);
    } else {
        auto server = std::make_unique<WideBacklog<httplib::Server>>();
        m_widenBacklog = [raw = server.get()] { raw->widenBacklog(); };
        m_server = std::move(server);
    }

    const int threads = m_settings.threads;
    m_server->new_task_queue = [threads] { return new httplib::ThreadPool(size_t(threads)); };
    const auto handler = [this](const httplib::Request& request, httplib::Response& response) {
        answer(request, response);
    };
    m_server->Get(".*", handler);
    m_server->Post(".*", handler);
    m_server->set_payload_max_length(kMaxRequestBytes);
    m_server->set_read_timeout(10);
    m_server->set_write_timeout(10);
    m_server->set_keep_alive_max_count(1000);
    // Long enough for the program's once-a-second polling to reuse its connection; stopping
    // waits for idle connections this long.
    m_server->set_keep_alive_timeout(2);
    const bool tls = secure();
    // Refusals the server makes itself (oversized body, other methods) get a JSON body too.
    const httplib::Server::HandlerWithResponse refuse = [tls](const httplib::Request&, httplib::Response& response) {
        if (!response.body.empty())
            return httplib::Server::HandlerResponse::Unhandled;
        setAnswer(response, ApiRouter::refusal(response.status));
        addSafetyHeaders(response, tls);
        return httplib::Server::HandlerResponse::Handled;
    };
    m_server->set_error_handler(refuse);
    m_server->set_exception_handler([tls](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        setAnswer(response, ApiRouter::refusal(500));
        addSafetyHeaders(response, tls);
    });
    m_server->set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        m_console.line(request.remote_addr + " " + loggable(request.method, 16) + " " + loggable(request.path) + " "
                       + std::to_string(response.status));
    });
}

HttpService::~HttpService() = default;

bool HttpService::valid() const
{
    return m_server->is_valid();
}

int HttpService::bind()
{
    int port = -1;
    if (m_settings.port == 0)
        port = m_server->bind_to_any_port(m_settings.host);
    else if (m_server->bind_to_port(m_settings.host, m_settings.port))
        port = m_settings.port;
    if (port > 0)
        m_widenBacklog();
    return port;
}

bool HttpService::run()
{
    return m_server->listen_after_bind();
}

void HttpService::stop()
{
    m_server->stop();
}

void HttpService::answer(const httplib::Request& request, httplib::Response& response) const
{
    HttpRequest call;
    call.method = request.method;
    call.path = request.path;
    const size_t question = request.target.find('?');
    if (question != std::string::npos)
        call.query = request.target.substr(question + 1);
    call.contentType = request.get_header_value("Content-Type");
    call.body = request.body;
    call.host = request.get_header_value("Host");
    call.acceptLanguage = request.get_header_value("Accept-Language");
    call.secure = secure();
    setAnswer(response, m_router.handle(call));
    addSafetyHeaders(response, secure());
}
