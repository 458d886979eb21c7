#include "Responder.h"

#include "CastProtocol.h"
#include "MdnsLog.h"
#include "MdnsResponder.h"

#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/simple-watch.h>

#include <cstdio>

namespace {

const char kServiceType[] = "_pivora-cast._tcp";
// Longest instance name DNS carries in one label.
constexpr size_t kMaxInstanceBytes = 63;
// The loop also wakes on its own this often, so no request waits longer than that.
constexpr int kPollMs = 200;
// Without a reachable D-Bus the client cannot even wait for a daemon; try again now and then.
constexpr auto kRetryInterval = std::chrono::seconds(30);

std::string versionEntry()
{
    return "v=" + std::to_string(cast::kProtocolVersion);
}

} // namespace

Responder& Responder::instance()
{
    static Responder responder;
    return responder;
}

std::string Responder::instanceName(const std::string& name)
{
    if (name.size() <= kMaxInstanceBytes)
        return name;
    size_t n = kMaxInstanceBytes;
    while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80)
        --n;
    return name.substr(0, n);
}

int Responder::run()
{
    AvahiSimplePoll* poll = avahi_simple_poll_new();
    if (!poll) {
        mdns::log(SERVICE_LOG_ERROR, "cannot create the event loop; the receiver is not announced");
        m_stopRequested.store(false);
        return 0;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_poll = poll;
    }
    loop(poll);
    dropClient();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_poll = nullptr;
        // A later run starts from nothing: the program announces again after a new start.
        m_wanted = Wanted{std::string(), 0, m_wanted.generation + 1};
    }
    avahi_simple_poll_free(poll);
    m_appliedGeneration = 0;
    m_baseName.clear();
    m_publishedName.clear();
    m_port = 0;
    m_toldNoDaemon = false;
    m_stopRequested.store(false);
    return 0;
}

void Responder::loop(AvahiSimplePoll* poll)
{
    m_retryAt = std::chrono::steady_clock::now();
    while (!m_stopRequested.load()) {
        if (m_reconnect) {
            dropClient();
            m_reconnect = false;
        }
        if (!m_client && std::chrono::steady_clock::now() >= m_retryAt)
            connectClient(poll);
        applyWanted();
        if (avahi_simple_poll_iterate(poll, kPollMs) != 0)
            break;
    }
}

void Responder::stop()
{
    m_stopRequested.store(true);
    wake();
}

void Responder::announce(const char* name, int port)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wanted.name = instanceName(name ? name : "");
        m_wanted.port = port;
        ++m_wanted.generation;
    }
    wake();
}

void Responder::wake()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_poll)
        avahi_simple_poll_wakeup(m_poll);
}

void Responder::connectClient(AvahiSimplePoll* poll)
{
    int error = 0;
    // NO_FAIL: without a daemon the client waits for one to start instead of failing.
    m_client = avahi_client_new(avahi_simple_poll_get(poll), AVAHI_CLIENT_NO_FAIL,
                                [](AvahiClient* c, AvahiClientState s, void* self) {
                                    static_cast<Responder*>(self)->onClientState(c, s);
                                },
                                this, &error);
    if (m_client)
        return;
    if (!m_toldNoDaemon) {
        mdns::log(SERVICE_LOG_WARNING, "no Avahi daemon reachable (%s); the receiver is not announced",
                  avahi_strerror(error));
        m_toldNoDaemon = true;
    }
    m_retryAt = std::chrono::steady_clock::now() + kRetryInterval;
}

void Responder::dropClient()
{
    // Freeing the client frees its entry group, which withdraws the announcement.
    if (m_client)
        avahi_client_free(m_client);
    m_client = nullptr;
    m_group = nullptr;
}

void Responder::applyWanted()
{
    Wanted wanted;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        wanted = m_wanted;
    }
    if (wanted.generation == m_appliedGeneration)
        return;
    m_appliedGeneration = wanted.generation;
    if (wanted.name == m_baseName && wanted.port == m_port)
        return;
    m_baseName = wanted.name;
    m_publishedName = wanted.name;
    m_port = wanted.port;
    if (m_client && avahi_client_get_state(m_client) == AVAHI_CLIENT_S_RUNNING)
        publish();
}

void Responder::publish()
{
    if (!m_group) {
        m_group = avahi_entry_group_new(m_client,
                                        [](AvahiEntryGroup* g, AvahiEntryGroupState s, void* self) {
                                            static_cast<Responder*>(self)->onGroupState(g, s);
                                        },
                                        this);
        if (!m_group) {
            mdns::log(SERVICE_LOG_WARNING, "cannot create an Avahi entry group: %s",
                      avahi_strerror(avahi_client_errno(m_client)));
            return;
        }
    }
    avahi_entry_group_reset(m_group);
    if (m_publishedName.empty() || m_port <= 0 || m_port > 65535) {
        mdns::log(SERVICE_LOG_INFO, "announcement withdrawn");
        return;
    }
    const std::string version = versionEntry();
    for (;;) {
        const int rc = avahi_entry_group_add_service(m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC,
                                                     AvahiPublishFlags(0), m_publishedName.c_str(), kServiceType,
                                                     nullptr, nullptr, uint16_t(m_port), version.c_str(), nullptr);
        if (rc == AVAHI_ERR_COLLISION) {
            takeAlternativeName("on this machine");
            continue;
        }
        if (rc < 0) {
            mdns::log(SERVICE_LOG_WARNING, "cannot announce \"%s\": %s", m_publishedName.c_str(), avahi_strerror(rc));
            return;
        }
        break;
    }
    const int rc = avahi_entry_group_commit(m_group);
    if (rc < 0)
        mdns::log(SERVICE_LOG_WARNING, "cannot announce \"%s\": %s", m_publishedName.c_str(), avahi_strerror(rc));
}

void Responder::takeAlternativeName(const char* why)
{
    char* alternative = avahi_alternative_service_name(m_publishedName.c_str());
    const std::string next = alternative ? instanceName(alternative) : m_publishedName + " #2";
    avahi_free(alternative);
    mdns::log(SERVICE_LOG_WARNING, "the name \"%s\" is taken %s; announcing as \"%s\"", m_publishedName.c_str(),
              why, next.c_str());
    m_publishedName = next;
}

void Responder::onClientState(AvahiClient* client, AvahiClientState state)
{
    // Called from inside avahi_client_new too, before m_client is set.
    m_client = client;
    switch (state) {
    case AVAHI_CLIENT_S_RUNNING:
        if (m_toldNoDaemon)
            mdns::log(SERVICE_LOG_INFO, "the Avahi daemon is running now");
        m_toldNoDaemon = false;
        if (!m_publishedName.empty())
            publish();
        break;
    case AVAHI_CLIENT_S_COLLISION:
    case AVAHI_CLIENT_S_REGISTERING:
        // The daemon renames the host; our entries are registered again once it runs.
        if (m_group)
            avahi_entry_group_reset(m_group);
        break;
    case AVAHI_CLIENT_CONNECTING:
        if (!m_toldNoDaemon) {
            mdns::log(SERVICE_LOG_WARNING,
                      "no Avahi daemon is running; the receiver is announced once one starts");
            m_toldNoDaemon = true;
        }
        break;
    case AVAHI_CLIENT_FAILURE:
        mdns::log(SERVICE_LOG_WARNING, "lost the Avahi daemon (%s)", avahi_strerror(avahi_client_errno(client)));
        // The client cannot be freed inside its own callback; the loop replaces it.
        m_reconnect = true;
        break;
    }
}

void Responder::onGroupState(AvahiEntryGroup*, AvahiEntryGroupState state)
{
    switch (state) {
    case AVAHI_ENTRY_GROUP_ESTABLISHED:
        mdns::log(SERVICE_LOG_INFO, "announced \"%s\" (%s) on port %d", m_publishedName.c_str(), kServiceType,
                  m_port);
        break;
    case AVAHI_ENTRY_GROUP_COLLISION:
        takeAlternativeName("on the network");
        publish();
        break;
    case AVAHI_ENTRY_GROUP_FAILURE:
        mdns::log(SERVICE_LOG_WARNING, "announcing \"%s\" failed: %s", m_publishedName.c_str(),
                  avahi_strerror(avahi_client_errno(m_client)));
        break;
    case AVAHI_ENTRY_GROUP_UNCOMMITED:
    case AVAHI_ENTRY_GROUP_REGISTERING:
        break;
    }
}
