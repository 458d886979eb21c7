#pragma once
// Who may mirror: the program can put a gate in front of the connect callback. The engine asks
// it after a phone's HELLO and answers the phone with the status the gate gives.

#include <cstdint>

class CAirPlayEx;

extern "C" {

// A phone asking to be let in. Texts are valid during the call only.
struct CastcoreAccessRequest {
    const char* address;        // the phone's IP address, without a port
    const char* channelId;
    const char* phoneName;
    const char* systemVersion;
    const char* model;
    uint32_t kind;
    int speaksAccess;           // 1 when the HELLO carried the access extension
    const char* code;           // the access code it presented, "" when none
};

// check answers a WELCOME status (0 lets the phone in) or CASTCORE_ACCESS_ASK; then the
// engine tells a phone that speaks the access extension to wait, and calls ask, which may
// block (while the program asks its user) and answers a status. Both run on the phone's
// connection thread and may be called for several phones at once.
enum { CASTCORE_ACCESS_ASK = -1 };
struct CastcoreAccessGate {
    void* context;
    int (*check)(void* context, const CastcoreAccessRequest* request);
    int (*ask)(void* context, const CastcoreAccessRequest* request);
};

// Installs a copy of the gate on an engine made by CAirPlayFactory; null removes it (every
// phone is let in). Phones already let in stay.
void castcoreSetAccessGate(CAirPlayEx* engine, const CastcoreAccessGate* gate);
}
