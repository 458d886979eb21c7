#pragma once
// The configuration file: the version record the start-up check answers with, and the
// settings of a deployment (public address, SMTP relay, password cost, pool sizes).

#include "Mailer.h"
#include "Secrets.h"

#include <optional>
#include <string>

struct VersionRecord {
    std::string version;
    std::string url;
    std::string description;
    int forceUpgrade = 0;
};

struct ServiceConfig {
    VersionRecord version;
    std::string publicUrl;   // where browsers reach the service; empty: from the request's Host
    int threads = 64;        // HTTP workers; a kept-alive connection holds one
    size_t poolSize = 8;     // database connections
    int busyTimeoutMs = 5000;
    int statementTimeoutMs = 10000;
    int lockTimeoutMs = 5000;
    PasswordCost passwordCost = PasswordCost::interactive();
    unsigned hashConcurrency = 0; // 0: one per processor
    int loginKeyDays = 30;
    SmtpSettings smtp;
};

// Empty, with the reason in error, when the file is unreadable or a value is off.
std::optional<ServiceConfig> loadServiceConfig(const std::string& path, std::string* error);
