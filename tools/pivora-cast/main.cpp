// pivora-cast: a simulated phone that mirrors a file or a test picture to a Pivora receiver
// over the cast protocol and prints the receiver's control messages as JSON lines.

#include "Discovery.h"
#include "Options.h"
#include "Phone.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

extern "C" {
#include <libavutil/log.h>
}

namespace {

constexpr int kDiscoveryTimeoutMs = 5000;

void onSignal(int)
{
    g_interrupted.store(true);
}

// Replaces the address in the options by that of the receiver found on the network.
bool findReceiver(CastOptions& options)
{
    DiscoveredReceiver receiver;
    std::string error;
    if (!discoverReceiver(options.discoverName, kDiscoveryTimeoutMs, receiver, error)) {
        std::fprintf(stderr, "pivora-cast: %s\n", error.c_str());
        return false;
    }
    std::fprintf(stderr, "pivora-cast: found receiver \"%s\" at %s port %d\n", receiver.name.c_str(),
                 receiver.address.c_str(), receiver.port);
    options.host = receiver.address;
    options.port = receiver.port;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    CastOptions options;
    std::string error;
    switch (parseOptions(argc, argv, options, error)) {
    case ParseOutcome::Help:
        std::fputs(usageText().c_str(), stdout);
        return 0;
    case ParseOutcome::Error:
        std::fprintf(stderr, "pivora-cast: %s\n%s", error.c_str(), usageText().c_str());
        return 2;
    case ParseOutcome::Run:
        break;
    }
    // The encoder's banner would drown the control lines; keep its warnings.
    av_log_set_level(AV_LOG_WARNING);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    if (options.discover && !findReceiver(options))
        return 1;

    std::vector<std::unique_ptr<Phone>> phones;
    std::vector<int> results(size_t(options.phones), 0);
    for (int i = 0; i < options.phones; ++i)
        phones.push_back(std::make_unique<Phone>(options, i + 1, options.phones));
    std::vector<std::thread> threads;
    for (size_t i = 0; i < phones.size(); ++i)
        threads.emplace_back([&, i] { results[i] = phones[i]->run(); });
    for (auto& t : threads)
        t.join();
    for (int r : results)
        if (r != 0)
            return r;
    return 0;
}
