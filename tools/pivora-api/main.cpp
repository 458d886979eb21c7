// pivora-api: a small local web service that answers the program's version check.
//
//   pivora-api --port PORT --config FILE [--host ADDRESS]
//
// POST or GET /v1/app/checkVersion answers {"code":10000,"message":"ok","data":{...}} with the
// version record of the configuration file; every other path answers a JSON refusal. PORT 0
// picks a free port; the chosen address is printed as "pivora-api listening on http://H:P".

#include <httplib.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <string>
#include <thread>

namespace {

constexpr int kSuccess = 10000;
constexpr size_t kMaxRequestBytes = 64 * 1024;
constexpr qint64 kMaxConfigBytes = 1024 * 1024;
const char kJsonType[] = "application/json; charset=utf-8";

struct Options {
    std::string host = "127.0.0.1";
    int port = -1;
    QString configPath;
};

struct VersionRecord {
    QString version;
    QString url;
    QString description;
    int forceUpgrade = 0;
};

void usage()
{
    std::fprintf(stderr, "usage: pivora-api --port PORT --config FILE [--host ADDRESS]\n");
}

std::optional<int> parsePort(const char* text)
{
    char* end = nullptr;
    const long port = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || port < 0 || port > 65535)
        return std::nullopt;
    return static_cast<int>(port);
}

std::optional<Options> parseArguments(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "pivora-api: option %s needs a value\n", flag.c_str());
            return std::nullopt;
        }
        const char* value = argv[++i];
        if (flag == "--port") {
            const std::optional<int> port = parsePort(value);
            if (!port) {
                std::fprintf(stderr, "pivora-api: invalid port\n");
                return std::nullopt;
            }
            options.port = *port;
        } else if (flag == "--config") {
            options.configPath = QString::fromLocal8Bit(value);
        } else if (flag == "--host") {
            options.host = value;
        } else {
            std::fprintf(stderr, "pivora-api: unknown option %s\n", flag.c_str());
            return std::nullopt;
        }
    }
    if (options.port < 0 || options.configPath.isEmpty())
        return std::nullopt;
    return options;
}

std::optional<VersionRecord> loadVersionRecord(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pivora-api: cannot read the configuration file\n");
        return std::nullopt;
    }
    if (file.size() > kMaxConfigBytes) {
        std::fprintf(stderr, "pivora-api: configuration file too large\n");
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        std::fprintf(stderr, "pivora-api: configuration file is not a JSON object\n");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    const QJsonValue version = object.value(QLatin1String("version"));
    const QJsonValue url = object.value(QLatin1String("url"));
    const QJsonValue force = object.value(QLatin1String("force_upgrade"));
    if (!version.isString() || version.toString().isEmpty() || !url.isString()) {
        std::fprintf(stderr, "pivora-api: configuration needs string \"version\" and \"url\"\n");
        return std::nullopt;
    }
    if (!force.isUndefined() && !(force.isDouble() && force.toDouble() == force.toInt())) {
        std::fprintf(stderr, "pivora-api: \"force_upgrade\" must be an integer\n");
        return std::nullopt;
    }
    VersionRecord record;
    record.version = version.toString();
    record.url = url.toString();
    record.description = object.value(QLatin1String("description")).toString();
    record.forceUpgrade = force.toInt(0);
    return record;
}

std::string toJson(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string versionAnswer(const VersionRecord& record)
{
    const QJsonObject data{{"version", record.version},
                           {"url", record.url},
                           {"description", record.description},
                           {"force_upgrade", record.forceUpgrade}};
    return toJson(QJsonObject{{"code", kSuccess}, {"message", "ok"}, {"data", data}});
}

// Refusals keep the HTTP status in the answer code (404 -> 40400), never 10000.
std::string refusal(int httpStatus)
{
    const char* message = httpStatus == 404 ? "Unknown endpoint" : "Request refused";
    return toJson(QJsonObject{{"code", httpStatus * 100}, {"message", message}});
}

void logRequest(const httplib::Request& request, const httplib::Response& response)
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::printf("%s %s %s %d\n", request.remote_addr.c_str(), request.method.c_str(),
                request.path.c_str(), response.status);
    std::fflush(stdout);
}

void setUpRoutes(httplib::Server& server, const VersionRecord& record)
{
    const std::string answer = versionAnswer(record);
    const auto checkVersion = [answer](const httplib::Request&, httplib::Response& response) {
        response.set_content(answer, kJsonType);
    };
    server.Post("/v1/app/checkVersion", checkVersion);
    server.Get("/v1/app/checkVersion", checkVersion);
    server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        response.set_content(refusal(response.status), kJsonType);
    });
    server.set_exception_handler(
        [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
            response.status = 500;
            response.set_content(refusal(500), kJsonType);
        });
    server.set_logger(logRequest);
    server.set_payload_max_length(kMaxRequestBytes);
}

// Stops the server on SIGINT or SIGTERM. The signals are blocked in every thread and taken
// here, so stopping runs as ordinary code rather than inside a signal handler.
std::thread startSignalWatcher(httplib::Server& server, const sigset_t& stopSignals)
{
    return std::thread([&server, stopSignals] {
        int received = 0;
        sigwait(&stopSignals, &received);
        server.stop();
    });
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseArguments(argc, argv);
    if (!options) {
        usage();
        return 2;
    }
    const std::optional<VersionRecord> record = loadVersionRecord(options->configPath);
    if (!record)
        return 2;

    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    httplib::Server server;
    setUpRoutes(server, *record);
    int port = options->port;
    if (port == 0) {
        port = server.bind_to_any_port(options->host);
    } else if (!server.bind_to_port(options->host, port)) {
        port = -1;
    }
    if (port <= 0) {
        std::fprintf(stderr, "pivora-api: cannot listen on %s\n", options->host.c_str());
        return 1;
    }
    std::printf("pivora-api listening on http://%s:%d\n", options->host.c_str(), port);
    std::fflush(stdout);

    std::thread watcher = startSignalWatcher(server, stopSignals);
    const bool clean = server.listen_after_bind();
    // Wake the watcher if the server ended on its own.
    pthread_kill(watcher.native_handle(), SIGTERM);
    watcher.join();
    return clean ? 0 : 1;
}
