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
    std::string id = "pivora-cast";
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
};

enum class ParseOutcome { Run, Help, Error };

ParseOutcome parseOptions(int argc, char** argv, CastOptions& options, std::string& error);
std::string usageText();
// Parses WIDTHxHEIGHT[@FPS]; false for anything else or out-of-range values.
bool parsePattern(const std::string& text, int& width, int& height, int& fps);
