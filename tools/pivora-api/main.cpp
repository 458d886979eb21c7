// pivora-api: the account and version service the program talks to.
//
//   pivora-api --port PORT --config FILE [--host ADDRESS]
//              [--database PATH | --database postgresql://...] [--dev]
//              [--cert FILE --key FILE] [--allow-plain-http]
//
// PORT 0 picks a free port; the address is printed as "pivora-api listening on http://H:P".
// Accounts live in SQLite (by default a file in the per-user data folder) or, for several
// instances sharing one database, in PostgreSQL. See README.md beside this file.

#include "AccountService.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "CommandLine.h"
#include "Console.h"
#include "HttpService.h"
#include "Mailer.h"
#include "OpenDatabase.h"
#include "Secrets.h"
#include "ServiceConfig.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <pthread.h>
#include <thread>

namespace {

constexpr auto kPruneInterval = std::chrono::seconds(60);

// Forgets expired captchas, codes, keys and sign-in requests once a minute.
class Pruner {
public:
    explicit Pruner(AccountService& accounts)
        : m_thread([this, &accounts] {
            std::unique_lock<std::mutex> lock(m_mutex);
            while (!m_wake.wait_for(lock, kPruneInterval, [this] { return m_stopping; })) {
                lock.unlock();
                try {
                    accounts.prune();
                } catch (const std::exception& error) {
                    logProblem(std::string("pruning expired records failed: ") + error.what());
                }
                lock.lock();
            }
        })
    {
    }
    ~Pruner()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};

// Stops the server on SIGINT or SIGTERM. The signals are blocked in every thread and taken
// here, so stopping runs as ordinary code rather than inside a signal handler.
std::thread startSignalWatcher(HttpService& http, const sigset_t& stopSignals)
{
    return std::thread([&http, stopSignals] {
        int received = 0;
        sigwait(&stopSignals, &received);
        http.stop();
    });
}

std::string listeningAddress(const CommandLine& line, bool secure, int port)
{
    const bool v6 = line.host.find(':') != std::string::npos;
    return std::string(secure ? "https://" : "http://") + (v6 ? "[" + line.host + "]" : line.host) + ":"
           + std::to_string(port);
}

int serve(const CommandLine& line, const ServiceConfig& config)
{
    Clock clock(line.clockFile);
    DatabaseSettings storage;
    storage.address = line.database.empty() ? defaultDatabasePath() : line.database;
    storage.poolSize = config.poolSize;
    storage.busyTimeoutMs = config.busyTimeoutMs;
    storage.statementTimeoutMs = config.statementTimeoutMs;
    storage.lockTimeoutMs = config.lockTimeoutMs;
    std::unique_ptr<Database> database;
    try {
        database = openDatabase(storage, clock.now());
    } catch (const StoreError& error) {
        logProblem(error.what());
        return 1;
    }

    const unsigned processors = std::thread::hardware_concurrency();
    PasswordHasher hasher(config.passwordCost, config.hashConcurrency ? config.hashConcurrency : processors);
    Mailer mailer(config.smtp);
    Console console(line.development);
    AccountRules rules;
    rules.loginKeyLifetime = int64_t(config.loginKeyDays) * 24 * 3600;
    AccountService accounts(*database, clock, hasher, mailer, console, rules);
    ApiRouter router(accounts, config.version, config.publicUrl);
    HttpService http(router, console, {line.host, line.port, line.certificate, line.privateKey, config.threads});
    if (!http.valid()) {
        logProblem("cannot use the certificate or the private key");
        return 2;
    }
    const int port = http.bind();
    if (port <= 0) {
        logProblem("cannot listen on " + line.host);
        return 1;
    }
    if (isPostgresAddress(storage.address))
        console.line("pivora-api storing accounts in PostgreSQL");
    else
        console.line("pivora-api storing accounts in " + storage.address);
    if (!mailer.enabled())
        console.line("pivora-api keeps verification codes in its outbox table (no SMTP relay configured)");
    if (line.development)
        logProblem("development mode: captcha texts and verification codes are printed on standard output");
    console.line("pivora-api listening on " + listeningAddress(line, http.secure(), port));

    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    std::thread watcher = startSignalWatcher(http, stopSignals);
    bool clean = false;
    {
        Pruner pruner(accounts);
        clean = http.run();
    }
    // Wake the watcher if the server ended on its own.
    pthread_kill(watcher.native_handle(), SIGTERM);
    watcher.join();
    return clean ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<CommandLine> line = parseCommandLine(argc, argv, &error);
    if (!line) {
        std::fprintf(stderr, "pivora-api: %s\n%s", error.c_str(), commandLineUsage());
        return 2;
    }
    const std::optional<ServiceConfig> config = loadServiceConfig(line->configPath, &error);
    if (!config) {
        std::fprintf(stderr, "pivora-api: %s\n", error.c_str());
        return 2;
    }
    if (!secrets::initialise()) {
        std::fprintf(stderr, "pivora-api: libsodium cannot start\n");
        return 1;
    }
    // Blocked before any thread starts, so every thread inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    return serve(*line, *config);
}
