#pragma once
// Finds Pivora receivers on the local network through the system's Avahi daemon, as a real
// phone finds them: browses the cast service type and resolves the receivers it sees.

#include <string>

struct DiscoveredReceiver {
    std::string name;
    std::string address;  // numeric, with a scope ("%eth0") for IPv6 link-local addresses
    int port = 0;
};

// The receiver called name, or the only one when name is empty; false with a message when
// there is no Avahi daemon, no such receiver, or (without a name) more than one.
bool discoverReceiver(const std::string& name, int timeoutMs, DiscoveredReceiver& found, std::string& error);
