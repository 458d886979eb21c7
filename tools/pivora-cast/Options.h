#pragma once
// Command line of pivora-cast.

#include <string>

struct CastOptions {
    std::string host = "127.0.0.1";
    int port = 47011;
    std::string name = "Pivora Phone";
    int kind = 3;
    std::string model;          // default depends on the kind
    std::string systemVersion;  // default depends on the kind
    std::string id;             // empty: made from the name, or random when no name was given
    std::string file;
    int patternWidth = 0;       // 0: no pattern
    int patternHeight = 0;
    int patternFps = 30;
    double duration = 0;        // 0: until the material ends or the receiver disconnects
    bool fast = false;
    double rotateEvery = 0;     // 0: never
    int phones = 1;
    bool discover = false;      // find the receiver through the network's service discovery
    std::string discoverName;   // empty: the only receiver found
    std::string pin;            // access code the receiver's main window shows
    double restartEvery = 0;    // 0: never stop and start mirroring again
};

enum class ParseOutcome { Run, Help, Error };

ParseOutcome parseOptions(int argc, char** argv, CastOptions& options, std::string& error);
std::string usageText();
// The channel id of a phone started without --id: one per name, so phones of different names
// never take each other's channel; a random one per process when no name was given either.
std::string defaultChannelId(const std::string& name, bool nameGiven);
// Parses WIDTHxHEIGHT[@FPS]; false for anything else or out-of-range values.
bool parsePattern(const std::string& text, int& width, int& height, int& fps);
