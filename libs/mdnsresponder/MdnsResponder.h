#pragma once
// Entry points of the multicast DNS responder library (libmdnsresponder.so), which the
// receiver service loads by name. It announces the receiver's cast service through the
// system's Avahi daemon and does nothing else on the network itself.

#define MDNS_EXPORT __attribute__((visibility("default")))

extern "C" {

// Runs the responder on the calling thread until ServiceStop; both arguments are reserved
// (null). Answers 0. A ServiceStop that comes before the call makes it return at once.
MDNS_EXPORT int ServiceRun(void* reserved1, void* reserved2);
// Withdraws the announcement and makes ServiceRun return (promptly, from any thread).
MDNS_EXPORT void ServiceStop(void);
// What to announce: the receiver's name (UTF-8) and the TCP port phones connect to. A null or
// empty name withdraws the announcement. Any thread, before or while ServiceRun runs.
MDNS_EXPORT void ServiceAnnounce(const char* name, int port);

enum ServiceLogLevel { SERVICE_LOG_INFO = 0, SERVICE_LOG_WARNING = 1, SERVICE_LOG_ERROR = 2 };
// Log lines (one line, no line break, valid during the call); null restores stderr output.
typedef void (*ServiceLogFunction)(int level, const char* message);
MDNS_EXPORT void ServiceSetLogFunction(ServiceLogFunction function);
}
