#include "Discovery.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-common/error.h>
#include <avahi-common/simple-watch.h>

#include <chrono>
#include <map>
#include <net/if.h>

namespace {

const char kServiceType[] = "_pivora-cast._tcp";

// Everything a browse collects; lives on the stack of discoverReceiver.
struct Browse {
    AvahiSimplePoll* poll = nullptr;
    AvahiClient* client = nullptr;
    int pendingResolves = 0;
    bool allForNow = false;
    std::string failure;
    // Per receiver name, the best address seen (IPv4 first: it needs no scope).
    std::map<std::string, DiscoveredReceiver> receivers;
    std::map<std::string, bool> isIpv4;
};

std::string addressText(const AvahiAddress* address, AvahiIfIndex interface)
{
    char text[AVAHI_ADDRESS_STR_MAX];
    avahi_address_snprint(text, sizeof text, address);
    std::string result(text);
    // A link-local IPv6 address means nothing without the interface it was seen on.
    if (address->proto == AVAHI_PROTO_INET6 && result.rfind("fe80:", 0) == 0) {
        char name[IF_NAMESIZE];
        if (if_indextoname(unsigned(interface), name))
            result += std::string("%") + name;
    }
    return result;
}

void onResolved(AvahiServiceResolver* resolver, AvahiIfIndex interface, AvahiProtocol, AvahiResolverEvent event,
                const char* name, const char*, const char*, const char*, const AvahiAddress* address, uint16_t port,
                AvahiStringList*, AvahiLookupResultFlags, void* userdata)
{
    auto* b = static_cast<Browse*>(userdata);
    if (event == AVAHI_RESOLVER_FOUND && name && address) {
        const bool v4 = address->proto == AVAHI_PROTO_INET;
        auto it = b->receivers.find(name);
        if (it == b->receivers.end() || (v4 && !b->isIpv4[name])) {
            b->receivers[name] = DiscoveredReceiver{name, addressText(address, interface), int(port)};
            b->isIpv4[name] = v4;
        }
    }
    avahi_service_resolver_free(resolver);
    --b->pendingResolves;
}

void onBrowsed(AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol, AvahiBrowserEvent event,
               const char* name, const char* type, const char* domain, AvahiLookupResultFlags, void* userdata)
{
    auto* b = static_cast<Browse*>(userdata);
    switch (event) {
    case AVAHI_BROWSER_NEW:
        if (avahi_service_resolver_new(b->client, interface, protocol, name, type, domain, AVAHI_PROTO_UNSPEC,
                                       AvahiLookupFlags(0), onResolved, b))
            ++b->pendingResolves;
        break;
    case AVAHI_BROWSER_ALL_FOR_NOW:
        b->allForNow = true;
        break;
    case AVAHI_BROWSER_FAILURE:
        b->failure = avahi_strerror(avahi_client_errno(b->client));
        break;
    case AVAHI_BROWSER_REMOVE:
    case AVAHI_BROWSER_CACHE_EXHAUSTED:
        break;
    }
}

std::string nameList(const std::map<std::string, DiscoveredReceiver>& receivers)
{
    std::string list;
    for (const auto& r : receivers)
        list += (list.empty() ? "\"" : ", \"") + r.first + "\"";
    return list;
}

bool pick(const Browse& b, const std::string& name, DiscoveredReceiver& found, std::string& error)
{
    if (!name.empty()) {
        const auto it = b.receivers.find(name);
        if (it != b.receivers.end()) {
            found = it->second;
            return true;
        }
        error = "no receiver called \"" + name + "\" was found" +
                (b.receivers.empty() ? std::string() : " (found: " + nameList(b.receivers) + ")");
        return false;
    }
    if (b.receivers.size() == 1) {
        found = b.receivers.begin()->second;
        return true;
    }
    error = b.receivers.empty() ? std::string("no receiver was found on the network")
                                : "several receivers were found (" + nameList(b.receivers) +
                                      "); name one with --discover NAME";
    return false;
}

} // namespace

bool discoverReceiver(const std::string& name, int timeoutMs, DiscoveredReceiver& found, std::string& error)
{
    Browse b;
    b.poll = avahi_simple_poll_new();
    if (!b.poll) {
        error = "cannot create an event loop for the search";
        return false;
    }
    int avahiError = 0;
    b.client = avahi_client_new(avahi_simple_poll_get(b.poll), AvahiClientFlags(0), nullptr, nullptr, &avahiError);
    AvahiServiceBrowser* browser = nullptr;
    if (!b.client) {
        error = std::string("cannot search for receivers: no Avahi daemon (") + avahi_strerror(avahiError) + ")";
    } else {
        browser = avahi_service_browser_new(b.client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kServiceType, nullptr,
                                            AvahiLookupFlags(0), onBrowsed, &b);
        if (!browser)
            error = std::string("cannot search for receivers: ") + avahi_strerror(avahi_client_errno(b.client));
    }
    bool ok = false;
    if (browser) {
        // Until the daemon has said all it knows and every receiver is resolved, or the time is up.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (b.failure.empty() && !(b.allForNow && b.pendingResolves == 0)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0 || avahi_simple_poll_iterate(b.poll, int(left.count())) != 0)
                break;
        }
        if (!b.failure.empty())
            error = "searching for receivers failed: " + b.failure;
        else
            ok = pick(b, name, found, error);
    }
    // Freeing the client frees its browser and any resolver still running.
    if (b.client)
        avahi_client_free(b.client);
    avahi_simple_poll_free(b.poll);
    return ok;
}
