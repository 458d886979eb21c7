#pragma once
// The responder behind the library's entry points: keeps one Avahi client and one entry group
// on the thread that runs it, and applies announcements that other threads ask for.

#include <avahi-client/client.h>
#include <avahi-client/publish.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>

struct AvahiSimplePoll;

class Responder {
public:
    static Responder& instance();

    int run();
    void stop();
    void announce(const char* name, int port);

    // The longest name DNS allows for an instance, cut at a character boundary.
    static std::string instanceName(const std::string& name);

private:
    struct Wanted {
        std::string name;
        int port = 0;
        unsigned generation = 0;
    };

    void loop(AvahiSimplePoll* poll);
    void applyWanted();
    void connectClient(AvahiSimplePoll* poll);
    void dropClient();
    void publish();
    void takeAlternativeName(const char* why);
    void onClientState(AvahiClient* client, AvahiClientState state);
    void onGroupState(AvahiEntryGroup* group, AvahiEntryGroupState state);
    void wake();

    std::mutex m_mutex;  // m_wanted, m_poll
    Wanted m_wanted;
    AvahiSimplePoll* m_poll = nullptr;
    std::atomic<bool> m_stopRequested{false};

    // The running thread only.
    AvahiClient* m_client = nullptr;
    AvahiEntryGroup* m_group = nullptr;
    bool m_reconnect = false;
    bool m_toldNoDaemon = false;
    std::chrono::steady_clock::time_point m_retryAt;
    unsigned m_appliedGeneration = 0;
    std::string m_baseName;       // what the program asked for
    std::string m_publishedName;  // what is announced (an alternative after a collision)
    int m_port = 0;
};
