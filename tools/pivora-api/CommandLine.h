#pragma once

#include <optional>
#include <string>

struct CommandLine {
    std::string host = "127.0.0.1";
    int port = -1;
    std::string configPath;
    std::string database;     // a file, or a postgresql:// address; empty: the per-user file
    bool development = false; // print captchas and codes (loopback only)
    std::string certificate;
    std::string privateKey;
    bool allowPlainHttp = false; // plain HTTP off loopback, for a TLS-terminating proxy
    std::string clockFile;    // test-only: seconds added to the clock, read from this file
};

// Empty, with the reason in error, when the arguments are off or unsafe together.
std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::string* error);

const char* commandLineUsage();
