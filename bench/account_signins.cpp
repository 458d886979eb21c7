// Sign-ins per second and answer times of the account service under 50 concurrent clients,
// on SQLite and on PostgreSQL. See README.md.

#include "support/ApiServerProcess.h"
#include "support/PostgresCluster.h"

#include <httplib.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int clients = 50;
    int seconds = 20;
    QString backend = "both";
    QString config; // default: the sample configuration (production password cost)
};

struct Result {
    long signIns = 0;
    long failures = 0;
    double seconds = 0;
    std::vector<double> latenciesMs;
};

const char kForm[] = "application/x-www-form-urlencoded";

std::string deviceOf(int client) { return "bench-device-" + std::to_string(client); }
std::string accountOf(int client) { return "bench" + std::to_string(client) + "@example.org"; }

bool isSuccess(const httplib::Result& answer)
{
    return answer && answer->status == 200 && answer->body.find("\"code\":10000") != std::string::npos;
}

std::string describe(const httplib::Result& answer)
{
    if (!answer)
        return "no answer (" + httplib::to_string(answer.error()) + ")";
    return std::to_string(answer->status) + " " + answer->body.substr(0, 120);
}

// Each client's account, made through the whole sign-up flow with the printed captcha and code.
bool signUpAll(ApiServerProcess& server, httplib::Client& client, int clients)
{
    for (int i = 0; i < clients; ++i) {
        const std::string device = deviceOf(i);
        const std::string fixed = "uuid=" + device + "&limituse=1&language=en-us";
        if (!isSuccess(client.Post("/v1/app/imageVerify", fixed + "&length=4&width=240&height=80", kForm)))
            return false;
        const std::string captcha = server.waitForPrinted("captcha", "uuid", QString::fromStdString(device)).toStdString();
        const std::string account = accountOf(i);
        const std::string escaped = QUrl::toPercentEncoding(QString::fromStdString(account)).toStdString();
        if (!isSuccess(client.Post("/v1/app/emailCode",
                                   fixed + "&account=" + escaped + "&imagecode=" + captcha + "&verifytype=register", kForm)))
            return false;
        const std::string code = server.waitForPrinted("code", "outbox", QString::fromStdString(account)).toStdString();
        if (!isSuccess(client.Post("/v1/app/emailRegister",
                                   fixed + "&account=" + escaped + "&checkcode=" + code + "&imagecode=" + captcha
                                       + "&password=bench-password",
                                   kForm)))
            return false;
    }
    return true;
}

// Every client signs in again and again until the time is up.
Result measure(ApiServerProcess& server, const QUrl& url, int clients, int seconds)
{
    Result result;
    std::mutex mutex;
    const Clock::time_point start = Clock::now() + std::chrono::seconds(1); // one second of warm-up
    const Clock::time_point end = start + std::chrono::seconds(seconds);
    std::vector<std::thread> threads;
    for (int i = 0; i < clients; ++i) {
        threads.emplace_back([&, i] {
            httplib::Client client(url.host().toStdString(), url.port());
            client.set_read_timeout(120);
            const std::string body = "uuid=" + deviceOf(i) + "&limituse=1&language=en-us&account="
                                     + QUrl::toPercentEncoding(QString::fromStdString(accountOf(i))).toStdString()
                                     + "&password=bench-password";
            std::vector<double> latencies;
            long ok = 0, failed = 0;
            for (;;) {
                const Clock::time_point sent = Clock::now();
                if (sent >= end)
                    break;
                const httplib::Result answer = client.Post("/v1/app/emailLogin", body, kForm);
                const Clock::time_point answered = Clock::now();
                if (answered < start || answered > end)
                    continue; // answered outside the measured window
                latencies.push_back(std::chrono::duration<double, std::milli>(answered - sent).count());
                if (isSuccess(answer)) {
                    ++ok;
                } else if (failed++ == 0) {
                    std::lock_guard<std::mutex> lock(mutex);
                    std::fprintf(stderr, "client %d: %s\n", i, describe(answer).c_str());
                }
            }
            std::lock_guard<std::mutex> lock(mutex);
            result.signIns += ok;
            result.failures += failed;
            result.latenciesMs.insert(result.latenciesMs.end(), latencies.begin(), latencies.end());
        });
    }
    // The service logs every request; its output is read meanwhile.
    while (Clock::now() < end + std::chrono::seconds(2))
        server.readFor(100);
    for (std::thread& thread : threads)
        thread.join();
    result.seconds = seconds;
    return result;
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(share * double(values.size())));
    return values[index];
}

bool run(const QString& name, const QStringList& databaseArguments, const Options& options)
{
    ApiServerProcess server;
    if (!server.start(options.config, 30000, QStringList{"--dev"} + databaseArguments)) {
        std::fprintf(stderr, "%s: pivora-api did not start\n", qPrintable(name));
        return false;
    }
    const QUrl url(server.url());
    httplib::Client setup(url.host().toStdString(), url.port());
    if (!signUpAll(server, setup, options.clients)) {
        std::fprintf(stderr, "%s: signing the clients up failed\n", qPrintable(name));
        return false;
    }
    const Result result = measure(server, url, options.clients, options.seconds);
    std::printf("%-10s %d clients, %d s: %ld sign-ins, %.1f sign-ins/s, answer time p50 %.0f ms, p99 %.0f ms, "
                "%ld failed\n",
                qPrintable(name), options.clients, options.seconds, result.signIns,
                double(result.signIns) / result.seconds, percentile(result.latenciesMs, 0.50),
                percentile(result.latenciesMs, 0.99), result.failures);
    std::fflush(stdout);
    return result.failures == 0;
}

Options parseOptions(const QStringList& arguments)
{
    Options options;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--clients")
            options.clients = std::max(1, arguments[i + 1].toInt());
        else if (arguments[i] == "--seconds")
            options.seconds = std::max(1, arguments[i + 1].toInt());
        else if (arguments[i] == "--backend")
            options.backend = arguments[i + 1];
        else if (arguments[i] == "--config")
            options.config = QFileInfo(arguments[i + 1]).absoluteFilePath();
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Options options = parseOptions(app.arguments());
    // The service started is the one built beside this benchmark.
    qputenv("PIVORA_BIN_DIR", QCoreApplication::applicationDirPath().toLocal8Bit());
    qputenv("PIVORA_SOURCE_DIR", PIVORA_SOURCE_DIR);
    QTemporaryDir folder;
    bool ok = true;
    if (options.backend != "postgresql")
        ok &= run("SQLite", {"--database", folder.path() + "/bench.sqlite3"}, options);
    if (options.backend != "sqlite") {
        PostgresCluster cluster(true);
        QString why;
        if (cluster.start(&why)) {
            ok &= run("PostgreSQL", {"--database", cluster.address()}, options);
        } else {
            std::fprintf(stderr, "PostgreSQL skipped: %s\n", qPrintable(why));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
